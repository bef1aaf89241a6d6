// Month text check plus a full month calculation for any accepted text and a
// location within the dialog bounds (longitude -180..180, latitude -90..90,
// whole-hour zone -12..12): every crossing lies within its day with a clock
// time 0000..2400 (a NaN fails both), and the intervals follow one
// another.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "month/monthcalc.h"
#include "report/reporter.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 10) return 0;
    // Octets 0-3 the longitude, 4-7 the latitude, 8 the zone, 9 the summer hour.
    std::uint32_t u[2];
    std::memcpy(u, data, sizeof u);
    const month::Place loc{-180 + 360 * (u[0] / 4294967295.0), -90 + 180 * (u[1] / 4294967295.0),
                           {data[8] % 25 - 12.0, (data[9] & 1) != 0, ""}, ""};
    const std::string_view text(reinterpret_cast<const char*>(data + 10), size - 10);
    report::SilentReporter quiet;
    const auto r = month::CalculateMonth(text, loc, quiet);
    if (!r) return 0;
    if (!calendar::CheckMonthText(text)) std::abort();
    for (int d = 1; d <= 31; ++d) {
        const month::Day& day = r->day(d);
        for (const month::HorizonDay& b : day.horizons)
            for (const month::Crossing& c : b.crossings)
                if (!(c.mjd >= day.startMjd && c.mjd <= day.endMjd) || c.hhmm < 0 || c.hhmm > 2400 ||
                    c.hhmm % 100 > 59)
                    std::abort();
    }
    const std::vector<month::Interval>& ivs = r->intervals;
    for (std::size_t i = 0; i < ivs.size(); ++i)
        if (!(ivs[i].begin <= ivs[i].end + 1 / 1440.0) || (i > 0 && !(ivs[i - 1].end <= ivs[i].begin))) std::abort();
    return 0;
}
