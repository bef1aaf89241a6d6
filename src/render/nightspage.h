#pragma once
// The Nights page: one row per night of a month, dated by its evening,
// with its dusk, dawn, Moon, dark-and-no-Moon pieces and their total, and
// a graph from 12:00 to 12:00 on the clock with midnight in the middle.
#include <optional>
#include <string>
#include <vector>

#include "month/nights.h"
#include "render/nightband.h"
#include "render/page.h"

namespace render {

// Where the Nights page's columns start, in table columns ("99999") from
// the table's left edge; the graph starts at kNightGraphColumn.
struct NightColumns {
    static constexpr double date = 0, dusk = 1.4, dawn = 2.55, moon = 3.7, phase = 4.8, dark = 6.0, total = 10.1;
};
inline constexpr double kNightGraphColumn = 11.3;

// A month and the month after it (for the last night's morning) with the
// nights of the month: what the Nights page is drawn from.
// The months are held elsewhere (a month::Months store) and outlive it.
struct MonthNights {
    const month::Month* month = nullptr;
    const month::Month* next = nullptr;
    std::vector<month::Night> nights;  // month::Nights(*month, *next, rule)
};

// The Nights page's set-up: the Days page's (fonts, margins, rows, the
// graph's right edge) with the graph moved right of the nights' columns.
void NightsPageSetup(PageContext& ctx);

// The nights' page of month `m` (`nights` from month::Nights of m and
// `next`, the month after) on the current surface: set-up, then on screen
// the rows, hour axis and key, with night `highlightDay` (its evening's
// day of the month) framed; on paper the printed header, the rows, the
// legend and the key, and the print document ended.  False when ending
// the print document failed.
bool DrawNightsPage(PageContext& ctx, const month::Month& m, const month::Month& next,
                    const std::vector<month::Night>& nights, std::optional<int> highlightDay = {});
// The same for a month and its nights held together.
bool DrawNightsPage(PageContext& ctx, const MonthNights& n, std::optional<int> highlightDay = {});

// A night's texts as the page writes them: "Fr 21", "21:50" ("----"
// without a dusk), "98%", "21:50-01:12" (each piece), "3:22" (the total).
std::string NightDayText(const month::Night& n);
std::string NightClockText(const month::Crossing* c);
std::string NightPercentText(double fraction);
std::string NightPieceText(const month::NightPiece& p);
std::string NightTotalText(long long minutes);

}  // namespace render
