#include "astro/altitude.h"

#include <gtest/gtest.h>

#include <cmath>

#include "astro/calendar.h"

using namespace astro;

namespace {
struct Q {
    double xe = 99, ye = 99, z1 = 77, z2 = 88;
    int nz = -5;
};
Q runQuad(double ym, double y0, double yp) {
    Q q;
    quad(ym, y0, yp, q.xe, q.ye, q.z1, q.z2, q.nz);
    return q;
}
}  // namespace

TEST(Quad, TwoZerosInside) {
    Q q = runQuad(-1, 0.5, -1);
    EXPECT_EQ(q.xe, 0);
    EXPECT_EQ(q.ye, 0.5);
    EXPECT_NEAR(q.z1, -0.5773503, 1e-7);
    EXPECT_NEAR(q.z2, 0.5773503, 1e-7);
    EXPECT_EQ(q.nz, 2);
}

TEST(Quad, OneZeroComesBackInZ1) {
    Q q = runQuad(-0.5, 0.1, 0.3);
    EXPECT_DOUBLE_EQ(q.xe, 1);
    EXPECT_DOUBLE_EQ(q.ye, 0.3);
    EXPECT_NEAR(q.z1, -0.2247449, 1e-7);
    EXPECT_NEAR(q.z2, 2.2247449, 1e-7);
    EXPECT_EQ(q.nz, 1);

    // Zeros at -2 and 0.5: the one below -1 is replaced by the one inside.
    q = runQuad(-1.5, -1, 1.5);
    EXPECT_EQ(q.nz, 1);
    EXPECT_DOUBLE_EQ(q.z1, 0.5);
    EXPECT_DOUBLE_EQ(q.z2, 0.5);
}

TEST(Quad, BoundsAreInclusive) {
    Q q = runQuad(0, -1, 0);
    EXPECT_EQ(q.z1, -1);
    EXPECT_EQ(q.z2, 1);
    EXPECT_EQ(q.nz, 2);
}

TEST(Quad, TouchingOrMissingZeroLeavesZerosAlone) {
    Q q = runQuad(1, 0, 1);
    EXPECT_EQ(q.nz, 0);
    EXPECT_EQ(q.xe, 0);
    EXPECT_EQ(q.ye, 0);
    EXPECT_EQ(q.z1, 77);
    EXPECT_EQ(q.z2, 88);

    q = runQuad(2, 1, 2);
    EXPECT_EQ(q.nz, 0);
    EXPECT_EQ(q.ye, 1);
    EXPECT_EQ(q.z1, 77);
    EXPECT_EQ(q.z2, 88);
}

TEST(Quad, StraightLineGivesItsZeroWithoutDividingByZero) {
    // Samples -1, 0, 1 lie on y = x: one zero at 0, no extremum.
    Q q = runQuad(-1, 0, 1);
    EXPECT_TRUE(std::isfinite(q.xe));
    EXPECT_TRUE(std::isfinite(q.ye));
    EXPECT_EQ(q.nz, 1);
    EXPECT_DOUBLE_EQ(q.z1, 0);

    // y = 0.25 x + 0.5 has its zero at -2, outside the interval.
    q = runQuad(0.25, 0.5, 0.75);
    EXPECT_EQ(q.nz, 0);
    EXPECT_TRUE(std::isfinite(q.xe));

    // A constant: no zero at all.
    q = runQuad(0.3, 0.3, 0.3);
    EXPECT_EQ(q.nz, 0);
    EXPECT_EQ(q.ye, 0.3);
}

TEST(Quad, ZerosReallyAreZerosOfTheParabola) {
    // Over a grid of sample triples, every zero reported must make the
    // parabola vanish, lie in [-1, 1] and the count must match.
    int checked = 0;
    for (int i = -8; i <= 8; ++i)
        for (int j = -8; j <= 8; ++j)
            for (int k = -8; k <= 8; ++k) {
                double ym = i * 0.13, y0 = j * 0.11, yp = k * 0.17;
                double a = 0.5 * (ym + yp) - y0;
                if (std::fabs(a) < 1e-9) continue;  // near-straight lines lose all digits
                Q q = runQuad(ym, y0, yp);
                double b = 0.5 * (yp - ym), c = y0;
                auto f = [&](double x) { return (a * x + b) * x + c; };
                if (q.nz >= 1) {
                    EXPECT_LE(std::fabs(q.z1), 1.0);
                    EXPECT_NEAR(f(q.z1), 0, 1e-9);
                    ++checked;
                }
                if (q.nz == 2) {
                    EXPECT_LE(q.z1, q.z2);
                    EXPECT_LE(std::fabs(q.z2), 1.0);
                    EXPECT_NEAR(f(q.z2), 0, 1e-9);
                }
                // A sign change between the ends means exactly one zero.
                if ((ym < 0) != (yp < 0) && ym != 0 && yp != 0) {
                    EXPECT_EQ(q.nz, 1);
                }
            }
    EXPECT_GT(checked, 500);
}

TEST(SinAlt, KnownValues) {
    EXPECT_NEAR(sinalt(2, 51544, 12, 0, cn(0), sn(0)), 0.9201804, 5e-7);
    EXPECT_NEAR(sinalt(2, 51544, 12, -16, cn(48), sn(48)), 0.3035733, 5e-7);
    EXPECT_NEAR(sinalt(1, 51544, 12, -16, cn(48), sn(48)), 0.0404126, 5e-7);
}

TEST(SinAlt, EveryOtherObjectIsTheSun) {
    double sunValue = sinalt(2, 51544, 12, -16, cn(48), sn(48));
    for (int iobj : {0, 3, -1, 99}) EXPECT_EQ(sinalt(iobj, 51544, 12, -16, cn(48), sn(48)), sunValue);
    EXPECT_NE(sinalt(1, 51544, 12, -16, cn(48), sn(48)), sunValue);
}

TEST(SinAlt, StaysASineAndHourIsAFractionOfTheDay) {
    for (int h = 0; h <= 48; ++h) {
        double s = sinalt(1, 60000, h * 0.5, 123.4, cn(-33), sn(-33));
        EXPECT_LE(std::fabs(s), 1.0);
    }
    // hourt 24 on one day is hour 0 on the next.
    EXPECT_DOUBLE_EQ(sinalt(2, 51544, 24, 10, cn(50), sn(50)), sinalt(2, 51545, 0, 10, cn(50), sn(50)));
}
