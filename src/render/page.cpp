// The whole month page: text placement, the printed header and legends, the page drawn.
#include "render/page.h"

#include <cmath>

#include "month/format.h"
#include "render/pagegrid.h"
#include "text/numbers.h"
#include "text/version.h"

namespace render {

using namespace detail;

namespace {}  // namespace

void WriteText(PageContext& ctx, double x, double y, const std::string& text, std::optional<Color> color) {
    // The picture box's fore colour is saved and set whatever the selector
    // says; the printer's is never touched.
    OutputSurface& pic = ctx.out.picture();
    Color saved = pic.ForeColor();
    pic.SetForeColor(color.value_or(kBlack));
    OutputSurface& target = ctx.out.screen() ? pic : ctx.out.current();
    target.SetCurrentX(ToFloat(x));
    target.SetCurrentY(ToFloat(y));
    target.PrintText(text);
    pic.SetForeColor(saved);
}

std::string MonthLineText(const month::Place& place, const std::string& monthText) {
    std::string line = "Month: " + monthText + "   ";
    if (!place.name.empty()) line += place.name + "   ";
    line += "Long.: " + text::GeneralNumber(place.longitude) + "   Lat.: " + text::GeneralNumber(place.latitude) +
            "   Time Zone: ";
    if (place.clock.named()) return line + place.clock.zoneName;
    line += text::GeneralNumber(place.clock.fixedHours);
    if (place.clock.summerTime) line += ", Summertime";
    return line;
}

// Writes a header or legend line; on paper a line wider than the room
// right of the table's left edge is written in a font just small enough
// to fit, then the printer's font size is put back.
void detail::WriteLine(PageContext& ctx, double y, const std::string& line) {
    const PageLayout& layout = ctx.layout;
    OutputSurface& cur = ctx.out.current();
    double room = layout.graphLeft + 24 * layout.hourWidth - layout.tableLeft;
    double width = cur.TextWidth(line);
    if (ctx.out.screen() || width <= room || room <= 0) {
        WriteText(ctx, layout.tableLeft, y, line);
        return;
    }
    float size = cur.FontSize();
    // Tenths of a point, rounded down, so the smaller text surely fits.
    cur.SetFontSize(std::floor(static_cast<float>(size * room / width) * 10) / 10);
    WriteText(ctx, layout.tableLeft, y, line);
    cur.SetFontSize(size);
}

bool detail::DrawPrintedPage(PageContext& ctx, const month::Month& m, const std::string& heading,
                             const std::function<void()>& table) {
    PageLayout& L = ctx.layout;
    OutputSurface& prn = ctx.out.current();
    const std::string savedFont = prn.FontName();
    const float savedSize = prn.FontSize();
    prn.SetFontName(ctx.print.fontName);
    prn.SetFontSize(ctx.print.fontSize);
    DrawTitleLines(ctx, m);
    WriteLine(ctx, L.top + 6 * L.rowHeight, heading);
    const double pageTop = L.top;
    L.top += kPrintTableRow * L.rowHeight;
    table();
    L.top = pageTop;
    prn.SetFontName(savedFont);
    prn.SetFontSize(savedSize);
    return prn.EndDoc();
}

void detail::DrawTitleLines(PageContext& ctx, const month::Month& m) {
    const PageLayout& layout = ctx.layout;
    const double top = layout.top, row = layout.rowHeight;
    WriteLine(ctx, top + 1 * row, std::string(text::kTitle) + "   V" + text::kVersion);
    WriteLine(ctx, top + 2 * row, std::string(month::EphemerisCredit(m.ephemeris)));
    WriteLine(ctx, top + 4 * row, MonthLineText(m.place, ctx.monthText));
}

namespace {

// The headings line at y, the line above the table's sub-headings: the
// table's headings and "Time" over the graph.
void DrawHeadings(PageContext& ctx, double y, const month::MonthTab& tab) {
    const PageLayout& layout = ctx.layout;
    for (int c = 0; c < kColumns; ++c)
        WriteText(ctx, layout.tableLeft + c * layout.columnWidth, y, tab[0][static_cast<std::size_t>(c)]);
    WriteText(ctx, layout.graphLeft, y, "Time");
}

// The printed page's header above the table: title, credit line, month
// line, then the headings (page rows 1, 2, 4, 6).
void DrawHeader(PageContext& ctx, const month::Month& m, const month::MonthTab& tab) {
    DrawTitleLines(ctx, m);
    DrawHeadings(ctx, ctx.layout.top + 6 * ctx.layout.rowHeight, tab);
}

// The two legend lines under the printed table.
void DrawLegends(PageContext& ctx) {
    const PageLayout& layout = ctx.layout;
    WriteLine(ctx, layout.top + kLegendRow1 * layout.rowHeight,
              "'D.a.n.M.' = Dark and no Moon, '----' = no rise or set on this day");
    WriteLine(ctx, layout.top + kLegendRow2 * layout.rowHeight,
              "'a.h.' = (always) above horizon, 'b.h.' = (always) below horizon, a.b. = always "
              "bright, a.d. = always dark");
}

// The printed page in the print font: header, table from page row 7 (its
// row 0 the sub-headings), axis, legends and key; the printer's font is
// put back and the document ended.
bool DrawPrintedPage(PageContext& ctx, const month::Month& m, const month::MonthTab& tab) {
    PageLayout& layout = ctx.layout;
    const PrintStyle& style = ctx.print;
    OutputSurface& prn = ctx.out.current();
    std::string savedFont = prn.FontName();
    float savedSize = prn.FontSize();
    prn.SetFontName(style.fontName);
    prn.SetFontSize(style.fontSize);
    DrawHeader(ctx, m, tab);
    const double pageTop = layout.top;
    layout.top = layout.top + kPrintTableRow * layout.rowHeight;
    DrawTable(ctx, m, tab, month::SubHeadings());
    DrawAxis(ctx);
    DrawLegends(ctx);
    DrawKey(ctx, layout.top + kKeyRowPrinted * layout.rowHeight);
    layout.top = pageTop;
    prn.SetFontName(savedFont);
    prn.SetFontSize(savedSize);
    return prn.EndDoc();
}

}  // namespace

bool DrawPage(PageContext& ctx, const month::Month& m) {
    const month::MonthTab tab = month::Table(m);
    if (!ctx.out.screen()) return DrawPrintedPage(ctx, m, tab);
    ctx.out.picture().Clear();
    // The headings above table row 0, which holds the sub-headings as on
    // paper.
    DrawHeadings(ctx, ctx.layout.top - ctx.layout.rowHeight, tab);
    DrawTable(ctx, m, tab, month::SubHeadings());
    DrawAxis(ctx);
    DrawKey(ctx, ctx.layout.top + kKeyRowScreen * ctx.layout.rowHeight);
    return true;
}

bool LayOutAndDraw(PageContext& ctx, const month::Month& m) {
    PageSetup(ctx);
    return DrawPage(ctx, m);
}

}  // namespace render
