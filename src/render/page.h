#pragma once
// The output selector, text placement, day bars, phase symbol and the
// whole month page (page set-up and output) on the current surface.
#include <functional>
#include <optional>
#include <vector>
#include <string>

#include "report/reporter.h"
#include "month/monthcalc.h"
#include "render/paper.h"
#include "render/surface.h"
#include "settings/printstyle.h"

namespace render {

// Where the page's rows, table columns and graph hours lie, in the
// current surface's units.
struct PageLayout {
    double top = 0;  // y of table row 0 (on paper: of the page's first row)
    double rowHeight = 0;
    double tableLeft = 0;    // x of table column 0
    double columnWidth = 0;  // width of a table column
    double graphLeft = 0;    // x of hour 0 of the graph
    double hourWidth = 0;    // width of one hour of the graph
};

// Where a Calculate draws: the main window's picture box or the printer.
enum class OutputDevice { Screen, Printer };

// The output selector: every operation goes to the picture box when
// `device` names it at that moment (or no printer exists), otherwise to
// the printer.
class Output {
public:
    Output(OutputSurface& picture, OutputSurface* printer, const OutputDevice& device)
        : picture_(picture), printer_(printer), device_(device) {}
    bool screen() const { return device_ == OutputDevice::Screen || printer_ == nullptr; }
    OutputSurface& current() { return screen() ? picture_ : *printer_; }
    OutputSurface& picture() { return picture_; }

private:
    OutputSurface& picture_;
    OutputSurface* printer_;
    const OutputDevice& device_;
};

// The printed page's margins, print font and ink saver: a plain record
// of values (settings::PrintStyleOf builds it from the settings).
using PrintStyle = settings::PrintStyle;

// The shades of the graph and the phase symbol: the normal page, or the
// ink-saving print style (night a light hatch instead of solid black, the
// Moon band and the phase symbol in greys that stay apart in grayscale).
struct Shades {
    Color night = kBlack;
    Color twilight = kDarkGrey;
    Color day = kLightGrey;
    Color moon = kYellow;
    Color phaseDark = kBlack;  // the unlit part of the phase symbol
    Color phaseLit = kYellow;
    bool hatchNight = false;    // night as grey diagonal lines on white
    bool outlinePhase = false;  // the phase symbol outlined in black
    double moonHeight = 0.4;    // the Moon band's height, in rows
};
Shades PageShades(bool inkSaver);

// Everything the drawing procedures read besides the surface.
struct PageContext {
    Output& out;
    PageLayout& layout;
    const PrintStyle& print;
    std::string monthText;  // the month box as typed, for the printed month line
    report::Reporter& reporter;
    Shades shades = PageShades(false);
};

// The month line of the printed page and the text table: "Month: 202406
// Long.: 16.33   Lat.: 48.25   Time Zone: 1, Summertime" for the place a
// month was calculated for, or with a named zone in force "... Time Zone:
// Europe/Vienna"; a place chosen by name stands before the coordinates
// ("Month: 202406   Vienna   Long.: ...").
std::string MonthLineText(const month::Place& place, const std::string& monthText);

// Writes text with its top-left corner at (x, y); color colours it on the
// screen (black when absent); the picture box's fore colour is kept.
void WriteText(PageContext& ctx, double x, double y, const std::string& text,
               std::optional<Color> color = std::nullopt);
// One bar of table row `row` from hour fromHour to hour toHour of the local
// day (0..24) in `shade`; a start later than the end draws 0..toHour and
// fromHour..24.  The Moon's band (shade the shades' Moon) is lower than
// the others.
void DrawBar(PageContext& ctx, int row, double fromHour, double toHour, Color shade);
// The Moon's phase symbol of `day` (its date: the mean lunation at noon)
// in the Phase column of table row `row`.  `south`: seen from south of the
// equator, where the Moon stands the other way up and the waxing Moon is
// lit on the left, so the symbol is mirrored left to right.
void DrawPhaseSymbol(PageContext& ctx, int row, const month::Day& day, bool south);

// Which shapes draw the phase for a lunation fraction and the cosine of
// its phase angle: a disc in `disc`, then a half disc (left or right) and
// the terminator ellipse in `half`.  `found` is false only outside
// 0 <= fraction < 1.  The half is that seen from north of the equator.
struct PhaseCase {
    bool found = false;
    Color disc = kBlack;
    Color half = kBlack;
    bool leftHalf = true;
};
PhaseCase FindPhaseCase(double fraction, double cosine);

// How many hours apart the hour labels are written (1, 2, 3, 4, 6, 12,
// or 24 when even 12 does not fit): the smallest step at which no label
// comes within a blank's width of its left neighbour, each label centred
// on its hour line at the layout's scale and measured on `s`.
int HourLabelStep(OutputSurface& s, const PageLayout& L);

// The hours whose labels are written over the graph: every step-th hour
// from 0 to 24, but for a label the right edge pushes into its left
// neighbour ("24" moved left to stay whole): then every label takes the
// next larger step (2, 3, 4, 6, 12, 24), never one dropped alone.
// labelLeft(h) gives the left edge a label would have, labelRight(h) its
// right edge; gap is the room two labels need between them.
std::vector<int> HourLabels(int step, double gap, const std::function<double(int)>& labelLeft,
                            const std::function<double(int)>& labelRight);

// The switch of a day's clock as drawn beside its day: "+1h", "-1h",
// "+30m"; empty on a day without one.
std::string SwitchMark(double shiftHours);

// Page set-up: measures the current surface (the printer in the print
// font of the settings) and sets the layout.
void PageSetup(PageContext& ctx);

// The print font as the page set-up measures it, in millimetres of the
// sheet: the height of a line and the width of a table column ("99999").
struct PrintFontExtent {
    double lineHeight = 0;
    double columnWidth = 0;
};
// The font `fontName` of `fontSize` points measured on the printer surface
// `printer` as PageSetup does (the surface's own font put back).
PrintFontExtent MeasurePrintFont(OutputSurface& printer, const std::string& fontName, float fontSize);
// The least room in millimetres the printed page needs in a print font of
// `font`: down, its rows (title to the graph's key) each a line high;
// across, the table's columns and the gap before the graph, which gets
// whatever is left (and so needs a little more than this).
PaperMm PrintedPageNeeds(const PrintFontExtent& font);
// Output: clears the picture or writes the printed header, the table, the
// bars, phase symbols, hour axis and (printing) the legends, and ends the
// print document.  The table's row 0 shows the sub-headings ("Rise",
// "Set", "Beg.", "End") under the headings line.
// Returns false when ending the print document failed.
bool DrawPage(PageContext& ctx, const month::Month& m);
// PageSetup, then DrawPage: the page of a month on the current surface.
bool LayOutAndDraw(PageContext& ctx, const month::Month& m);

}  // namespace render
