// Month text check plus a full month calculation for any accepted text and a
// location within the dialog bounds (longitude -180..180, latitude -90..90,
// whole-hour zone -12..12): no NaN reaches a cell and every event cell is a
// valid cell text (a NaN would fail the digit check).  The D.a.n.M. cells
// hold a clock time or nothing.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <string_view>

#include "report/reporter.h"
#include "celltext.h"
#include "month/monthcalc.h"

namespace {
double Scaled(const std::uint8_t* p, double lo, double hi) {
    std::uint32_t u;
    std::memcpy(&u, p, sizeof u);
    return lo + (hi - lo) * (static_cast<double>(u) / 4294967295.0);
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 10) return 0;
    month::Location loc;
    loc.longitude = Scaled(data, -180, 180);
    loc.latitude = Scaled(data + 4, -90, 90);
    loc.timeZone = static_cast<double>(static_cast<int>(data[8] % 25) - 12);
    bool summer = (data[9] & 1) != 0;
    std::string_view text(reinterpret_cast<const char*>(data + 10), size - 10);
    report::SilentReporter reporter;
    auto r = month::CalculateMonth(text, summer, loc, reporter);
    if (!r) return 0;
    if (!month::CheckMonthText(text)) std::abort();
    for (std::size_t d = 1; d <= 31; ++d) {
        const auto& row = r->tab[d];
        for (int col = 1; col <= 5; col += 2)
            if (!testsupport::ValidEventPair(row[static_cast<std::size_t>(col)],
                                             row[static_cast<std::size_t>(col + 1)], col))
                std::abort();
        for (std::size_t col : {7u, 8u})
            if (!row[col].empty() && !testsupport::IsClock(row[col])) std::abort();
    }
    if (r->keys.size() != 124) std::abort();
    return 0;
}
