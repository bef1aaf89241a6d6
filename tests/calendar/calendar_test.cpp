// Civil dates: the month text, and every day of 1900-2100 (its day count,
// date, weekday and MJD, day 40587 being 1970-01-01) and instants before and
// after 1970 against the C library's gmtime_r on the same count of seconds
// (an independent calendar).
#include "calendar/calendar.h"

#include <gtest/gtest.h>

#include <time.h>

using namespace calendar;

// Julian days from Meeus, Astronomical Algorithms, ch. 7 (1957 Oct 4.81,
// 333 Jan 27.5, the calendar switch after Julian 1582 Oct 4 to Gregorian
// Oct 15) and libnova 0.16 (Julian 1500 Feb 29), less 2400000.5, whose day
// 0 is 1858 Nov 17; days past a month's end run on into the next month.
// Every Gregorian day 1900-2100: CivilDates.EveryDayAndInstantsAgainstGmtime.
TEST(Mjd, KnownDates) {
    const struct { int y, m, d; double h, mjd; } cases[] = {
        {1858, 11, 17, 0, 0}, {1957, 10, 4, 19.44, 36115.81}, {333, 1, 27, 12, -557287.5}, {1582, 10, 4, 0, -100841},
        {1582, 10, 15, 0, -100840}, {1500, 2, 29, 0, -131009}, {2001, 4, 31, 0, 52030}, {2001, 2, 30, 0, 51970}};
    for (const auto& c : cases) EXPECT_NEAR(Mjd(c.y, c.m, c.d, c.h), c.mjd, 1e-9) << c.y << "-" << c.m << "-" << c.d;
}

TEST(MonthText, AcceptedAndRefused) {
    // Six ASCII digits, blanks around them aside.
    for (const char* ok : {"190001", "210012", "200102", " 202406\t"})
        EXPECT_TRUE(CheckMonthText(ok).has_value()) << ok;
    for (const char* bad : {"189912", "210101", "20011", "2001013", "200100", "200113", "", "abcdef", "2024-1",
                            " 20246", "2024 6", "2024+6", "2024.6", "2e3 12", "20011/", "20240\xC3\xA9",
                            "\xD9\xA2\xD9\xA0\xD9\xA2\xD9\xA4\xD9\xA0\xD9\xA6"})  // Arabic-Indic digits
        EXPECT_FALSE(CheckMonthText(bad).has_value()) << bad;
    // A refused month beeps and says "Input error.": MainWindow.BadMonthLeavesEverythingAlone...
    EXPECT_EQ(MonthTextValues("000013")->month, 13);
    EXPECT_EQ(ShiftedMonth({2024, 12}, 1).year * 100 + ShiftedMonth({2024, 1}, -1).month, 202512);
}

TEST(CivilDates, EveryDayAndInstantsAgainstGmtime) {
    long long days = DaysSince1970(1900, 1, 1);
    for (int y = 1900; y <= 2100; ++y)
        for (int m = 1; m <= 12; ++m) {
            const int length = DaysInMonth(y, m);
            for (int d = 1; d <= length; ++d, ++days) {
                const time_t t = static_cast<time_t>(days * 86400);
                struct tm tm {};
                gmtime_r(&t, &tm);
                const Date date = DateOfDays(days);
                ASSERT_TRUE(date.year == y && date.month == m && date.day == d && DaysSince1970(y, m, d) == days &&
                            tm.tm_year + 1900 == y && tm.tm_mon + 1 == m && tm.tm_mday == d &&
                            Weekday(y, m, d) == tm.tm_wday && Mjd(y, m, d, 0) == double(days + 40587))
                    << y << "-" << m << "-" << d;
            }
            ASSERT_EQ(DaysSince1970(y, m, length + 1), days);  // day numbers carry on
        }
    // Instants to the nearest second (MJD 40587 = 1970-01-01).
    const std::pair<double, const char*> instants[] = {
        {40587, "1970-01-01T00:00:00Z"},        {40587 - 0.4 / 86400, "1970-01-01T00:00:00Z"},
        {40586.5, "1969-12-31T12:00:00Z"},      {33433.25 + 0.6 / 86400, "1950-06-01T06:00:01Z"},
        {15020 - 1.0 / 86400, "1899-12-31T23:59:59Z"}, {88433.999988, "2100-12-31T23:59:59Z"}};
    for (const auto& [mjd, iso] : instants) EXPECT_EQ(IsoInstant(mjd), iso) << mjd;
    EXPECT_EQ(BasicUtc(-1), "19691231T235959Z");
}
