#pragma once
// Low-precision geocentric positions of the Sun and the Moon.
// centuries: Julian centuries from J2000.0, (MJD - 51544.5) / 36525, MJD in UT.
namespace astro {

struct Equatorial {
    double raHours = 0;     // right ascension, hours [0, 24)
    double decDegrees = 0;  // declination, degrees
};

Equatorial SunPosition(double centuries);
Equatorial MoonPosition(double centuries);

// The Moon's illuminated fraction (0 new .. 1 full) at an instant (MJD, UT),
// from the geocentric elongation of the Moon from the Sun.
double IlluminatedFraction(double mjdUt);

}  // namespace astro
