// The iCalendar writer (folding, escaping), the Moon's
// illuminated fraction and the dark intervals' times and texts in a named
// zone.  The calendar's frame and event properties are read
// back by an independent parser in check_ics.py.
#include <gtest/gtest.h>

#include <set>

#include "calendar/calendar.h"
#include "astro/sunmoon.h"
#include "ical/darknights.h"
#include "ical/icalendar.h"

using namespace ical;

TEST(ICalText, EscapingAndFolding) {
    // RFC 5545 3.3.11: backslash, semicolon, comma and line breaks.
    const std::pair<std::string, std::string> cases[] = {
        {"plain", "plain"}, {"a,b;c\\d", "a\\,b\\;c\\\\d"},
        {"one\ntwo\r\nthree\rfour", "one\\ntwo\\nthree\\nfour"},
        {"48.25\xC2\xB0 N, 16.33\xC2\xB0 E", "48.25\xC2\xB0 N\\, 16.33\xC2\xB0 E"}};
    for (const auto& [in, out] : cases) EXPECT_EQ(EscapeText(in), out) << in;
    // RFC 5545 3.1: physical lines of at most 75 octets, each continuation
    // after CR LF and a blank; the two- and three-octet characters sit where
    // a plain cut at 75 octets would fall inside them.
    const std::string a73(73, 'a'), deg = "\xC2\xB0", dash = "\xE2\x80\x94", dashes = dash + dash + dash;
    const auto x = [](std::size_t n, char c) { return std::string(n, c); };
    const std::pair<std::string, std::string> folds[] = {
        {a73 + "aa", a73 + "aa\r\n"},
        {a73 + "aaa", a73 + "aa\r\n a\r\n"},
        {a73 + "a" + deg + x(80, 'b'), a73 + "a\r\n " + deg + x(72, 'b') + "\r\n " + x(8, 'b') + "\r\n"},
        {a73 + dashes + x(90, 'c'), a73 + "\r\n " + dashes + x(65, 'c') + "\r\n " + x(25, 'c') + "\r\n"}};
    for (const auto& [line, folded] : folds) EXPECT_EQ(FoldLine(line), folded) << line.size();
    // UTC date-times are calendar::BasicUtc (CivilDates.EveryDayAndInstantsAgainstGmtime;
    // an event's UID: DarkIntervals.NamedZoneGivesEachDayItsOwnOffset).
}

TEST(Moon, IlluminatedFractionAtPrincipalPhases) {
    // Phases of the Moon 2024, USNO Astronomical Applications Department:
    // new 6 Jun 12:38, first quarter 14 Jun 05:18, full 22 Jun 01:08, last
    // quarter 28 Jun 21:53 (UT).  The geocentric elongation differs from
    // the true phase angle by at most 0.15 degrees, and the low-precision
    // Moon by a few arc minutes: a percent at the quarters.
    const struct { int day, hour, minute; double fraction, tolerance; } cases[] = {
        {6, 12, 38, 0.0, 0.005}, {14, 5, 18, 0.5, 0.01}, {22, 1, 8, 1.0, 0.005}, {28, 21, 53, 0.5, 0.01}};
    for (const auto& c : cases)
        EXPECT_NEAR(astro::IlluminatedFraction(calendar::Mjd(2024, 6, c.day, c.hour + c.minute / 60.0)), c.fraction,
                    c.tolerance) << "day " << c.day;
}

// Every interval of many months and places, also over month ends, is
// checked against the month tables by check_ics.py; here a named zone and
// the texts that name an interval.
TEST(DarkIntervals, NamedZoneGivesEachDayItsOwnOffset) {
    // Vienna, October 2026: UTC+2 before 03:00 summer time on the 25th, UTC+1
    // after; the switch is 29881560 minutes of the local clock after 1970
    // (20751 days and 120 minutes).  The month table's D.a.n.M. cells of
    // day 1: 2018 to 2043; the UID is made of the UTC begin and the place.
    const month::Place vienna{16.33, 48.25, {1, false, "Europe/Vienna"}, ""};
    month::Months months(vienna);
    const auto intervals = DarkIntervals(months.at({2026, 10}), months);
    const auto events = DarkNightEvents({{2026, 10}}, months);
    ASSERT_EQ(intervals.size(), events.size());
    ASSERT_GE(events.size(), 5u);
    EXPECT_EQ(events[0].uid, "20261001T181800Z-48.2500N16.3300E-dark@almucan");
    EXPECT_NE(events[0].description.find("from Thu 1 Oct 2026 20:18 to Thu 1 Oct 2026 20:43"), std::string::npos);
    for (std::size_t i = 0; i < events.size(); ++i) {
        for (auto [clock, utc] : {std::pair{intervals[i].localBegin, events[i].start},
                                  std::pair{intervals[i].localEnd, events[i].end}})
            EXPECT_EQ(utc, (clock - (clock < 29881560 ? 120 : 60)) * 60) << i;
        EXPECT_NE(events[i].description.find("(local time, Europe/Vienna)"), std::string::npos);
    }
}

// Apia skipped 30 Dec 2011 (UTC-10 to UTC+14 at its midnight): the
// interval running past 29 Dec's last minute (moonset 23:59:3x, the table's
// "2400") begins at the first instant that existed, and no description
// names the skipped date.
TEST(DarkIntervals, SkippedDateIsNeitherNamedNorListed) {
    const month::Place apia{-171.77, -13.83, {0, false, "Pacific/Apia"}, "Apia"};
    month::Months months(apia);
    const auto events = DarkNightEvents({{2011, 12}}, months);
    int found = 0;
    for (const Event& e : events) {
        EXPECT_EQ(e.description.find("30 Dec 2011"), std::string::npos) << e.description;
        found += e.description.find("from Sat 31 Dec 2011 00:00 to Sat 31 Dec 2011 05:42") != std::string::npos;
    }
    EXPECT_EQ(found, 1);
}

// LOCATION: the place's name, when it has one, then its coordinates to 4
// decimals, the hemisphere of a coordinate that rounds to 0 north or east
// (Tromsø: the geonames coordinates of tests/place).
TEST(DarkIntervals, LocationIsTheNameAndTheCoordinates) {
    const struct { month::Place place; const char* location; } cases[] = {
        {{18.95508, 69.6489, {1, false, "Europe/Oslo"}, "Troms\xC3\xB8"}, "Troms\xC3\xB8, 69.6489\xC2\xB0 N, 18.9551\xC2\xB0 E"},
        {{-70.67, -33.45, {-4, false, ""}, ""}, "33.4500\xC2\xB0 S, 70.6700\xC2\xB0 W"},
        {{-4e-05, -1e-09, {0, false, ""}, ""}, "0.0000\xC2\xB0 N, 0.0000\xC2\xB0 E"},
        {{-0.00007, -0.00006, {0, false, ""}, ""}, "0.0001\xC2\xB0 S, 0.0001\xC2\xB0 W"}};
    for (const auto& c : cases) {
        month::Months months(c.place);
        const auto events = DarkNightEvents({{2024, 12}}, months);
        std::set<std::string> locations;
        for (const Event& e : events) locations.insert(e.location);
        EXPECT_EQ(locations, std::set<std::string>{c.location});
    }
}
