// TimeDec on arbitrary text: -1 (with a message) or decimal hours in 0..40.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "astro/calendar.h"
#include "report/reporter.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string_view text(reinterpret_cast<const char*>(data), size);
    report::SilentReporter reporter;
    double h = astro::TimeDec(text, reporter);
    if (std::isnan(h)) std::abort();
    return 0;
}
