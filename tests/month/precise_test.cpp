// The precise ephemeris against the US Naval Observatory's published rise
// and set times of 2019, on grazing days at 69.6 N against Astronomy
// Engine, and on named zones' clocks (tests/data/README.md).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "month/monthcalc.h"
#include "zone/zone.h"

using namespace month;

namespace {

// An event: body, direction and UTC minute (minutes since MJD 0).
struct Event {
    bool moon = false, rise = false;
    long long minute = 0;
};

std::vector<Event> usnoEvents() {
    std::ifstream in(ALMUCAN_TEST_DATA "/usno-riseset-2019.txt");
    std::vector<Event> out;
    std::string line;
    while (std::getline(in, line)) {
        char body[8], kind;
        double lon, lat;
        int y, mo, d, h, mi;
        if (std::sscanf(line.c_str(), "%7s %lf %lf %d-%d-%dT%d:%dZ %c", body, &lon, &lat, &y, &mo, &d, &h, &mi, &kind) != 9)
            continue;
        const auto day = static_cast<long long>(calendar::Mjd(y, mo, d, 0));
        out.push_back({std::string(body) == "Moon", kind == 'r', day * 1440 + h * 60 + mi});
    }
    return out;
}

// Every Moon (or Sun) rise and set of 2019 at a place on UTC, rounded to the minute.
std::vector<Event> yearEvents(bool moon, const Place& place, Ephemeris e) {
    std::vector<Event> out;
    for (int m = 1; m <= 12; ++m) {
        const Month month = CalculateMonth(YearMonth{2019, m}, place, e);
        for (int d = 1; d <= month.dayRows; ++d)
            for (const Crossing& c : month.day(d).horizon(moon ? Horizon::Moon : Horizon::Sun).crossings)
                out.push_back({moon, c.direction == Direction::Rise,
                               std::llround(month.day(d).startMjd * 1440) + c.minute});
    }
    return out;
}

}  // namespace

// USNO: the Sun at 0 E 60 N, the Moon at 81 W 29 N.  Every line has an
// event of the same kind within 30 minutes and no event of 2019 is
// without its line; the precise minutes equal USNO's in at least 97.5 %
// of the lines of each kind and are never more than one minute off.  The
// standard method's share is printed beside it.
TEST(Precise, MatchesTheNavalObservatorysTables) {
    const std::vector<Event> usno = usnoEvents();
    ASSERT_EQ(usno.size(), 1435u);
    const char* names[4] = {"Sun rise", "Sun set", "Moon rise", "Moon set"};
    for (Ephemeris e : {Ephemeris::Precise, Ephemeris::Standard}) {
        EXPECT_EQ(EphemerisNamed(EphemerisName(e)), e);  // the names round trip, exactly
        EXPECT_FALSE(EphemerisNamed(" precise") || EphemerisNamed("Standard"));
        const bool precise = e == Ephemeris::Precise;
        const std::vector<Event> sun = yearEvents(false, {0, 60, {0, false, ""}, ""}, e);
        const std::vector<Event> moon = yearEvents(true, {-81, 29, {0, false, ""}, ""}, e);
        for (int k = 0; k < 4; ++k) {
            const bool isMoon = k >= 2, rise = k % 2 == 0;
            long long lines = 0, same = 0, worst = 0, missed = 0, ours = 0;
            for (const Event& u : usno) {
                if (u.moon != isMoon || u.rise != rise) continue;
                ++lines;
                long long best = 9999;
                for (const Event& c : isMoon ? moon : sun)
                    if (c.rise == rise && std::llabs(c.minute - u.minute) < std::llabs(best)) best = c.minute - u.minute;
                if (std::llabs(best) > 30) {
                    ++missed;
                    continue;
                }
                same += best == 0;
                worst = std::max(worst, std::llabs(best));
            }
            for (const Event& c : isMoon ? moon : sun) ours += c.rise == rise;
            const double share = 100.0 * static_cast<double>(same) / static_cast<double>(lines);
            std::printf("%-9s %-10s %4lld lines, %5.1f %% the same minute, at most %lld off, %lld missed, %lld events\n",
                        precise ? "precise" : "standard", names[k], lines, share, worst, missed, ours);
            if (!precise) continue;
            SCOPED_TRACE(names[k]);
            EXPECT_GE(share, 97.5);
            EXPECT_LE(worst, 1);
            EXPECT_EQ(missed, 0);
            EXPECT_EQ(ours, lines);
        }
    }
}

