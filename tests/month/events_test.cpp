// The daily search: cell forms at midnight, day marks near the poles and
// in the white nights, summer time, and known sunrise/sunset times.
#include <gtest/gtest.h>

#include <cstdlib>

#include "astro/altitude.h"
#include "astro/calendar.h"
#include "month/monthcalc.h"
#include "recording_reporter.h"

using namespace month;

namespace {
MonthResult calc(const std::string& text, Location loc, bool st = false) {
    RecordingReporter rep;
    auto r = CalculateMonth(text, st, loc, rep);
    EXPECT_TRUE(r.has_value());
    return r.value_or(MonthResult{});
}
bool isTime(const std::string& s) { return s.size() == 4 && s[0] >= '0' && s[0] <= '2' && s[1] != '-' && s[1] != '.'; }
int minutes(const std::string& s) { return std::atoi(s.substr(0, 2).c_str()) * 60 + std::atoi(s.substr(2).c_str()); }

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

TEST(DailyEvents, WhiteNightsAt50NorthHaveNoAstronomicalDarkness) {
    MonthResult r = calc("202406", {10, 50, 1});
    EXPECT_EQ(r.tab[21][5], "a.b.");
    EXPECT_EQ(r.tab[21][6], "");
    EXPECT_TRUE(isTime(r.tab[21][3]));
    EXPECT_TRUE(isTime(r.tab[21][4]));
    // In December the same place has twilight times.
    MonthResult dec = calc("202412", {10, 50, 1});
    EXPECT_TRUE(isTime(dec.tab[21][5]));
    EXPECT_TRUE(isTime(dec.tab[21][6]));
}

TEST(DailyEvents, PolarDayAndPolarNight) {
    MonthResult jun = calc("202406", {15.6, 78.2, 1});
    EXPECT_EQ(jun.tab[21][3], "a.h.");
    EXPECT_EQ(jun.tab[21][4], "");
    EXPECT_EQ(jun.tab[21][5], "a.b.");
    EXPECT_EQ(jun.tab[21][6], "");
    MonthResult dec = calc("202412", {15.6, 78.2, 1});
    EXPECT_EQ(dec.tab[21][3], "b.h.");
    EXPECT_EQ(dec.tab[21][4], "");
    EXPECT_TRUE(isTime(dec.tab[21][5]));  // noon Sun about -11 degrees
    MonthResult deep = calc("202412", {0, 85, 0});
    EXPECT_EQ(deep.tab[21][5], "a.d.");
    EXPECT_EQ(deep.tab[21][6], "");
    // The southern summer mirrors it.
    MonthResult south = calc("202412", {0, -80, 0});
    EXPECT_EQ(south.tab[21][3], "a.h.");
}

TEST(DailyEvents, SummerTimeMakesEveryEventOneHourLater) {
    const Location vienna{16.33, 48.25, 1};
    MonthResult std_ = calc("202406", vienna, false);
    MonthResult st = calc("202406", vienna, true);
    int compared = 0;
    for (int d = 1; d <= 30; ++d)
        for (int c : {1, 2, 3, 4}) {
            const std::string& a = std_.tab[static_cast<std::size_t>(d)][static_cast<std::size_t>(c)];
            const std::string& b = st.tab[static_cast<std::size_t>(d)][static_cast<std::size_t>(c)];
            if (!isTime(a) || !isTime(b) || minutes(a) >= 23 * 60) continue;
            // The samples fall on other instants, so the minute may differ by one.
            EXPECT_NEAR(minutes(b) - minutes(a), 60, 1) << "day " << d << " col " << c;
            ++compared;
        }
    EXPECT_GT(compared, 80);
}

TEST(DailyEvents, KnownSunTimesAtGreenwich) {
    // Sunrise 03:43 and sunset 20:21 UT on 21 June 2024 at the Royal
    // Observatory, 0.0 E 51.48 N (published almanac values); the method is
    // good to about a minute.
    MonthResult r = calc("202406", {0, 51.4769, 0});
    EXPECT_NEAR(minutes(r.tab[21][3]), 3 * 60 + 43, 2);
    EXPECT_NEAR(minutes(r.tab[21][4]), 20 * 60 + 21, 2);
    // With summer time the clock reads an hour later.
    MonthResult bst = calc("202406", {0, 51.4769, 0}, true);
    EXPECT_NEAR(minutes(bst.tab[21][3]), 4 * 60 + 43, 2);
}

TEST(DailyEvents, TheMoonMissesOneRiseAndOneSetPerLunation) {
    MonthResult r = calc("202406", {16.33, 48.25, 1});
    int noRise = 0, noSet = 0;
    for (int d = 1; d <= 30; ++d) {
        noRise += r.tab[static_cast<std::size_t>(d)][1] == "----";
        noSet += r.tab[static_cast<std::size_t>(d)][2] == "----";
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
