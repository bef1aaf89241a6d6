#include "astro/sunmoon.h"

#include <gtest/gtest.h>


using namespace astro;

TEST(SunMoon, KnownPositions) {
    // Values of this low-precision theory, to 5e-7.  libnova 0.16
    // (VSOP87 Sun, ELP 2000-82B Moon) gives, for the same instants:
    // Sun 18.752264 h -23.033611 deg, 5.976812 h 23.438368 deg; Moon
    // 14.829822 h -10.900201 deg, 1.019849 h 1.268803 deg: within the
    // theory's accuracy of 0.003 h and 0.02 deg.
    const struct { bool moon; double mjd, ra, dec; } cases[] = {  // hours, degrees
        {false, 51544.5, 18.752987, -23.033250},                   // J2000.0
        {false, 52081, 5.979084, 23.439155},                       // 21 June 2001, the solstice
        {true, 51544.5, 14.829961, -10.903633}, {true, 52185, 1.021641, 1.281920}};  // J2000.0, 3 Oct 2001
    for (const auto& c : cases) {
        double ra, dec;
        (c.moon ? moon : sun)((c.mjd - 51544.5) / 36525, ra, dec);
        EXPECT_NEAR(ra, c.ra, 5e-7) << c.moon << " " << c.mjd;
        EXPECT_NEAR(dec, c.dec, 5e-7) << c.moon << " " << c.mjd;
    }
}