// Days on which the Moon only skims the horizon at 69.6 N 18.95 E (UTC):
// up (or down) for half an hour or less, crossing at a grazing angle where
// an arc-minute of altitude moves a crossing by ten minutes.  Expected
// instants: Astronomy Engine 2.1.19 (npm astronomy-engine),
// SearchRiseSet(Body.Moon, Observer(69.6, 18.95, 0), +1/-1, the day's
// 00:00 UT, ...), seconds after 00:00 UT.  The precise crossings lie
// within half a minute of them (6 s measured); the standard method's
// offsets are printed (it misses 24 July 2018, 8 June 2027 and 9 April
// 2023 entirely and is 9 to 11 minutes off on the others).  On 9 April
// 2023 the Moon shows for only four to six minutes, less than the search's
// sampling step: a few arc seconds between the two Moon theories move
// those crossings by 53 s, and a minute is allowed.
TEST(Precise, GrazingMoonAgreesWithAstronomyEngine) {
    const struct {
        int y, m, d;
        Direction first;
        double firstSeconds, secondSeconds;
    } days[] = {
        {2018, 4, 7, Direction::Rise, 13295.1, 15869.6},   // 03:41:35.1, 04:24:29.6
        {2018, 7, 24, Direction::Rise, 72894.7, 74644.1},  // 20:14:54.7, 20:44:04.1
        {2018, 7, 26, Direction::Rise, 78536.7, 81068.9},  // 21:48:56.7, 22:31:08.9
        {2018, 11, 13, Direction::Rise, 54252.9, 56681.1}, // 15:04:12.9, 15:44:41.1
        {2023, 4, 9, Direction::Rise, 2787.8, 3028.7},     // 00:46:27.8, 00:50:28.7
        {2025, 8, 8, Direction::Rise, 80974.6, 82690.0},   // 22:29:34.6, 22:58:10.0
        {2027, 6, 8, Direction::Set, 7129.8, 8245.3},      // 01:58:49.8, 02:17:25.3
    };
    const Place tromso{18.95, 69.6, {0, false, ""}, ""};
    for (const auto& g : days) {
        SCOPED_TRACE(g.y * 10000 + g.m * 100 + g.d);
        const Month precise = CalculateMonth(YearMonth{g.y, g.m}, tromso, Ephemeris::Precise);
        const std::vector<Crossing>& c = precise.day(g.d).horizon(Horizon::Moon).crossings;
        ASSERT_EQ(c.size(), 2u);
        EXPECT_EQ(c[0].direction, g.first);
        EXPECT_NE(c[1].direction, g.first);
        const double within = g.d == 9 ? 60 : 30;
        EXPECT_NEAR(c[0].elapsed * 3600, g.firstSeconds, within);
        EXPECT_NEAR(c[1].elapsed * 3600, g.secondSeconds, within);
        EXPECT_TRUE(c[0].inCell && c[1].inCell);
        const Month standard = CalculateMonth(YearMonth{g.y, g.m}, tromso, Ephemeris::Standard);
        std::printf("%04d-%02d-%02d precise %+.0f s %+.0f s; standard", g.y, g.m, g.d,
                    c[0].elapsed * 3600 - g.firstSeconds, c[1].elapsed * 3600 - g.secondSeconds);
        for (const Crossing& s : standard.day(g.d).horizon(Horizon::Moon).crossings)
            std::printf(" %+.1f min", (s.elapsed * 3600 - (s.direction == g.first ? g.firstSeconds : g.secondSeconds)) / 60);
        std::printf("\n");
    }
}

