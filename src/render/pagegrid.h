#pragma once
// The month page's grid and the drawing steps its files share; private to
// the render library.
#include <functional>
#include <string>

#include "render/page.h"

namespace render::detail {

// A coordinate or length of the page in the surface's float units.
inline float ToFloat(double v) { return static_cast<float>(v); }

// The page grid in rows of rowHeight and columns of columnWidth.
inline constexpr int kColumns = 10;     // Day .. Phase
inline constexpr int kDayRows = 31;     // hour lines run over 31 day rows
inline constexpr int kScreenRows = 34;  // headings, sub-headings, 31 days and the graph's key fill the picture box
// On paper the rows 0 to 42 fill the printable height: the graph's key is
// page row 42 (table row 35 of a table that starts on row 7), so fewer
// rows would leave it below the printable area once the print font is
// large enough (13 pt and more on A4) for the rows not to be capped.
inline constexpr int kPrintRows = 43;
inline constexpr int kPrintTableRow = 7;  // table row 0 on the printed page
inline constexpr int kLegendRow1 = 33;    // legends, in table rows
inline constexpr int kLegendRow2 = 34;
inline constexpr int kKeyRowPrinted = 35;  // the graph's key, in table rows
inline constexpr int kKeyRowScreen = 32;
inline constexpr int kPhaseColumn = 9;   // the phase symbol sits in column 9 ..
inline constexpr int kGraphColumn = 10;  // .. and the graph starts after column 10

// Table rows 0 to the month's last day with each day's phase symbol and
// bars; row 0 holds `headings` (table.cpp).
void DrawTable(PageContext& ctx, const month::Month& m, const month::MonthTab& tab,
               const std::array<std::string, 10>& headings);
// A day whose clock switches gets "+1h" or "-1h" after its day text in
// row `row`, in a smaller size where the surface has one (the printer),
// grey (table.cpp).
void DrawSwitchMark(PageContext& ctx, int row, const std::string& dayText, double shift);
// Writes a header or legend line at the table's left edge; on paper a line
// wider than the room up to the graph's right edge is written in a font
// just small enough to fit (page.cpp).
void WriteLine(PageContext& ctx, double y, const std::string& line);
// The printed page's title, credit and month lines (page rows 1, 2 and 4
// below layout.top; page.cpp).
void DrawTitleLines(PageContext& ctx, const month::Month& m);
// A printed page of another view in the print font: the title lines of
// `m`, `heading` on page row 6, then `table` with layout.top on page row 7
// (its table row 0); the printer's font put back and the document ended.
// False when ending it failed (page.cpp).
bool DrawPrintedPage(PageContext& ctx, const month::Month& m, const std::string& heading,
                     const std::function<void()>& table);
// The night under a row's bars: a solid bar, or the ink saver's hatch
// (graph.cpp).
void DrawNight(PageContext& ctx, int row);
// The white hour lines over the bars of rows 1 to 31 and, in row 0, the
// hour labels 0 to 24 (graph.cpp).
void DrawAxis(PageContext& ctx);
// The graph's key on one line at y (graph.cpp).
void DrawKey(PageContext& ctx, double y);

}  // namespace render::detail
