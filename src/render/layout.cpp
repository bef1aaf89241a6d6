// Page set-up: the page's grid measured on screen or paper, and the room a printed page needs.
#include "render/page.h"
#include "render/pagegrid.h"
#include "render/paper.h"

namespace render {

using namespace detail;

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

// The margins of the page in the surface's units.
struct Margins {
    double top = 0;
    double bottom = 0;
    double left = 0;
    double right = 0;
};

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
    PageLayout& layout = ctx.layout;
    const PrintStyle& style = ctx.print;
    OutputSurface& cur = ctx.out.current();
    const bool printer = !ctx.out.screen();
    const TextExtent e = printer ? MeasureInFont(cur, style.fontName, style.fontSize) : Measure(cur);
    const double column = e.column;
    const double line = e.line;
    Margins margin;
    if (!printer) {
        // Half a line above and below, a fifth of a column on each side.
        margin = {line / 2, line / 2, column / 5, column / 5};
        layout.rowHeight = (ctx.out.picture().ScaleHeight() - margin.top - margin.bottom) / kScreenRows;
    } else {
        // The settings' margins, millimetres of the sheet.
        const PaperMm paper = Sheet(cur);
        double across = cur.ScaleWidth() / paper.width;
        double down = cur.ScaleHeight() / paper.height;
        margin = {down * style.marginTop, down * style.marginBottom, across * style.marginLeft,
                  across * style.marginRight};
        layout.rowHeight = (cur.ScaleHeight() - margin.top - margin.bottom) / kPrintRows;
    }
    // Lines are never spaced wider than 1.3 text heights.
    if (layout.rowHeight > 1.3 * line) layout.rowHeight = 1.3 * line;
    // On the screen the headings line stands above table row 0.
    layout.top = printer ? margin.top : margin.top + layout.rowHeight;
    layout.tableLeft = margin.left;
    layout.columnWidth = column;
    layout.graphLeft = layout.tableLeft + kGraphColumn * layout.columnWidth + column / 5;
    layout.hourWidth = (ctx.out.current().ScaleWidth() - layout.graphLeft - margin.right) / 24;
}

}  // namespace render
