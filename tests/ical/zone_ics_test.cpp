// The calendar export with a named zone: each interval's UTC times use the
// offset of its own day (Vienna, October 2026: +2 before the 25th, +1 after).
#include <gtest/gtest.h>

#include "ical/darknights.h"
#include "report/reporter.h"

TEST(ZoneIcs, EachDayItsOwnOffset) {
    const month::Location vienna{16.33, 48.25, 1, "Europe/Vienna"};
    report::SilentReporter quiet;
    const auto r = month::CalculateMonth("202610", false, vienna, quiet);
    ASSERT_TRUE(r.has_value());
    const ical::Place place{vienna, false};
    const auto intervals = ical::DarkIntervals(*r, place);
    const auto events = ical::DarkNightEvents({*r}, place);
    ASSERT_EQ(intervals.size(), events.size());
    ASSERT_GE(events.size(), 5u);
    const long long switchLocal = 29881440;  // 2026-10-25 00:00, minutes of the local clock
    for (std::size_t i = 0; i < events.size(); ++i) {
        for (auto [local, utc] : {std::pair{intervals[i].begin, events[i].start},
                                  std::pair{intervals[i].end, events[i].end}}) {
            const long long offset = local < switchLocal + 120 ? 120 : 60;
            EXPECT_EQ(utc, (local - offset) * 60) << i;
        }
        EXPECT_NE(events[i].description.find("(local time, Europe/Vienna)"), std::string::npos);
    }
}
