#include "astro/altitude.h"

#include <cmath>

#include "astro/calendar.h"
#include "astro/fpcheck.h"
#include "astro/sunmoon.h"

namespace astro {

double sinalt(int iobj, double mjd0, double hourt, double glong, double cphi, double sphi) {
    double M = mjd0 + hourt / 24;
    double t = (M - 51544.5) / 36525;
    double ra, dec;
    if (iobj == 1)
        moon(t, ra, dec);
    else
        sun(t, ra, dec);
    double tau = 15 * (lmst(M, glong) - ra);  // hour angle in degrees
    return sphi * sn(dec) + cphi * cn(dec) * cn(tau);
}

void quad(double ym, double y0, double yp, double& xe, double& ye, double& z1, double& z2,
          int& nz) {
    nz = 0;
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
        return;
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
}

}  // namespace astro
