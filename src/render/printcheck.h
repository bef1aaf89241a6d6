#pragma once
// The print layout rule shared by the print dialog and the command line's
// PDF output: margins (millimetres) that are numbers, not negative, and
// leave a printable area of at least 100 mm each way on the chosen paper.
#include "render/paper.h"
#include "report/reporter.h"

namespace render {

// True when the margins suit the paper.  Otherwise reports, in this order
// of tests, "Wrong value(s) for margin(s)." (a margin below 0 or not a
// number), "Unknown paper format." CR LF "Please choose US Letter or DIN A4
// at printer setup.", or a beep and "Margins too large.", and returns false.
bool CheckPrintLayout(double top, double bottom, double left, double right, int paperCode,
                      int orientationCode, report::Reporter& reporter);

}  // namespace render
