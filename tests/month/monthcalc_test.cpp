// The month calculation and its model: day
// rows, the Day column, rows past the month's end, TSV; the daily search
// (cell forms at midnight, day marks near the poles and in the white
// nights, known sunrise/sunset times, the horizons, every crossing of the
// day); event keys and their ordinal sort; the D.a.n.M. rule on hand-made
// days and known months; invariants of random months against the
// altitudes themselves; named time zones.
#include "month/monthcalc.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <random>
#include <sstream>
#include <tuple>

#include "astro/altitude.h"
#include "astro/angles.h"
#include "month/format.h"
#include "month/nights.h"
#include "recording_reporter.h"
#include "zone/zone.h"

using namespace month;
using Texts = std::vector<std::string>;

namespace {
// A place on a fixed zone (hours east) or a named zone.
Place at(double lon, double lat, double tz, bool summer = false) { return {lon, lat, {tz, summer, ""}, ""}; }
Place inZone(double lon, double lat, const std::string& zoneName) { return {lon, lat, {0, false, zoneName}, ""}; }
const Place kVienna = at(16.33, 48.25, 1);

// An accepted month gives no beep and no message.
Month calc(const std::string& text, const Place& p = kVienna) {
    RecordingReporter rep;
    auto r = CalculateMonth(text, p, rep);
    EXPECT_TRUE(r && rep.log.empty()) << text;
    return r.value_or(Month{});
}

// UT hour at which the Sun crosses -50' at longitude 0 and the given
// latitude on a day of 2024, by bisection between lo and hi.
double sunCrossingUT(int month, int day, double lat, double lo, double hi) {
    const double m0 = calendar::Mjd(2024, month, day, 0);
    const astro::Observer at{0, astro::CosDeg(lat), astro::SinDeg(lat)};
    auto up = [&](double h) { return astro::SineAltitude(astro::Body::Sun, m0, h, at) > HorizonSine(2); };
    const bool upAtLo = up(lo);
    for (double mid = 0.5 * (lo + hi); hi - lo > 1e-9; mid = 0.5 * (lo + hi)) (up(mid) == upAtLo ? lo : hi) = mid;
    return lo;
}

// Minutes after local midnight of a clock text "hhmm".
int minutes(const std::string& c) { return std::stoi(c.substr(0, 2)) * 60 + std::stoi(c.substr(2, 2)); }

// Begin "-" end cells of each day given.
std::string cells(const MonthTab& t, const std::vector<std::size_t>& days) {
    std::string s;
    for (std::size_t d : days) s += (s.empty() ? "" : " ") + t[d][7] + "-" + t[d][8];
    return s;
}

// Columns 0 to 6 of a row: Day, Moon, Sun and twilight.
std::vector<std::string> events(const MonthTab& t, std::size_t d) { return {t[d].begin(), t[d].begin() + 7}; }
}  // namespace

// 1 September 2024 was a Sunday (row 31 of September without a Day text);
// rows 29 to 31 of February carry on into March (the events of 1 to 3
// March).  (The month lengths are calendar::DaysInMonth, checked against
// gmtime_r in CivilDates.EveryDayAndInstantsAgainstGmtime; the rows of a
// leap February's TSV: Cli.TsvFollowsTheOptionsWhichAreNotSaved.)
TEST(MonthRun, DayColumnAndRowsPastTheEnd) {
    const MonthTab t = Table(calc("202409"));
    EXPECT_EQ((Texts{t[1][0], t[2][0], t[7][0], t[30][0], t[31][0]}), (Texts{"01 S", "02 M", "07 S", "30 M", ""}));
    const MonthTab feb = Table(calc("200102")), mar = Table(calc("200103"));
    for (std::size_t d = 29; d <= 31; ++d)
        EXPECT_TRUE(std::equal(feb[d].begin() + 1, feb[d].begin() + 7, mar[d - 28].begin() + 1)) << d;
}

