// The month calculation: month-text check and refusal, day rows, the Day
// column, rows past the month's end, TSV; the daily search (cell forms at
// midnight, day marks near the poles and in the white nights, known
// sunrise/sunset times, the horizons); event keys, their ordinal sort and
// the D.a.n.M. scan on hand-made tables and known months; invariants of
// random months; named time zones.
#include "month/monthcalc.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <random>
#include <sstream>
#include <tuple>

#include "astro/altitude.h"
#include "astro/calendar.h"
#include "celltext.h"
#include "recording_reporter.h"
#include "zone/zone.h"

using namespace month;
using Texts = std::vector<std::string>;
using testsupport::IsClock;
using testsupport::Minutes;

namespace {
const Location kVienna{16.33, 48.25, 1};

// An accepted month gives no beep and no message.
MonthResult calc(const std::string& text, const Location& loc = kVienna, bool summer = false) {
    RecordingReporter rep;
    auto r = CalculateMonth(text, summer, loc, rep);
    EXPECT_TRUE(r && rep.log.empty()) << text;
    return r.value_or(MonthResult{});
}

// UT hour at which the Sun crosses -50' at longitude 0 and the given
// latitude on a day of 2024, by bisection between lo and hi.
double sunCrossingUT(int month, int day, double lat, double lo, double hi) {
    const double m0 = astro::mjd(2024, month, day, 0);
    auto up = [&](double h) { return astro::sinalt(2, m0, h, 0, astro::cn(lat), astro::sn(lat)) > HorizonSine(2); };
    const bool upAtLo = up(lo);
    for (double mid = 0.5 * (lo + hi); hi - lo > 1e-9; mid = 0.5 * (lo + hi)) (up(mid) == upAtLo ? lo : hi) = mid;
    return lo;
}

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

// Whether the Moon (col 1) or the Sun below -18 degrees (col 5) is up
// (1) or down (0) at minute t of a day, read from that day's cells alone:
// its last rise or set at or before t, else the opposite of its first one
// after t, else its day mark; -1 where the cells do not tell.
int upAt(const MonthTab::value_type& row, std::size_t col, int t) {
    const std::string &rise = row[col], &set = row[col + 1];
    if (rise == (col == 1 ? "a.h." : "a.b.")) return 1;
    if (rise == (col == 1 ? "b.h." : "a.d.")) return 0;
    const int r = IsClock(rise) ? Minutes(rise) : -1, s = IsClock(set) ? Minutes(set) : -1;
    if ((r >= 0 && r <= t) || (s >= 0 && s <= t)) return (r <= t ? r : -1) > (s <= t ? s : -1);
    if (r == s) return -1;
    return (r < 0 ? 100000 : r) > (s < 0 ? 100000 : s);
}

// Columns 0 to 6 of a row: Day, Moon, Sun and twilight.
std::vector<std::string> events(const MonthTab& t, std::size_t d) { return {t[d].begin(), t[d].begin() + 7}; }
}  // namespace

TEST(MonthText, AcceptedAndRefused) {
    // Six ASCII digits, blanks around them aside.
    for (const char* ok : {"190001", "210012", "200102", " 202406\t"})
        EXPECT_TRUE(CheckMonthText(ok).has_value()) << ok;
    for (const char* bad : {"189912", "210101", "20011", "2001013", "200100", "200113", "", "abcdef", "2024-1",
                            " 20246", "2024 6", "2024+6", "2024.6", "2e3 12", "20011/", "20240\xC3\xA9",
                            "\xD9\xA2\xD9\xA0\xD9\xA2\xD9\xA4\xD9\xA0\xD9\xA6"})  // Arabic-Indic digits
        EXPECT_FALSE(CheckMonthText(bad).has_value()) << bad;
}

TEST(MonthRun, RefusedTextBeepsThenShowsInputErrorOnly) {
    RecordingReporter rep;
    EXPECT_FALSE(CalculateMonth("189912", false, kVienna, rep).has_value());
    EXPECT_EQ(rep.log, (Texts{"beep", "box:Error:Input error."}));
    EXPECT_TRUE(rep.boxes.size() == 1 && rep.boxes[0].icon == report::Icon::Critical);
}

