// The low-precision series of the Sun's and the Moon's positions, and the Moon's illuminated fraction.
#include "astro/sunmoon.h"

#include <cmath>

#include "astro/angles.h"
#include "astro/fpcheck.h"

namespace astro {

namespace {
constexpr double P2 = 6.283185307;   // full circle, 2 pi to ten digits
constexpr double ARC = 206264.8062;  // arcseconds per radian
constexpr double COSEPS = 0.91748;   // cosine of the obliquity
constexpr double SINEPS = 0.39778;   // sine of the obliquity

// Ecliptic (lambda, beta in radians) to equatorial ra (h) and dec (deg),
// with the fixed obliquity.
Equatorial eclToEqu(double l, double b) {
    double ra = 0, dec = 0;
    double x = std::cos(b) * std::cos(l);
    double v = std::cos(b) * std::sin(l);
    double w = std::sin(b);
    double y = COSEPS * v - SINEPS * w;
    double z = SINEPS * v + COSEPS * w;
    double rho = std::sqrt(1 - z * z);
    dec = (360 / P2) * std::atan(z / rho);
    double den = x + rho;
    // The half-angle form has x + rho = 0 only at ra = 12 h exactly: use
    // that limit instead of dividing by zero.
    if (den == 0.0) {
        ra = 12.0;
    } else {
        ra = (48 / P2) * std::atan(y / den);
    }
    if (ra < 0) ra = ra + 24;
    return {ra, dec};
}
}  // namespace

Equatorial SunPosition(double t) {
    double M = P2 * FractionalPart(0.993133 + 99.997361 * t);
    double C = 6893 * std::sin(M) + 72 * std::sin(2 * M);
    double L = P2 * FractionalPart(0.7859453 + M / P2 + (6191.2 * t + C) / 1296000);
    return eclToEqu(L, 0.0);
}

Equatorial MoonPosition(double t) {
    double L0 = FractionalPart(0.606433 + 1336.855225 * t);
    double l = P2 * FractionalPart(0.374897 + 1325.55241 * t);
    double ls = P2 * FractionalPart(0.993133 + 99.997361 * t);
    double D = P2 * FractionalPart(0.827361 + 1236.853086 * t);
    double F = P2 * FractionalPart(0.259086 + 1342.227825 * t);

    // Perturbations in longitude (arcseconds), in this order.
    double dL = 22640 * std::sin(l);
    dL = dL - 4586 * std::sin(l - 2 * D);
    dL = dL + 2370 * std::sin(2 * D);
    dL = dL + 769 * std::sin(2 * l);
    dL = dL - 668 * std::sin(ls);
    dL = dL - 412 * std::sin(2 * F);
    dL = dL - 212 * std::sin(2 * l - 2 * D);
    dL = dL - 206 * std::sin(l + ls - 2 * D);
    dL = dL + 192 * std::sin(l + 2 * D);
    dL = dL - 165 * std::sin(ls - 2 * D);
    dL = dL - 125 * std::sin(D);
    dL = dL - 110 * std::sin(l + ls);
    dL = dL + 148 * std::sin(l - ls);
    dL = dL - 55 * std::sin(2 * F - 2 * D);

    double S = F + (dL + 412 * std::sin(2 * F) + 541 * std::sin(ls)) / ARC;
    double H = F - 2 * D;

    // Perturbations in latitude (arcseconds), in this order.
    double N = 44 * std::sin(l + H);
    N = N - 526 * std::sin(H);
    N = N - 31 * std::sin(H - l);
    N = N - 23 * std::sin(ls + H);
    N = N + 11 * std::sin(H - ls);
    N = N - 25 * std::sin(F - 2 * l);
    N = N + 21 * std::sin(F - l);

    double lambda = P2 * FractionalPart(L0 + dL / 1296000);
    double beta = (18520 * std::sin(S) + N) / ARC;
    return eclToEqu(lambda, beta);
}

double IlluminatedFraction(double mjdUt) {
    double t = (mjdUt - 51544.5) / 36525;
    const Equatorial s = SunPosition(t);
    const Equatorial m = MoonPosition(t);
    const double raS = s.raHours, decS = s.decDegrees, raM = m.raHours, decM = m.decDegrees;
    // Elongation psi; seen from the Earth the phase angle is 180 - psi to
    // within 0.15 degrees (the Moon's distance against the Sun's).
    double cosPsi = SinDeg(decS) * SinDeg(decM) + CosDeg(decS) * CosDeg(decM) * CosDeg(15 * (raS - raM));
    return (1 - cosPsi) / 2;
}

}  // namespace astro
