#pragma once
// Calendar and clock arithmetic: fractional and integer parts, sine and
// cosine in degrees, Modified Julian Dates, local mean sidereal time and the
// conversions between decimal hours and hhmm clock numbers and texts.
#include <string_view>

#include "astro/reporter.h"

namespace astro {

// X - floor(X), in [0, 1).
double fpart(double X);
// Integer part truncated toward zero.
double ipart(double X);
// Sine and cosine of an angle in degrees (factor 0.0174532925199433).
double sn(double X);
double cn(double X);
// Modified Julian Date of year Y, month m, day d (any day number, carried
// on linearly) and hour h.  Gregorian from 1582-10-15, Julian up to
// 1582-10-04.
double mjd(int Y, int m, int d, double h);
// Local mean sidereal time in hours [0, 24) for an MJD (UT) and a
// longitude in degrees, positive toward the west.
double lmst(double mjd, double glong);
// Decimal hour to hhmm number (hh * 100 + mm), rounded to the minute.
double hm(double ut);
// Four-character hhmm text to decimal hours; beeps, reports
// "wrong time-format for function TimeDec" and returns -1 when rejected.
double TimeDec(std::string_view text, Reporter& reporter);

}  // namespace astro
