// Month text check plus a full month calculation for any accepted text and a
// location within the dialog bounds (longitude -180..180, latitude -90..90,
// whole-hour zone -12..12): no NaN reaches a cell and every event cell is a
// valid cell text (a NaN would fail the digit check).  The D.a.n.M. cells
// hold a clock time or nothing.
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "celltext.h"
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
    const month::Location loc{scaled(0, -180, 180), scaled(4, -90, 90), data[8] % 25 - 12.0};
    const std::string_view text(reinterpret_cast<const char*>(data + 10), size - 10);
    report::SilentReporter quiet;
    const auto r = month::CalculateMonth(text, (data[9] & 1) != 0, loc, quiet);
    if (!r) return 0;
    if (!month::CheckMonthText(text) || r->keys.size() != 124) std::abort();
    for (std::size_t d = 1; d <= 31; ++d) {
        const auto& row = r->tab[d];
        for (std::size_t col : {1u, 3u, 5u})
            if (!testsupport::ValidEventPair(row[col], row[col + 1], static_cast<int>(col))) std::abort();
        for (std::size_t col : {7u, 8u})
            if (!row[col].empty() && !testsupport::IsClock(row[col])) std::abort();
    }
    return 0;
}
