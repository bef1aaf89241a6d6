#pragma once
// The daily search of the precise ephemeris (astro/precise.h): the days of
// a month's table with every crossing of the five horizons, found from
// ERFA's topocentric altitudes.
#include <array>

#include "month/model.h"
#include "zone/zone.h"

namespace month {

// The days 1..31 of month ym's table for the place: the same frames,
// clocks and fields as the standard search (a fixed zone, or each day's
// clock of a named zone, `clocks` when not null), every crossing of the
// day in [first instant, next day's first instant) found as follows.
// The altitude less the horizon is sampled every quarter hour (and one
// sample beyond each end); a change of sign between two samples is a
// crossing, narrowed by the Illinois method to under 0.1 s; a sampled
// maximum below the horizon (minimum above it) within a degree of it is
// narrowed by golden-section search, and where the true extremum lies on
// the other side it gives the two crossings of a grazing pass.  Each
// crossing is rounded to the minute on the day's clock.  The cells show
// the day's first rise and first set.
std::array<Day, 32> PreciseDays(YearMonth ym, const Place& place, const zone::MonthClocks* clocks);

}  // namespace month
