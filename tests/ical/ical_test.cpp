// The iCalendar writer (folding, escaping, UTC date-times), the Moon's
// illuminated fraction and the dark intervals' times and texts in a named
// zone.  The calendar's frame and event properties are read
// back by an independent parser in check_ics.py.
#include <gtest/gtest.h>

#include <string>

#include "astro/calendar.h"
#include "ical/darknights.h"
#include "ical/icalendar.h"
#include "report/reporter.h"

using namespace ical;

TEST(ICalText, EscapesTextValues) {
    // RFC 5545 3.3.11: backslash, semicolon, comma and line breaks.
    const std::pair<std::string, std::string> cases[] = {
        {"plain", "plain"}, {"a,b;c\\d", "a\\,b\\;c\\\\d"},
        {"one\ntwo\r\nthree\rfour", "one\\ntwo\\nthree\\nfour"},
        {"48.25\xC2\xB0 N, 16.33\xC2\xB0 E", "48.25\xC2\xB0 N\\, 16.33\xC2\xB0 E"}};
    for (const auto& [in, out] : cases) EXPECT_EQ(EscapeText(in), out) << in;
}

TEST(ICalText, FoldsAt75OctetsWithoutSplittingUtf8) {
    // Lengths around the limit, and two- and three-octet characters placed
    // so that a plain cut at 75 octets would fall inside them.
    const std::string cases[] = {
        std::string(75, 'a'), std::string(76, 'a'), std::string(300, 'x'),
        std::string(74, 'a') + "\xC2\xB0" + std::string(80, 'b'),
        std::string(73, 'a') + "\xE2\x80\x94\xE2\x80\x94\xE2\x80\x94" + std::string(90, 'c')};
    for (const std::string& line : cases) {
        // Each physical line ends in CR LF, holds at most 75 octets, starts
        // with a blank after the first and never inside a character.
        const std::string folded = FoldLine(line);
        std::string unfolded;
        std::size_t p = 0, n = 0;
        for (std::size_t q; (q = folded.find("\r\n", p)) != std::string::npos; p = q + 2, ++n) {
            EXPECT_LE(q - p, 75u);
            const std::size_t start = p + (n > 0);
            ASSERT_TRUE(n == 0 || folded[p] == ' ') << n;
            EXPECT_NE(static_cast<unsigned char>(folded[start]) & 0xC0, 0x80) << "line " << n;
            unfolded += folded.substr(start, q - start);
        }
        EXPECT_EQ(p, folded.size());
        EXPECT_EQ(unfolded, line);
        EXPECT_EQ(n == 1, line.size() <= 75);
    }
}

TEST(ICalText, UtcDateTimes) {
    // Unix times of known instants (date -u -d ... +%s).
    const std::pair<UnixTime, const char*> cases[] = {
        {0, "19700101T000000Z"},           {1717281420, "20240601T223700Z"},
        {951782400, "20000229T000000Z"},   {4133980799, "21001231T235959Z"},
        {-2208988800, "19000101T000000Z"}, {-1, "19691231T235959Z"}};
    for (const auto& [t, text] : cases) EXPECT_EQ(UtcDateTime(t), text);
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
        EXPECT_NEAR(IlluminatedFraction(astro::mjd(2024, 6, c.day, c.hour + c.minute / 60.0)), c.fraction,
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
    const month::Location vienna{16.33, 48.25, 1, "Europe/Vienna"};
    report::SilentReporter quiet;
    const auto r = month::CalculateMonth("202610", false, vienna, quiet);
    const auto intervals = DarkIntervals(*r, {vienna, false});
    const auto events = DarkNightEvents({*r}, {vienna, false});
    ASSERT_EQ(intervals.size(), events.size());
    ASSERT_GE(events.size(), 5u);
    EXPECT_EQ(events[0].uid, "20261001T181800Z-48.2500N16.3300E-dark@almucan");
    EXPECT_NE(events[0].description.find("from Thu 1 Oct 2026 20:18 to Thu 1 Oct 2026 20:43"), std::string::npos);
    for (std::size_t i = 0; i < events.size(); ++i) {
        for (auto [clock, utc] : {std::pair{intervals[i].begin, events[i].start},
                                  std::pair{intervals[i].end, events[i].end}})
            EXPECT_EQ(utc, (clock - (clock < 29881560 ? 120 : 60)) * 60) << i;
        EXPECT_NE(events[i].description.find("(local time, Europe/Vienna)"), std::string::npos);
    }
}
