// Number text round trip: a finite double written with 17 significant digits
// and read back by the value rule is the same double; the 15-digit text of the
// read-back value is the same text again, unless that text rounds past the
// largest double (|v| above 1.79769313486231E+308 reads back as infinity).
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "text/numbers.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    double v;
    if (size < sizeof v) return 0;
    std::memcpy(&v, data, sizeof v);
    if (!std::isfinite(v)) return 0;
    if (text::value(text::numberText(v, 17)) != v) std::abort();
    const std::string t15 = text::numberText(v);
    const double back = text::value(t15);
    if (std::isfinite(back) ? text::numberText(back) != t15 : std::fabs(v) < 1.7976931348623e308) std::abort();
    return 0;
}
