// Event keys, their ordinal sort and the D.a.n.M. scan on hand-made tables.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <string>
#include <vector>

#include "astro/reporter.h"
#include "month/monthcalc.h"

using namespace month;

namespace {
// Every day d of 1..31 gets the same Moon rise/set and twilight begin/end.
MonthTab everyDay(const char* mr, const char* ms, const char* de, const char* db) {
    MonthTab t{};
    for (std::size_t d = 1; d <= 31; ++d) {
        t[d][1] = mr;
        t[d][2] = ms;
        t[d][5] = de;
        t[d][6] = db;
    }
    return t;
}
void scan(MonthTab& t) {
    auto keys = EventKeys(t);
    SortKeys(keys);
    DarkNoMoon(t, keys);
}
}  // namespace

TEST(EventKeys, FourPerDayInEntryOrder) {
    MonthTab t{};
    t[5][1] = "1432";
    t[5][2] = "----";
    t[5][5] = "a.h.";  // any cell text is copied as it stands
    auto keys = EventKeys(t);
    ASSERT_EQ(keys.size(), 124u);
    EXPECT_EQ(keys[16], "051432mr");
    EXPECT_EQ(keys[17], "05----ms");
    EXPECT_EQ(keys[18], "05a.h.de");
    EXPECT_EQ(keys[19], "05db");  // an empty cell gives a four-character key
    EXPECT_EQ(keys[0], "01mr");
    EXPECT_EQ(keys[123], "31db");
}

TEST(EventKeys, OrdinalOrderWithinADay) {
    std::vector<std::string> keys = {"03ms",     "03b.h.mr", "03a.h.mr", "03a.d.de", "03a.b.de",
                                     "031200ms", "031200mr", "031200de", "031200db", "03----mr",
                                     "030001de", "03db",     "02ms",     "04----ms", "03de"};
    SortKeys(keys);
    const std::vector<std::string> expect = {
        "02ms",     "03----mr", "030001de", "031200db", "031200de", "031200mr", "031200ms", "03a.b.de",
        "03a.d.de", "03a.h.mr", "03b.h.mr", "03db",     "03de",     "03ms",     "04----ms"};
    EXPECT_EQ(keys, expect);
}

TEST(EventKeys, SortMatchesAnExchangeSort) {
    std::mt19937 rng(3);
    const char* cells[] = {"", "----", "a.h.", "b.h.", "a.b.", "a.d.", "0000", "2400", "1234", "0959"};
    for (int round = 0; round < 200; ++round) {
        MonthTab t{};
        for (std::size_t d = 1; d <= 31; ++d)
            for (std::size_t c : {1, 2, 5, 6}) t[d][c] = cells[rng() % 10];
        auto keys = EventKeys(t);
        auto exch = keys;
        for (std::size_t i = 0; i + 1 < exch.size(); ++i)
            for (std::size_t j = i + 1; j < exch.size(); ++j)
                if (exch[i] > exch[j]) std::swap(exch[i], exch[j]);
        SortKeys(keys);
        ASSERT_EQ(keys, exch);
    }
}

TEST(DarkNoMoon, BeginWhenTheLastConditionTurnsTrue) {
    // Days without entries give the four-character keys db, de, mr, ms.
    MonthTab t{};
    t[3][1] = "----";
    t[3][2] = "0400";
    t[3][5] = "0310";
    t[3][6] = "2120";
    scan(t);
    // Day 3: no moonrise, dark ends 03:10, the Moon sets in daylight at
    // 04:00 (nothing written), darkness begins 21:20 with the Moon down.
    EXPECT_EQ(t[3][7], "2120");
    EXPECT_EQ(t[3][8], "");
    // Day 1 starts with neither darkness nor a down Moon known; day 2's
    // empty cells give begin "db" and end "de".
    EXPECT_EQ(t[1][7], "");
    EXPECT_EQ(t[1][8], "");
    EXPECT_EQ(t[2][7], "db");
    EXPECT_EQ(t[2][8], "de");
}

TEST(DarkNoMoon, IntervalOverMidnightEndsInTheNextRow) {
    // Moonset 23:00 in darkness; the next morning's twilight at 04:00 ends it.
    MonthTab t = everyDay("1000", "2300", "0400", "2200");
    scan(t);
    EXPECT_EQ(t[1][7], "2300");
    EXPECT_EQ(t[1][8], "");  // nothing was open at the start of day 1
    for (std::size_t d = 2; d <= 31; ++d) {
        EXPECT_EQ(t[d][7], "2300");
        EXPECT_EQ(t[d][8], "0400");
    }
}

TEST(DarkNoMoon, SameMinuteAppliesDbBeforeMr) {
    // Twilight end and moonrise at 20:00 with the Moon down: begin and end
    // at the same minute; the day's later keys overwrite earlier cells.
    MonthTab t = everyDay("2000", "0500", "0600", "2000");
    scan(t);
    EXPECT_EQ(t[1][7], "2000");
    EXPECT_EQ(t[1][8], "2000");
    EXPECT_EQ(t[2][7], "2000");  // 0500 written first, then 2000
    EXPECT_EQ(t[2][8], "2000");
}

TEST(DarkNoMoon, BrightNightLeavesDarkOnThroughTheEmptyCell) {
    // Twilight "a.b." with an empty end cell, the Moon down after 02:00.
    MonthTab t = everyDay("1500", "0200", "a.b.", "");
    t[10][1] = "----";  // keep the Moon down all day 10
    t[10][2] = "0200";
    scan(t);
    // Key order of day 10: 10----mr 100200ms 10a.b.de 10db: the begin
    // cell reads the kind letters.
    EXPECT_EQ(t[10][7], "db");
    // Day 11 starts with the Moon down and dark: the Moon's set at 02:00
    // keeps both true, so the begin cell takes that later key; the
    // moonrise at 15:00 ends the interval.
    EXPECT_EQ(t[11][7], "0200");
    EXPECT_EQ(t[11][8], "1500");
}

TEST(DarkNoMoon, PolarNightMonthWritesKindLettersAndMarks) {
    // December 2100 next to the North Pole (180 E, zone +12 with summer
    // time): the Sun stays below -18 degrees all month, so the twilight
    // cells read "a.d." with an empty partner and the Moon is below or
    // above the horizon for days on end.  The scan then copies the kind
    // letters of four-character keys and the day marks into its columns.
    Location loc{180.0, 89.99999, 12.0};
    astro::SilentReporter reporter;
    auto r = CalculateMonth("210012", true, loc, reporter);
    ASSERT_TRUE(r);
    const std::vector<std::string> allowed{"",     "----", "a.h.", "b.h.", "a.b.", "a.d.",
                                           "mr",   "ms",   "de",   "db"};
    for (std::size_t d = 1; d <= 31; ++d) {
        EXPECT_EQ(r->tab[d][5], "a.d.") << d;
        for (std::size_t c = 7; c <= 8; ++c) {
            const std::string& cell = r->tab[d][c];
            bool clock = cell.size() == 4 && std::all_of(cell.begin(), cell.end(), [](char ch) {
                             return ch >= '0' && ch <= '9';
                         });
            EXPECT_TRUE(clock || std::find(allowed.begin(), allowed.end(), cell) != allowed.end())
                << d << " " << c << " '" << cell << "'";
        }
    }
    EXPECT_EQ(r->tab[1][7], "ms");
    EXPECT_EQ(r->tab[2][8], "a.d.");
    EXPECT_EQ(r->tab[9][1], "1912");
    EXPECT_EQ(r->tab[9][8], "1912");  // the moonrise ends the interval
}
