// Named time zones: switch days against zoneinfo's conversion (tests/data),
// days without a switch against the fixed zone, fractional and >12 h zones.
#include "month/monthcalc.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <sstream>

#include "celltext.h"
#include "report/reporter.h"
#include "zone/zone.h"

namespace {

using month::CalculateMonth;
using month::Location;
using month::MonthResult;

MonthResult calc(const std::string& m, bool summer, const Location& loc) {
    report::SilentReporter quiet;
    auto r = CalculateMonth(m, summer, loc, quiet);
    EXPECT_TRUE(r.has_value());
    return r ? *r : MonthResult{};
}

// Days before the switch equal the fixed zone of their summer state, days
// after it the other; the switch day holds zoneinfo's local clock times.
TEST(NamedZone, SwitchMonths) {
    std::ifstream in(ALMUCAN_TEST_DATA "/zone_switch_days.tsv");
    int rows = 0;
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#') continue;
        ++rows;
        std::vector<std::string> f;
        std::stringstream ss(line);
        for (std::string c; std::getline(ss, c, '\t');) f.push_back(c);
        SCOPED_TRACE(line);
        ASSERT_EQ(f.size(), 14u);
        const double lon = std::atof(f[1].c_str()), lat = std::atof(f[2].c_str());
        const double tz = std::atof(f[5].c_str());
        const auto day = static_cast<std::size_t>(std::atoi(f[4].c_str()));
        const MonthResult named = calc(f[3], false, Location{lon, lat, tz, f[0]});
        const MonthResult before = calc(f[3], f[6] == "1", Location{lon, lat, tz});
        const MonthResult after = calc(f[3], f[7] == "1", Location{lon, lat, tz});
        for (std::size_t i = 1; i <= static_cast<std::size_t>(named.dayRows); ++i) {
            for (std::size_t c = 0; c <= 6; ++c) {
                const std::string& want = i < day    ? before.tab[i][c]
                                          : i > day  ? after.tab[i][c]
                                          : c == 0   ? named.tab[i][c]
                                                     : f[7 + c];
                if (want != "*") {
                    EXPECT_EQ(named.tab[i][c], want) << i << "/" << c;
                }
            }
        }
        EXPECT_EQ(named.keys.size(), 124u);
    }
    EXPECT_EQ(rows, 6);
}

// A month without a switch is the fixed-zone month, byte for byte.
TEST(NamedZone, MonthWithoutSwitchIsTheFixedZone) {
    struct Case {
        const char* zone;
        const char* month;
        double lon, lat, tz;
        bool summer;
    } cases[] = {{"Europe/Vienna", "202607", 16.33, 48.25, 1, true},
                 {"Europe/Vienna", "202601", 16.33, 48.25, 1, false},
                 {"America/New_York", "202612", -74.0, 40.71, -5, false},
                 {"Australia/Sydney", "202601", 151.21, -33.87, 10, true},
                 {"Asia/Tokyo", "190005", 139.69, 35.69, 9, false},
                 // Offsets beyond 12 hours and of 45 minutes.
                 {"Pacific/Kiritimati", "202604", -157.4, 1.87, 14, false},
                 {"Pacific/Chatham", "202601", -176.56, -43.95, 12.75, true},
                 {"Pacific/Tongatapu", "202609", -175.2, -21.14, 13, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.zone) + " " + c.month);
        const MonthResult named = calc(c.month, false, Location{c.lon, c.lat, 0, c.zone});
        const MonthResult fixed = calc(c.month, c.summer, Location{c.lon, c.lat, c.tz});
        EXPECT_EQ(named.tab, fixed.tab);
        EXPECT_EQ(named.clipboard, fixed.clipboard);
    }
}

