#include "astro/altitude.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "astro/calendar.h"

using namespace astro;

TEST(Quad, ExtremumAndZerosOfKnownParabolas) {
    // Zeros and extrema worked by hand from y = a x^2 + b x + c through the
    // three samples; 77 and 88 are the zeros' values before the call, left
    // alone when there are not two distinct zeros.  Rows: zeros +-1/sqrt(3);
    // zeros on the bounds count; one inside, in z1; -2 outside, 0.5 in both;
    // touches the axis; misses it; y = x (no division by zero); a line with
    // its zero at -2; a constant.
    const struct { double ym, y0, yp, xe, ye, z1, z2; int nz; } cases[] = {
        {-1, 0.5, -1, 0, 0.5, -0.5773503, 0.5773503, 2},    {0, -1, 0, 0, -1, -1, 1, 2},
        {-0.5, 0.1, 0.3, 1, 0.3, -0.2247449, 2.2247449, 1}, {-1.5, -1, 1.5, -0.75, -1.5625, 0.5, 0.5, 1},
        {1, 0, 1, 0, 0, 77, 88, 0}, {2, 1, 2, 0, 1, 77, 88, 0}, {-1, 0, 1, 0, 0, 0, 0, 1},
        {0.25, 0.5, 0.75, 0, 0.5, 77, 88, 0}, {0.3, 0.3, 0.3, 0, 0.3, 77, 88, 0}};
    for (const auto& c : cases) {
        double xe = 99, ye = 99, z1 = 77, z2 = 88;
        int nz = -5;
        quad(c.ym, c.y0, c.yp, xe, ye, z1, z2, nz);
        SCOPED_TRACE(::testing::Message() << c.ym << " " << c.y0 << " " << c.yp);
        const std::array<double, 4> got{xe, ye, z1, z2}, want{c.xe, c.ye, c.z1, c.z2};
        for (std::size_t i = 0; i < 4; ++i) EXPECT_NEAR(got[i], want[i], 1e-7) << i;
        EXPECT_EQ(nz, c.nz);
    }
}

TEST(SinAlt, KnownValues) {
    // 2000 Jan 1 12h UT.  From this theory's Sun and Moon positions; with
    // libnova 0.16's positions and sidereal time sin h = sin phi sin dec +
    // cos phi cos dec cos H gives 0.92018, 0.30354 and 0.04044.  Any object
    // other than the Moon (1) is the Sun (2).
    const struct { int obj; double glong, phi, sinAlt; } cases[] = {
        {2, 0, 0, 0.9201804}, {2, -16, 48, 0.3035733}, {99, -16, 48, 0.3035733},
        {0, -16, 48, 0.3035733}, {1, -16, 48, 0.0404126}};
    for (const auto& c : cases)
        EXPECT_NEAR(sinalt(c.obj, 51544, 12, c.glong, cn(c.phi), sn(c.phi)), c.sinAlt, 5e-7) << c.obj;
    // Hour 24 on one day is hour 0 on the next.
    EXPECT_DOUBLE_EQ(sinalt(2, 51544, 24, 10, cn(50), sn(50)), sinalt(2, 51545, 0, 10, cn(50), sn(50)));
}
