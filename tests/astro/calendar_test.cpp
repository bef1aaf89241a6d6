#include "astro/calendar.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <optional>

using namespace astro;

TEST(Mjd, KnownDatesAndEveryGregorianDayOf1900To2100) {
    // Julian days from Meeus, Astronomical Algorithms, ch. 7 (1957 Oct 4.81,
    // 333 Jan 27.5, the calendar switch after Julian 1582 Oct 4 to Gregorian
    // Oct 15) and libnova 0.16 (Julian 1500 Feb 29), less 2400000.5, whose
    // day 0 is 1858 Nov 17; days past a month's end run on into the next month.
    const struct { int y, m, d; double h, mjd; } cases[] = {
        {1858, 11, 17, 0, 0},     {1957, 10, 4, 19.44, 36115.81}, {333, 1, 27, 12, -557287.5},
        {1582, 10, 4, 0, -100841}, {1582, 10, 15, 0, -100840},    {1500, 2, 29, 0, -131009},
        {2001, 4, 31, 0, 52030},  {2001, 2, 30, 0, 51970}};
    for (const auto& c : cases)
        EXPECT_NEAR(mjd(c.y, c.m, c.d, c.h), c.mjd, 1e-9) << c.y << "-" << c.m << "-" << c.d;
    // Every Gregorian day against the C++ library's day count.
    using namespace std::chrono;
    for (sys_days d = year{1900} / 1 / 1; d <= year{2100} / 12 / 31; d += days{1}) {
        const year_month_day ymd{d};
        ASSERT_EQ(mjd(int(ymd.year()), int(unsigned(ymd.month())), int(unsigned(ymd.day())), 0),
                  double((d - sys_days{year{1858} / 11 / 17}).count())) << d.time_since_epoch().count();
    }
}

TEST(Lmst, KnownValues) {
    // Greenwich mean sidereal time from libnova 0.16 at 2000 Jan 1.5 and 1.0
    // and 1900 Jan 1.0 (a negative count of days before 24 h are taken off).
    EXPECT_NEAR(lmst(51544.5, 0), 18.6973746, 5e-7);
    EXPECT_NEAR(lmst(51544.5, -15), 19.6973746, 5e-7);
    EXPECT_NEAR(lmst(51544.0, 0), 6.6645196, 5e-7);
    EXPECT_NEAR(lmst(15020, 170), 6.6789184 - 170.0 / 15 + 24, 5e-6);
}

TEST(Hm, RoundsToTheMinute) {
    // Half a minute rounds up.
    const struct { double hours, hm; } cases[] = {{0.125, 8}, {23 + 59.5 / 60, 2400}, {0.5 / 60 - 1e-9, 0}};
    for (const auto& c : cases) EXPECT_EQ(hm(c.hours), c.hm) << c.hours;
    // Every ten-thousandth of an hour (6.5 h, 7.25 h, 23.999 h, ...) gives a
    // whole clock number within half a minute of it.
    for (int i = 0; i <= 240000; ++i) {
        const double ut = i / 10000.0, v = hm(ut), hh = std::floor(v / 100), mm = v - 100 * hh;
        ASSERT_TRUE(v == std::floor(v) && ((hh <= 23 && mm <= 59) || v == 2400)) << ut << " -> " << v;
        ASSERT_LE(std::fabs(hh + mm / 60 - ut), 0.5 / 60 + 1e-9) << ut;
    }
}

TEST(TimeDec, ClockTextsAndRefusals) {
    const std::optional<double> no;
    const struct { const char* text; std::optional<double> hours; } cases[] = {
        {"0630", 6.5}, {"2400", 24.0}, {"0000", 0.0}, {"1275", 13.25},  // minutes are not checked
        {"630", no}, {"2401", no}, {"-100", no}, {"06300", no}, {"", no}};
    for (const auto& c : cases) EXPECT_EQ(TimeDec(c.text), c.hours) << c.text;
}
