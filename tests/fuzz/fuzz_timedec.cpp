// TimeDec on arbitrary text: never a NaN or infinity.  A text of four
// digits hhmm is accepted exactly when hhmm is at most 2400, and then gives
// hh + mm / 60.  (Other texts are only checked for the first property.)
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>

#include "astro/calendar.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto h = astro::TimeDec({reinterpret_cast<const char*>(data), size});
    if (h && !std::isfinite(*h)) std::abort();
    if (size != 4 || std::any_of(data, data + 4, [](std::uint8_t c) { return c < '0' || c > '9'; })) return 0;
    const int hh = (data[0] - '0') * 10 + data[1] - '0', mm = (data[2] - '0') * 10 + data[3] - '0';
    if (h.has_value() != (hh * 100 + mm <= 2400) || (h && *h != hh + mm / 60.0)) std::abort();
    return 0;
}
