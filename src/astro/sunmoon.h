#pragma once
// Low-precision geocentric positions of the Sun and the Moon.
// t: Julian centuries from J2000.0, (MJD - 51544.5) / 36525, MJD in UT.
// ra: right ascension in hours [0, 24); dec: declination in degrees.
namespace astro {

void sun(double t, double& ra, double& dec);
void moon(double t, double& ra, double& dec);

}  // namespace astro
