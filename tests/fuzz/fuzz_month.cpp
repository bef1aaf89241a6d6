// Month text check plus a full month calculation for any accepted text and a
// location within the dialog bounds (longitude -180..180, latitude -90..90,
// whole-hour zone -12..12): no NaN reaches a cell and every event cell is a
// valid cell text (a NaN would fail the digit check).  The D.a.n.M. cells
// hold a clock time or nothing.
#include <cmath>
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

using testsupport::IsClock;

bool IsMark(const std::string& c, int firstCol) {
    if (firstCol == 5) return c == "a.b." || c == "a.d.";
    return c == "a.h." || c == "b.h.";
}

// A pair of cells: two events ("hhmm" or "----", not both "----"), or a day
// mark followed by an empty cell.
bool ValidPair(const std::string& first, const std::string& second, int firstCol) {
    if (IsMark(first, firstCol)) return second.empty();
    bool a = IsClock(first), b = IsClock(second);
    return (a || first == "----") && (b || second == "----") && (a || b);
}

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
    for (int d = 1; d <= 31; ++d) {
        const auto& row = r->tab[static_cast<std::size_t>(d)];
        for (int col = 1; col <= 6; col += 2) {
            const std::string& c1 = row[static_cast<std::size_t>(col)];
            const std::string& c2 = row[static_cast<std::size_t>(col + 1)];
            if (!ValidPair(c1, c2, col)) std::abort();
        }
        for (int col = 7; col <= 8; ++col) {
            const std::string& c = row[static_cast<std::size_t>(col)];
            if (!c.empty() && !IsClock(c)) std::abort();
        }
    }
    if (r->keys.size() != 124) std::abort();
    return 0;
}
