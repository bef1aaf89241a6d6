// The daily search: cell forms at midnight, day marks near the poles and
// in the white nights, summer time, and known sunrise/sunset times.
#include <gtest/gtest.h>

#include "astro/altitude.h"
#include "astro/calendar.h"
#include "month/monthcalc.h"
#include "celltext.h"
#include "recording_reporter.h"

using namespace month;

namespace {
MonthResult calc(const std::string& text, Location loc, bool st = false) {
    RecordingReporter rep;
    auto r = CalculateMonth(text, st, loc, rep);
    EXPECT_TRUE(r.has_value());
    return r.value_or(MonthResult{});
}
using testsupport::IsClock;
using testsupport::Minutes;

// UT hour (decimal) at which the Sun crosses -50' at longitude 0 and the
// given latitude on the given day of 2024, by bisection between lo and hi.
double sunCrossingUT(int month, int day, double lat, double lo, double hi) {
    const double m0 = astro::mjd(2024, month, day, 0);
    const double h0 = HorizonSine(2);
    auto f = [&](double h) { return astro::sinalt(2, m0, h, 0, astro::cn(lat), astro::sn(lat)) - h0; };
    double flo = f(lo);
    for (int i = 0; i < 80; ++i) {
        double mid = 0.5 * (lo + hi);
        if ((f(mid) > 0) == (flo > 0)) {
            lo = mid;
            flo = f(mid);
        } else {
            hi = mid;
        }
    }
    return 0.5 * (lo + hi);
}
}  // namespace

TEST(DailyEvents, EventsAtTheEdgesOfTheDayAre0000And2400) {
    // Choose the zone so that a sunset falls at 23:59:50 local time, in
    // April at 50 N, where the previous evening's sunset came about 1.5
    // minutes earlier by the clock and so lies before this local day.
    double set = sunCrossingUT(4, 20, 50, 17, 20);
    MonthTab tab{};
    DailyEvents(tab, 2024, 4, 20, (23 + 59 / 60.0 + 50 / 3600.0 - set) / 24, 0, 50);
    EXPECT_EQ(tab[20][4], "2400");
    tab = MonthTab{};
    DailyEvents(tab, 2024, 4, 20, (23 + 59 / 60.0 - set) / 24, 0, 50);
    EXPECT_EQ(tab[20][4], "2359");
    // A sunrise at 00:00:10 on the equator in March.
    double rise = sunCrossingUT(3, 20, 0, 5, 7);
    tab = MonthTab{};
    DailyEvents(tab, 2024, 3, 20, (10 / 3600.0 - rise) / 24, 0, 0);
    EXPECT_EQ(tab[20][3], "0000");
}

// Day marks on 21 June and 21 December: the white nights at 50 N, polar day
// and night at Svalbard (78.2 N), deeper polar night at 85 N and the
// southern summer.  "time" stands for any clock text.
TEST(DailyEvents, DayMarksInTheWhiteNightsAndAtThePoles) {
    const struct {
        const char* month;
        Location loc;
        std::size_t col;
        const char *first, *second;
    } cases[] = {
        {"202406", {10, 50, 1}, 3, "time", "time"},
        {"202406", {10, 50, 1}, 5, "a.b.", ""},
        {"202412", {10, 50, 1}, 5, "time", "time"},
        {"202406", {15.6, 78.2, 1}, 3, "a.h.", ""},
        {"202406", {15.6, 78.2, 1}, 5, "a.b.", ""},
        {"202412", {15.6, 78.2, 1}, 3, "b.h.", ""},
        {"202412", {15.6, 78.2, 1}, 5, "time", "time"},  // noon Sun about -11 degrees
        {"202412", {0, 85, 0}, 5, "a.d.", ""},
        {"202412", {0, -80, 0}, 3, "a.h.", ""},
    };
    for (const auto& c : cases) {
        const auto row = calc(c.month, c.loc).tab[21];
        for (std::size_t k = 0; k < 2; ++k) {
            const std::string want = k == 0 ? c.first : c.second;
            const std::string& cell = row[c.col + k];
            if (want == "time")
                EXPECT_TRUE(IsClock(cell)) << c.month << " " << c.loc.latitude << " " << cell;
            else
                EXPECT_EQ(cell, want) << c.month << " " << c.loc.latitude;
        }
    }
}

TEST(DailyEvents, SummerTimeMakesEveryEventOneHourLater) {
    const Location vienna{16.33, 48.25, 1};
    MonthResult std_ = calc("202406", vienna, false);
    MonthResult st = calc("202406", vienna, true);
    int compared = 0;
    for (std::size_t d = 1; d <= 30; ++d)
        for (std::size_t c : {1u, 2u, 3u, 4u}) {
            const std::string& a = std_.tab[d][c];
            const std::string& b = st.tab[d][c];
            if (!IsClock(a) || !IsClock(b) || Minutes(a) >= 23 * 60) continue;
            // The samples fall on other instants, so the minute may differ by one.
            EXPECT_NEAR(Minutes(b) - Minutes(a), 60, 1) << "day " << d << " col " << c;
            ++compared;
        }
    EXPECT_GT(compared, 80);
}

TEST(DailyEvents, KnownSunTimesAtGreenwich) {
    // Sunrise 03:43 and sunset 20:21 UT on 21 June 2024 at the Royal
    // Observatory, 0.0 E 51.48 N (published almanac values); the method is
    // good to about a minute.
    MonthResult r = calc("202406", {0, 51.4769, 0});
    EXPECT_NEAR(Minutes(r.tab[21][3]), 3 * 60 + 43, 2);
    EXPECT_NEAR(Minutes(r.tab[21][4]), 20 * 60 + 21, 2);
    // With summer time the clock reads an hour later.
    MonthResult bst = calc("202406", {0, 51.4769, 0}, true);
    EXPECT_NEAR(Minutes(bst.tab[21][3]), 4 * 60 + 43, 2);
}

TEST(DailyEvents, TheMoonMissesOneRiseAndOneSetPerLunation) {
    MonthResult r = calc("202406", {16.33, 48.25, 1});
    int noRise = 0, noSet = 0;
    for (std::size_t d = 1; d <= 30; ++d) {
        noRise += r.tab[d][1] == "----";
        noSet += r.tab[d][2] == "----";
    }
    EXPECT_GE(noRise, 1);
    EXPECT_GE(noSet, 1);
    EXPECT_LE(noRise, 2);
    EXPECT_LE(noSet, 2);
}

// The three horizons: the sine of float(8/60), float(-50/60) and -18
// degrees with this program's degree factor (Python: math.sin(a * deg) with
// a rounded through struct.pack('f')); a change of one unit in the last
// place of the single-precision angle moves these.
TEST(HorizonSine, AnglesFormedInSinglePrecision) {
    EXPECT_EQ(HorizonSine(1), 0x1.3104a47d170eep-9);
    EXPECT_EQ(HorizonSine(2), -0x1.dc930da3eeea6p-7);
    EXPECT_EQ(HorizonSine(3), -0x1.3c6ef372fe950p-2);
}
