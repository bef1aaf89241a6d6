// The Nights page: a row per night with its times, Moon and dark pieces, and its 12:00-to-12:00 band.
#include "render/nightspage.h"

#include <algorithm>
#include <cmath>

#include "month/format.h"
#include "render/pagegrid.h"

namespace render {

using namespace detail;

namespace {

// Table rows of the page: row 0 the headings, rows 1.. the nights.
constexpr double kBarHeight = 0.8;  // of a row

double ColumnX(const PageLayout& L, double column) { return L.tableLeft + column * L.columnWidth; }

// Writes `text` at column x of a row, in a font just small enough to end
// before `room` columns are filled (the dark pieces of a busy night).
void WriteFitted(PageContext& ctx, double column, double room, int row, const std::string& text) {
    const PageLayout& L = ctx.layout;
    OutputSurface& cur = ctx.out.current();
    const double width = cur.TextWidth(text), fits = room * L.columnWidth;
    const float size = cur.FontSize();
    const bool shrink = width > fits && size > 0 && fits > 0;
    if (shrink) cur.SetFontSize(std::floor(static_cast<float>(size * fits / width) * 10) / 10);
    WriteText(ctx, ColumnX(L, column), L.top + row * L.rowHeight, text);
    if (shrink) cur.SetFontSize(size);
}

// The spans of a night's band as bars of row `row`: the shades full
// height, the Moon a band at the top, blended by its phase.
void DrawBand(PageContext& ctx, const NightShades& sh, int row, const NightBand& band) {
    const PageLayout& L = ctx.layout;
    OutputSurface& cur = ctx.out.current();
    const double y = L.top + row * L.rowHeight, h = kBarHeight * L.rowHeight;
    for (const BandSpan& s : band.spans) {
        const double x = L.graphLeft + s.fromHour * L.hourWidth, w = (s.toHour - s.fromHour) * L.hourWidth;
        if (s.kind == BandKind::Moon)
            cur.FilledBox(ToFloat(x), ToFloat(y), ToFloat(w), ToFloat(h * sh.moonHeight),
                          sh.moonOver(s.under, s.strength));
        else
            cur.FilledBox(ToFloat(x), ToFloat(y), ToFloat(w), ToFloat(h), sh.of(s.kind));
    }
}

// A night's row: its texts, switch mark, phase symbol (mirrored `south` of
// the equator) and band.
void DrawNightRow(PageContext& ctx, const NightShades& sh, int row, const month::Night& n, const NightBand& band,
                  bool south) {
    const PageLayout& L = ctx.layout;
    const double y = L.top + row * L.rowHeight;
    const std::string date = NightDayText(n);
    // Sundays grey, as on the Days page (but on the 1st).
    WriteText(ctx, ColumnX(L, NightColumns::date), y, date, n.weekday == 0 && n.dayOfMonth >= 2 ? kGrey : kBlack);
    DrawSwitchMark(ctx, row, date, band.clockShift);
    WriteText(ctx, ColumnX(L, NightColumns::dusk), y, NightClockText(n.dusk));
    WriteText(ctx, ColumnX(L, NightColumns::dawn), y, NightClockText(n.dawn));
    WriteText(ctx, ColumnX(L, NightColumns::moon), y, NightPercentText(n.moonFraction));
    std::string pieces;
    for (const month::NightPiece& p : n.dark) pieces += (pieces.empty() ? "" : " ") + NightPieceText(p);
    WriteFitted(ctx, NightColumns::dark, NightColumns::total - NightColumns::dark - 0.2, row,
                pieces.empty() ? "none" : pieces);
    if (!n.dark.empty()) WriteText(ctx, ColumnX(L, NightColumns::total), y, NightTotalText(n.darkMinutes));
    // The phase symbol sits in the Days page's phase column: the table's
    // left edge is moved so that column falls on the nights' one.
    month::Day day;
    day.date = n.date;
    day.dayOfMonth = n.dayOfMonth;
    PageLayout& layout = ctx.layout;
    const double left = layout.tableLeft;
    layout.tableLeft = ColumnX(layout, NightColumns::phase) - kPhaseColumn * layout.columnWidth;
    DrawPhaseSymbol(ctx, row, day, south);
    layout.tableLeft = left;
    DrawBand(ctx, sh, row, band);
}

// The headings of row 0 and the hour labels over the graph: 12 at its
// left edge, 0 at midnight in the middle, 12 at its right edge.
void DrawHeadings(PageContext& ctx) {
    const PageLayout& L = ctx.layout;
    const struct {
        double column;
        const char* text;
    } heads[] = {{NightColumns::date, "Night"}, {NightColumns::dusk, "Dusk"},          {NightColumns::dawn, "Dawn"},
                 {NightColumns::moon, "Moon"},  {NightColumns::dark, "Dark, no Moon"}, {NightColumns::total, "Total"}};
    for (const auto& h : heads) WriteText(ctx, ColumnX(L, h.column), L.top, h.text);
    OutputSurface& cur = ctx.out.current();
    auto label = [](int h) { return std::to_string((12 + h) % 24); };
    auto left = [&](int h) {
        const double lw = cur.TextWidth(label(h));
        return std::min(L.graphLeft + h * L.hourWidth - lw / 2, cur.ScaleWidth() - lw);
    };
    auto right = [&](int h) { return left(h) + cur.TextWidth(label(h)); };
    for (int h : HourLabels(HourLabelStep(cur, L), cur.TextWidth(" "), left, right))
        WriteText(ctx, left(h), L.top, label(h));
}

// White hour lines over the bars of rows 1..rows; midnight's in grey, so
// the middle of the night stands out on the dark.
void DrawHourLines(PageContext& ctx, int rows) {
    const PageLayout& L = ctx.layout;
    OutputSurface& cur = ctx.out.current();
    for (int h = 0; h <= 24; ++h) {
        const double x = L.graphLeft + h * L.hourWidth;
        cur.Line(ToFloat(x), ToFloat(L.top + L.rowHeight), 0, ToFloat(rows * L.rowHeight), h == 12 ? kGrey : kWhite);
    }
}

// A thin frame around row `row`, from the table's left edge to the graph's
// right edge.
void FrameRow(PageContext& ctx, int row) {
    const PageLayout& L = ctx.layout;
    OutputSurface& cur = ctx.out.current();
    const double x = L.tableLeft - L.columnWidth / 10, y = L.top + row * L.rowHeight;
    const double w = L.graphLeft + 24 * L.hourWidth - x, h = L.rowHeight;
    const Color c = RGB(200, 0, 0);
    cur.Line(ToFloat(x), ToFloat(y), ToFloat(w), 0, c);
    cur.Line(ToFloat(x), ToFloat(y + h), ToFloat(w), 0, c);
    cur.Line(ToFloat(x), ToFloat(y), 0, ToFloat(h), c);
    cur.Line(ToFloat(x + w), ToFloat(y), 0, ToFloat(h), c);
}

// "Graph:" and a small box of each shade beside its word; the Moon's box
// is its full band over the night.
void DrawNightKey(PageContext& ctx, const NightShades& sh, double y) {
    const PageLayout& L = ctx.layout;
    OutputSurface& cur = ctx.out.current();
    const double bw = std::min(1.2 * L.hourWidth, L.columnWidth / 2);
    const double bh = 0.6 * L.rowHeight, by = y + 0.2 * L.rowHeight;
    double x = L.tableLeft;
    WriteText(ctx, x, y, "Graph:");
    x += cur.TextWidth("Graph: ");
    for (std::size_t i = 0; i < kBandKinds; ++i) {
        const auto k = static_cast<BandKind>(i);
        if (k == BandKind::Moon) {
            cur.FilledBox(ToFloat(x), ToFloat(by), ToFloat(bw), ToFloat(bh), sh.of(BandKind::Night));
            cur.FilledBox(ToFloat(x), ToFloat(by), ToFloat(bw), ToFloat(bh * sh.moonHeight), sh.of(k));
        } else {
            cur.FilledBox(ToFloat(x), ToFloat(by), ToFloat(bw), ToFloat(bh), sh.of(k));
        }
        // A thin frame, so a white box shows on white paper.
        cur.Line(ToFloat(x), ToFloat(by), ToFloat(bw), 0, kGrey);
        cur.Line(ToFloat(x), ToFloat(by + bh), ToFloat(bw), 0, kGrey);
        cur.Line(ToFloat(x), ToFloat(by), 0, ToFloat(bh), kGrey);
        cur.Line(ToFloat(x + bw), ToFloat(by), 0, ToFloat(bh), kGrey);
        x += bw + cur.TextWidth(" ");
        const std::string word = k == BandKind::Moon ? "Moon up (by its phase)" : BandWord(k);
        WriteText(ctx, x, y, word);
        x += cur.TextWidth(word + "  ");
    }
}

// The rows, hour lines and headings of the nights, from table row 0.
void DrawNightRows(PageContext& ctx, const month::Month& m, const month::Month& next,
                   const std::vector<month::Night>& nights, const NightShades& sh) {
    int row = 1;
    const bool south = m.place.latitude < 0;
    for (const month::Night& n : nights) DrawNightRow(ctx, sh, row++, n, NightBandOf(n, m, next), south);
    DrawHourLines(ctx, static_cast<int>(nights.size()));
    DrawHeadings(ctx);
}

// The printed page in the print font: title, credit and month lines, a
// line on how the nights read, the rows from page row 7, the legend and
// the key; the printer's font is put back and the document ended.
bool DrawPrintedNights(PageContext& ctx, const month::Month& m, const month::Month& next,
                       const std::vector<month::Night>& nights, const NightShades& sh) {
    return DrawPrintedPage(ctx, m, "Nights from 12:00 to 12:00 local clock time, dated by their evening", [&] {
        const PageLayout& L = ctx.layout;
        DrawNightRows(ctx, m, next, nights, sh);
        WriteLine(ctx, L.top + kLegendRow1 * L.rowHeight,
                  "Dusk, dawn: the Sun at -18 degrees; Moon: illuminated at local midnight; '----' = none this night");
        DrawNightKey(ctx, sh, L.top + kKeyRowPrinted * L.rowHeight);
    });
}

}  // namespace

void NightsPageSetup(PageContext& ctx) {
    PageSetup(ctx);
    PageLayout& L = ctx.layout;
    // The Days page's headings line stands above its table row 0 on the
    // screen; the Nights page's row 0 holds its headings.
    if (ctx.out.screen()) L.top -= L.rowHeight;
    const double right = L.graphLeft + 24 * L.hourWidth;
    L.graphLeft = L.tableLeft + kNightGraphColumn * L.columnWidth;
    L.hourWidth = std::max(0.0, (right - L.graphLeft) / 24);
}

bool DrawNightsPage(PageContext& ctx, const month::Month& m, const month::Month& next,
                    const std::vector<month::Night>& nights, std::optional<int> highlightDay) {
    NightsPageSetup(ctx);
    // The caller chose the Days page's shades for this drawing (the ink
    // saver's hatch on paper when asked for): the nights follow that choice.
    const bool inkSaver = ctx.shades.hatchNight;
    const NightShades sh = NightPageShades(inkSaver);
    if (!ctx.out.screen()) return DrawPrintedNights(ctx, m, next, nights, sh);
    ctx.out.picture().Clear();
    DrawNightRows(ctx, m, next, nights, sh);
    DrawNightKey(ctx, sh, ctx.layout.top + kKeyRowScreen * ctx.layout.rowHeight);
    for (std::size_t i = 0; highlightDay && i < nights.size(); ++i)
        if (nights[i].dayOfMonth == *highlightDay) FrameRow(ctx, static_cast<int>(i) + 1);
    return true;
}

bool DrawNightsPage(PageContext& ctx, const MonthNights& n, std::optional<int> highlightDay) {
    return DrawNightsPage(ctx, *n.month, *n.next, n.nights, highlightDay);
}

std::string NightDayText(const month::Night& n) {
    static const char* const days[] = {"Su", "Mo", "Tu", "We", "Th", "Fr", "Sa"};
    return std::string(days[static_cast<std::size_t>(std::clamp(n.weekday, 0, 6))]) + " " +
           std::to_string(n.dayOfMonth);
}

std::string NightClockText(const month::Crossing* c) { return c ? month::ClockText(c->hhmm) : "----"; }

std::string NightPercentText(double fraction) { return std::to_string(std::llround(100 * fraction)) + "%"; }

std::string NightPieceText(const month::NightPiece& p) {
    return month::ClockText(p.beginHhmm) + "-" + month::ClockText(p.endHhmm);
}

std::string NightTotalText(long long minutes) {
    const long long mm = minutes % 60;
    return std::to_string(minutes / 60) + ":" + (mm < 10 ? "0" : "") + std::to_string(mm);
}

}  // namespace render
