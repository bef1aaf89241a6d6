#pragma once
// The year at a glance: one page with a thin row per night of a year, each
// from 12:00 to 12:00 local clock time (midnight in the middle) in the
// shades of the Nights page (render/nightband.h), the months named at the
// side, new and full Moon marked, hour labels above and below, a title,
// the place and a key.
#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "month/months.h"
#include "month/nights.h"
#include "render/page.h"

namespace render {

// What the chart shows: the nights of one year (365 or 366, evenings 1
// January to 31 December, in order) for the place of `months`, whose
// months (those of the year and the January after) the nights were made
// from.
struct YearChart {
    int year = 0;
    const std::vector<month::Night>* nights = nullptr;
    month::Months* months = nullptr;
    bool inkSaver = false;                 // the ink saver's shades
    std::optional<std::size_t> highlight;  // a night to mark (the window's current night), index into nights
};

// The line under the title: "Year: 2025   Vienna   Long.: 16.33   ..."
// (the Days page's month line with the year).
std::string YearLineText(const YearChart& chart);

// The nights nearest each new and each full Moon: the nights whose Moon at
// local midnight is less (more) illuminated than on the nights either side
// (the nights just outside the year compared too).  Indices into the
// nights, in order.
struct MoonNights {
    std::vector<std::size_t> fullMoon;
    std::vector<std::size_t> newMoon;
};
MoonNights FindMoonNights(const std::vector<month::Night>& nights);

// Draws the chart on the current surface of ctx: the picture, cleared
// first and written in its own font, or the printer, within the margins
// and in the print font of ctx.print (the document ended).  Sets
// ctx.layout: top is the y of the first night's row, rowHeight a row's
// height, graphLeft the x of 12:00 and hourWidth an hour's width.
// Returns false when ending the print document failed.  Without nights or
// months it draws nothing.
bool DrawYearChart(PageContext& ctx, const YearChart& chart);

}  // namespace render
