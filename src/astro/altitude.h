#pragma once
// Sine of an object's altitude and the three-point parabola search that
// finds horizon crossings.
namespace astro {

// Sine of the geometric altitude of the Moon (iobj 1) or the Sun (any
// other iobj) at MJD mjd0 + hourt / 24 (UT), for longitude glong (degrees,
// west positive) and a latitude given by its cosine cphi and sine sphi.
double sinalt(int iobj, double mjd0, double hourt, double glong, double cphi, double sphi);

// Parabola through (-1, ym), (0, y0), (+1, yp): extremum (xe, ye), zeros
// z1 <= z2 (written only when there are two distinct zeros), nz = number of
// zeros in [-1, 1].  With nz = 1 the zero inside is in z1.  Three samples
// on a straight line give no extremum (xe = 0, ye = y0) and the line's
// zero, when inside, in z1 and z2.
void quad(double ym, double y0, double yp, double& xe, double& ye, double& z1, double& z2,
          int& nz);

}  // namespace astro
