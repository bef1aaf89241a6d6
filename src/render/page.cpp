// The month page on a surface: page set-up, header, day rows, event bars and phase symbols.
#include "render/page.h"

#include "render/paper.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "calendar/calendar.h"
#include "month/format.h"
#include "text/version.h"
#include "text/numbers.h"

namespace render {

namespace {

// pi as the phase symbol reckons it.
constexpr double kPi = 3.141593;
// Mean synodic month in days.
constexpr double kSynodicMonth = 29.530588;

float F(double v) { return static_cast<float>(v); }

// The page grid in rows of y_d and columns of x_d.
constexpr int kColumns = 10;        // Day .. Phase
constexpr int kDayRows = 31;        // hour lines run over 31 day rows
constexpr int kScreenRows = 33;     // headings, 31 days and the graph's key fill the picture box
// On paper the rows 0 to 42 fill the printable height: the graph's key is
// page row 42 (table row 35 of a table that starts on row 7), so fewer
// rows would leave it below the printable area once the print font is
// large enough (13 pt and more on A4) for the rows not to be capped.
constexpr int kPrintRows = 43;
constexpr int kPrintTableRow = 7;   // table row 0 on the printed page
constexpr int kLegendRow1 = 33;     // legends, in table rows
constexpr int kLegendRow2 = 34;
constexpr int kKeyRowPrinted = 35;  // the graph's key, in table rows
constexpr int kKeyRowScreen = 32;
constexpr int kPhaseColumn = 9;     // the phase symbol sits in column 9 ..
constexpr int kGraphColumn = 10;    // .. and the graph starts after column 10

// Last character of a cell; 0 for an empty cell.
char LastChar(const std::string& s) { return s.empty() ? '\0' : s.back(); }

// The credit line on row 2 of the printed page.
const char* const kCreditLine =
    "Low-precision solar and lunar theories; times in local clock time, rounded to the minute";

}  // namespace

void WriteTxt(PageContext& ctx, double X, double Y, const std::string& txt,
              std::optional<Color> tcol) {
    Color col = tcol.value_or(kBlack);
    // The picture box's fore colour is saved and set whatever the selector
    // says; the printer's is never touched.
    OutputSurface& pic = ctx.out.picture();
    Color saved = pic.ForeColor();
    pic.SetForeColor(col);
    if (ctx.out.screen()) {
        pic.SetCurrentX(F(X));
        pic.SetCurrentY(F(Y));
        pic.PrintText(txt);
    } else {
        OutputSurface& prn = ctx.out.current();
        prn.SetCurrentX(F(X));
        prn.SetCurrentY(F(Y));
        prn.PrintText(txt);
    }
    pic.SetForeColor(saved);
}

namespace {

// Diagonal lines `step` apart (an hour on the graph) over the box (x, y, w, h), each
// clipped to it: the ink saver's night.
void Hatch(OutputSurface& out, double x, double y, double w, double h, double step, Color c) {
    if (w <= 0 || h <= 0 || step <= 0) return;
    // Lines rise to the right at 45 degrees of the box's own units.
    for (double x0 = x - h; x0 < x + w; x0 += step) {
        double a = std::max(x0, x), b = std::min(x0 + h, x + w);  // the x span inside the box
        if (b <= a) continue;
        out.Line(F(a), F(y + h - (a - x0)), F(b - a), F(-(b - a)), c);
    }
}

}  // namespace

Shades PageShades(bool inkSaver) {
    Shades s;
    if (!inkSaver) return s;
    // Ink saver: the large night areas carry only a light hatch; twilight a
    // pale grey, daylight white; the Moon a dark grey band, thinner, that
    // stands out on all three; the phase symbol's lit part white on pale
    // grey, outlined.
    s.night = RGB(200, 200, 200);
    s.twilight = RGB(238, 238, 238);
    s.day = kWhite;
    s.moon = RGB(100, 100, 100);
    s.phaseDark = RGB(210, 210, 210);
    s.phaseLit = kWhite;
    s.hatchNight = true;
    s.outlinePhase = true;
    s.moonHeight = 0.16;
    return s;
}

void DrawG(PageContext& ctx, int LLine, double r, double s, Color CColor) {
    const PageLayout& L = ctx.layout;
    // The Moon band is lower, so the shading below stays visible.
    double h = (CColor == ctx.shades.moon ? ctx.shades.moonHeight : 0.8) * L.y_d;
    double y = LLine * L.y_d + L.y_st;
    if (r > s) {
        // Over midnight: hours 0 to s, then r to 24.
        ctx.out.current().FilledBox(F(L.xg_st), F(y), F(s * L.xg_d), F(h), CColor);
        ctx.out.current().FilledBox(F(L.xg_st + r * L.xg_d), F(y), F((24 - r) * L.xg_d), F(h),
                                    CColor);
    } else {
        ctx.out.current().FilledBox(F(L.xg_st + r * L.xg_d), F(y), F((s - r) * L.xg_d), F(h),
                                    CColor);
    }
}

PhaseCase FindPhaseCase(double f, double c) {
    // The four cases of the lunation.  The exact values f = 0.5 and c = 1
    // belong to no case of their own; they are drawn as the limits of the
    // neighbouring cases (a full yellow disc at full moon, a full black
    // disc at new moon) instead of leaving the cell empty.
    if (f >= 0.5 && -1 <= c && c < 0) return {true, kBlack, kYellow, true};   // waning, > half lit
    if (f > 0.5 && 0 <= c && c <= 1) return {true, kYellow, kBlack, false};   // waning, < half lit
    if (f < 0.5 && 0 <= c && c <= 1) return {true, kYellow, kBlack, true};    // waxing, < half lit
    if (f < 0.5 && -1 <= c && c < 0) return {true, kBlack, kYellow, false};   // waxing, > half lit
    return {};
}

void DrawM(PageContext& ctx, int LLine) {
    const PageLayout& L = ctx.layout;
    double R = 0.6 * L.y_d;
    double y = LLine * L.y_d + L.y_st + L.y_d / 2;
    double x = 0;
    if (std::floor(LLine / 2.0) == LLine / 2.0) {
        x = L.x_st + kPhaseColumn * L.x_d + R;  // even rows touch the column's left edge
    } else {
        x = L.x_st + kGraphColumn * L.x_d - R;  // odd rows its right edge
    }

    int savedStyle = ctx.out.current().FillStyle();
    Color savedFill = ctx.out.current().FillColor();
    ctx.out.current().SetFillStyle(kFillSolid);

    auto ym = calendar::MonthTextValues(ctx.monthText);
    int year = ym ? ym->year : 1900;
    int mon = ym ? ym->month : 1;
    double M = calendar::Mjd(year, mon, LLine, 12);
    double M0 = calendar::Mjd(1900, 1, 1, 15);
    double q = (M - M0) / kSynodicMonth;
    double f = q - std::floor(q);
    double c = std::cos(kPi * (2 * f));

    PhaseCase pc = FindPhaseCase(f, c);
    if (pc.found) {
        auto shade = [&ctx](Color k) { return k == kYellow ? ctx.shades.phaseLit : ctx.shades.phaseDark; };
        const Color A = shade(pc.disc);
        const Color B = shade(pc.half);
        OutputSurface& s = ctx.out.current();
        s.SetFillColor(A);
        s.Circle(F(x), F(y), F(R), A, std::nullopt, std::nullopt, std::nullopt);
        double up = kPi / 2;
        double down = 3 * kPi / 2;
        s.SetFillColor(B);
        if (pc.leftHalf) {
            s.Circle(F(x), F(y), F(R), B, F(up), F(down), std::nullopt);
        } else {
            s.Circle(F(x), F(y), F(R), B, F(down), F(up), std::nullopt);
        }
        s.SetFillColor(B);
        s.Circle(F(x), F(y), F(R), B, std::nullopt, std::nullopt, F(std::fabs(1 / c)));
        if (ctx.shades.outlinePhase) {
            s.SetFillStyle(kFillTransparent);
            s.Circle(F(x), F(y), F(R), kBlack, std::nullopt, std::nullopt, std::nullopt);
        }
    }

    ctx.out.current().SetFillColor(savedFill);
    ctx.out.current().SetFillStyle(savedStyle);
}

namespace {

// A table column ("99999") and a line ("GgQq") in the surface's units.
struct TextExtent {
    double column = 0;
    double line = 0;
};
TextExtent Measure(OutputSurface& s) { return {s.TextWidth("99999"), s.TextHeight("GgQq")}; }

// The printer is measured in the print font the page is written in, so
// columns and lines fit the text; its own font is put back.
TextExtent MeasureInFont(OutputSurface& prn, const std::string& fontName, float fontSize) {
    const std::string savedFont = prn.FontName();
    const float savedSize = prn.FontSize();
    prn.SetFontName(fontName);
    prn.SetFontSize(fontSize);
    const TextExtent e = Measure(prn);
    prn.SetFontName(savedFont);
    prn.SetFontSize(savedSize);
    return e;
}

// The printer's sheet in millimetres.  The print dialog refuses every
// paper but A4 and Letter; another code that slips through is laid out as
// A4 rather than dividing by 0.
PaperMm Sheet(OutputSurface& prn) {
    return PaperSizeMm(prn.PaperSize(), prn.Orientation()).value_or(*PaperSizeMm(kPaperCodeA4, prn.Orientation()));
}

}  // namespace

PrintFontExtent MeasurePrintFont(OutputSurface& printer, const std::string& fontName, float fontSize) {
    const TextExtent e = MeasureInFont(printer, fontName, fontSize);
    const PaperMm paper = Sheet(printer);
    return {e.line * paper.height / printer.ScaleHeight(), e.column * paper.width / printer.ScaleWidth()};
}

PaperMm PrintedPageNeeds(const PrintFontExtent& font) {
    // The graph starts a fifth of a column after the table (PageSetup).
    return {kGraphColumn * font.columnWidth + font.columnWidth / 5, kPrintRows * font.lineHeight};
}

void PageSetup(PageContext& ctx) {
    PageLayout& L = ctx.layout;
    const PrintStyle& st = ctx.print;
    OutputSurface& cur = ctx.out.current();
    const bool printer = !ctx.out.screen();
    const TextExtent e = printer ? MeasureInFont(cur, st.fontName, st.fontSize) : Measure(cur);
    const double w = e.column;
    const double th = e.line;
    double top = 0;
    double bottom = 0;
    double left = 0;
    double right = 0;
    if (!printer) {
        top = th / 2;
        bottom = th / 2;
        left = w / 5;
        right = w / 5;
        L.y_d = (ctx.out.picture().ScaleHeight() - top - bottom) / kScreenRows;
    } else {
        const PaperMm paper = Sheet(cur);
        double across = cur.ScaleWidth() / paper.width;
        double down = cur.ScaleHeight() / paper.height;
        top = down * st.marginTop;
        bottom = down * st.marginBottom;
        left = across * st.marginLeft;
        right = across * st.marginRight;
        L.y_d = (cur.ScaleHeight() - top - bottom) / kPrintRows;
    }
    // Lines are never spaced wider than 1.3 text heights.
    if (L.y_d > 1.3 * th) L.y_d = 1.3 * th;
    L.y_st = top;
    L.x_st = left;
    L.x_d = w;
    L.xg_st = L.x_st + kGraphColumn * L.x_d + w / 5;
    L.xg_d = (ctx.out.current().ScaleWidth() - L.xg_st - right) / 24;
}

namespace {

// Writes a header or legend line; on paper a line wider than the room
// right of x_st is written in a font just small enough to fit, then the
// printer's font size is put back.
void WriteLine(PageContext& ctx, double y, const std::string& txt) {
    const PageLayout& L = ctx.layout;
    OutputSurface& cur = ctx.out.current();
    double room = L.xg_st + 24 * L.xg_d - L.x_st;
    double tw = cur.TextWidth(txt);
    if (ctx.out.screen() || tw <= room || room <= 0) {
        WriteTxt(ctx, L.x_st, y, txt);
        return;
    }
    float size = cur.FontSize();
    // Tenths of a point, rounded down, so the smaller text surely fits.
    cur.SetFontSize(std::floor(static_cast<float>(size * room / tw) * 10) / 10);
    WriteTxt(ctx, L.x_st, y, txt);
    cur.SetFontSize(size);
}

}  // namespace

std::string MonthLineText(const month::Place& place, const std::string& monthText) {
    std::string line = "Month: " + monthText + "   ";
    if (!place.name.empty()) line += place.name + "   ";
    line += "Long.: " + text::GeneralNumber(place.longitude) +
            "   Lat.: " + text::GeneralNumber(place.latitude) + "   Time Zone: ";
    if (place.clock.named()) return line + place.clock.zoneName;
    line += text::GeneralNumber(place.clock.fixedHours);
    if (place.clock.summerTime) line += ", Summertime";
    return line;
}

namespace {

// The printed page's header above the table: title, credit line, month
// line, then the headings with "Time" over the graph (page rows 1, 2, 4, 6).
void DrawHeader(PageContext& ctx, const month::MonthResult& m) {
    const month::MonthTab& tab = m.tab;
    const PageLayout& L = ctx.layout;
    WriteLine(ctx, L.y_st + 1 * L.y_d, std::string(text::kTitle) + "   V" + text::kVersion);
    WriteLine(ctx, L.y_st + 2 * L.y_d, kCreditLine);
    WriteLine(ctx, L.y_st + 4 * L.y_d, MonthLineText(m.place, ctx.monthText));
    for (int c = 0; c < kColumns; ++c)
        WriteTxt(ctx, L.x_st + c * L.x_d, L.y_st + 6 * L.y_d, tab[0][static_cast<std::size_t>(c)]);
    WriteTxt(ctx, L.xg_st, L.y_st + 6 * L.y_d, "Time");
}

// The night under a row's bars: a solid bar, or the ink saver's hatch.
void DrawNight(PageContext& ctx, int r) {
    const PageLayout& L = ctx.layout;
    if (!ctx.shades.hatchNight) {
        DrawG(ctx, r, 0, 24, ctx.shades.night);
        return;
    }
    Hatch(ctx.out.current(), L.xg_st, L.y_st + r * L.y_d, 24 * L.xg_d, 0.8 * L.y_d, L.xg_d,
          ctx.shades.night);
}

// A day whose clock switches gets "+1h" or "-1h" after its weekday letter,
// in a smaller size where the surface has one (the printer), grey.
void DrawSwitchMark(PageContext& ctx, int r, const std::string& dayText, double shift) {
    const std::string mark = SwitchMark(shift);
    if (mark.empty() || dayText.empty()) return;
    const PageLayout& L = ctx.layout;
    OutputSurface& cur = ctx.out.current();
    const float size = cur.FontSize();
    const double x = L.x_st + cur.TextWidth(dayText) + cur.TextWidth(" ") / 4;
    if (size > 0) cur.SetFontSize(size * 0.55f);
    // Within the Day column: without its unit where the column is narrow.
    std::string text = mark;
    if (x + cur.TextWidth(text) > L.x_st + L.x_d * 0.97) text.pop_back();
    WriteTxt(ctx, x, L.y_st + r * L.y_d, text, kGrey);
    if (size > 0) cur.SetFontSize(size);
}

// Table rows 0 to dayRows with each day's phase symbol and bars; row 0
// holds `headings`.
void DrawTable(PageContext& ctx, const month::MonthResult& m,
               const std::array<std::string, 10>& headings) {
    const PageLayout& L = ctx.layout;
    const month::MonthTab& tab = m.tab;
    const int dayRows = m.dayRows;
    for (int r = 0; r <= dayRows; ++r) {
        const auto& row = r == 0 ? headings : tab[static_cast<std::size_t>(r)];
        for (int c = 0; c < kColumns; ++c) {
            Color col = kBlack;
            // A Sunday that follows a Saturday of the same month is grey.
            if (c == 0 && r >= 1 && LastChar(tab[static_cast<std::size_t>(r - 1)][0]) == 'S' &&
                LastChar(row[0]) == 'S') {
                col = kGrey;
            }
            WriteTxt(ctx, L.x_st + c * L.x_d, L.y_st + r * L.y_d, row[static_cast<std::size_t>(c)],
                     col);
        }
        if (r >= 1) {
            DrawM(ctx, r);
            const month::Day& day = m.day(r);
            DrawSwitchMark(ctx, r, row[0], day.clockShift);
            // Night under twilight under daylight under the Moon's time up.
            const Shades& sh = ctx.shades;
            const Color colours[] = {sh.moon, sh.day, sh.twilight};
            DrawNight(ctx, r);
            for (month::Body b : {month::Body::Twilight, month::Body::Sun, month::Body::Moon}) {
                const month::BarHours bar = month::BarOf(day.body(b));
                DrawG(ctx, r, bar.from, bar.to, colours[static_cast<std::size_t>(b)]);
            }
        }
    }
}

}  // namespace

std::vector<int> HourLabels(int step, double gap, const std::function<double(int)>& labelLeft,
                            const std::function<double(int)>& labelRight) {
    std::vector<int> hours;
    for (int h = 0; h <= 24; h += step) hours.push_back(h);
    // Only the last label is ever pushed left (by the surface's edge): its
    // neighbours give way until it stands clear of them.
    while (hours.size() >= 2 && labelLeft(hours.back()) - labelRight(hours[hours.size() - 2]) < gap)
        hours.erase(hours.end() - 2);
    return hours;
}

std::string SwitchMark(double shiftHours) {
    if (shiftHours == 0) return {};
    const char* sign = shiftHours > 0 ? "+" : "-";
    const double a = std::fabs(shiftHours);
    if (a == std::floor(a)) return sign + std::to_string(static_cast<int>(a)) + "h";
    return sign + std::to_string(static_cast<int>(std::lround(a * 60))) + "m";
}

int HourLabelStep(OutputSurface& s, const PageLayout& L) {
    // Labels need a blank's width between them to read as separate words.
    const double gap = s.TextWidth(" ");
    for (int step : {1, 2, 3, 4, 6, 12}) {
        bool fits = true;
        for (int h = step; h <= 24 && fits; h += step) {
            double prevRight = (h - step) * L.xg_d + s.TextWidth(std::to_string(h - step)) / 2;
            double left = h * L.xg_d - s.TextWidth(std::to_string(h)) / 2;
            fits = left - prevRight >= gap;
        }
        if (fits) return step;
    }
    return 24;
}

namespace {

// The white hour lines over the bars of rows 1 to 31 and, in row 0, the
// hour labels 0 to 24 (every HourLabelStep-th of them).
void DrawAxis(PageContext& ctx) {
    const PageLayout& L = ctx.layout;
    OutputSurface& cur = ctx.out.current();
    for (int h = 0; h <= 24; ++h) {
        double x = L.xg_st + h * L.xg_d;
        cur.Line(F(x), F(L.y_st + L.y_d), 0, F(kDayRows * L.y_d), kWhite);
    }
    // Each label measured on the surface it is written to, so it is centred
    // over its line on screen and on paper alike; "24" moves left just
    // enough to stay whole on a surface whose right margin is less than
    // half its width.
    auto left = [&](int h) {
        const double lw = cur.TextWidth(std::to_string(h));
        return std::min(L.xg_st + h * L.xg_d - lw / 2, cur.ScaleWidth() - lw);
    };
    auto right = [&](int h) { return left(h) + cur.TextWidth(std::to_string(h)); };
    for (int h : HourLabels(HourLabelStep(cur, L), cur.TextWidth(" "), left, right))
        WriteTxt(ctx, left(h), L.y_st, std::to_string(h));
}

// The graph's key: "Graph:" and a small box of each shade beside its
// word, on one line at y.
void DrawKey(PageContext& ctx, double y) {
    const PageLayout& L = ctx.layout;
    OutputSurface& cur = ctx.out.current();
    const Shades& sh = ctx.shades;
    const double bw = 1.2 * L.xg_d > 0 ? std::min(1.2 * L.xg_d, L.x_d / 2) : L.x_d / 2;
    const double bh = 0.6 * L.y_d, by = y + 0.2 * L.y_d;
    double x = L.x_st;
    WriteTxt(ctx, x, y, "Graph:");
    x += cur.TextWidth("Graph: ");
    const struct {
        const char* word;
        Color shade;
    } keys[] = {{"night", sh.night}, {"twilight", sh.twilight}, {"day", sh.day}, {"Moon up", sh.moon}};
    for (const auto& k : keys) {
        const bool moon = k.shade == sh.moon;
        const double h = moon ? bh * sh.moonHeight / 0.8 : bh;
        if (k.shade == sh.night && sh.hatchNight)
            Hatch(cur, x, by, bw, bh, bw / 3, sh.night);
        else
            cur.FilledBox(F(x), F(by + (bh - h) / 2), F(bw), F(h), k.shade);
        // A thin frame, so a white box shows on white paper.
        cur.Line(F(x), F(by), F(bw), 0, kGrey);
        cur.Line(F(x), F(by + bh), F(bw), 0, kGrey);
        cur.Line(F(x), F(by), 0, F(bh), kGrey);
        cur.Line(F(x + bw), F(by), 0, F(bh), kGrey);
        x += bw + cur.TextWidth(" ");
        WriteTxt(ctx, x, y, k.word);
        x += cur.TextWidth(std::string(k.word) + "   ");
    }
}

// The two legend lines under the printed table.
void DrawLegends(PageContext& ctx) {
    const PageLayout& L = ctx.layout;
    WriteLine(ctx, L.y_st + kLegendRow1 * L.y_d,
              "'D.a.n.M.' = Dark and no Moon, '----' = no rise or set on this day");
    WriteLine(ctx, L.y_st + kLegendRow2 * L.y_d,
              "'a.h.' = (always) above horizon, 'b.h.' = (always) below horizon, a.b. = always "
              "bright, a.d. = always dark");
}

}  // namespace

bool DrawPage(PageContext& ctx, const month::MonthResult& m) {
    PageLayout& L = ctx.layout;
    const PrintStyle& st = ctx.print;
    bool printing = !ctx.out.screen();
    if (!printing) {
        ctx.out.picture().Clear();
        DrawTable(ctx, m, m.tab[0]);
        DrawAxis(ctx);
        DrawKey(ctx, L.y_st + kKeyRowScreen * L.y_d);
        return true;
    }
    OutputSurface& prn = ctx.out.current();
    std::string savedFont = prn.FontName();
    float savedSize = prn.FontSize();
    prn.SetFontName(st.fontName);
    prn.SetFontSize(st.fontSize);
    DrawHeader(ctx, m);
    // The table starts on page row 7: its row 0 holds the sub-headings.
    double top = L.y_st;
    L.y_st = L.y_st + kPrintTableRow * L.y_d;
    DrawTable(ctx, m, month::SubHeadings());
    DrawAxis(ctx);
    DrawLegends(ctx);
    DrawKey(ctx, L.y_st + kKeyRowPrinted * L.y_d);
    L.y_st = top;
    prn.SetFontName(savedFont);
    prn.SetFontSize(savedSize);
    return prn.EndDoc();
}

bool LayOutAndDraw(PageContext& ctx, const month::MonthResult& m) {
    PageSetup(ctx);
    return DrawPage(ctx, m);
}

}  // namespace render