// Zones chosen so that a sunset falls at 23:59:50 and at 23:59:00 local
// time (April, 50 N: the evening before set about 1.5 minutes earlier by
// the clock, so before this local day) and a sunrise at 00:00:10 (March,
// equator).
TEST(DailyEvents, EventsAtTheEdgesOfTheDayAre0000And2400) {
    auto cell = [](int month, double lat, double zoneHours, std::size_t col) {
        std::array<std::string, 10> row;
        FillEventCells(row, SearchDay(2024, month, 20, zoneHours / 24, 0, lat));
        return row[col];
    };
    const double set = sunCrossingUT(4, 20, 50, 17, 20), rise = sunCrossingUT(3, 20, 0, 5, 7);
    EXPECT_EQ(cell(4, 50, 23 + 59 / 60.0 + 50 / 3600.0 - set, 4), "2400");
    EXPECT_EQ(cell(4, 50, 23 + 59 / 60.0 - set, 4), "2359");
    EXPECT_EQ(cell(3, 0, 10 / 3600.0 - rise, 3), "0000");
}

// Sun and twilight cells of 21 June and 21 December: the white nights at
// 50 N, polar day and night at Svalbard (78.2 N; in December the noon Sun
// is about -11 degrees), deeper polar night at 85 N and the southern
// summer ("hhmm" stands for any clock text).  The times themselves:
// Accuracy.EventsAgreeWithLibnova.
TEST(DailyEvents, KnownSunCells) {
    const std::tuple<const char*, Place, const char*> cases[] = {
        {"202406", at(10, 50, 1), "hhmm hhmm a.b. "},     {"202412", at(10, 50, 1), "hhmm hhmm hhmm hhmm"},
        {"202406", at(15.6, 78.2, 1), "a.h.  a.b. "},     {"202412", at(15.6, 78.2, 1), "b.h.  hhmm hhmm"},
        {"202412", at(0, 85, 0), "b.h.  a.d. "},          {"202412", at(0, -80, 0), "a.h.  a.b. "}};
    auto form = [](const std::string& s) {
        return s.size() == 4 && std::all_of(s.begin(), s.end(), ::isdigit) ? std::string("hhmm") : s;
    };
    for (const auto& [month, loc, cells] : cases) {
        const auto row = Table(calc(month, loc))[21];
        EXPECT_EQ(form(row[3]) + " " + form(row[4]) + " " + form(row[5]) + " " + form(row[6]), cells)
            << month << " " << loc.latitude;
    }
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

// Four keys a day in entry order, any cell text copied as it stands (an
// empty cell gives a four-character key), then the ordinal sort: "----",
// times (at one minute db, de, mr, ms), day marks, the empty cells' keys.
TEST(EventKeys, EntryOrderAndOrdinalSort) {
    MonthTab t{};
    t[5] = {"", "1432", "----", "", "", "a.h."};
    const auto keys = EventKeys(t);
    ASSERT_EQ(keys.size(), 124u);
    EXPECT_EQ(Texts(keys.begin() + 16, keys.begin() + 20), (Texts{"051432mr", "05----ms", "05a.h.de", "05db"}));
    Texts sorted = {"03ms",     "03b.h.mr", "03a.h.mr", "03a.d.de", "03a.b.de", "031200ms", "031200mr", "031200de",
                    "031200db", "03----mr", "030001de", "03db",     "02ms",     "04----ms", "03de"};
    SortKeys(sorted);
    EXPECT_EQ(sorted, (Texts{"02ms", "03----mr", "030001de", "031200db", "031200de", "031200mr", "031200ms", "03a.b.de",
                             "03a.d.de", "03a.h.mr", "03b.h.mr", "03db", "03de", "03ms", "04----ms"}));
}

namespace {
// Hand-made days: the 0 h states (moon up, dark) and the crossings
// "mr0300 ms2300 de0400 db2200" (moonrise, moonset, twilight begin and end
// at hh:mm; "+m" after the clock time: m minutes after the day's first
// instant, on a day whose clock was put back) of days 1, 2, ..., the last
// one given for the rest.  Crossings of one minute lie a few hundredths of
// a second apart, in the order written.
struct Hand {
    bool moonUp, dark;
    const char* crossings;
};
std::array<Day, 32> handDays(const std::vector<Hand>& hands) {
    std::array<Day, 32> days{};
    for (std::size_t d = 1; d <= 31; ++d) {
        const Hand& h = hands[std::min(d, hands.size()) - 1];
        Day& day = days[d];
        day.number = static_cast<int>(d);
        day.startMjd = static_cast<double>(d), day.endMjd = day.startMjd + 1;
        day.horizons[0].aboveAtStart = h.moonUp, day.horizons[2].aboveAtStart = !h.dark;
        std::istringstream in(h.crossings);
        int k = 0;
        for (std::string t; in >> t; ++k) {
            const auto plus = t.find('+');
            Crossing c{t[1] == 'r' || t[1] == 'e' ? Direction::Rise : Direction::Set, 0, 0, std::stoi(t.substr(2, 4)),
                       plus == std::string::npos ? minutes(t.substr(2)) : std::stoi(t.substr(plus + 1)), false};
            c.mjd = day.startMjd + static_cast<double>(c.minute) / 1440 + k * 1e-7;
            day.horizons[t[0] == 'm' ? 0 : 2].crossings.push_back(c);
        }
    }
    return days;
}
}  // namespace

// The D.a.n.M. rule on hand-made days: begin-end cells of days 1 (opened by
// its 0 h state) and 2 (after a day like itself), the number of intervals
// of the month and "*" when the first runs at 00:00 of day 1.  The
// crossings of one minute apply together: a begin (end) only where the
// minute leaves the condition open (closed) after closed (open) before, at
// the instant of its last crossing that opened (closed) it; every interval
// is the instants of its crossings or midnights.
TEST(DarkNoMoon, HandMadeDays) {
    const char* const day = "mr1000 ms2300 de0400 db2200";
    const std::pair<std::vector<Hand>, const char*> cases[] = {
        // The night's interval ends with twilight 03:10; dark again 21:20 after the 04:00 moonset.
        {{{false, true, "ms0400 de0310 db2120"}}, "2120-0310 2120-0310 32*"},
        // Running at midnight: ends at twilight 04:00, begins again at moonset 23:00.
        {{{false, true, day}}, "2300-0400 2300-0400 32*"},
        // Not dark at 0 h of day 1, the Moon up at 0 h of day 2: day 1 opens
        // only at moonset, day 2 closes it at 0000.
        {{{false, false, day}, {true, true, day}, {false, true, day}}, "2300- 2300-0000 31"},
        // Moonrise and twilight end in the same minute, either first: no
        // interval; dark and moonless 05:00-06:00 only.
        {{{true, true, "mr2000 ms0500 de0600 db2000"}}, "0500-0600 0500-0600 31"},
        {{{true, true, "db2000 ms0500 de0600 mr2000"}}, "0500-0600 0500-0600 31"},
        // Twilight end, moonrise and moonset in one minute: opened by the moonset.
        {{{false, false, "de0500 db2000 mr2000 ms2000"}}, "2000- 2000-0000 31"},
        // A moonset in minute 0000 of a day whose 0 h sample has the Moon up:
        // one step with the 0 h states, so day 2 neither ends nor begins.
        {{{true, true, "ms0000"}}, "0000- - 1"},
        // Moon above all day; never dark; dark and moonless all month.
        {{{true, true, "de0400 db2200"}}, "- - 0"},
        {{{true, false, "mr1500 ms0200"}}, "- - 0"},
        {{{false, true, ""}}, "0000- - 1*"},
        // Moon up again at midnight without a rise: ends 0000, the 01:00 moonset begins.
        {{{true, true, "ms0100"}}, "0100- 0100-0000 31"},
        // Two moonsets on a day (00:41 and 23:51): the first one counts too,
        // dark and moonless from the 04:26 twilight end to its 15:46 begin
        // (10 May 1967 at 137.21 W 66 S, zone +1).
        {{{true, false, "ms0041 db0426 de1546 mr2202 ms2351"}}, "0426-1546 0426-1546 31"},
        // A clock put back at 03:00: darkness ends at 02:31, before the
        // moonrise at 01:20 on the new clock (03:20 on the old).
        {{{false, true, "de0231 mr0120+200"}}, "0000-0231 0000-0231 31*"},
        // Two intervals a day, the Moon down all day: the cells keep the later, the model both.
        {{{false, false, "db0100 de0300 db2000 de2300"}}, "2000-2300 2000-2300 62"},
    };
    for (const auto& [hands, expect] : cases) {
        const auto intervals = DarkNoMoon(handDays(hands), 31);
        MonthTab t{};
        FillDarkCells(t, intervals);
        const bool atStart = !intervals.empty() && intervals.front().openAtStart;
        EXPECT_EQ(cells(t, {1, 2}) + " " + std::to_string(intervals.size()) + (atStart ? "*" : ""), expect)
            << hands[0].crossings;
        auto instant = [](int d, int hhmm) { return d + minutes(ClockCell(hhmm)) / 1440.0; };
        for (const Interval& iv : intervals)
            EXPECT_TRUE(std::abs(iv.begin - instant(iv.beginDay, iv.beginHhmm)) < 1e-5 &&
                        (iv.openAtEnd || std::abs(iv.end - instant(iv.endDay, iv.endHhmm)) < 1e-5));
    }
    // The moonset (the minute's fourth crossing) opened it: its instant.
    const auto three = DarkNoMoon(handDays({{false, false, "de0500 db2000 mr2000 ms2000"}}), 31);
    EXPECT_EQ(three.at(0).begin, 1 + 1200 / 1440.0 + 3e-7);
}

// Whole months at places and dates where an earlier scan went wrong: cells
// read off the month tables, and where the Moon or twilight crosses twice
// a day the intervals an independent ephemeris gives (tests/data/README.md).
TEST(DarkNoMoon, KnownMonths) {
    const std::tuple<const char*, Place, std::vector<std::size_t>, const char*> cases[] = {
        // Tromso, December: day 1 twilight end 17:04, begin 06:02 with the
        // Moon down; 13-18 the Moon above all day; 19: moonrise 17:50.
        {"202412", at(18.96, 69.65, 1), {1, 13, 18, 19}, "1704-0602 - - 1655-1750"},
        // Vienna, June: dark and moonless at midnight of the 1st until the
        // twilight begin 01:01; day 12 has no moonset, the interval of the
        // 11th ends with twilight at 00:35.
        {"202406", kVienna, {1, 12}, "2247-0101 -0035"},
        // A moonset at 09:58 in daylight; dark and moonless 23:15-23:23.
        {"200804", at(-4, 67, -2, true), {1}, "2315-2323"},
        // The Sun up from 04:07 to 19:07: dark and moonless from 23:14.
        {"199710", inZone(151.93, -60.32, "Australia/Sydney"), {23}, "2314-2359"},
        // Moonrise and twilight end both at 20:25 on the 27th: no interval.
        {"202402", at(159.1, -31.5, 11), {26, 27, 28}, "- - 2024-2050"},
        // Vienna's switch days end with a moonrise in their last local hour:
        // 23:43 on the 25-hour 27 Oct 2013, 23:16 on the 23-hour 27 Mar 2016
        // (the same instants in the fixed zones +1 and +1 with summer time).
        {"201310", inZone(16.33, 48.25, "Europe/Vienna"), {27}, "1829-2343"},
        {"201603", inZone(16.33, 48.25, "Europe/Vienna"), {27}, "2106-2316"},
    };
    for (const auto& [month, place, days, expect] : cases)
        EXPECT_EQ(cells(Table(calc(month, place)), days), expect) << month << " " << place.latitude;
}

// Random months, poles and the date line included, checked against the
// altitudes themselves.  Every crossing: in time order within its day and,
// away from the poles (|latitude| <= 60), the altitude going up (down)
// through its horizon within 3 minutes of a rise (set).  The cells show a
// rise and a set of the day, or "----" or the day mark.  Every interval of
// more than 20 minutes is dark with the Moon down at its middle, every gap
// of more than 20 minutes between two is not.
TEST(MonthInvariants, RandomMonths) {
    std::mt19937 rng(20240601u);
    std::uniform_int_distribution<int> year(1900, 2100), mon(1, 12), tz(-12, 12), bit(0, 1);
    std::uniform_real_distribution<double> lon(-180.0, 180.0), lat(-90.0, 90.0);
    const int runs = 1000;
    int timed = 0, middles = 0;
    for (int n = 0; n < runs; ++n) {
        Place p = at(lon(rng), lat(rng), tz(rng), bit(rng) == 1);
        if (n % 20 == 0) p.latitude = n % 40 == 0 ? 90.0 : -90.0;
        if (n % 20 == 10) p.longitude = n % 40 == 10 ? 180.0 : -180.0;
        const std::string text = std::to_string(year(rng) * 100 + mon(rng));
        SCOPED_TRACE(testing::Message() << text << " lon " << p.longitude << " lat " << p.latitude << " tz "
                                        << p.clock.fixedHours << (p.clock.summerTime ? " summer" : ""));
        const Month r = calc(text, p);
        const MonthTab tab = Table(r);
        const astro::Observer observer{p.longitude, astro::CosDeg(p.latitude), astro::SinDeg(p.latitude)};
        // Sine of the altitude less the horizon's, `hours` after an instant.
        auto f = [&](int obj, double mjd, double hours) {
            return astro::SineAltitude(obj == 1 ? astro::Body::Moon : astro::Body::Sun, mjd, hours, observer) -
                   HorizonSine(obj);
        };
        const bool steep = std::abs(p.latitude) <= 60;
        for (int d = 1; d <= 31; ++d) {
            const Day& day = r.day(d);
            for (std::size_t b = 0; b < kHorizons; ++b) {
                const auto& cs = day.horizons[b].crossings;
                if (b < kTableHorizons) {
                    EXPECT_EQ(cs.empty(), tab[static_cast<std::size_t>(d)][2 * b + 2].empty()) << d;
                }
                EXPECT_TRUE(std::is_sorted(cs.begin(), cs.end(), [](auto& a, auto& c) { return a.mjd < c.mjd; }));
                for (const Crossing& c : cs) {
                    EXPECT_TRUE(c.mjd >= day.startMjd && c.mjd <= day.endMjd) << "day " << d;
                    if (!steep) continue;
                    const int obj = static_cast<int>(b) == 0 ? 1 : static_cast<int>(b) + 1;
                    const double before = f(obj, c.mjd, -0.05), after = f(obj, c.mjd, 0.05);
                    EXPECT_TRUE(c.direction == Direction::Rise ? before < 0 && after > 0 : before > 0 && after < 0)
                        << "day " << d << " body " << b << " " << c.hhmm;
                    ++timed;
                }
            }
        }
        auto darkNoMoon = [&](double mjd) { return f(1, mjd, 0) < 0 && f(3, mjd, 0) < 0; };
        for (std::size_t i = 0; i < r.intervals.size(); ++i) {
            const Interval& iv = r.intervals[i];
            const double gapFrom = i ? r.intervals[i - 1].end : iv.begin;
            // Never empty: an end at least a rounded minute after its begin.
            EXPECT_TRUE(iv.begin < iv.end && gapFrom <= iv.begin &&
                        (iv.endDay != iv.beginDay || iv.endHhmm > iv.beginHhmm || iv.openAtEnd))
                << "interval " << i;
            if (steep && iv.hours() > 1 / 3.0) {
                EXPECT_TRUE(darkNoMoon((iv.begin + iv.end) / 2)) << i;
                ++middles;
            }
            if (steep && iv.begin - gapFrom > 1 / 72.0) {
                EXPECT_FALSE(darkNoMoon((iv.begin + gapFrom) / 2)) << i;
            }
        }
        if (testing::Test::HasFailure()) return;
    }
    EXPECT_GT(timed, runs / 2 * 28 * 4);
    EXPECT_GT(middles, runs / 2 * 10);
}

// The nights of months whose dusk falls before midnight: dusk is the
// evening's twilight end cell, dawn the next row's twilight begin, the
// dark minutes add up the night's pieces as their clock times read, an
// interval that runs into the next month is one piece, and every interval
// of the month begins a piece of a night.
TEST(Nights, FromTheModel) {
    int acrossMonthEnd = 0;
    for (const Place& p : {kVienna, inZone(16.33, 48.25, "Europe/Vienna"), at(-70.67, -33.45, -4)}) {
        for (const char* text : {"202412", "202603"}) {
            const Month m = calc(text, p);
            const Month next = CalculateMonth(calendar::ShiftedMonth(m.ym, 1), p);
            const auto nights = Nights(m, next);
            const MonthTab tab = Table(m), nextTab = Table(next);
            ASSERT_EQ(nights.size(), static_cast<std::size_t>(m.dayRows));
            std::vector<double> pieceBegins;
            for (std::size_t i = 0; i < nights.size(); ++i) {
                const Night& n = nights[i];
                const std::string dawn = i + 1 < nights.size() ? tab[i + 2][5] : nextTab[1][5];
                EXPECT_EQ(ClockCell(n.dusk->hhmm) + " " + ClockCell(n.dawn->hhmm), tab[i + 1][6] + " " + dawn)
                    << text << " night " << i + 1;
                long long sum = 0;
                const double monthEnd = m.day(m.dayRows).endMjd;
                for (std::size_t k = 0; k < n.dark.size(); ++k) {
                    const NightPiece& piece = n.dark[k];
                    EXPECT_TRUE(k == 0 || n.dark[k - 1].end < piece.begin) << text << " night " << i + 1;
                    acrossMonthEnd += piece.begin < monthEnd && piece.end > monthEnd;
                    sum += (minutes(ClockCell(piece.endHhmm)) - minutes(ClockCell(piece.beginHhmm)) + 1440) % 1440;
                    pieceBegins.push_back(piece.begin);
                }
                EXPECT_LE(std::abs(sum - n.darkMinutes), 1) << text << " night " << i + 1;
            }
            for (const Interval& iv : m.intervals)
                EXPECT_TRUE(iv.begin < nights.front().noon || std::count(pieceBegins.begin(), pieceBegins.end(), iv.begin) == 1);
        }
    }
    EXPECT_GE(acrossMonthEnd, 1);
}

// Dates a zone skipped (its clock jumped over the whole day) have no night;
// the night before runs to local noon of the next day that exists.  Its
// dusk and dawn are the month table's twilight end before and twilight
// begin after the skipped date; no night has an empty piece.
TEST(Nights, SkippedDates) {
    const std::tuple<const char*, Place, int, const char*> cases[] = {
        {"201112", inZone(-171.77, -13.83, "Pacific/Apia"), 30, "2117 0542 2400-0542"},
        {"199308", inZone(167.73, 8.72, "Pacific/Kwajalein"), 21, "2015 0530 2146-0530"},
        {"201112", inZone(16.33, 48.25, "Pacific/Apia"), 30, ""},
    };
    for (const auto& [text, place, skipped, expect] : cases) {
        const Month m = calc(text, place);
        const auto nights = Nights(m, CalculateMonth(calendar::ShiftedMonth(m.ym, 1), place));
        ASSERT_EQ(nights.size(), static_cast<std::size_t>(m.dayRows - 1)) << text;
        for (const Night& n : nights) {
            EXPECT_NE(n.dayOfMonth, skipped) << text;
            EXPECT_NEAR(n.nextNoon - n.noon, 1, 0.05) << text << " " << n.dayOfMonth;
            for (const NightPiece& piece : n.dark) EXPECT_LT(piece.begin, piece.end) << text << " " << n.dayOfMonth;
            if (n.dayOfMonth != skipped - 1 || !*expect) continue;
            std::string got = ClockCell(n.dusk ? n.dusk->hhmm : 0) + " " + ClockCell(n.dawn ? n.dawn->hhmm : 0);
            for (const NightPiece& piece : n.dark) got += " " + ClockCell(piece.beginHhmm) + "-" + ClockCell(piece.endHhmm);
            EXPECT_EQ(got, expect) << text;
        }
    }
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
        const MonthTab named = Table(calc(month, inZone(lon, lat, zone)));
        const MonthTab before = Table(calc(month, at(lon, lat, tz, summerBefore == 1)));
        const MonthTab after = Table(calc(month, at(lon, lat, tz, summerAfter == 1)));
        for (std::size_t c = 1; c <= 6; ++c) {
            ASSERT_TRUE(f >> cell);
            EXPECT_TRUE(cell == "*" || named[day][c] == cell) << "column " << c << ": " << named[day][c];
        }
        for (std::size_t d = 1; d <= 31; ++d)
            EXPECT_EQ(events(named, d), events(d < day ? before : d > day ? after : named, d)) << "day " << d;
    }
    EXPECT_EQ(rows, 6);
}

