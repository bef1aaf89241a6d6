// The year chart: a row a night from noon to noon, the months at the side, new and full Moon, hours and key.
#include "render/yearchart.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "astro/sunmoon.h"
#include "calendar/calendar.h"
#include "render/pagegrid.h"
#include "render/nightband.h"

namespace render {

using namespace detail;

namespace {

const char* const kMonthNames[12] = {"Jan", "Feb", "Mar", "Apr", "May", "Jun",
                                     "Jul", "Aug", "Sep", "Oct", "Nov", "Dec"};
// The frame around the highlighted night.
constexpr Color kHighlight = RGB(230, 0, 0);

// Where the chart's parts lie, in the surface's units.
struct Grid {
    double left = 0, right = 0;  // the drawable width within the margins
    double top = 0;              // y of the title line
    double line = 0;             // a text line's height
    double graphLeft = 0;        // x of 12:00
    double hourWidth = 0;
    double rowsTop = 0;  // y of the first night's row
    double rowHeight = 0;
    double moonX = 0;       // centre of the new and full Moon marks
    double moonRadius = 0;  // their radius
    int keyLines = 1;
};

// The margins of the chart: on screen half a line above and below and a
// fifth of a table column ("99999") at the sides, on paper those of the
// print style (millimetres of the sheet).
struct Box {
    double left = 0, top = 0, right = 0, bottom = 0;
};
Box DrawableBox(PageContext& ctx, double line) {
    OutputSurface& cur = ctx.out.current();
    const double w = cur.ScaleWidth(), h = cur.ScaleHeight();
    if (ctx.out.screen()) {
        const double side = cur.TextWidth("99999") / 5;
        return {side, line / 2, w - side, h - line / 2};
    }
    const PaperMm paper =
        PaperSizeMm(cur.PaperSize(), cur.Orientation()).value_or(*PaperSizeMm(kPaperCodeA4, cur.Orientation()));
    const double across = w / paper.width, down = h / paper.height;
    const PrintStyle& st = ctx.print;
    return {across * st.marginLeft, down * st.marginTop, w - across * st.marginRight, h - down * st.marginBottom};
}

// One entry of the key: a swatch (or a Moon mark) and its word.
struct KeyEntry {
    const char* word;
    Color shade;
    int mark;  // 0 a swatch, 1 the new Moon's mark, 2 the full Moon's
};

// The key's entries: every shade of the rows (the Moon's full shade),
// then the Moon marks.
std::vector<KeyEntry> KeyEntries(const NightShades& sh) {
    std::vector<KeyEntry> keys;
    for (std::size_t k = 0; k < kBandKinds; ++k) {
        const auto kind = static_cast<BandKind>(k);
        keys.push_back({BandWord(kind), sh.of(kind), 0});
    }
    keys.push_back({"new Moon", kBlack, 1});
    keys.push_back({"full Moon", kYellow, 2});
    return keys;
}

// A Moon mark: a disc outlined in black, filled black (new) or yellow
// (full); the surface's fill put back.
void MoonMark(OutputSurface& s, double x, double y, double r, bool full) {
    const int style = s.FillStyle();
    const Color fill = s.FillColor();
    s.SetFillStyle(kFillSolid);
    s.SetFillColor(full ? kYellow : kBlack);
    s.Circle(ToFloat(x), ToFloat(y), ToFloat(r), kBlack, std::nullopt, std::nullopt, std::nullopt);
    s.SetFillStyle(style);
    s.SetFillColor(fill);
}

// Lays out (draw false) or draws the key from y on: each entry a swatch
// and its word, wrapped at the right edge.  Returns the lines it takes.
int Key(PageContext& ctx, const Grid& g, double y, const NightShades& sh, bool draw) {
    OutputSurface& cur = ctx.out.current();
    const double bw = cur.TextWidth("999"), bh = 0.6 * g.line;
    const double blank = cur.TextWidth(" ");
    double x = g.left;
    int lines = 1;
    for (const KeyEntry& k : KeyEntries(sh)) {
        const double width = bw + blank + cur.TextWidth(k.word);
        if (x > g.left && x + width > g.right) {
            x = g.left;
            y += g.line;
            ++lines;
        }
        if (draw) {
            const double by = y + 0.2 * g.line;
            if (k.mark != 0) {
                MoonMark(cur, x + bw / 2, by + bh / 2, g.moonRadius, k.mark == 2);
            } else {
                cur.FilledBox(ToFloat(x), ToFloat(by), ToFloat(bw), ToFloat(bh), k.shade);
                // A thin frame, so a white box shows on white paper.
                for (double fy : {by, by + bh}) cur.Line(ToFloat(x), ToFloat(fy), ToFloat(bw), 0, kGrey);
                for (double fx : {x, x + bw}) cur.Line(ToFloat(fx), ToFloat(by), 0, ToFloat(bh), kGrey);
            }
            WriteText(ctx, x + bw + blank, y, k.word);
        }
        x += width + 2 * blank;
    }
    return lines;
}

// The grid on the current surface, in its current font, for `rows` nights:
// title and place line, the hour labels, the rows, the hour labels again
// and the key fill the drawable height.
Grid Layout(PageContext& ctx, std::size_t rows, const NightShades& sh) {
    OutputSurface& cur = ctx.out.current();
    Grid g;
    g.line = cur.TextHeight("GgQq");
    const Box box = DrawableBox(ctx, g.line);
    g.left = box.left;
    g.right = box.right;
    g.top = box.top;
    double names = 0;
    for (const char* n : kMonthNames) names = std::max(names, cur.TextWidth(n));
    const double blank = cur.TextWidth(" ");
    g.graphLeft = g.left + names + blank;
    g.moonRadius = 0.3 * g.line;
    // Room for the marks and for half the last hour label.
    const double moonColumn = std::max(2 * g.moonRadius + 2 * blank, cur.TextWidth("12") / 2 + blank);
    g.hourWidth = (g.right - moonColumn - g.graphLeft) / 24;
    g.moonX = g.graphLeft + 24 * g.hourWidth + blank + g.moonRadius;
    g.keyLines = Key(ctx, g, 0, sh, false);
    // Title, place line and the upper hour labels above the rows; the
    // lower hour labels, half a line and the key below.
    g.rowsTop = g.top + 3 * g.line;
    const double below = (1.5 + g.keyLines) * g.line;
    g.rowHeight = std::max(0.0, (box.bottom - below - g.rowsTop) / static_cast<double>(std::max<std::size_t>(rows, 1)));
    return g;
}

// The row of night n from y: its band's spans as boxes across the graph,
// the Sun's shades, the dark pieces, then where the Moon is up after
// sunset its shade over them as strong as it is full, each the whole row
// high (a row is a few pixels or a fraction of a millimetre).
void DrawRow(PageContext& ctx, const YearChart& chart, const month::Night& n, double y, const NightShades& sh) {
    const PageLayout& L = ctx.layout;
    OutputSurface& cur = ctx.out.current();
    const month::Month& m = chart.months->at(n.date);
    const month::Month& next = chart.months->at(calendar::ShiftedMonth(n.date, 1));
    for (const BandSpan& s : NightBandOf(n, m, next).spans) {
        const bool moon = s.kind == BandKind::Moon;
        if (moon && s.under == BandKind::Day) continue;
        const Color c = moon ? sh.moonOver(s.under, s.strength) : sh.of(s.kind);
        cur.FilledBox(ToFloat(L.graphLeft + s.fromHour * L.hourWidth), ToFloat(y),
                      ToFloat((s.toHour - s.fromHour) * L.hourWidth), ToFloat(L.rowHeight), c);
    }
}

// The hour labels at y: the clock hours 12 .. 24 = 0 .. 12, centred on
// their lines, every step-th hour as fits.
void HourLabels(PageContext& ctx, const Grid& g, double y) {
    OutputSurface& cur = ctx.out.current();
    PageLayout scale;
    scale.hourWidth = g.hourWidth;
    const int step = HourLabelStep(cur, scale);
    for (int h = 0; h <= 24; h += step) {
        const std::string label = std::to_string((h + 12) % 24);
        WriteText(ctx, g.graphLeft + h * g.hourWidth - cur.TextWidth(label) / 2, y, label);
    }
}

// The hour lines over the rows, the midnight line darker, and between
// months a line across the names and the rows with the month's name under
// it.
void DrawGridLines(PageContext& ctx, const Grid& g, const std::vector<month::Night>& nights) {
    OutputSurface& cur = ctx.out.current();
    const double height = g.rowHeight * static_cast<double>(nights.size());
    for (int h = 1; h < 24; ++h) {
        const double x = g.graphLeft + h * g.hourWidth;
        cur.Line(ToFloat(x), ToFloat(g.rowsTop), 0, ToFloat(height), h == 12 ? kGrey : kWhite);
    }
    const double right = g.graphLeft + 24 * g.hourWidth;
    for (std::size_t i = 0; i < nights.size(); ++i) {
        if (i > 0 && nights[i].date.month == nights[i - 1].date.month) continue;
        const double y = g.rowsTop + static_cast<double>(i) * g.rowHeight;
        if (i > 0) cur.Line(ToFloat(g.left), ToFloat(y), ToFloat(right - g.left), 0, kGrey);
        WriteText(ctx, g.left, y, kMonthNames[(nights[i].date.month + 11) % 12]);
    }
}

// The new and full Moon marks right of their nights' rows.
void MoonMarks(PageContext& ctx, const Grid& g, const std::vector<month::Night>& nights) {
    const MoonNights moons = FindMoonNights(nights);
    OutputSurface& cur = ctx.out.current();
    for (bool full : {false, true}) {
        for (std::size_t i : full ? moons.fullMoon : moons.newMoon)
            MoonMark(cur, g.moonX, g.rowsTop + (static_cast<double>(i) + 0.5) * g.rowHeight, g.moonRadius, full);
    }
}

// A frame around the highlighted night's row, a little taller than the row.
void Highlight(PageContext& ctx, const Grid& g, std::size_t i) {
    OutputSurface& cur = ctx.out.current();
    const double pad = std::max(g.rowHeight, g.line / 6);
    const double x = g.graphLeft - pad, w = 24 * g.hourWidth + 2 * pad;
    const double y = g.rowsTop + static_cast<double>(i) * g.rowHeight - pad, h = g.rowHeight + 2 * pad;
    for (double fy : {y, y + h}) cur.Line(ToFloat(x), ToFloat(fy), ToFloat(w), 0, kHighlight);
    for (double fx : {x, x + w}) cur.Line(ToFloat(fx), ToFloat(y), 0, ToFloat(h), kHighlight);
}

// Everything in the current font: title, place line, rows, lines, marks,
// hour labels and key; ctx.layout set to the rows' grid.
void DrawChart(PageContext& ctx, const YearChart& chart) {
    const std::vector<month::Night>& nights = *chart.nights;
    const NightShades sh = NightPageShades(chart.inkSaver);
    const Grid g = Layout(ctx, nights.size(), sh);
    ctx.layout.top = g.rowsTop;
    ctx.layout.rowHeight = g.rowHeight;
    ctx.layout.tableLeft = g.left;
    ctx.layout.graphLeft = g.graphLeft;
    ctx.layout.hourWidth = g.hourWidth;
    WriteText(ctx, g.left, g.top, "Almucan " + std::to_string(chart.year));
    WriteText(ctx, g.left, g.top + g.line, YearLineText(chart));
    for (std::size_t i = 0; i < nights.size(); ++i)
        DrawRow(ctx, chart, nights[i], g.rowsTop + static_cast<double>(i) * g.rowHeight, sh);
    DrawGridLines(ctx, g, nights);
    MoonMarks(ctx, g, nights);
    if (chart.highlight && *chart.highlight < nights.size()) Highlight(ctx, g, *chart.highlight);
    const double bottom = g.rowsTop + static_cast<double>(nights.size()) * g.rowHeight;
    HourLabels(ctx, g, g.rowsTop - g.line);
    HourLabels(ctx, g, bottom);
    Key(ctx, g, bottom + 1.5 * g.line, sh, true);
}

}  // namespace

std::string YearLineText(const YearChart& chart) {
    // The month line reads "Month: yyyymm   ..."; the chart's names the year.
    const std::string line = MonthLineText(chart.months->place(), std::to_string(chart.year));
    return "Year:" + line.substr(std::strlen("Month:"));
}

MoonNights FindMoonNights(const std::vector<month::Night>& nights) {
    MoonNights r;
    const std::size_t n = nights.size();
    if (n == 0) return r;
    // The Moon at local midnight, the night before the first and the night
    // after the last one included (a day before and after their midnights).
    std::vector<double> f(n + 2);
    for (std::size_t i = 0; i < n; ++i) f[i + 1] = nights[i].moonFraction;
    f[0] = astro::IlluminatedFraction(nights.front().nextNoon - 1.5);
    f[n + 1] = astro::IlluminatedFraction(nights.back().nextNoon + 0.5);
    for (std::size_t i = 1; i <= n; ++i) {
        // Of two equal neighbours the later one is marked.
        if (f[i] < 0.5 && f[i] <= f[i - 1] && f[i] < f[i + 1]) r.newMoon.push_back(i - 1);
        if (f[i] > 0.5 && f[i] >= f[i - 1] && f[i] > f[i + 1]) r.fullMoon.push_back(i - 1);
    }
    return r;
}

bool DrawYearChart(PageContext& ctx, const YearChart& chart) {
    if (!chart.nights || !chart.months) return true;
    OutputSurface& cur = ctx.out.current();
    if (ctx.out.screen()) {
        cur.Clear();
        DrawChart(ctx, chart);
        return true;
    }
    const std::string savedFont = cur.FontName();
    const float savedSize = cur.FontSize();
    cur.SetFontName(ctx.print.fontName);
    cur.SetFontSize(ctx.print.fontSize);
    DrawChart(ctx, chart);
    cur.SetFontName(savedFont);
    cur.SetFontSize(savedSize);
    return cur.EndDoc();
}

}  // namespace render
