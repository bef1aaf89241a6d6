// The precise ephemeris: ERFA's Earth orientation, Sun and Moon, topocentric altitudes and their cached grids.
#include "astro/precise.h"

#include <erfa.h>
#include <erfam.h>

#include <cmath>

#include "astro/angles.h"

namespace astro {

namespace {

constexpr double kMjdZero = 2400000.5;                       // Julian Date of MJD 0
constexpr double kKmPerAu = ERFA_DAU / 1000.0;               // kilometres per astronomical unit
constexpr double kLightDaysPerAu = ERFA_AULT / ERFA_DAYSEC;  // light time of 1 AU, days
constexpr double kSunRadiusKm = 695700.0;                    // IAU 2015 nominal solar radius
constexpr double kMoonRadiusKm = 1737.4;                     // the Moon's mean radius

// Given a decimal year; returned: Delta T (s), Espenak and Meeus's polynomial of that year.
double deltaTOfYear(double y) {
    const double u = (y - 1820) / 100;
    if (y < 1860 || y >= 2150) return -20 + 32 * u * u;
    double t = 0;
    if (y < 1900) {
        t = y - 1860;
        return 7.62 + t * (0.5737 + t * (-0.251754 + t * (0.01680668 + t * (-0.0004473624 + t / 233174))));
    }
    if (y < 1920) {
        t = y - 1900;
        return -2.79 + t * (1.494119 + t * (-0.0598939 + t * (0.0061966 - t * 0.000197)));
    }
    if (y < 1941) {
        t = y - 1920;
        return 21.20 + t * (0.84493 + t * (-0.076100 + t * 0.0020936));
    }
    if (y < 1961) {
        t = y - 1950;
        return 29.07 + t * (0.407 + t * (-1 / 233.0 + t / 2547));
    }
    if (y < 1986) {
        t = y - 1975;
        return 45.45 + t * (1.067 + t * (-1 / 260.0 - t / 718));
    }
    t = y - 2000;
    if (y < 2005)
        return 63.86 + t * (0.3345 + t * (-0.060374 + t * (0.0017275 + t * (0.000651814 + t * 0.00002373599))));
    if (y < 2050) return 62.92 + t * (0.32217 + t * 0.005589);
    return -20 + 32 * u * u - 0.5628 * (2150 - y);
}

double ttOf(double mjdUt) { return mjdUt + DeltaTSeconds(mjdUt) / ERFA_DAYSEC; }

double norm(const Vector3& v) { return std::sqrt(v[0] * v[0] + v[1] * v[1] + v[2] * v[2]); }

// Given a matrix m and a vector v; returned: m v.
Vector3 times(const Matrix3& m, const Vector3& v) {
    Vector3 r{};
    for (std::size_t i = 0; i < 3; ++i) r[i] = m[i][0] * v[0] + m[i][1] * v[1] + m[i][2] * v[2];
    return r;
}

// The four weights of Lagrange interpolation at p (0..1 between the
// second and the third of four equally spaced nodes).
std::array<double, 4> lagrangeWeights(double p) {
    return {-p * (p - 1) * (p - 2) / 6, (p + 1) * (p - 1) * (p - 2) / 2, -(p + 1) * p * (p - 2) / 2,
            (p + 1) * p * (p - 1) / 6};
}

}  // namespace

double DeltaTSeconds(double mjdUt) { return deltaTOfYear(2000 + (mjdUt - 51544.5) / 365.2425); }

Site SiteOnEllipsoid(double longitudeEast, double latitude) {
    const double lon = longitudeEast * kRadiansPerDegree, lat = latitude * kRadiansPerDegree;
    double xyz[3] = {0, 0, 0};
    eraGd2gc(ERFA_WGS84, lon, lat, 0.0, xyz);  // metres
    Site s;
    for (std::size_t i = 0; i < 3; ++i) s.position[i] = xyz[i] / ERFA_DAU;
    s.up = {std::cos(lat) * std::cos(lon), std::cos(lat) * std::sin(lon), std::sin(lat)};
    return s;
}

EarthOrientation OrientationAt(double mjdUt) {
    const double tt = ttOf(mjdUt);
    double npb[3][3];
    eraPnm06a(kMjdZero, tt, npb);
    EarthOrientation o;
    for (std::size_t i = 0; i < 3; ++i)
        for (std::size_t j = 0; j < 3; ++j) o.npb[i][j] = npb[i][j];
    const double gst = eraGst06(kMjdZero, mjdUt, kMjdZero, tt, npb);
    o.equationOfOrigins = eraAnpm(eraEra00(kMjdZero, mjdUt) - gst);
    return o;
}

Vector3 SunGeocentric(double mjdTt) {
    double pvh[2][3], pvb[2][3];
    eraEpv00(kMjdZero, mjdTt, pvh, pvb);
    // The Sun is the origin of the heliocentric Earth: its geocentric
    // position is minus the Earth's, taken back by the light time along
    // the Sun's own barycentric motion.
    Vector3 p{};
    for (std::size_t i = 0; i < 3; ++i) p[i] = -pvh[0][i];
    const double tau = norm(p) * kLightDaysPerAu;
    for (std::size_t i = 0; i < 3; ++i) p[i] -= tau * (pvb[1][i] - pvh[1][i]);
    const double d = norm(p);
    double unit[3], v[3], apparent[3];
    for (std::size_t i = 0; i < 3; ++i) {
        unit[i] = p[i] / d;
        v[i] = pvb[1][i] * kLightDaysPerAu;  // the Earth's barycentric velocity in units of c
    }
    const double bm1 = std::sqrt(1 - (v[0] * v[0] + v[1] * v[1] + v[2] * v[2]));
    eraAb(unit, v, d, bm1, apparent);
    return {apparent[0] * d, apparent[1] * d, apparent[2] * d};
}

Vector3 MoonGeocentric(double mjdTt) {
    double pv[2][3];
    eraMoon98(kMjdZero, mjdTt, pv);
    Vector3 p{pv[0][0], pv[0][1], pv[0][2]};
    const double tau = norm(p) * kLightDaysPerAu;
    for (std::size_t i = 0; i < 3; ++i) p[i] -= tau * pv[1][i];
    return p;
}

Apparent SeenFrom(const Vector3& trueOfDate, double siderealAngle, const Site& site, Body body) {
    // Earth-fixed axes: the true equator of date turned by the sidereal angle.
    const double c = std::cos(siderealAngle), s = std::sin(siderealAngle);
    const Vector3 fixed{c * trueOfDate[0] + s * trueOfDate[1], -s * trueOfDate[0] + c * trueOfDate[1], trueOfDate[2]};
    Vector3 topo{};
    for (std::size_t i = 0; i < 3; ++i) topo[i] = fixed[i] - site.position[i];
    Apparent a;
    a.distance = norm(topo);
    const double up = (topo[0] * site.up[0] + topo[1] * site.up[1] + topo[2] * site.up[2]) / a.distance;
    a.altitude = std::asin(up);
    const double radiusKm = body == Body::Sun ? kSunRadiusKm : kMoonRadiusKm;
    a.semidiameter = std::asin(radiusKm / (a.distance * kKmPerAu));
    return a;
}

Apparent PreciseApparent(Body body, double mjdUt, const Site& site) {
    const EarthOrientation o = OrientationAt(mjdUt);
    const double tt = ttOf(mjdUt);
    const Vector3 gcrs = body == Body::Sun ? SunGeocentric(tt) : MoonGeocentric(tt);
    const double gst = eraEra00(kMjdZero, mjdUt) - o.equationOfOrigins;
    return SeenFrom(times(o.npb, gcrs), gst, site, body);
}

std::array<double, 4> PreciseSky::Table::At(double mjd) const {
    const double u = (mjd - start) / step;
    const auto last = static_cast<double>(rows.size()) - 3;
    const double k = std::fmin(std::fmax(std::floor(u), 1.0), last);
    const std::array<double, 4> w = lagrangeWeights(u - k);
    const auto first = static_cast<std::size_t>(k) - 1;
    std::array<double, 4> r{};
    for (std::size_t n = 0; n < 4; ++n)
        for (std::size_t i = 0; i < 4; ++i) r[i] += w[n] * rows[first + n][i];
    return r;
}

PreciseSky::PreciseSky(double firstMjdUt, double lastMjdUt) {
    // Nodes every two days from two nodes before the first instant to
    // three after the last: every instant has two nodes either side.
    constexpr double kStep = 2;
    const double start = std::floor(firstMjdUt) - 2 * kStep;
    const auto nodes = static_cast<std::size_t>(std::ceil((lastMjdUt - start) / kStep)) + 3;
    std::vector<EarthOrientation> orientation(nodes);
    sun_ = {start, kStep, {}};
    origins_ = {start, kStep, {}};
    for (std::size_t i = 0; i < nodes; ++i) {
        const double mjd = start + kStep * static_cast<double>(i);
        orientation[i] = OrientationAt(mjd);
        const Vector3 p = times(orientation[i].npb, SunGeocentric(ttOf(mjd)));
        sun_.rows.push_back({p[0], p[1], p[2], 0});
        origins_.rows.push_back({orientation[i].equationOfOrigins, 0, 0, 0});
    }
    // The Moon every six hours from the second node to the second last,
    // turned to true-of-date axes by the matrices interpolated element by
    // element.
    constexpr double kMoonStep = 0.25;
    moon_ = {start + kStep, kMoonStep, {}};
    for (double mjd = moon_.start; mjd <= start + kStep * static_cast<double>(nodes - 2); mjd += kMoonStep) {
        const double u = (mjd - start) / kStep;
        const double k = std::fmin(std::floor(u), static_cast<double>(nodes - 3));
        const std::array<double, 4> w = lagrangeWeights(u - k);
        const auto first = static_cast<std::size_t>(k) - 1;
        Matrix3 m{};
        for (std::size_t n = 0; n < 4; ++n)
            for (std::size_t r = 0; r < 3; ++r)
                for (std::size_t c = 0; c < 3; ++c) m[r][c] += w[n] * orientation[first + n].npb[r][c];
        const Vector3 p = times(m, MoonGeocentric(ttOf(mjd)));
        moon_.rows.push_back({p[0], p[1], p[2], 0});
    }
}

Apparent PreciseSky::At(Body body, double mjdUt, const Site& site) const {
    const std::array<double, 4> p = (body == Body::Sun ? sun_ : moon_).At(mjdUt);
    const double gst = eraEra00(kMjdZero, mjdUt) - origins_.At(mjdUt)[0];
    return SeenFrom({p[0], p[1], p[2]}, gst, site, body);
}

}  // namespace astro
