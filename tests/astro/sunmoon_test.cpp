#include "astro/sunmoon.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace astro;

TEST(SunMoon, KnownPositionsAndRanges) {
    // Values of this low-precision theory, to 5e-7.  libnova 0.16
    // (VSOP87 Sun, ELP 2000-82B Moon) gives, for the same instants:
    // Sun 18.752264 h -23.033611 deg, 5.976812 h 23.438368 deg; Moon
    // 14.829822 h -10.900201 deg, 1.019849 h 1.268803 deg: within the
    // theory's accuracy of 0.003 h and 0.02 deg.
    const struct { bool moon; double mjd, ra, dec; } cases[] = {  // hours, degrees
        {false, 51544.5, 18.752987, -23.033250},                   // J2000.0
        {false, 52081, 5.979084, 23.439155},                       // 21 June 2001, the solstice
        {true, 51544.5, 14.829961, -10.903633},
        {true, 52185, 1.021641, 1.281920}};  // 3 October 2001
    double ra, dec;
    for (const auto& c : cases) {
        (c.moon ? moon : sun)((c.mjd - 51544.5) / 36525, ra, dec);
        EXPECT_NEAR(ra, c.ra, 5e-7) << c.moon << " " << c.mjd;
        EXPECT_NEAR(dec, c.dec, 5e-7) << c.moon << " " << c.mjd;
    }
    // Every 7.3 hours over 1900..2100 (Julian centuries from J2000): right
    // ascension in [0, 24), declination within the obliquity (Sun) and the
    // obliquity plus the Moon's inclination.
    for (double t = -1; t < 1.01; t += 7.3 / 24 / 36525)
        for (bool isMoon : {false, true}) {
            (isMoon ? moon : sun)(t, ra, dec);
            ASSERT_TRUE(ra >= 0 && ra < 24 && std::fabs(dec) <= (isMoon ? 29.0 : 23.5))
                << t << " " << ra << " " << dec;
        }
}