// +5:30: every sunrise and sunset is the +5 run's plus 30 minutes.
TEST(NamedZone, HalfHourZone) {
    const MonthResult kolkata = calc("202602", false, Location{88.36, 22.57, 0, "Asia/Kolkata"});
    const MonthResult five = calc("202602", false, Location{88.36, 22.57, 5});
    for (std::size_t d = 1; d <= 28; ++d)
        for (std::size_t c : {3u, 4u})
            EXPECT_NEAR(testsupport::Minutes(kolkata.tab[d][c]), testsupport::Minutes(five.tab[d][c]) + 30, 1) << d;
}

// The day clocks against the zone rules: offset at local midnight, hours to
// the next midnight, and the clock move of the switch.  2050 lies past the
// database's listed switches, where the yearly rules go on.
TEST(NamedZone, DayClocks) {
    struct Case {
        const char* zone;
        int y, m, d;
        double offset, length, shift, clockAtEnd;
    } cases[] = {{"Europe/Vienna", 2026, 3, 29, 1, 23, 1, 24},
                 {"Europe/Vienna", 2026, 10, 25, 2, 25, -1, 24},
                 {"Europe/Vienna", 2026, 7, 1, 2, 24, 0, 24},
                 {"Europe/Vienna", 2050, 3, 27, 1, 23, 1, 24},
                 {"Europe/Vienna", 2050, 7, 1, 2, 24, 0, 24},
                 {"Australia/Sydney", 2026, 4, 5, 11, 25, -1, 24},
                 {"Australia/Lord_Howe", 2026, 4, 5, 11, 24.5, -0.5, 24},
                 {"Pacific/Chatham", 2026, 1, 15, 13.75, 24, 0, 24},
                 {"Pacific/Chatham", 2026, 7, 15, 12.75, 24, 0, 24},
                 {"Pacific/Kiritimati", 2026, 5, 1, 14, 24, 0, 24},
                 {"Asia/Kolkata", 2026, 5, 1, 5.5, 24, 0, 24},
                 // Midnight skipped: the day starts at the switch, 01:00.
                 {"America/Havana", 2026, 3, 8, -4, 23, 0, 24}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.zone) + " " + std::to_string(c.y));
        auto clocks = zone::ClocksOfMonth(c.zone, c.y, c.m);
        ASSERT_TRUE(clocks.has_value());
        const zone::DayClock& k = (*clocks)[static_cast<std::size_t>(c.d)];
        EXPECT_EQ(k.offsetHours, c.offset);
        EXPECT_EQ(k.lengthHours, c.length);
        EXPECT_EQ(k.plain, c.length == 24 && k.startClock == 0);
        EXPECT_EQ(k.switches ? k.shiftHours[0] : 0.0, c.shift);
        EXPECT_DOUBLE_EQ(k.ClockAt(k.lengthHours), c.clockAtEnd);
    }
    EXPECT_FALSE(zone::ClocksOfMonth("Mars/Olympus", 2026, 1).has_value());
    const auto names = zone::Names();
    EXPECT_TRUE(std::binary_search(names.begin(), names.end(), "Europe/Vienna"));
    EXPECT_FALSE(std::binary_search(names.begin(), names.end(), "localtime"));
}

// Local clock times to UTC (the calendar export): the earlier of a doubled
// time, the switch instant for a skipped one.
TEST(NamedZone, LocalToUtc) {
    struct Case {
        const char* zone;
        long long local, utc;  // minutes since 1970
    } cases[] = {
        {"Europe/Vienna", 29579040 + 150, 29579040 + 60},   // 2026-03-29 02:30, skipped
        {"Europe/Vienna", 29881440 + 150, 29881440 + 30},   // 2026-10-25 02:30, twice
        {"Europe/Vienna", 29881440 + 240, 29881440 + 180},  // 2026-10-25 04:00 CET
        {"Asia/Kolkata", 29881440, 29881440 - 330},
    };
    for (const Case& c : cases) EXPECT_EQ(zone::LocalToUtcMinutes(c.zone, c.local), c.utc) << c.zone;
}

}  // namespace
