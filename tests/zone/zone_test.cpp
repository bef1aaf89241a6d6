// Named zones: the clock of single days, unreadable zone files and names
// the database does not know.  The offsets of every zone and year are
// checked by zone_offsets.py.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "month/monthcalc.h"
#include "report/reporter.h"
#include "zone/zone.h"

namespace {

// Day clocks (zone, year, month, day) from Python's zoneinfo: offset at
// the day's first instant, the clock there, hours to the next day's first
// instant, the first switch (hours after the first instant, clock move).
// Past the last listed switch the zone file's rule for later years holds;
// a switch at 23:00 to the next midnight belongs to the day it ends; a
// skipped day has no hours.
TEST(ZoneClock, DaysAgainstZoneinfo) {
    const struct {
        const char* name;
        int y, m;
        std::size_t d;
        std::vector<double> want;  // offset, start clock, length, switch at, shift
    } cases[] = {
        {"Europe/Moscow", 2040, 7, 1, {3, 0, 24, 0, 0}},  // not +04 as in 2012
        {"America/Mexico_City", 2040, 7, 1, {-6, 0, 24, 0, 0}},
        {"Asia/Tehran", 2044, 7, 1, {3.5, 0, 24, 0, 0}},
        {"Antarctica/Vostok", 2040, 1, 1, {5, 0, 24, 0, 0}},
        {"America/Sao_Paulo", 2044, 1, 1, {-3, 0, 24, 0, 0}},
        {"Europe/Berlin", 2050, 7, 1, {2, 0, 24, 0, 0}},
        {"Europe/Berlin", 2050, 3, 27, {1, 0, 23, 2, 1}},
        {"Antarctica/Vostok", 2023, 12, 18, {7, 0, 26, 2, -2}},
        {"Europe/Sofia", 1980, 4, 5, {2, 0, 23, 23, 1}},
        {"America/Nuuk", 2024, 3, 30, {-2, 0, 23, 23, 1}},
        {"America/Nuuk", 2040, 3, 24, {-2, 0, 23, 23, 1}},  // rule "M3.5.0/-1"
        {"Pacific/Kwajalein", 1969, 9, 30, {11, 0, 47, 24, -23}},
        {"Pacific/Apia", 2011, 12, 29, {-10, 0, 24, 0, 0}},
        {"Pacific/Apia", 2011, 12, 30, {14, 24, 0, 0, 0}},
        {"Pacific/Kiritimati", 1994, 12, 31, {14, 24, 0, 0, 0}},
        {"Pacific/Kwajalein", 1993, 8, 21, {12, 24, 0, 0, 0}},
    };
    for (const auto& c : cases) {
        const auto clocks = zone::ClocksOfMonth(c.name, c.y, c.m);
        ASSERT_TRUE(clocks) << c.name;
        const zone::DayClock& k = (*clocks)[c.d];
        const std::vector<double> got{k.offsetHours, k.startClock, k.lengthHours, k.switches ? k.switchAt[0] : 0,
                                      k.switches ? k.shiftHours[0] : 0};
        EXPECT_EQ(got, c.want) << c.name << " " << c.y << "-" << c.m << "-" << c.d;
        EXPECT_EQ(k.plain, (c.want == std::vector<double>{k.offsetHours, 0, 24, 0, 0})) << c.name;
        EXPECT_EQ(k.Exists(), k.lengthHours > 0);
    }
}
}  // namespace
