// Named time zones: switch days against zoneinfo's conversion (tests/data),
// months without a switch against the fixed zone, fractional and >12 h
// zones, the day clocks and local times against the zone rules.
#include <gtest/gtest.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <tuple>

#include "celltext.h"
#include "month/monthcalc.h"
#include "report/reporter.h"
#include "zone/zone.h"

using month::Location;
using month::MonthTab;
using Numbers = std::vector<double>;

namespace {
MonthTab calc(const std::string& m, bool summer, const Location& loc) {
    report::SilentReporter quiet;
    const auto r = month::CalculateMonth(m, summer, loc, quiet);
    EXPECT_TRUE(r);
    return r ? r->tab : MonthTab{};
}
// Columns 0 to 6 of a row: Day, Moon, Sun and twilight.
std::vector<std::string> events(const MonthTab& t, std::size_t d) { return {t[d].begin(), t[d].begin() + 7}; }
}  // namespace

// Days before the switch equal the fixed zone of their summer state, days
// after it the other; the switch day holds zoneinfo's local clock times
// ("*": an event the fixed-zone run cannot place, not checked).
TEST(NamedZone, SwitchMonths) {
    std::ifstream in(ALMUCAN_TEST_DATA "/zone_switch_days.tsv");
    int rows = 0;
    for (std::string line; std::getline(in, line);) {
        if (line.empty() || line[0] == '#') continue;
        SCOPED_TRACE(line);
        ++rows;
        std::istringstream f(line);
        std::string zone, month, cell;
        double lon = 0, lat = 0, tz = 0;
        std::size_t day = 0;
        bool summerBefore = false, summerAfter = false;
        ASSERT_TRUE(f >> zone >> lon >> lat >> month >> day >> tz >> summerBefore >> summerAfter);
        const MonthTab named = calc(month, false, {lon, lat, tz, zone});
        const MonthTab before = calc(month, summerBefore, {lon, lat, tz}), after = calc(month, summerAfter, {lon, lat, tz});
        for (std::size_t c = 1; c <= 6; ++c) {
            ASSERT_TRUE(f >> cell);
            EXPECT_TRUE(cell == "*" || named[day][c] == cell) << "column " << c << ": " << named[day][c];
        }
        for (std::size_t d = 1; d <= 31; ++d)
            EXPECT_EQ(events(named, d), events(d < day ? before : d > day ? after : named, d)) << "day " << d;
    }
    EXPECT_EQ(rows, 6);
}

// A month without a switch is the fixed-zone month, byte for byte: summer
// time in 2050, past the database's listed switches (the yearly rules go
// on), a month of 1900, offsets beyond 12 hours and of 45 minutes.  (The
// months of the switch rows above cover Vienna, New York and Sydney.)
TEST(NamedZone, MonthWithoutSwitchIsTheFixedZone) {
    // Zone, month, longitude, latitude and the fixed zone's hours and summer time.
    const std::tuple<const char*, const char*, double, double, double, bool> cases[] = {
        {"Europe/Vienna", "205007", 16.33, 48.25, 1, true},
        {"Asia/Tokyo", "190005", 139.69, 35.69, 9, false},
        {"Pacific/Kiritimati", "202604", -157.4, 1.87, 14, false},
        {"Pacific/Chatham", "202601", -176.56, -43.95, 12.75, true},
        {"Pacific/Tongatapu", "202609", -175.2, -21.14, 13, false}};
    for (const auto& [zone, month, lon, lat, tz, summer] : cases)
        EXPECT_EQ(calc(month, false, {lon, lat, 0, zone}), calc(month, summer, {lon, lat, tz})) << zone << " " << month;
}

// +5:30: every sunrise and sunset is the +5 run's plus 30 minutes (a minute
// either way: the samples fall on other instants).
TEST(NamedZone, HalfHourZone) {
    const MonthTab kolkata = calc("202602", false, {88.36, 22.57, 0, "Asia/Kolkata"});
    const MonthTab five = calc("202602", false, {88.36, 22.57, 5});
    for (std::size_t d = 1; d <= 28; ++d)
        for (std::size_t c : {3u, 4u})
            EXPECT_NEAR(testsupport::Minutes(kolkata[d][c]), testsupport::Minutes(five[d][c]) + 30, 1) << d;
}

// Day clocks (zone, year, month, day) against the zone rules: offset at
// the day's first instant, hours to the next day's, the clock move of the
// switch, the clock reading 24 at the day's end; where the switch months above do not reach: 2050,
// past the database's listed switches, where the yearly rules go on; a
// half-hour move; a skipped midnight (the day starts at the switch, 01:00).
TEST(NamedZone, DayClocks) {
    const std::tuple<const char*, int, int, std::size_t, Numbers> cases[] = {
        {"Europe/Vienna", 2050, 3, 27, {1, 23, 1, 24}},
        {"Australia/Lord_Howe", 2026, 4, 5, {11, 24.5, -0.5, 24}},
        {"America/Havana", 2026, 3, 8, {-4, 23, 0, 24}}};
    for (const auto& [zone, y, m, d, want] : cases) {
        const auto clocks = zone::ClocksOfMonth(zone, y, m);
        ASSERT_TRUE(clocks) << zone;
        const zone::DayClock& k = (*clocks)[d];
        EXPECT_EQ((Numbers{k.offsetHours, k.lengthHours, k.switches ? k.shiftHours[0] : 0, k.ClockAt(k.lengthHours)}), want)
            << zone << " " << y;
        EXPECT_FALSE(k.plain) << zone;
    }
    const auto names = zone::Names();
    EXPECT_TRUE(std::binary_search(names.begin(), names.end(), "Europe/Vienna"));
    EXPECT_FALSE(std::binary_search(names.begin(), names.end(), "localtime"));
}

// Local clock times to UTC (the calendar export): the earlier of a doubled
// time, the switch instant for a skipped one.
TEST(NamedZone, LocalToUtc) {
    // Zone, local clock time and UTC, minutes since 1970.
    const std::tuple<const char*, long long, long long> cases[] = {
        {"Europe/Vienna", 29579040 + 150, 29579040 + 60},   // 2026-03-29 02:30, skipped
        {"Europe/Vienna", 29881440 + 150, 29881440 + 30},   // 2026-10-25 02:30, twice
        {"Europe/Vienna", 29881440 + 240, 29881440 + 180},  // 2026-10-25 04:00 CET
        {"Asia/Kolkata", 29881440, 29881440 - 330},
    };
    for (const auto& [zone, local, utc] : cases) EXPECT_EQ(zone::LocalToUtcMinutes(zone, local), utc) << zone;
}
