// The astronomical core: sidereal time, clock numbers, the Sun and
// Moon series, altitudes and the parabola search (sources of the expected
// values: tests/data/README.md).
#include <gtest/gtest.h>

#include <cmath>

#include "astro/altitude.h"
#include "astro/angles.h"
#include "astro/precise.h"
#include "astro/siderealtime.h"
#include "astro/sunmoon.h"

using namespace astro;

// Greenwich mean sidereal time from libnova 0.16 at 2000 Jan 1.5 and 1.0
// and 1900 Jan 1.0 (a negative count of days before 24 h are taken off).
// Clock numbers: half a minute rounds up, and every ten-thousandth of an
// hour gives a whole clock number within half a minute of it.
TEST(Clock, SiderealTimeAndClockNumbers) {
    EXPECT_NEAR(LocalSiderealHours(51544.5, 0), 18.6973746, 5e-7);
    EXPECT_NEAR(LocalSiderealHours(51544.5, 15), 19.6973746, 5e-7);
    EXPECT_NEAR(LocalSiderealHours(51544.0, 0), 6.6645196, 5e-7);
    EXPECT_NEAR(LocalSiderealHours(15020, -170), 6.6789184 - 170.0 / 15 + 24, 5e-6);
    EXPECT_EQ(std::tuple(ClockNumber(0.125), ClockNumber(23 + 59.5 / 60), ClockNumber(0.5 / 60 - 1e-9)),
              std::tuple(8, 2400, 0));
    for (int i = 0; i <= 240000; ++i) {
        const double ut = i / 10000.0, v = ClockNumber(ut), hh = std::floor(v / 100), mm = v - 100 * hh;
        ASSERT_TRUE(v == std::floor(v) && ((hh <= 23 && mm <= 59) || v == 2400)) << ut << " -> " << v;
        ASSERT_LE(std::fabs(hh + mm / 60 - ut), 0.5 / 60 + 1e-9) << ut;
    }
}

// Values of this low-precision theory at 2000 Jan 1 12h UT, 21 June 2001
// (the solstice) and 3 Oct 2001, to 5e-7 (hours, degrees, sines).  libnova
// 0.16 (VSOP87 Sun, ELP 2000-82B Moon) gives Sun 18.752264 h -23.033611
// deg, 5.976812 h 23.438368 deg; Moon 14.829822 h -10.900201 deg, 1.019849
// h 1.268803 deg: within the theory's accuracy of 0.003 h and 0.02 deg; and
// with its sidereal time sin h = sin phi sin dec + cos phi cos dec cos H
// gives 0.92018, 0.30354 and 0.04044 (at 16 E, 48 N); hour 24 on one day
// is hour 0 on the next.
TEST(SunMoon, KnownPositionsAndAltitudes) {
    const struct { bool moon; double mjd, ra, dec; } cases[] = {{false, 51544.5, 18.752987, -23.033250},
        {false, 52081, 5.979084, 23.439155}, {true, 51544.5, 14.829961, -10.903633}, {true, 52185, 1.021641, 1.281920}};
    for (const auto& c : cases) {
        const Equatorial p = (c.moon ? MoonPosition : SunPosition)((c.mjd - 51544.5) / 36525);
        EXPECT_NEAR(p.raHours, c.ra, 5e-7) << c.moon << " " << c.mjd;
        EXPECT_NEAR(p.decDegrees, c.dec, 5e-7) << c.moon << " " << c.mjd;
    }
    const struct { Body body; double lon, phi, sinAlt; } alts[] = {
        {Body::Sun, 0, 0, 0.9201804}, {Body::Sun, 16, 48, 0.3035733}, {Body::Moon, 16, 48, 0.0404126}};
    for (const auto& c : alts)
        EXPECT_NEAR(SineAltitude(c.body, 51544, 12, {c.lon, CosDeg(c.phi), SinDeg(c.phi)}), c.sinAlt, 5e-7) << c.lon;
    const Observer at{-10, CosDeg(50), SinDeg(50)};
    EXPECT_DOUBLE_EQ(SineAltitude(Body::Sun, 51544, 24, at), SineAltitude(Body::Sun, 51545, 0, at));
}

// Zeros and extrema worked by hand from y = a x^2 + b x + c through the
// three samples; the zeros stay 0 when there are not two distinct zeros.  Rows: zeros +-1/sqrt(3);
// zeros on the bounds count; one inside, in z1; -2 outside, 0.5 in both;
// touches the axis; misses it; y = x (no division by zero); a line with its
// zero at -2; a constant.
TEST(Quad, ExtremumAndZerosOfKnownParabolas) {
    const struct { double ym, y0, yp, xe, ye, z1, z2; int nz; } cases[] = {
        {-1, 0.5, -1, 0, 0.5, -0.5773503, 0.5773503, 2},    {0, -1, 0, 0, -1, -1, 1, 2},
        {-0.5, 0.1, 0.3, 1, 0.3, -0.2247449, 2.2247449, 1}, {-1.5, -1, 1.5, -0.75, -1.5625, 0.5, 0.5, 1},
        {1, 0, 1, 0, 0, 0, 0, 0}, {2, 1, 2, 0, 1, 0, 0, 0}, {-1, 0, 1, 0, 0, 0, 0, 1},
        {0.25, 0.5, 0.75, 0, 0.5, 0, 0, 0}, {0.3, 0.3, 0.3, 0, 0.3, 0, 0, 0}};
    for (const auto& c : cases) {
        const Parabola p = FitParabola(c.ym, c.y0, c.yp);
        const double got[4] = {p.extremumX, p.extremumY, p.root1, p.root2}, want[4] = {c.xe, c.ye, c.z1, c.z2};
        for (std::size_t i = 0; i < 4; ++i) EXPECT_NEAR(got[i], want[i], 1e-7) << c.ym << " " << c.y0 << " " << i;
        EXPECT_EQ(p.rootsInside, c.nz) << c.ym << " " << c.y0 << " " << c.yp;
    }
}

// The precise ephemeris's Delta T at 00:00 UT of 1 January 1900, 1950,
// 1990 and 2040 and of 1 July 2019 and 2100 against Astronomy Engine 2.1.19's
// (Espenak and Meeus's polynomials; its year is counted from 15 January
// 2000 in tropical years, hence 0.1 s), and the cached positions of a
// month (both ends included) against those computed for each instant.
TEST(Precise, DeltaTAndCachedPositions) {
    const struct { double mjd, seconds; } deltaT[] = {
        {15020, -2.759}, {33282, 29.054}, {47892, 56.870}, {58665, 71.304}, {66154, 84.719}, {88250, 203.819}};
    for (const auto& d : deltaT) EXPECT_NEAR(DeltaTSeconds(d.mjd), d.seconds, 0.1) << d.mjd;
    const double first = 60461.9, last = 60494.1;
    const PreciseSky sky(first, last);
    for (double lat : {-90.0, 0.0, 69.6}) {
        const Site site = SiteOnEllipsoid(-170.5, lat);
        for (double mjd = first; mjd <= last; mjd += 0.0731)
            for (Body b : {Body::Sun, Body::Moon}) {
                const Apparent direct = PreciseApparent(b, mjd, site), cached = sky.At(b, mjd, site);
                ASSERT_NEAR(cached.altitude, direct.altitude, 0.05 / 206265) << mjd;
                ASSERT_NEAR(cached.semidiameter, direct.semidiameter, 0.01 / 206265) << mjd;
            }
    }
}
