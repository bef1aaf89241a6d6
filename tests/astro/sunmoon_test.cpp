#include "astro/sunmoon.h"

#include <gtest/gtest.h>

#include <cmath>

#include "astro/calendar.h"

using namespace astro;

namespace {
double T(double m) { return (m - 51544.5) / 36525; }
}  // namespace

TEST(SunMoon, KnownPositions) {
    // Values of this low-precision theory, to 5e-7.  libnova 0.16
    // (VSOP87 Sun, ELP 2000-82B Moon) gives, for the same instants:
    // Sun 18.752264 h -23.033611 deg, 5.976812 h 23.438368 deg; Moon
    // 14.829822 h -10.900201 deg, 1.019849 h 1.268803 deg: within the
    // theory's accuracy of 0.003 h and 0.02 deg.
    struct Case {
        bool moon;
        double mjd, ra, dec;  // hours, degrees
    } cases[] = {
        {false, 51544.5, 18.752987, -23.033250},  // J2000.0
        {false, 52081, 5.979084, 23.439155},      // 21 June 2001, the solstice
        {true, 51544.5, 14.829961, -10.903633},
        {true, 52185, 1.021641, 1.281920},  // 3 October 2001
    };
    for (const Case& c : cases) {
        double ra, dec;
        (c.moon ? moon : sun)(T(c.mjd), ra, dec);
        EXPECT_NEAR(ra, c.ra, 5e-7) << c.moon << " " << c.mjd;
        EXPECT_NEAR(dec, c.dec, 5e-7) << c.moon << " " << c.mjd;
    }
}

// Every 7.3 hours over 1900..2100: right ascension in [0, 24), declination
// within the obliquity (Sun) and obliquity plus inclination (Moon).
TEST(SunMoon, RangesOverTwoCenturies) {
    for (double m = mjd(1900, 1, 1, 0); m < mjd(2101, 1, 1, 0); m += 7.3 / 24) {
        for (bool isMoon : {false, true}) {
            double ra, dec;
            (isMoon ? moon : sun)(T(m), ra, dec);
            ASSERT_TRUE(ra >= 0 && ra < 24) << m << " " << ra;
            ASSERT_LE(std::fabs(dec), isMoon ? 29.0 : 23.5) << m;
        }
    }
}
