#include "astro/calendar.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <optional>

using namespace astro;

TEST(Parts, FractionalPartIsAboveTheFloorIntegerPartTowardsZero) {
    const struct {
        double x, f, i;
    } cases[] = {{-0.25, 0.75, 0}, {2.0, 0, 2}, {-3.0, 0, -3}, {1.75, 0.75, 1}, {-2.7, 0.3, -2}};
    for (const auto& c : cases) {
        EXPECT_NEAR(fpart(c.x), c.f, 1e-15) << c.x;
        EXPECT_EQ(ipart(c.x), c.i) << c.x;
    }
    // The degree factor lies above pi/180, so cos(90 deg) is a tiny negative number.
    EXPECT_LT(cn(90), 0.0);
    EXPECT_GT(cn(90), -1e-15);
}

TEST(Mjd, KnownDates) {
    // Julian days from Meeus, Astronomical Algorithms, ch. 7 (1957 Oct 4.81,
    // 333 Jan 27.5, the calendar switch after Julian 1582 Oct 4 to Gregorian
    // Oct 15) and libnova 0.16 (Julian 1500 Feb 29, 2100 Dec 31), less
    // 2400000.5; days past a month's end run on into the next month.
    const struct {
        int y, m, d;
        double h, mjd;
    } cases[] = {
        {1858, 11, 17, 0, 0},        {2000, 1, 1, 0, 51544},      {1957, 10, 4, 19.44, 36115.81},
        {333, 1, 27, 12, -557287.5}, {1582, 10, 4, 0, -100841},   {1582, 10, 15, 0, -100840},
        {1500, 2, 29, 0, -131009},   {2100, 12, 31, 0, 88433},    {2001, 4, 31, 0, 52030},
        {2001, 2, 30, 0, 51970},
    };
    for (const auto& c : cases)
        EXPECT_NEAR(mjd(c.y, c.m, c.d, c.h), c.mjd, 1e-9) << c.y << "-" << c.m << "-" << c.d;
}

TEST(Mjd, EveryGregorianDateOf1900To2100) {
    // Against the C++ library's day count.
    using namespace std::chrono;
    const sys_days epoch = year{1858} / November / 17;
    for (sys_days d = year{1900} / January / 1; d <= year{2100} / December / 31; d += days{1}) {
        const year_month_day ymd{d};
        ASSERT_EQ(mjd(int(ymd.year()), int(unsigned(ymd.month())), int(unsigned(ymd.day())), 0),
                  double((d - epoch).count()))
            << int(ymd.year()) << "-" << unsigned(ymd.month()) << "-" << unsigned(ymd.day());
    }
}

TEST(Lmst, KnownValuesAndRange) {
    // Greenwich mean sidereal time from libnova 0.16 at 2000 Jan 1.5 and 1.0.
    EXPECT_NEAR(lmst(51544.5, 0), 18.6973746, 5e-7);
    EXPECT_NEAR(lmst(51544.5, -15), 19.6973746, 5e-7);
    EXPECT_NEAR(lmst(51544.0, 0), 6.6645196, 5e-7);
    for (double m = 15000; m < 89000; m += 7.37) {
        for (double g = -180; g <= 180; g += 45) {
            double v = lmst(m, g);
            ASSERT_TRUE(v >= 0 && v < 24) << m << " " << g;
        }
    }
}

TEST(Hm, RoundsToTheMinute) {
    const struct {
        double hours, hm;
    } cases[] = {{6.5, 630},  {7.25, 715},         {0.125, 8},    {5.9917, 600},
                 {23.999, 2400}, {23 + 59.5 / 60, 2400}, {0, 0}, {0.5 / 60 - 1e-9, 0}};
    for (const auto& c : cases) EXPECT_EQ(hm(c.hours), c.hm) << c.hours;
    // Every ten-thousandth of an hour gives a clock number within half a
    // minute of it.
    for (int i = 0; i <= 240000; ++i) {
        double ut = i / 10000.0, v = hm(ut);
        int hh = static_cast<int>(v) / 100, mm = static_cast<int>(v) % 100;
        ASSERT_EQ(v, std::floor(v));
        ASSERT_TRUE((hh <= 23 && mm <= 59) || v == 2400) << ut << " -> " << v;
        ASSERT_LE(std::fabs(hh + mm / 60.0 - ut), 0.5 / 60 + 1e-9) << ut;
    }
}

TEST(TimeDec, ClockTextsAndRefusals) {
    const struct {
        const char* text;
        std::optional<double> hours;
    } cases[] = {
        {"0630", 6.5}, {"2400", 24.0}, {"0000", 0.0},
        {"1275", 13.25},  // minutes are not checked
        {"630", std::nullopt}, {"2401", std::nullopt}, {"-100", std::nullopt},
        {"06300", std::nullopt}, {"", std::nullopt},
    };
    for (const auto& c : cases) EXPECT_EQ(TimeDec(c.text), c.hours) << c.text;
}
