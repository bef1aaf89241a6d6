#pragma once
// The precise ephemeris: topocentric altitudes of the Sun and the Moon from
// the IAU 2006/2000A Earth orientation and the ERFA (SOFA) Sun and Moon
// series, for an observer on the WGS84 ellipsoid.
//
// Time: every instant is given as a Modified Julian Date of the clock time
// (UTC taken as UT1); Terrestrial Time is UT1 + Delta T of the Espenak and
// Meeus polynomials.  Angles are in radians unless a name says otherwise.
#include <array>
#include <vector>

#include "astro/altitude.h"

namespace astro {

using Vector3 = std::array<double, 3>;
using Matrix3 = std::array<Vector3, 3>;

// Given an instant (MJD, UT1); returned: Delta T = TT - UT1 in seconds from
// the polynomials of Espenak and Meeus (NASA, 2006) for 1860..2150 and
// their parabola outside those years.
double DeltaTSeconds(double mjdUt);

// An observer at height 0 on the WGS84 ellipsoid, in Earth-fixed axes (x
// to longitude 0 on the equator, z to the north pole, no polar motion):
// the geocentric position in astronomical units and the unit vector of the
// geodetic vertical.
struct Site {
    Vector3 position{};
    Vector3 up{};
};
// Given longitude (degrees, east positive) and geodetic latitude (degrees).
Site SiteOnEllipsoid(double longitudeEast, double latitude);

// The Earth's orientation at an instant: `npb` turns celestial (GCRS)
// vectors to the true equator and equinox of date (bias, precession and
// nutation, IAU 2006/2000A); `equationOfOrigins` is the Earth rotation
// angle less the Greenwich apparent sidereal time, radians.
struct EarthOrientation {
    Matrix3 npb{};
    double equationOfOrigins = 0;
};
// Given the instant (MJD, UT1).  eraPnm06a and eraGst06 from that matrix.
EarthOrientation OrientationAt(double mjdUt);

// Geocentric apparent positions in GCRS axes, astronomical units, at an
// instant given as MJD in TT: the Sun with its light time and the annual
// aberration of the Earth's barycentric velocity (eraEpv00, eraAb); the
// Moon with its light time, no aberration (eraMoon98).
Vector3 SunGeocentric(double mjdTt);
Vector3 MoonGeocentric(double mjdTt);

// A body seen by the observer: the topocentric altitude of its centre
// above the plane normal to the geodetic vertical (no refraction), its
// semidiameter (asin of the body's radius over the topocentric distance)
// and that distance in astronomical units.
struct Apparent {
    double altitude = 0;
    double semidiameter = 0;
    double distance = 0;
};
// Given the body's position in true-of-date axes (AU), the Greenwich
// apparent sidereal time (radians) and the observer.
Apparent SeenFrom(const Vector3& trueOfDate, double siderealAngle, const Site& site, Body body);

// The same at an instant (MJD, UT1), every ERFA routine called for it: the
// reference the cached positions of PreciseSky are checked against.
Apparent PreciseApparent(Body body, double mjdUt, const Site& site);

// Refraction at the horizon, radians (34').
inline constexpr double kHorizonRefraction = 34.0 / 60.0 * 0.0174532925199433;
// Radians of the centre above the altitude at which the upper limb is on
// the horizon with 34' of refraction: negative before rise and after set.
inline double AboveRiseSet(const Apparent& a) { return a.altitude + a.semidiameter + kHorizonRefraction; }

// The positions of the Sun and the Moon over a span of time (a month),
// computed once on coarse grids and interpolated: the Sun and the Earth's
// orientation every two days, the Moon every six hours, each in
// true-of-date axes, four-point Lagrange interpolation (altitudes within
// 0.05" of those computed for the instant).
class PreciseSky {
public:
    // Given the first and last instants (MJD, UT1) that will be asked for.
    PreciseSky(double firstMjdUt, double lastMjdUt);
    // The body at an instant (MJD, UT1) within the span.
    Apparent At(Body body, double mjdUt, const Site& site) const;

private:
    // One quantity tabulated at start + i * step days.
    struct Table {
        double start = 0, step = 1;
        std::vector<std::array<double, 4>> rows;  // x, y, z (AU) or the equation of origins
        std::array<double, 4> At(double mjd) const;
    };
    Table sun_, moon_, origins_;
};

}  // namespace astro
