#include "astro/calendar.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>


using namespace astro;

TEST(Parts, FractionalAndIntegerParts) {
    EXPECT_EQ(fpart(-0.25), 0.75);
    EXPECT_EQ(fpart(2.0), 0.0);
    EXPECT_EQ(fpart(-3.0), 0.0);
    EXPECT_EQ(fpart(1.75), 0.75);
    EXPECT_EQ(ipart(-2.7), -2.0);
    EXPECT_EQ(ipart(2.7), 2.0);
    EXPECT_EQ(ipart(-0.5), 0.0);
}

TEST(Trig, LiteralDegreeFactor) {
    EXPECT_EQ(sn(90), 1.0);
    // The factor lies above pi/180, so cos(90 deg) is a tiny negative number.
    EXPECT_LT(cn(90), 0.0);
    EXPECT_GT(cn(90), -1e-15);
    EXPECT_EQ(sn(30), std::sin(30 * 0.0174532925199433));
}

TEST(Mjd, KnownDates) {
    EXPECT_EQ(mjd(2000, 1, 1, 0), 51544);
    EXPECT_EQ(mjd(1858, 11, 17, 0), 0);
    EXPECT_EQ(mjd(2001, 10, 3, 12), 52185.5);
    EXPECT_EQ(mjd(2000, 2, 29, 6), 51603.25);
    EXPECT_EQ(mjd(1900, 3, 1, 0), 15079);
    EXPECT_EQ(mjd(2100, 12, 31, 0), 88433);
}

TEST(Mjd, CalendarSwitchAndOverflowingDays) {
    EXPECT_EQ(mjd(1582, 10, 4, 0), -100841);
    EXPECT_EQ(mjd(1582, 10, 15, 0), -100840);
    EXPECT_EQ(mjd(2001, 4, 31, 0), mjd(2001, 5, 1, 0));
    EXPECT_EQ(mjd(2001, 2, 30, 0), mjd(2001, 3, 2, 0));
}

// Walks every date of 1900..2100 (and the Julian years before the switch)
// and checks that consecutive dates are exactly one day apart.
TEST(Mjd, ConsecutiveDatesDifferByOne) {
    auto daysIn = [](int y, int m, bool gregorian) {
        static const int len[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
        bool leap = gregorian ? ((y % 4 == 0 && y % 100 != 0) || y % 400 == 0) : (y % 4 == 0);
        return m == 2 && leap ? 29 : len[m - 1];
    };
    double prev = mjd(1899, 12, 31, 0);
    for (int y = 1900; y <= 2100; ++y)
        for (int m = 1; m <= 12; ++m)
            for (int d = 1; d <= daysIn(y, m, true); ++d) {
                double v = mjd(y, m, d, 0);
                ASSERT_EQ(v - prev, 1.0) << y << "-" << m << "-" << d;
                prev = v;
            }
    prev = mjd(1500, 1, 1, 0) - 1;
    for (int y = 1500; y <= 1582; ++y)
        for (int m = 1; m <= 12; ++m)
            for (int d = 1; d <= daysIn(y, m, false); ++d) {
                if (y == 1582 && m == 10 && d > 4) break;
                if (y == 1582 && m > 10) break;
                double v = mjd(y, m, d, 0);
                ASSERT_EQ(v - prev, 1.0) << y << "-" << m << "-" << d;
                prev = v;
            }
}

TEST(Lmst, KnownValuesAndRange) {
    EXPECT_NEAR(lmst(51544.5, 0), 18.6973746, 5e-7);
    EXPECT_NEAR(lmst(51544.5, -15), 19.6973746, 5e-7);
    EXPECT_NEAR(lmst(51544.0, 0), 6.6645196, 5e-7);
    for (double m = 15000; m < 89000; m += 7.37) {
        for (double g = -180; g <= 180; g += 45) {
            double v = lmst(m, g);
            ASSERT_GE(v, 0.0);
            ASSERT_LT(v, 24.0);
        }
    }
}

TEST(Hm, RoundsToTheMinute) {
    EXPECT_EQ(hm(6.5), 630);
    EXPECT_EQ(hm(7.25), 715);
    EXPECT_EQ(hm(0.125), 8);
    EXPECT_EQ(hm(5.9917), 600);
    EXPECT_EQ(hm(23.999), 2400);
    EXPECT_EQ(hm(0), 0);
    EXPECT_EQ(hm(23 + 59.5 / 60), 2400);
    EXPECT_EQ(hm(0.5 / 60 - 1e-9), 0);
}

TEST(Hm, AlwaysAClockNumberOnTheDay) {
    for (int i = 0; i <= 240000; ++i) {
        double ut = i / 10000.0;
        double v = hm(ut);
        int hh = static_cast<int>(v) / 100, mm = static_cast<int>(v) % 100;
        ASSERT_EQ(v, std::floor(v));
        ASSERT_TRUE((hh >= 0 && hh <= 23 && mm <= 59) || v == 2400) << ut << " -> " << v;
        // Within half a minute of the input.
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
