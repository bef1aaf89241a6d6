// Civil dates: the month text, and every day of 1900-2100 and instants
// before and after 1970 against the C library's gmtime_r on the same count
// of seconds (an independent calendar).
#include "calendar/calendar.h"

#include <gtest/gtest.h>

#include <time.h>

using namespace calendar;

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
                            Weekday(y, m, d) == tm.tm_wday)
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
