// The sine of a body's altitude for an observer, and the parabola through three samples.
#include "astro/altitude.h"

#include <cmath>

#include "astro/angles.h"
#include "astro/siderealtime.h"
#include "astro/fpcheck.h"
#include "astro/sunmoon.h"

namespace astro {

double SineAltitude(Body body, double dayStartMjd, double hours, const Observer& at) {
    double M = dayStartMjd + hours / 24;
    double t = (M - 51544.5) / 36525;
    const Equatorial p = body == Body::Moon ? MoonPosition(t) : SunPosition(t);
    double tau = 15 * (LocalSiderealHours(M, at.longitudeEast) - p.raHours);  // hour angle in degrees
    return at.sinLatitude * SinDeg(p.decDegrees) + at.cosLatitude * CosDeg(p.decDegrees) * CosDeg(tau);
}

Parabola FitParabola(double ym, double y0, double yp) {
    Parabola p;
    double& xe = p.extremumX;
    double& ye = p.extremumY;
    double& z1 = p.root1;
    double& z2 = p.root2;
    int& nz = p.rootsInside;
    double a = 0.5 * (ym + yp) - y0;
    double b = 0.5 * (yp - ym);
    double c = y0;
    if (a == 0.0) {
        // The samples lie on the straight line y = b x + c: no extremum,
        // and at most one zero.
        xe = 0.0;
        ye = c;
        if (b != 0.0) {
            double z = -c / b;
            if (std::fabs(z) <= 1) {
                z1 = z;
                z2 = z;
                nz = 1;
            }
        }
        return p;
    }
    xe = -b / (2 * a);
    ye = (a * xe + b) * xe + c;
    double dis = b * b - 4 * a * c;
    if (dis > 0) {
        double dx = 0.5 * std::sqrt(dis) / std::fabs(a);
        z1 = xe - dx;
        z2 = xe + dx;
        if (std::fabs(z1) <= 1) nz = nz + 1;
        if (std::fabs(z2) <= 1) nz = nz + 1;
        if (z1 < -1) z1 = z2;
    }
    return p;
}

}  // namespace astro
