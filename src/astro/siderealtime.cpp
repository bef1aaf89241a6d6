// Sidereal time and clock numbers of the daily search.
#include "astro/siderealtime.h"

#include <cmath>

#include "astro/angles.h"
#include "astro/fpcheck.h"

namespace astro {

double LocalSiderealHours(double mjdUt, double longitudeEast) {
    double D = IntegerPart(mjdUt);
    double u = (mjdUt - D) * 24;  // UT hours of the day
    double T = (D - 51544.5) / 36525;
    // Greenwich mean sidereal time in hours at 0 h UT plus the hours since.
    double G = 6.697374558 + 1.0027379093 * u + (8640184.812866 + (0.093104 - 0.0000062 * T) * T) * T / 3600;
    return 24 * FractionalPart((G + longitudeEast / 15) / 24);
}

int ClockNumber(double hours) {
    double u = std::floor(hours * 60 + 0.5) / 60;
    double hh = std::floor(u);
    double mm = std::floor((u - hh) * 60 + 0.5);
    return static_cast<int>(std::floor(hh * 100 + mm));
}

}  // namespace astro
