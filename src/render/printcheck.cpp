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
    double width = 0;
    double height = 0;
    switch (paperCode) {
        case kPaperCodeLetter:  // 8.5 x 11 inches
            width = 8.5 * 25.4;
            height = 11 * 25.4;
            break;
        case kPaperCodeA4:
            width = 210;
            height = 297;
            break;
        default:
            reporter.error(
                "Unknown paper format.\r\nPlease choose US Letter or DIN A4 at printer setup.");
            return false;
    }
    if (orientationCode == kOrientationCodeLandscape) std::swap(width, height);
    // An infinite margin gives -inf here and is refused as too large.
    if (width - left - right < 100 || height - top - bottom < 100) {
        reporter.beep();
        reporter.error("Margins too large.");
        return false;
    }
    return true;
}

}  // namespace render
