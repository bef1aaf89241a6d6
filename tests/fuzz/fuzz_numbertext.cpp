// Number text round trip: a finite double written with 17 significant digits
// and read back by the value rule is the same double; the 15-digit text of the
// read-back value is the same text again, unless that text rounds past the
// largest double (|v| above 1.79769313486231E+308 reads back as infinity).
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "text/valuerule.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < sizeof(double)) return 0;
    double v;
    std::memcpy(&v, data, sizeof v);
    if (!std::isfinite(v)) return 0;
    std::string t17 = text::numberText(v, 17);
    double back = text::value(t17);
    if (back != v) std::abort();
    std::string t15 = text::numberText(v);
    double back15 = text::value(t15);
    if (!std::isfinite(back15)) {
        if (std::fabs(v) < 1.7976931348623e308) std::abort();
        return 0;
    }
    if (text::numberText(back15) != t15) std::abort();
    return 0;
}
