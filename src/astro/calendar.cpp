#include "astro/calendar.h"

#include <cmath>

#include "astro/fpcheck.h"

namespace astro {

namespace {
// Whole-number division truncating toward zero.
long long idiv(long long a, long long b) { return a / b; }
}  // namespace

double mjd(int Y, int m, int d, double h) {
    // Date key from the arguments as given, before any adjustment.
    double a = 10000.0 * Y + 100.0 * m + d;
    long long y = Y, n = m;
    if (y < 0) y = y + 1;  // no year 0 before the common era
    if (n <= 2) {          // January and February: months 13 and 14
        n = n + 12;
        y = y - 1;
    }
    long long b;
    if (a <= 15821004.1)
        b = -2 + idiv(y + 4716, 4) - 1179;
    else
        b = idiv(y, 400) - idiv(y, 100) + idiv(y, 4);
    double whole = static_cast<double>(365 * y - 679004) + static_cast<double>(b) +
                   ipart(30.6001 * static_cast<double>(n + 1)) + static_cast<double>(d);
    return whole + h / 24;
}

double lmst(double mjdv, double glong) {
    double D = ipart(mjdv);
    double u = (mjdv - D) * 24;
    double T = (D - 51544.5) / 36525;
    double G = 6.697374558 + 1.0027379093 * u +
               (8640184.812866 + (0.093104 - 0.0000062 * T) * T) * T / 3600;
    return 24 * fpart((G - glong / 15) / 24);
}

double hm(double ut) {
    double u = std::floor(ut * 60 + 0.5) / 60;
    double hh = std::floor(u);
    double mm = std::floor((u - hh) * 60 + 0.5);
    return std::floor(hh * 100 + mm);
}

}  // namespace astro
