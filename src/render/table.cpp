// The page's table: cells, grey Sundays, clock switch marks, and each day's phase symbol and bars.
#include <cmath>
#include <string>

#include "calendar/calendar.h"
#include "month/format.h"
#include "render/page.h"
#include "render/pagegrid.h"

namespace render {

using namespace detail;

void detail::DrawSwitchMark(PageContext& ctx, int row, const std::string& dayText, double shift) {
    const std::string mark = SwitchMark(shift);
    if (mark.empty() || dayText.empty()) return;
    const PageLayout& layout = ctx.layout;
    OutputSurface& cur = ctx.out.current();
    const float size = cur.FontSize();
    const double x = layout.tableLeft + cur.TextWidth(dayText) + cur.TextWidth(" ") / 4;
    if (size > 0) cur.SetFontSize(size * 0.55f);
    // Within the Day column: without its unit where the column is narrow.
    std::string text = mark;
    if (x + cur.TextWidth(text) > layout.tableLeft + layout.columnWidth * 0.97) text.pop_back();
    WriteText(ctx, x, layout.top + row * layout.rowHeight, text, kGrey);
    if (size > 0) cur.SetFontSize(size);
}

namespace {

// A Sunday is grey but on the 1st of the month, which no Saturday of the
// month comes before.
bool GreySunday(const month::Day& day) {
    return day.dayOfMonth >= 2 && calendar::Weekday(day.date.year, day.date.month, day.dayOfMonth) == 0;
}

// A day's row beside its cells: the phase symbol, the switch mark and the
// bars (night under twilight under daylight under the Moon's time up).
void DrawDayMarks(PageContext& ctx, int row, const month::Day& day, const std::string& dayText) {
    DrawPhaseSymbol(ctx, row, day);
    DrawSwitchMark(ctx, row, dayText, day.clockShift);
    const Shades& sh = ctx.shades;
    const Color colours[] = {sh.moon, sh.day, sh.twilight};
    DrawNight(ctx, row);
    for (month::Horizon h : {month::Horizon::Twilight, month::Horizon::Sun, month::Horizon::Moon}) {
        const month::BarHours bar = month::BarOf(day.horizon(h));
        DrawBar(ctx, row, bar.from, bar.to, colours[static_cast<std::size_t>(h)]);
    }
}

}  // namespace

std::string SwitchMark(double shiftHours) {
    if (shiftHours == 0) return {};
    const char* sign = shiftHours > 0 ? "+" : "-";
    const double a = std::fabs(shiftHours);
    if (a == std::floor(a)) return sign + std::to_string(static_cast<int>(a)) + "h";
    return sign + std::to_string(static_cast<int>(std::lround(a * 60))) + "m";
}

void detail::DrawTable(PageContext& ctx, const month::Month& m, const month::MonthTab& tab,
                       const std::array<std::string, 10>& headings) {
    const PageLayout& layout = ctx.layout;
    for (int r = 0; r <= m.dayRows; ++r) {
        const auto& cells = r == 0 ? headings : tab[static_cast<std::size_t>(r)];
        const bool grey = r >= 1 && GreySunday(m.day(r));
        for (int c = 0; c < kColumns; ++c) {
            WriteText(ctx, layout.tableLeft + c * layout.columnWidth, layout.top + r * layout.rowHeight,
                      cells[static_cast<std::size_t>(c)], c == 0 && grey ? kGrey : kBlack);
        }
        if (r >= 1) DrawDayMarks(ctx, r, m.day(r), cells[0]);
    }
}

}  // namespace render
