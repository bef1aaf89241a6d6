// The help and info texts of the windows.
#include "ui/texts.h"

#include <QCoreApplication>
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
        QT_TRANSLATE_NOOP("Messages", "Input the month (format yyyymm) and activate 'Summertime'"),
        QT_TRANSLATE_NOOP("Messages", "if necessary. Then click 'Calculate' to print the times and"),
        QT_TRANSLATE_NOOP("Messages", "draw a graph."),
        "",
        QT_TRANSLATE_NOOP("Messages", "Legend:"),
        QT_TRANSLATE_NOOP("Messages", "Moon, Sun, Ast.Twilight, D.a.n.M. = Rise and set times for"),
        QT_TRANSLATE_NOOP("Messages", "     moon and sun, begin and end of astr. twilight, begin"),
        QT_TRANSLATE_NOOP("Messages", "     and end of time where it is dark and the moon is not"),
        QT_TRANSLATE_NOOP("Messages", "     visible (D.a.n.M. = Dark and no Moon)."),
        QT_TRANSLATE_NOOP("Messages", "     ----    no rise or set on this day"),
        QT_TRANSLATE_NOOP("Messages", "     a.h.  (always) above horizon"),
        QT_TRANSLATE_NOOP("Messages", "     b.h.  (always) below horizon"),
        QT_TRANSLATE_NOOP("Messages", "     a.b.  always bright"),
        QT_TRANSLATE_NOOP("Messages", "     a.d.  always dark"),
        QT_TRANSLATE_NOOP("Messages", "Phase = Moonphases"),
        QT_TRANSLATE_NOOP("Messages", "The diagram shows night (black), dusk and dawn (dark grey),"),
        QT_TRANSLATE_NOOP("Messages", "daylight (light grey) and moon (yellow)."),
    });
}

std::string InfoText(const std::string& version) {
    const std::string title = "Almucan V" + version;
    return joinLines({
        title.c_str(),
        QT_TRANSLATE_NOOP("Messages", "A monthly almanac of rise and set times for the Sun and the Moon,"),
        QT_TRANSLATE_NOOP("Messages", "computed with low-precision solar and lunar theories."),
        "",
        QT_TRANSLATE_NOOP("Messages", "Free software under the GNU General Public License (GPL-3.0-or-later)."),
        "",
        QT_TRANSLATE_NOOP("Messages", "The program calculates for one given month the rise"),
        QT_TRANSLATE_NOOP("Messages", "and set times for the sun and the moon, begin and"),
        QT_TRANSLATE_NOOP("Messages", "end of the astronomical twilight and the times when"),
        QT_TRANSLATE_NOOP("Messages", "it is astronomical dark and the moon is not visible."),
    });
}

std::string OptionsHelpText() {
    return joinLines({
        QT_TRANSLATE_NOOP("Messages", "Input longitude (in decimal format, east is positive and west"),
        QT_TRANSLATE_NOOP("Messages", "is negative) and latidude (in decimal format, north is positive"),
        QT_TRANSLATE_NOOP("Messages", "and south is negative) of your geographical location and the"),
        QT_TRANSLATE_NOOP("Messages", "timezone (east is positive and west is negative). Click 'Save'"),
        QT_TRANSLATE_NOOP("Messages", "to save the data or 'Cancel' to abort."),
    });
}

std::string PrintHelpText() {
    return joinLines({
        QT_TRANSLATE_NOOP("Messages", "Input the margins (in mm) and choose a font and the font"),
        QT_TRANSLATE_NOOP("Messages", "size for printing. Click 'Save' to save margins and fonts,"),
        QT_TRANSLATE_NOOP("Messages", "click 'Print' to print the data."),
    });
}

}  // namespace ui
