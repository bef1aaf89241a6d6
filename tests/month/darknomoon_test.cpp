// Event keys, their ordinal sort and the D.a.n.M. scan on hand-made tables.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "report/reporter.h"
#include "celltext.h"
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
// Midnight states of every day: the Moon up or down, dark or not.
MidnightStates everyMidnight(bool moonUp, bool dark) {
    MidnightStates m{};
    for (auto& s : m) s = MidnightState{moonUp, dark};
    return m;
}
void scan(MonthTab& t, const MidnightStates& m) {
    auto keys = EventKeys(t);
    SortKeys(keys);
    DarkNoMoon(t, keys, m);
}
std::string cells(const MonthTab& t, std::size_t d) { return t[d][7] + "-" + t[d][8]; }
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

// Hand-made days: Moon and twilight cells, the 0 h states of the day and
// of the day before, and the begin/end cells the scan must write.
TEST(DarkNoMoon, HandMadeDays) {
    struct Case {
        const char *mr, *ms, *de, *db;
        MidnightState today;
        const char* expect;  // begin "-" end of the day
        const char* why;
    } cases[] = {
        {"----", "0400", "0310", "2120", {false, true}, "2120-0310",
         "the night's interval ends with twilight 03:10; dark again 21:20 after the 04:00 moonset"},
        {"1000", "2300", "0400", "2200", {false, true}, "2300-0400",
         "running at midnight: ends at twilight 04:00, begins again at moonset 23:00"},
        {"2000", "0500", "0600", "2000", {true, true}, "2000-2000",
         "twilight end and moonrise at 20:00: db applies before mr, later cells overwrite"},
        {"a.h.", "", "0400", "2200", {true, true}, "-", "Moon above all day"},
        {"1500", "0200", "a.b.", "", {true, false}, "-", "never dark: the empty db cell changes nothing"},
        {"b.h.", "", "a.d.", "", {false, true}, "-", "dark and moonless all month: open since day 1"},
        {"----", "0100", "a.d.", "", {true, true}, "0100-0000",
         "Moon up again at midnight without a rise found: ends 0000, the 01:00 moonset begins"},
        {"0300", "----", "0400", "2000", {false, true}, "0000-0300",
         "Moon down again at midnight without a set found: begins 0000, moonrise 03:00 ends"},
    };
    for (const auto& c : cases) {
        MonthTab t = everyDay(c.mr, c.ms, c.de, c.db);
        scan(t, everyMidnight(c.today.moonUp, c.today.dark));
        // Day 15 sees a day like itself before it.
        EXPECT_EQ(cells(t, 15), c.expect) << c.why;
        for (std::size_t d = 1; d <= 31; ++d)
            for (std::size_t col : {7u, 8u})
                EXPECT_TRUE(t[d][col].empty() || testsupport::IsClock(t[d][col])) << c.why << " " << d;
    }
}

TEST(DarkNoMoon, MidnightStateStartsTheMonthAndMendsDisagreements) {
    // Dark and moonless at midnight of day 1: the interval shows "0000".
    MonthTab t = everyDay("1000", "2300", "0400", "2200");
    scan(t, everyMidnight(false, true));
    EXPECT_EQ(cells(t, 1), "2300-0400");
    // Not dark at 0 h of day 1 (disagreeing with the evening's 22:00 db):
    // day 1 opens only at moonset, day 2 from midnight.
    MonthTab u = everyDay("1000", "2300", "0400", "2200");
    MidnightStates m = everyMidnight(false, true);
    m[1] = MidnightState{false, false};
    m[2] = MidnightState{true, true};  // the Moon up at 0 h of day 2: closes day 1's interval
    scan(u, m);
    EXPECT_EQ(cells(u, 1), "2300-");
    EXPECT_EQ(cells(u, 2), "2300-0000");
    EXPECT_EQ(cells(u, 3), "2300-0400");
    // Dark and moonless all month: one interval from midnight of day 1.
    MonthTab v = everyDay("b.h.", "", "a.d.", "");
    scan(v, everyMidnight(false, true));
    EXPECT_EQ(cells(v, 1), "0000-");
}

// Whole months from the program: places and dates where the old scan went
// wrong.  Expected cells read off the month tables (twilight and Moon
// columns of the same run).
TEST(DarkNoMoon, KnownMonths) {
    struct Case {
        const char* month;
        Location loc;
        std::size_t day;
        const char* expect;
    } cases[] = {
        // London, June: never astronomically dark ("a.b." every day).
        {"202406", {0, 51.5, 0}, 0, "-"},
        // Tromso, December: day 1 twilight end 17:04, begin 06:02 with the
        // Moon down; 13-18 the Moon above all day; 19: moonrise 17:50.
        {"202412", {18.96, 69.65, 1}, 1, "1704-0602"},
        {"202412", {18.96, 69.65, 1}, 13, "-"},
        {"202412", {18.96, 69.65, 1}, 18, "-"},
        {"202412", {18.96, 69.65, 1}, 19, "1655-1750"},
        // Vienna (16.33 E, 48.25 N, zone 1), June: dark and moonless at
        // midnight of the 1st until the twilight begin 01:01; day 12 has
        // no moonset, the interval of the 11th ends with twilight at 00:35.
        {"202406", {16.33, 48.25, 1}, 1, "2247-0101"},
        {"202406", {16.33, 48.25, 1}, 12, "-0035"},
    };
    for (const auto& c : cases) {
        report::SilentReporter reporter;
        auto r = CalculateMonth(c.month, false, c.loc, reporter);
        ASSERT_TRUE(r);
        if (c.day == 0) {
            for (std::size_t d = 1; d <= 31; ++d) EXPECT_EQ(cells(r->tab, d), "-") << c.month << " " << d;
        } else {
            EXPECT_EQ(cells(r->tab, c.day), c.expect) << c.month << " day " << c.day;
        }
    }
}
