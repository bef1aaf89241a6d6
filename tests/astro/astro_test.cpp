// The astronomical core: calendar, sidereal time, clock texts, the Sun and
// Moon series, altitudes and the parabola search (sources of the expected
// values: tests/data/README.md).
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>

#include "astro/altitude.h"
#include "astro/calendar.h"
#include "astro/sunmoon.h"

using namespace astro;

// Julian days from Meeus, Astronomical Algorithms, ch. 7 (1957 Oct 4.81,
// 333 Jan 27.5, the calendar switch after Julian 1582 Oct 4 to Gregorian
// Oct 15) and libnova 0.16 (Julian 1500 Feb 29), less 2400000.5, whose day
// 0 is 1858 Nov 17; days past a month's end run on into the next month.
// Every Gregorian day 1900-2100 against the C++ library's day count.
TEST(Mjd, KnownDatesAndEveryGregorianDayOf1900To2100) {
    const struct { int y, m, d; double h, mjd; } cases[] = {
        {1858, 11, 17, 0, 0}, {1957, 10, 4, 19.44, 36115.81}, {333, 1, 27, 12, -557287.5}, {1582, 10, 4, 0, -100841},
        {1582, 10, 15, 0, -100840}, {1500, 2, 29, 0, -131009}, {2001, 4, 31, 0, 52030}, {2001, 2, 30, 0, 51970}};
    for (const auto& c : cases) EXPECT_NEAR(mjd(c.y, c.m, c.d, c.h), c.mjd, 1e-9) << c.y << "-" << c.m << "-" << c.d;
    using namespace std::chrono;
    for (sys_days d = year{1900} / 1 / 1; d <= year{2100} / 12 / 31; d += days{1}) {
        const year_month_day ymd{d};
        ASSERT_EQ(mjd(int(ymd.year()), int(unsigned(ymd.month())), int(unsigned(ymd.day())), 0),
                  double((d - sys_days{year{1858} / 11 / 17}).count())) << d.time_since_epoch().count();
    }
}

// Greenwich mean sidereal time from libnova 0.16 at 2000 Jan 1.5 and 1.0
// and 1900 Jan 1.0 (a negative count of days before 24 h are taken off).
// Clock numbers: half a minute rounds up, and every ten-thousandth of an
// hour gives a whole clock number within half a minute of it.
TEST(Clock, SiderealTimeAndClockNumbers) {
    EXPECT_NEAR(lmst(51544.5, 0), 18.6973746, 5e-7);
    EXPECT_NEAR(lmst(51544.5, -15), 19.6973746, 5e-7);
    EXPECT_NEAR(lmst(51544.0, 0), 6.6645196, 5e-7);
    EXPECT_NEAR(lmst(15020, 170), 6.6789184 - 170.0 / 15 + 24, 5e-6);
    EXPECT_EQ(std::tuple(hm(0.125), hm(23 + 59.5 / 60), hm(0.5 / 60 - 1e-9)), std::tuple(8, 2400, 0));
    for (int i = 0; i <= 240000; ++i) {
        const double ut = i / 10000.0, v = hm(ut), hh = std::floor(v / 100), mm = v - 100 * hh;
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
// gives 0.92018, 0.30354 and 0.04044.  Any object other than the Moon (1)
// is the Sun; hour 24 on one day is hour 0 on the next.
TEST(SunMoon, KnownPositionsAndAltitudes) {
    const struct { bool moon; double mjd, ra, dec; } cases[] = {{false, 51544.5, 18.752987, -23.033250},
        {false, 52081, 5.979084, 23.439155}, {true, 51544.5, 14.829961, -10.903633}, {true, 52185, 1.021641, 1.281920}};
    for (const auto& c : cases) {
        double ra, dec;
        (c.moon ? moon : sun)((c.mjd - 51544.5) / 36525, ra, dec);
        EXPECT_NEAR(ra, c.ra, 5e-7) << c.moon << " " << c.mjd;
        EXPECT_NEAR(dec, c.dec, 5e-7) << c.moon << " " << c.mjd;
    }
    const struct { int obj; double glong, phi, sinAlt; } alts[] = {
        {2, 0, 0, 0.9201804}, {2, -16, 48, 0.3035733}, {99, -16, 48, 0.3035733}, {1, -16, 48, 0.0404126}};
    for (const auto& c : alts)
        EXPECT_NEAR(sinalt(c.obj, 51544, 12, c.glong, cn(c.phi), sn(c.phi)), c.sinAlt, 5e-7) << c.obj;
    EXPECT_DOUBLE_EQ(sinalt(2, 51544, 24, 10, cn(50), sn(50)), sinalt(2, 51545, 0, 10, cn(50), sn(50)));
}

// Zeros and extrema worked by hand from y = a x^2 + b x + c through the
// three samples; 77 and 88 are the zeros' values before the call, left
// alone when there are not two distinct zeros.  Rows: zeros +-1/sqrt(3);
// zeros on the bounds count; one inside, in z1; -2 outside, 0.5 in both;
// touches the axis; misses it; y = x (no division by zero); a line with its
// zero at -2; a constant.
TEST(Quad, ExtremumAndZerosOfKnownParabolas) {
    const struct { double ym, y0, yp, xe, ye, z1, z2; int nz; } cases[] = {
        {-1, 0.5, -1, 0, 0.5, -0.5773503, 0.5773503, 2},    {0, -1, 0, 0, -1, -1, 1, 2},
        {-0.5, 0.1, 0.3, 1, 0.3, -0.2247449, 2.2247449, 1}, {-1.5, -1, 1.5, -0.75, -1.5625, 0.5, 0.5, 1},
        {1, 0, 1, 0, 0, 77, 88, 0}, {2, 1, 2, 0, 1, 77, 88, 0}, {-1, 0, 1, 0, 0, 0, 0, 1},
        {0.25, 0.5, 0.75, 0, 0.5, 77, 88, 0}, {0.3, 0.3, 0.3, 0, 0.3, 77, 88, 0}};
    for (const auto& c : cases) {
        double got[4] = {99, 99, 77, 88}, want[4] = {c.xe, c.ye, c.z1, c.z2};
        int nz = -5;
        quad(c.ym, c.y0, c.yp, got[0], got[1], got[2], got[3], nz);
        for (std::size_t i = 0; i < 4; ++i) EXPECT_NEAR(got[i], want[i], 1e-7) << c.ym << " " << c.y0 << " " << i;
        EXPECT_EQ(nz, c.nz) << c.ym << " " << c.y0 << " " << c.yp;
    }
}
