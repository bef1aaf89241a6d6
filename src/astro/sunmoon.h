#pragma once
// Low-precision geocentric positions of the Sun and the Moon.
// t: Julian centuries from J2000.0, (MJD - 51544.5) / 36525, MJD in UT.
// ra: right ascension in hours [0, 24); dec: declination in degrees.
namespace astro {

void sun(double t, double& ra, double& dec);
void moon(double t, double& ra, double& dec);

// The Moon's illuminated fraction (0 new .. 1 full) at an instant (MJD, UT),
// from the geocentric elongation of the Moon from the Sun.
double IlluminatedFraction(double mjdUt);

}  // namespace astro
