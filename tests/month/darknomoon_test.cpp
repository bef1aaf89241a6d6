// Event keys, their ordinal sort and the D.a.n.M. scan on hand-made tables
// and on known months.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "month/monthcalc.h"
#include "report/reporter.h"

using namespace month;
using Texts = std::vector<std::string>;

namespace {
// Every day with the same Moon rise/set and twilight begin/end cells and
// the same 0 h state (but for the days in `except`), then the keys sorted
// and the scan run.
MonthTab scanned(const char* mr, const char* ms, const char* de, const char* db, MidnightState all,
                 const std::vector<std::pair<std::size_t, MidnightState>>& except) {
    MonthTab t{};
    MidnightStates midnight;
    midnight.fill(all);
    for (const auto& [d, s] : except) midnight[d] = s;
    for (std::size_t d = 1; d <= 31; ++d) t[d] = {"", mr, ms, "", "", de, db};
    auto keys = EventKeys(t);
    SortKeys(keys);
    DarkNoMoon(t, keys, midnight);
    return t;
}
// Begin "-" end of each day given.
std::string cells(const MonthTab& t, const std::vector<std::size_t>& days) {
    std::string s;
    for (std::size_t d : days) s += (s.empty() ? "" : " ") + t[d][7] + "-" + t[d][8];
    return s;
}
}  // namespace

TEST(EventKeys, FourPerDayInEntryOrder) {
    MonthTab t{};
    t[5] = {"", "1432", "----", "", "", "a.h."};  // any cell text is copied as it stands
    const auto keys = EventKeys(t);
    ASSERT_EQ(keys.size(), 124u);
    // An empty cell gives a four-character key.
    EXPECT_EQ(Texts(keys.begin() + 16, keys.begin() + 20), (Texts{"051432mr", "05----ms", "05a.h.de", "05db"}));
    EXPECT_EQ(keys[0] + " " + keys[123], "01mr 31db");
}

TEST(EventKeys, OrdinalOrderWithinADay) {
    Texts keys = {"03ms",     "03b.h.mr", "03a.h.mr", "03a.d.de", "03a.b.de", "031200ms", "031200mr", "031200de",
                  "031200db", "03----mr", "030001de", "03db",     "02ms",     "04----ms", "03de"};
    SortKeys(keys);
    EXPECT_EQ(keys, (Texts{"02ms", "03----mr", "030001de", "031200db", "031200de", "031200mr", "031200ms", "03a.b.de",
                           "03a.d.de", "03a.h.mr", "03b.h.mr", "03db", "03de", "03ms", "04----ms"}));
}

// Hand-made days, all alike: Moon and twilight cells, the 0 h state of
// every day (but for the days in `except`), the begin/end cells of day 1
// (opened by its 0 h state) and of day 2 (after a day like itself).
TEST(DarkNoMoon, HandMadeDays) {
    const struct {
        const char *mr, *ms, *de, *db;
        MidnightState midnight;
        const char* expect;
        std::vector<std::pair<std::size_t, MidnightState>> except = {};
    } cases[] = {
        // The night's interval ends with twilight 03:10; dark again 21:20 after the 04:00 moonset.
        {"----", "0400", "0310", "2120", {false, true}, "2120-0310 2120-0310"},
        // Running at midnight: ends at twilight 04:00, begins again at moonset 23:00.
        {"1000", "2300", "0400", "2200", {false, true}, "2300-0400 2300-0400"},
        // Not dark at 0 h of day 1 (after the evening's 22:00 twilight end), the Moon up at 0 h
        // of day 2 (after the 23:00 moonset): day 1 opens only at moonset, day 2 closes it at 0000.
        {"1000", "2300", "0400", "2200", {false, true}, "2300- 2300-0000", {{1, {false, false}}, {2, {true, true}}}},
        // Twilight end and moonrise at 20:00: db applies before mr, later cells overwrite.
        {"2000", "0500", "0600", "2000", {true, true}, "2000-2000 2000-2000"},
        // Moon above all day.
        {"a.h.", "", "0400", "2200", {true, true}, "- -"},
        // Never dark: the empty db cell changes nothing.
        {"1500", "0200", "a.b.", "", {true, false}, "- -"},
        // Dark and moonless all month: open since midnight of day 1.
        {"b.h.", "", "a.d.", "", {false, true}, "0000- -"},
        // Moon up again at midnight without a rise found: ends 0000, the 01:00 moonset begins.
        {"----", "0100", "a.d.", "", {true, true}, "0100- 0100-0000"},
        // Moon down again at midnight without a set found: begins 0000, moonrise 03:00 ends.
        {"0300", "----", "0400", "2000", {false, true}, "0000-0300 0000-0300"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(cells(scanned(c.mr, c.ms, c.de, c.db, c.midnight, c.except), {1, 2}), c.expect)
            << c.mr << " " << c.ms << " " << c.de << " " << c.db;
}

// Whole months at places and dates where an earlier scan went wrong.
// Expected cells read off the month tables (twilight and Moon columns of
// the same run).
TEST(DarkNoMoon, KnownMonths) {
    // Month, place, days and their begin-end cells.
    const std::tuple<const char*, Location, std::vector<std::size_t>, const char*> cases[] = {
        // London, June: never astronomically dark ("a.b." every day).
        {"202406", {0, 51.5, 0}, {1, 10, 20, 30}, "- - - -"},
        // Tromso, December: day 1 twilight end 17:04, begin 06:02 with the
        // Moon down; 13-18 the Moon above all day; 19: moonrise 17:50.
        {"202412", {18.96, 69.65, 1}, {1, 13, 18, 19}, "1704-0602 - - 1655-1750"},
        // Vienna (16.33 E, 48.25 N, zone 1), June: dark and moonless at
        // midnight of the 1st until the twilight begin 01:01; day 12 has
        // no moonset, the interval of the 11th ends with twilight at 00:35.
        {"202406", {16.33, 48.25, 1}, {1, 12}, "2247-0101 -0035"},
    };
    for (const auto& [month, loc, days, expect] : cases) {
        report::SilentReporter quiet;
        const auto r = CalculateMonth(month, false, loc, quiet);
        ASSERT_TRUE(r);
        EXPECT_EQ(cells(r->tab, days), expect) << month << " " << loc.latitude;
    }
}
