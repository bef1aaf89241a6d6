// Month text check plus a full month calculation for any accepted text and a
// location within the dialog bounds (longitude -180..180, latitude -90..90,
// whole-hour zone -12..12): every crossing lies within its day with a clock
// time 0000..2400 (a NaN fails both), a body without crossings has its day
// mark, and the intervals follow one another.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "month/monthcalc.h"
#include "report/reporter.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 10) return 0;
    // Octets 0-3 and 4-7 as a number from lo to hi, octet 8 the zone, 9 the summer hour.
    const auto scaled = [data](std::size_t at, double lo, double hi) {
        std::uint32_t u;
        std::memcpy(&u, data + at, sizeof u);
        return lo + (hi - lo) * (u / 4294967295.0);
    };
    const month::Place loc{scaled(0, -180, 180), scaled(4, -90, 90), {data[8] % 25 - 12.0, (data[9] & 1) != 0, ""}, ""};
    const std::string_view text(reinterpret_cast<const char*>(data + 10), size - 10);
    report::SilentReporter quiet;
    const auto r = month::CalculateMonth(text, loc, quiet);
    if (!r) return 0;
    if (!month::CheckMonthText(text) || r->keys.size() != 124) std::abort();
    for (int d = 1; d <= 31; ++d) {
        const month::Day& day = r->day(d);
        for (const month::BodyDay& b : day.bodies) {
            if (b.crossings.empty() != (b.mark() != month::DayMark::None)) std::abort();
            for (const month::Crossing& c : b.crossings)
                if (!(c.mjd >= day.startMjd && c.mjd <= day.endMjd) || c.hhmm < 0 || c.hhmm > 2400 ||
                    c.hhmm % 100 > 59)
                    std::abort();
        }
    }
    for (std::size_t i = 0; i < r->intervals.size(); ++i) {
        const month::Interval& iv = r->intervals[i];
        if (!(iv.begin <= iv.end + 1 / 1440.0) || (i > 0 && !(r->intervals[i - 1].end <= iv.begin))) std::abort();
    }
    return 0;
}
