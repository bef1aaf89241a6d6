// The iCalendar writer (folding, escaping, UTC date-times), the Moon's
// illuminated fraction and the dark-interval walk across month boundaries.
#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "astro/calendar.h"
#include "report/reporter.h"
#include "ical/darknights.h"
#include "ical/icalendar.h"

using namespace ical;

namespace {
std::vector<std::string> physicalLines(const std::string& folded) {
    std::vector<std::string> lines;
    std::size_t p = 0;
    while (p < folded.size()) {
        std::size_t q = folded.find("\r\n", p);
        EXPECT_NE(q, std::string::npos) << "line without CR LF";
        if (q == std::string::npos) break;
        lines.push_back(folded.substr(p, q - p));
        p = q + 2;
    }
    return lines;
}
bool validUtf8Start(const std::string& s) {
    return s.empty() || (static_cast<unsigned char>(s[0]) & 0xC0) != 0x80;
}
}  // namespace

TEST(ICalText, EscapesTextValues) {
    // RFC 5545 3.3.11: backslash, semicolon, comma and line breaks.
    const std::pair<std::string, std::string> cases[] = {
        {"plain", "plain"},
        {"a,b;c\\d", "a\\,b\\;c\\\\d"},
        {"one\ntwo\r\nthree\rfour", "one\\ntwo\\nthree\\nfour"},
        {"48.25\xC2\xB0 N, 16.33\xC2\xB0 E", "48.25\xC2\xB0 N\\, 16.33\xC2\xB0 E"},
    };
    for (const auto& [in, out] : cases) EXPECT_EQ(EscapeText(in), out) << in;
}

TEST(ICalText, FoldsAt75OctetsWithoutSplittingUtf8) {
    // Lengths around the limit, and two- and three-octet characters placed
    // so that a plain cut at 75 octets would fall inside them.
    const std::string cases[] = {
        std::string(75, 'a'),
        std::string(76, 'a'),
        std::string(300, 'x'),
        std::string(74, 'a') + "\xC2\xB0" + std::string(80, 'b'),
        std::string(73, 'a') + "\xE2\x80\x94" + "\xE2\x80\x94\xE2\x80\x94" + std::string(90, 'c'),
        [] {
            std::string s;
            for (int i = 0; i < 120; ++i) s += "\xC3\xA9";  // 240 octets of é
            return s;
        }(),
    };
    for (const std::string& line : cases) {
        std::string folded = FoldLine(line);
        auto lines = physicalLines(folded);
        std::string unfolded;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            EXPECT_LE(lines[i].size(), 75u);
            std::string content = lines[i];
            if (i > 0) {
                ASSERT_FALSE(content.empty());
                EXPECT_EQ(content[0], ' ');
                content.erase(0, 1);
            }
            EXPECT_TRUE(validUtf8Start(content)) << "line " << i << " starts inside a character";
            unfolded += content;
        }
        EXPECT_EQ(unfolded, line);
        EXPECT_EQ(lines.size() == 1, line.size() <= 75);
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

// The calendar's frame and event properties are read back by an
// independent parser in check_ics.py.

TEST(Moon, IlluminatedFractionAtPrincipalPhases) {
    // Phases of the Moon 2024, USNO Astronomical Applications Department:
    // new 6 Jun 12:38, first quarter 14 Jun 05:18, full 22 Jun 01:08, last
    // quarter 28 Jun 21:53 (UT).  The geocentric elongation differs from
    // the true phase angle by at most 0.15 degrees, and the low-precision
    // Moon by a few arc minutes: a percent at the quarters.
    struct Case {
        int day, hour, minute;
        double fraction, tolerance;
    } cases[] = {{6, 12, 38, 0.0, 0.005},
                 {14, 5, 18, 0.5, 0.01},
                 {22, 1, 8, 1.0, 0.005},
                 {28, 21, 53, 0.5, 0.01}};
    for (const auto& c : cases) {
        double m = astro::mjd(2024, 6, c.day, c.hour + c.minute / 60.0);
        EXPECT_NEAR(IlluminatedFraction(m), c.fraction, c.tolerance) << "day " << c.day;
    }
}

namespace {
month::MonthResult calc(const char* text, const month::Location& loc) {
    report::SilentReporter quiet;
    return *month::CalculateMonth(text, false, loc, quiet);
}
// Local clock minutes since 1970 of a date and "hhmm".
long long local(int y, int m, int d, int hhmm) {
    return std::llround(astro::mjd(y, m, d, 0) - 40587) * 1440 + hhmm / 100 * 60 + hhmm % 100;
}
}  // namespace

// Every interval of many months and places is checked against the month
// tables by check_ics.py; here the cases where a month boundary cuts one.
TEST(DarkIntervals, MonthBoundariesAndPolarNight) {
    // Tables of the month calculation (D.a.n.M. columns, local time):
    // Vienna June 2024: day 1 begin 2247 end 0101 (the end of an interval
    // running at midnight), day 2 end 0058.  Tromso December 2024: day 1
    // begin 1704, day 2 end 0604.
    const month::Location vienna{16.33, 48.25, 1}, tromso{18.96, 69.65, 1};
    Place atVienna{vienna, false}, atTromso{tromso, false};

    auto june = DarkIntervals(calc("202406", vienna), atVienna);
    ASSERT_FALSE(june.empty());
    EXPECT_EQ(june.front().begin, local(2024, 6, 1, 2247));
    EXPECT_EQ(june.front().end, local(2024, 6, 2, 58));
    // The interval running at 00:00 of 1 June is May's, written whole.
    auto may = DarkIntervals(calc("202405", vienna), atVienna);
    ASSERT_FALSE(may.empty());
    EXPECT_EQ(may.back().end, local(2024, 6, 1, 101));
    EXPECT_LT(may.back().begin, local(2024, 6, 1, 0));

    // UTC: the local clock minus zone and summer hour; the UID from the UTC
    // begin and the place, so summer time on or off names the same interval.
    auto events = DarkNightEvents({calc("202412", tromso)}, atTromso);
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(UtcDateTime(events.front().start), "20241201T160400Z");
    EXPECT_EQ(events.front().uid, "20241201T160400Z-69.6500N18.9600E-dark@almucan");
    EXPECT_NE(events.front().description.find("from Sun 1 Dec 2024 17:04 to Mon 2 Dec 2024 06:04"), std::string::npos);
}