// Days whose last hours the zone skipped (a switch at 23:00 to the next
// midnight) have the fixed-zone row without the events after 23:00 (Sofia's
// moonrise 2336, Nuuk's twilight end 2332); a skipped day has none (the day
// clocks: ZoneClock.DaysAgainstZoneinfo in tests/zone).  A month without a
// switch is the fixed-zone month of the zone's offset (Tehran's +03:30 past
// its last listed switch).
TEST(NamedZone, DaysWithoutTheirLastHours) {
    const std::tuple<const char*, double, double, const char*, std::size_t, const char*> cases[] = {
        {"Europe/Sofia", 23.32, 42.70, "198004", 5, "----|0853|0602|1857|0424|2036"},
        {"America/Nuuk", -51.72, 64.18, "202403", 30, "0417|0546|0650|2014|0337|----"},
        {"Pacific/Apia", -171.76, -13.83, "201112", 30, "----|----|----|----|----|----"}};
    for (const auto& [zone, lon, lat, month, day, want] : cases) {
        const MonthTab tab = Table(calc(month, inZone(lon, lat, zone)));
        std::string cells;
        for (std::size_t col = 1; col <= 6; ++col) cells += (col > 1 ? "|" : "") + tab[day][col];
        EXPECT_EQ(cells, want) << zone;
    }
    EXPECT_EQ(Table(calc("204407", inZone(51.39, 35.69, "Asia/Tehran"))), Table(calc("204407", at(51.39, 35.69, 3.5))));
}

