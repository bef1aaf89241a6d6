#include "render/printcheck.h"

#include <cmath>
#include <utility>

namespace render {

bool CheckPrintLayout(double top, double bottom, double left, double right, int paperCode,
                      int orientationCode, report::Reporter& reporter) {
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
    if (paper->width - left - right < 100 || paper->height - top - bottom < 100) {
        reporter.beep();
        reporter.error("Margins too large.");
        return false;
    }
    return true;
}

}  // namespace render
