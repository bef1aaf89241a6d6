// The month run (month-text check and refusal, day rows, the Day column,
// rows past the month's end, TSV) and the daily search (cell forms at
// midnight, day marks near the poles and in the white nights, known
// sunrise/sunset times, the horizons).
#include "month/monthcalc.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>

#include "astro/altitude.h"
#include "astro/calendar.h"
#include "celltext.h"
#include "recording_reporter.h"

using namespace month;
using Texts = std::vector<std::string>;
using testsupport::Minutes;

namespace {
const Location kVienna{16.33, 48.25, 1};

// An accepted month gives no beep and no message.
MonthResult calc(const std::string& text, const Location& loc = kVienna) {
    RecordingReporter rep;
    auto r = CalculateMonth(text, false, loc, rep);
    EXPECT_TRUE(r && rep.log.empty()) << text;
    return r.value_or(MonthResult{});
}

// UT hour at which the Sun crosses -50' at longitude 0 and the given
// latitude on a day of 2024, by bisection between lo and hi.
double sunCrossingUT(int month, int day, double lat, double lo, double hi) {
    const double m0 = astro::mjd(2024, month, day, 0);
    auto up = [&](double h) { return astro::sinalt(2, m0, h, 0, astro::cn(lat), astro::sn(lat)) > HorizonSine(2); };
    const bool upAtLo = up(lo);
    for (int i = 0; i < 60; ++i) {
        const double mid = 0.5 * (lo + hi);
        (up(mid) == upAtLo ? lo : hi) = mid;
    }
    return lo;
}
}  // namespace

TEST(MonthText, AcceptedAndRefused) {
    for (const char* ok : {"190001", "210012", "200102", "202406", "2024 6", "2024+6", "2024.6", "2e3 12", " 2e312"})
        EXPECT_TRUE(CheckMonthText(ok).has_value()) << ok;
    // ".5" is a half: it rounds to the even neighbour 0, which is no month.
    for (const char* bad : {"189912", "210101", "20011", "2001013", "200100", "200113", "", "abcdef", "2024-1",
                            " 20246", "1e9901", "9e9912", "2024.5", "20240\xC3\xA9"})
        EXPECT_FALSE(CheckMonthText(bad).has_value()) << bad;
    EXPECT_EQ(CheckMonthText("2024.6")->month, 1);
    EXPECT_EQ(CheckMonthText("2e3 12")->year, 2000);
}

TEST(MonthRun, RefusedTextBeepsThenShowsInputErrorOnly) {
    RecordingReporter rep;
    EXPECT_FALSE(CalculateMonth("189912", false, kVienna, rep).has_value());
    EXPECT_EQ(rep.log, (Texts{"beep", "box:Error:Input error."}));
    ASSERT_EQ(rep.boxes.size(), 1u);
    EXPECT_EQ(rep.boxes[0].icon, report::Icon::Critical);
}

// Gregorian month lengths (2000 a leap year, 1900 and 2100 not); 1 September
// 2024 was a Sunday; February 2024's TSV: the heading line and 29 day lines
// of ten tab-separated cells.
TEST(MonthRun, DayRowsDayColumnAndTsv) {
    const std::pair<const char*, int> cases[] = {
        {"200102", 28}, {"200002", 29}, {"190002", 28}, {"210002", 28}, {"202404", 30}, {"202412", 31}};
    for (const auto& [text, days] : cases) EXPECT_EQ(calc(text).dayRows, days) << text;
    const MonthTab t = calc("202409").tab;
    EXPECT_EQ((Texts{t[1][0], t[2][0], t[7][0], t[30][0], t[31][0]}), (Texts{"01 S", "02 M", "07 S", "30 M", ""}));
    const std::string tsv = TsvText(calc("202402"));
    EXPECT_EQ(std::count(tsv.begin(), tsv.end(), '\n'), 30);
    EXPECT_EQ(std::count(tsv.begin(), tsv.end(), '\t'), 30 * 9);
}

// Rows 29 to 31 of February carry on into March: the events of 1 to 3
// March, without a Day text.
TEST(MonthRun, FebruaryRows29To31AreTheFirstDaysOfMarch) {
    const MonthTab feb = calc("200102").tab, mar = calc("200103").tab;
    for (std::size_t d = 29; d <= 31; ++d) {
        EXPECT_EQ(feb[d][0], "");
        EXPECT_TRUE(std::equal(feb[d].begin() + 1, feb[d].begin() + 7, mar[d - 28].begin() + 1)) << d;
    }
}

// Zones chosen so that a sunset falls at 23:59:50 and at 23:59:00 local
// time (April, 50 N: the evening before set about 1.5 minutes earlier by
// the clock, so before this local day) and a sunrise at 00:00:10 (March,
// equator).
TEST(DailyEvents, EventsAtTheEdgesOfTheDayAre0000And2400) {
    auto cell = [](int month, double lat, double zoneHours, std::size_t col) {
        MonthTab tab{};
        DailyEvents(tab, 2024, month, 20, zoneHours / 24, 0, lat);
        return tab[20][col];
    };
    const double set = sunCrossingUT(4, 20, 50, 17, 20), rise = sunCrossingUT(3, 20, 0, 5, 7);
    EXPECT_EQ(cell(4, 50, 23 + 59 / 60.0 + 50 / 3600.0 - set, 4), "2400");
    EXPECT_EQ(cell(4, 50, 23 + 59 / 60.0 - set, 4), "2359");
    EXPECT_EQ(cell(3, 0, 10 / 3600.0 - rise, 3), "0000");
}

// Sun and twilight cells of 21 June and 21 December: the white nights at
// 50 N, polar day and night at Svalbard (78.2 N; in December the noon Sun
// is about -11 degrees), deeper polar night at 85 N and the southern
// summer.  "hhmm" stands for any clock text.
TEST(DailyEvents, DayMarksInTheWhiteNightsAndAtThePoles) {
    const std::tuple<const char*, Location, const char*> cases[] = {
        {"202406", {10, 50, 1}, "hhmm hhmm a.b. "},     {"202412", {10, 50, 1}, "hhmm hhmm hhmm hhmm"},
        {"202406", {15.6, 78.2, 1}, "a.h.  a.b. "},     {"202412", {15.6, 78.2, 1}, "b.h.  hhmm hhmm"},
        {"202412", {0, 85, 0}, "b.h.  a.d. "},          {"202412", {0, -80, 0}, "a.h.  a.b. "}};
    auto form = [](const std::string& s) { return testsupport::IsClock(s) ? std::string("hhmm") : s; };
    for (const auto& [month, loc, cells] : cases) {
        const auto row = calc(month, loc).tab[21];
        EXPECT_EQ(form(row[3]) + " " + form(row[4]) + " " + form(row[5]) + " " + form(row[6]), cells) << month << " " << loc.latitude;
    }
}

// Sunrise 03:43 and sunset 20:21 UT on 21 June 2024 at the Royal
// Observatory, 0.0 E 51.48 N (published almanac values); the method is good
// to about a minute.
TEST(DailyEvents, KnownSunTimesAtGreenwich) {
    const MonthTab ut = calc("202406", {0, 51.4769, 0}).tab;
    EXPECT_NEAR(Minutes(ut[21][3]), 3 * 60 + 43, 2);
    EXPECT_NEAR(Minutes(ut[21][4]), 20 * 60 + 21, 2);
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
