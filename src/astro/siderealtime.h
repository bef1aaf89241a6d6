#pragma once
// Local mean sidereal time, and decimal hours as hhmm clock numbers.
namespace astro {

// Local mean sidereal time in hours [0, 24) at an instant (MJD, UT) for a
// longitude in degrees, east positive.
double LocalSiderealHours(double mjdUt, double longitudeEast);
// Decimal hours as the clock number hh * 100 + mm, rounded to the minute
// (23:59:30 and later give 2400).
int ClockNumber(double hours);

}  // namespace astro
