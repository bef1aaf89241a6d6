#include "astro/sunmoon.h"

#include <gtest/gtest.h>

#include <cmath>

#include "astro/calendar.h"

using namespace astro;

namespace {
double T(double m) { return (m - 51544.5) / 36525; }
}  // namespace

TEST(Sun, KnownPositions) {
    double ra, dec;
    sun(0, ra, dec);
    EXPECT_NEAR(ra, 18.752987, 5e-7);
    EXPECT_NEAR(dec, -23.033250, 5e-7);
    sun(T(52081), ra, dec);
    EXPECT_NEAR(ra, 5.979084, 5e-7);
    EXPECT_NEAR(dec, 23.439155, 5e-7);
}

TEST(Moon, KnownPositions) {
    double ra, dec;
    moon(0, ra, dec);
    EXPECT_NEAR(ra, 14.829961, 5e-7);
    EXPECT_NEAR(dec, -10.903633, 5e-7);
    moon(T(52185), ra, dec);
    EXPECT_NEAR(ra, 1.021641, 5e-7);
    EXPECT_NEAR(dec, 1.281920, 5e-7);
}

// Every 7.3 hours over 1900..2100: right ascension in [0, 24), declination
// within the obliquity (Sun) and obliquity plus inclination (Moon).
TEST(SunMoon, RangesOverTwoCenturies) {
    for (double m = mjd(1900, 1, 1, 0); m < mjd(2101, 1, 1, 0); m += 7.3 / 24) {
        double ra, dec;
        sun(T(m), ra, dec);
        ASSERT_GE(ra, 0.0);
        ASSERT_LT(ra, 24.0);
        ASSERT_LE(std::fabs(dec), 23.5);
        moon(T(m), ra, dec);
        ASSERT_GE(ra, 0.0);
        ASSERT_LT(ra, 24.0);
        ASSERT_LE(std::fabs(dec), 29.0);
        ASSERT_FALSE(std::isnan(ra) || std::isnan(dec));
    }
}