// Clock times on a switch day: a day starting at 00:00 whose clock is put
// back half an hour (Lord Howe Island) or an hour, or forward an hour, at
// 02:00; elapsed hours after midnight and the time shown.  01:59:54 rounds
// onto the switch: the last minute before it.
TEST(NamedZone, ClockTimesAroundASwitch) {
    const std::tuple<double, double, int> cases[] = {
        {-0.5, 2 - 6 / 3600.0, 159}, {-0.5, 2 - 40 / 3600.0, 159}, {-0.5, 2, 130}, {-0.5, 3, 230},
        {-1, 2 - 6 / 3600.0, 159},   {-1, 2.5, 130},               {1, 2 - 6 / 3600.0, 159}, {1, 2, 300},
        {1, 0.5, 30}};
    for (const auto& [shift, elapsed, hhmm] : cases) {
        const zone::DayClock k{
            .plain = false, .lengthHours = 24 - shift, .switches = 1, .switchAt = {2}, .shiftHours = {shift}};
        EXPECT_EQ(ClockMinute(k, elapsed), hhmm) << shift << " " << elapsed;
    }
}

// Random months and places, poles included: under the standard rule and
// under (nautical, Moon at most 15 %) every piece lies inside its night, in
// time order without overlaps, and every standard piece lies inside a piece
// of the wider rule (the Sun below -18 degrees is below -12, a Moon that
// spoils nothing under the standard rule spoils nothing under the other),
// so the standard rule never gives a night more dark minutes.
TEST(Nights, RulesNestInsideTheirNights) {
    std::mt19937 rng(31u);
    std::uniform_int_distribution<int> year(1900, 2100), mon(1, 12), tz(-12, 12);
    std::uniform_real_distribution<double> lon(-180.0, 180.0), lat(-90.0, 90.0);
    const DarkRule wide{Horizon::Nautical, 15};
    for (int n = 0; n < 120; ++n) {
        const Place p = at(lon(rng), n % 12 == 0 ? 89.5 : lat(rng), tz(rng));
        const Month m = CalculateMonth({year(rng), mon(rng)}, p);
        SCOPED_TRACE(testing::Message() << m.ym.year << "-" << m.ym.month << " lon " << p.longitude << " lat " << p.latitude);
        const Month next = CalculateMonth(calendar::ShiftedMonth(m.ym, 1), p);
        const auto standard = Nights(m, next), wider = Nights(m, next, wide);
        ASSERT_EQ(standard.size(), wider.size());
        for (std::size_t i = 0; i < standard.size(); ++i) {
            for (const auto* night : {&standard[i], &wider[i]})
                for (std::size_t k = 0; k < night->dark.size(); ++k) {
                    const NightPiece& piece = night->dark[k];
                    EXPECT_TRUE(night->noon <= piece.begin && piece.begin < piece.end && piece.end <= night->nextNoon &&
                                (k == 0 || night->dark[k - 1].end < piece.begin)) << "night " << i + 1 << " piece " << k;
                }
            for (const NightPiece& s : standard[i].dark)
                EXPECT_TRUE(std::any_of(wider[i].dark.begin(), wider[i].dark.end(),
                                        [&](const NightPiece& w) { return w.begin <= s.begin && s.end <= w.end; }))
                    << "night " << i + 1 << " " << s.beginHhmm << "-" << s.endHhmm;
            EXPECT_LE(standard[i].darkMinutes, wider[i].darkMinutes) << "night " << i + 1;
        }
        if (testing::Test::HasFailure()) return;
    }
}