// Named zones' switch days and a skipped date (Apia, 30 December 2011):
// the precise month has the standard month's days (dates, first and last
// instants, clock shifts, skipped days); every crossing lies in its day
// and shows the clock time of its instant by the zone's offset there
// (zone::OffsetHoursAt), rounded to the minute.
TEST(Precise, NamedZonesShowTheClockInForce) {
    const struct { const char* zone; double lon, lat; int y, m; } months[] = {
        {"Europe/Vienna", 16.33, 48.2, 2026, 3},      {"America/New_York", -74, 40.7, 2026, 11},
        {"Australia/Lord_Howe", 159.08, -31.55, 2026, 4}, {"Pacific/Apia", -171.75, -13.83, 2011, 12},
    };
    int skipped = 0;
    for (const auto& z : months) {
        SCOPED_TRACE(z.zone);
        const Place place{z.lon, z.lat, {0, false, z.zone}, ""};
        const Month p = CalculateMonth(YearMonth{z.y, z.m}, place, Ephemeris::Precise);
        const Month s = CalculateMonth(YearMonth{z.y, z.m}, place, Ephemeris::Standard);
        for (int d = 1; d <= 31; ++d) {
            const Day& day = p.day(d);
            EXPECT_EQ(std::tuple(day.exists, day.startMjd, day.endMjd, day.clockShift, day.dayOfMonth),
                      std::tuple(s.day(d).exists, s.day(d).startMjd, s.day(d).endMjd, s.day(d).clockShift,
                                 s.day(d).dayOfMonth));
            skipped += !day.exists;
            const double midnight = calendar::Mjd(day.date.year, day.date.month, day.dayOfMonth, 0);
            for (const HorizonDay& h : day.horizons) {
                for (const Crossing& c : h.crossings) {
                    ASSERT_TRUE(day.exists && c.mjd >= day.startMjd && c.mjd < day.endMjd) << d;
                    const auto minutes = std::llround((c.mjd + *zone::OffsetHoursAt(z.zone, c.mjd) / 24 - midnight) * 1440);
                    // Not within a minute of a switch, where the last minute before it is shown.
                    if (*zone::OffsetHoursAt(z.zone, c.mjd + 1.0 / 1440) == *zone::OffsetHoursAt(z.zone, c.mjd - 1.0 / 1440)) {
                        EXPECT_EQ(c.hhmm, minutes / 60 * 100 + minutes % 60) << d;
                    }
                }
            }
        }
        EXPECT_EQ(p.intervals.empty(), s.intervals.empty());
    }
    EXPECT_EQ(skipped, 1);
}

// Random months and places, poles and the date line included: on each
// horizon the crossings alternate and every day begins on the side where
// the day before ended, so no crossing is missed or found twice, grazing
// passes included (a fixed seed: the same cases each run).
TEST(Precise, CrossingsAlternateAcrossDays) {
    std::mt19937 rng(32);
    std::uniform_real_distribution<double> u(0, 1);
    for (int i = 0; i < 60; ++i) {
        const double lat = i < 3 ? 90.0 - 90 * i : u(rng) * 180 - 90, lon = i == 3 ? 180 : u(rng) * 360 - 180;
        const YearMonth ym{1900 + static_cast<int>(u(rng) * 201), 1 + static_cast<int>(u(rng) * 12)};
        const Month m = CalculateMonth(ym, {lon, lat, {std::round(lon / 15), false, ""}, ""}, Ephemeris::Precise);
        for (std::size_t h = 0; h < kHorizons; ++h) {
            bool above = m.day(1).horizons[h].aboveAtStart;
            for (int d = 1; d <= 31; ++d) {
                ASSERT_EQ(m.day(d).horizons[h].aboveAtStart, above) << ym.year << "-" << ym.month << "-" << d << " " << lat;
                for (const Crossing& c : m.day(d).horizons[h].crossings) {
                    ASSERT_EQ(c.direction, above ? Direction::Set : Direction::Rise) << ym.year << " " << d << " " << lat;
                    above = !above;
                }
            }
        }
    }
}
