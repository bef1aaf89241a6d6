#pragma once
// Calendar and clock arithmetic: fractional and integer parts, sine and
// cosine in degrees, Modified Julian Dates, local mean sidereal time and
// decimal hours as hhmm clock numbers.
#include <cmath>

namespace astro {

// Degrees to radians; one unit in the last place above pi/180 in double.
inline constexpr double kDeg = 0.0174532925199433;

// The small helpers below are inline: the altitude calls them some 1,500
// times a month, and inlined the compiler computes sn(x) and cn(x) of the
// same angle with one sincos call (the same bits as sin and cos apart).

// X - floor(X), in [0, 1).
inline double fpart(double X) { return X - std::floor(X); }
// Integer part truncated toward zero.
inline double ipart(double X) {
    double s = X > 0 ? 1.0 : (X < 0 ? -1.0 : 0.0);
    return s * std::floor(std::fabs(X));
}
// Sine and cosine of an angle in degrees.
inline double sn(double X) { return std::sin(X * kDeg); }
inline double cn(double X) { return std::cos(X * kDeg); }
// Modified Julian Date of year Y, month m, day d (any day number, carried
// on linearly) and hour h.  Gregorian from 1582-10-15, Julian up to
// 1582-10-04.
double mjd(int Y, int m, int d, double h);
// Local mean sidereal time in hours [0, 24) for an MJD (UT) and a
// longitude in degrees, positive toward the west.
double lmst(double mjd, double glong);
// Decimal hour to hhmm number (hh * 100 + mm), rounded to the minute.
double hm(double ut);

}  // namespace astro