// Gregorian month lengths (2000 a leap year, 1900 and 2100 not); 1 September
// 2024 was a Sunday (row 31 of September without a Day text); rows 29 to
// 31 of February carry on into March (the events of 1 to 3 March);
// February 2024's TSV: the heading line and 29 day lines of ten
// tab-separated cells.
TEST(MonthRun, DayRowsDayColumnAndTsv) {
    const std::pair<const char*, int> cases[] = {
        {"200102", 28}, {"200002", 29}, {"190002", 28}, {"210002", 28}, {"202404", 30}, {"202412", 31}};
    for (const auto& [text, days] : cases) EXPECT_EQ(calc(text).dayRows, days) << text;
    const MonthTab t = calc("202409").tab;
    EXPECT_EQ((Texts{t[1][0], t[2][0], t[7][0], t[30][0], t[31][0]}), (Texts{"01 S", "02 M", "07 S", "30 M", ""}));
    const MonthTab feb = calc("200102").tab, mar = calc("200103").tab;
    for (std::size_t d = 29; d <= 31; ++d)
        EXPECT_TRUE(std::equal(feb[d].begin() + 1, feb[d].begin() + 7, mar[d - 28].begin() + 1)) << d;
    const std::string tsv = TsvText(calc("202402"));
    EXPECT_EQ(std::count(tsv.begin(), tsv.end(), '\n'), 30);
    EXPECT_EQ(std::count(tsv.begin(), tsv.end(), '\t'), 30 * 9);
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
// summer ("hhmm" stands for any clock text).  Sunrise 03:43 and sunset
// 20:21 UT on 21 June 2024 at the Royal Observatory, 0.0 E 51.48 N
// (published almanac values); the method is good to about a minute.
TEST(DailyEvents, KnownSunCells) {
    const std::tuple<const char*, Location, const char*> cases[] = {
        {"202406", {10, 50, 1}, "hhmm hhmm a.b. "},     {"202412", {10, 50, 1}, "hhmm hhmm hhmm hhmm"},
        {"202406", {15.6, 78.2, 1}, "a.h.  a.b. "},     {"202412", {15.6, 78.2, 1}, "b.h.  hhmm hhmm"},
        {"202412", {0, 85, 0}, "b.h.  a.d. "},          {"202412", {0, -80, 0}, "a.h.  a.b. "}};
    auto form = [](const std::string& s) { return IsClock(s) ? std::string("hhmm") : s; };
    for (const auto& [month, loc, cells] : cases) {
        const auto row = calc(month, loc).tab[21];
        EXPECT_EQ(form(row[3]) + " " + form(row[4]) + " " + form(row[5]) + " " + form(row[6]), cells)
            << month << " " << loc.latitude;
    }
    const MonthTab greenwich = calc("202406", {0, 51.4769, 0}).tab;
    EXPECT_NEAR(Minutes(greenwich[21][3]), 3 * 60 + 43, 2);
    EXPECT_NEAR(Minutes(greenwich[21][4]), 20 * 60 + 21, 2);
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

TEST(EventKeys, FourPerDayInEntryOrder) {
    MonthTab t{};
    t[5] = {"", "1432", "----", "", "", "a.h."};  // any cell text is copied as it stands
    const auto keys = EventKeys(t);
    ASSERT_EQ(keys.size(), 124u);
    // An empty cell gives a four-character key.
    EXPECT_EQ(Texts(keys.begin() + 16, keys.begin() + 20), (Texts{"051432mr", "05----ms", "05a.h.de", "05db"}));
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
    for (const auto& [month, loc, days, expect] : cases)
        EXPECT_EQ(cells(calc(month, loc).tab, days), expect) << month << " " << loc.latitude;
}

// Per month: every cell pair in one of its forms, 124 sorted keys.  Away
// from the poles (|latitude| <= 60, where crossings are steep enough for
// the two-hour parabola to place them to the minute) each rise (set) hhmm
// has the object's altitude going up (down) through its horizon within
// 3 minutes of that clock time (1 minute fails on grazing twilight).  Every
// D.a.n.M. begin is a moment at which the day's own cells say it is dark
// with the Moon down, every end one at which they say otherwise; passed
// over are moments shared with another event (the key order decides
// there) and days whose first event contradicts their 0 h state (a second
// crossing the daily search does not report, as when the Sun grazes -18
// degrees at high latitudes).
TEST(MonthInvariants, RandomMonths) {
    std::mt19937 rng(20240601u);
    std::uniform_int_distribution<int> year(1900, 2100), mon(1, 12), tz(-12, 12), bit(0, 1);
    std::uniform_real_distribution<double> lon(-180.0, 180.0), lat(-90.0, 90.0);
    const int runs = 2000;
    int timed = 0, scanned = 0, mendedDays = 0;
    for (int n = 0; n < runs; ++n) {
        const int y = year(rng), m = mon(rng);
        const bool summer = bit(rng) == 1;
        Location loc{lon(rng), lat(rng), static_cast<double>(tz(rng))};
        if (n % 20 == 0) loc.latitude = n % 40 == 0 ? 90.0 : -90.0;
        if (n % 20 == 10) loc.longitude = n % 40 == 10 ? 180.0 : -180.0;
        const std::string text = std::to_string(y * 100 + m);
        SCOPED_TRACE(testing::Message() << text << " lon " << loc.longitude << " lat " << loc.latitude
                                        << " tz " << loc.timeZone << (summer ? " summer" : ""));
        const MonthResult r = calc(text, loc, summer);
        ASSERT_EQ(r.keys.size(), 124u);
        EXPECT_TRUE(std::is_sorted(r.keys.begin(), r.keys.end()));
        const double zone = (loc.timeZone + (summer ? 1 : 0)) / 24;
        const double cphi = astro::cn(loc.latitude), sphi = astro::sn(loc.latitude);
        for (std::size_t d = 1; d <= 31; ++d) {
            const auto& row = r.tab[d];
            for (std::size_t col = 1; col <= 5; col += 2)
                EXPECT_TRUE(testsupport::ValidEventPair(row[col], row[col + 1], static_cast<int>(col)))
                    << "day " << d << " '" << row[col] << "' '" << row[col + 1] << "'";
            const double mjd0 = astro::mjd(y, m, static_cast<int>(d), 0) - zone;
            const bool steep = std::abs(loc.latitude) <= 60 && d <= static_cast<std::size_t>(r.dayRows);
            for (std::size_t col = 1; col <= 6; ++col) {
                if (!steep || !IsClock(row[col])) continue;
                const int obj = static_cast<int>(col + 1) / 2;
                const double t = Minutes(row[col]) / 60.0, dt = 3 / 60.0;
                const double before = astro::sinalt(obj, mjd0, t - dt, -loc.longitude, cphi, sphi) - HorizonSine(obj);
                const double after = astro::sinalt(obj, mjd0, t + dt, -loc.longitude, cphi, sphi) - HorizonSine(obj);
                EXPECT_TRUE(col % 2 == 1 ? before < 0 && after > 0 : before > 0 && after < 0)
                    << "day " << d << " col " << col << " " << row[col] << " f(-) " << before << " f(+) " << after;
                ++timed;
            }
            const int moon0 = upAt(row, 1, -1), bright0 = upAt(row, 5, -1);
            const bool mended = (moon0 >= 0 && (moon0 == 1) != r.midnight[d].moonUp) ||
                                (bright0 >= 0 && (bright0 == 1) == r.midnight[d].dark);
            mendedDays += mended;
            for (std::size_t col : {7u, 8u}) {
                if (row[col].empty()) continue;
                ASSERT_TRUE(IsClock(row[col])) << "day " << d << " '" << row[col] << "'";
                const int t = Minutes(row[col]);
                int sameMinute = 0;
                for (std::size_t k : {1u, 2u, 5u, 6u}) sameMinute += row[k] == row[col];
                const int moonUp = upAt(row, 1, t), bright = upAt(row, 5, t);
                if (mended || sameMinute > 1 || moonUp < 0 || bright < 0) continue;
                EXPECT_EQ(moonUp == 0 && bright == 0, col == 7) << "day " << d << " col " << col << " " << row[col];
                ++scanned;
            }
        }
        if (testing::Test::HasFailure()) return;
    }
    EXPECT_GT(timed, runs / 2 * 28 * 4);
    EXPECT_GT(scanned, runs * 30);
    EXPECT_LT(mendedDays, runs * 31 / 50);
}

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
        std::size_t day = 0, summerBefore = 0, summerAfter = 0;
        ASSERT_TRUE(f >> zone >> lon >> lat >> month >> day >> tz >> summerBefore >> summerAfter);
        const MonthTab named = calc(month, {lon, lat, tz, zone}).tab;
        const MonthTab before = calc(month, {lon, lat, tz}, summerBefore == 1).tab;
        const MonthTab after = calc(month, {lon, lat, tz}, summerAfter == 1).tab;
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
TEST(NamedZone, MonthsWithoutSwitchAgainstFixedZones) {
    // Zone, month, longitude, latitude and the fixed zone's hours and summer time.
    const std::tuple<const char*, const char*, double, double, double, bool> cases[] = {
        {"Europe/Vienna", "205007", 16.33, 48.25, 1, true},
        {"Asia/Tokyo", "190005", 139.69, 35.69, 9, false},
        {"Pacific/Kiritimati", "202604", -157.4, 1.87, 14, false},
        {"Pacific/Chatham", "202601", -176.56, -43.95, 12.75, true},
        {"Pacific/Tongatapu", "202609", -175.2, -21.14, 13, false}};
    for (const auto& [name, month, lon, lat, tz, summer] : cases)
        EXPECT_EQ(calc(month, {lon, lat, 0, name}).tab, calc(month, {lon, lat, tz}, summer).tab)
            << name << " " << month;

    // +5:30: every sunrise and sunset is the +5 run's plus 30 minutes (a
    // minute either way: the samples fall on other instants).
    const MonthTab half = calc("202602", {88.36, 22.57, 0, "Asia/Kolkata"}).tab, five = calc("202602", {88.36, 22.57, 5}).tab;
    for (std::size_t d = 1; d <= 28; ++d)
        for (std::size_t c : {3u, 4u})
            EXPECT_NEAR(Minutes(half[d][c]), Minutes(five[d][c]) + 30, 1) << d;
}

// Day clocks (zone, year, month, day) against the zone rules: offset at
// the day's first instant, hours to the next day's, the clock move of the
// switch, the clock reading 24 at the day's end; where the switch rows
// above do not reach: 2050, past the database's listed switches, where the
// yearly rules go on; a half-hour move; a skipped midnight (the day starts
// at the switch, 01:00).
TEST(NamedZone, DayClocksAndLocalTimes) {
    const std::tuple<const char*, int, int, std::size_t, std::vector<double>> cases[] = {
        {"Europe/Vienna", 2050, 3, 27, {1, 23, 1, 24}},
        {"Australia/Lord_Howe", 2026, 4, 5, {11, 24.5, -0.5, 24}},
        {"America/Havana", 2026, 3, 8, {-4, 23, 0, 24}}};
    for (const auto& [name, y, m, d, want] : cases) {
        const auto clocks = zone::ClocksOfMonth(name, y, m);
        ASSERT_TRUE(clocks) << name;
        const zone::DayClock& k = (*clocks)[d];
        const std::vector<double> got{k.offsetHours, k.lengthHours, k.switches ? k.shiftHours[0] : 0,
                                      k.ClockAt(k.lengthHours)};
        EXPECT_EQ(got, want) << name << " " << y;
        EXPECT_FALSE(k.plain) << name;
    }
    const auto names = zone::Names();
    EXPECT_TRUE(std::binary_search(names.begin(), names.end(), "Europe/Vienna") &&
                !std::binary_search(names.begin(), names.end(), "localtime"));
    // Local clock times to UTC (the calendar export): the earlier of a
    // doubled time, the switch instant for a skipped one.  Zone, local clock
    // time and UTC, minutes since 1970.
    const std::tuple<const char*, long long, long long> toUtc[] = {
        {"Europe/Vienna", 29579040 + 150, 29579040 + 60},   // 2026-03-29 02:30, skipped
        {"Europe/Vienna", 29881440 + 150, 29881440 + 30},   // 2026-10-25 02:30, twice
        {"Europe/Vienna", 29881440 + 240, 29881440 + 180},  // 2026-10-25 04:00 CET
        {"Asia/Kolkata", 29881440, 29881440 - 330},
    };
    for (const auto& [name, local, utc] : toUtc) EXPECT_EQ(zone::LocalToUtcMinutes(name, local), utc) << name;
}
