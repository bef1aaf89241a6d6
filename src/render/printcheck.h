#pragma once
// The print layout rule shared by the print dialog and the command line's
// PDF output: margins (millimetres) that are numbers, not negative, and
// leave a printable area of at least 100 mm each way on the chosen paper,
// and a print font small enough for the page to fit in that area.
#include "render/page.h"
#include "render/paper.h"
#include "report/reporter.h"

namespace render {

// True when the margins suit the paper and the page in the print font of
// extent `font` (MeasurePrintFont on the printer) fits within them: its
// rows down and its table across (PrintedPageNeeds), leaving the graph
// some width.  Otherwise reports the first test that fails (a margin below
// 0 or not a number, a paper other than US Letter or DIN A4, margins that
// leave too little room, a font too large for the page; the last two with
// a beep) and returns false.
bool CheckPrintLayout(double top, double bottom, double left, double right, int paperCode, int orientationCode,
                      const PrintFontExtent& font, report::Reporter& reporter);

}  // namespace render
