// The help and info texts of the windows.
#include "ui/texts.h"

#include <initializer_list>

namespace ui {

namespace {

std::string joinLines(std::initializer_list<const char*> lines) {
    std::string t;
    bool first = true;
    for (const char* l : lines) {
        if (!first) t += "\r\n";
        t += l;
        first = false;
    }
    return t;
}

}  // namespace

std::string MainHelpText() {
    return joinLines({
        "Input the month (format yyyymm) and activate 'Summertime'",
        "if necessary. Then click 'Calculate' to print the times and",
        "draw a graph.",
        "",
        "Legend:",
        "Moon, Sun, Ast.Twilight, D.a.n.M. = Rise and set times for",
        "     moon and sun, begin and end of astr. twilight, begin",
        "     and end of time where it is dark and the moon is not",
        "     visible (D.a.n.M. = Dark and no Moon).",
        "     ----    no rise or set on this day",
        "     a.h.  (always) above horizon",
        "     b.h.  (always) below horizon",
        "     a.b.  always bright",
        "     a.d.  always dark",
        "Phase = Moonphases",
        "The diagram shows night (black), dusk and dawn (dark grey),",
        "daylight (light grey) and moon (yellow).",
    });
}

std::string InfoText(const std::string& version) {
    const std::string title = "Almucan V" + version;
    return joinLines({
        title.c_str(),
        "A monthly almanac of rise and set times for the Sun and the Moon,",
        "computed with low-precision solar and lunar theories.",
        "",
        "Free software under the GNU General Public License (GPL-3.0-or-later).",
        "",
        "The program calculates for one given month the rise",
        "and set times for the sun and the moon, begin and",
        "end of the astronomical twilight and the times when",
        "it is astronomical dark and the moon is not visible.",
    });
}

std::string OptionsHelpText() {
    return joinLines({
        "Input longitude (in decimal format, east is positive and west",
        "is negative) and latidude (in decimal format, north is positive",
        "and south is negative) of your geographical location and the",
        "timezone (east is positive and west is negative). Click 'Save'",
        "to save the data or 'Cancel' to abort.",
    });
}

std::string PrintHelpText() {
    return joinLines({
        "Input the margins (in mm) and choose a font and the font",
        "size for printing. Click 'Save' to save margins and fonts,",
        "click 'Print' to print the data.",
    });
}

}  // namespace ui
