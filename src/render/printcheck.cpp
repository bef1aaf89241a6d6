// The print layout check: margins, paper and print font that leave the page room on the sheet.
#include "render/printcheck.h"

#include <cmath>
#include <utility>

namespace render {

bool CheckPrintLayout(double top, double bottom, double left, double right, int paperCode, int orientationCode,
                      const PrintFontExtent& font, report::Reporter& reporter) {
    for (double m : {left, right, top, bottom}) {
        if (m < 0 || std::isnan(m)) {
            reporter.error("Wrong value(s) for margin(s).");
            return false;
        }
    }
    const std::optional<PaperMm> paper = PaperSizeMm(paperCode, orientationCode);
    if (!paper) {
        reporter.error("Unknown paper format.\r\nPlease choose US Letter or DIN A4 at printer setup.");
        return false;
    }
    // An infinite margin gives -inf here and is refused as too large.
    const double width = paper->width - left - right, height = paper->height - top - bottom;
    if (width < 100 || height < 100) {
        reporter.beep();
        reporter.error("Margins too large.");
        return false;
    }
    // A font too large overlaps its rows and runs off the sheet (a blank
    // page at the largest sizes).
    const PaperMm needs = PrintedPageNeeds(font);
    if (!(needs.height <= height && needs.width < width)) {
        reporter.beep();
        reporter.error("Font too large for the page.");
        return false;
    }
    return true;
}

}  // namespace render
