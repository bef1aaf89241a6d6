// Invariants of whole months at random dates (1900-2100) and places within
// the location dialog's bounds (longitude -180..180, latitude -90..90, time
// zone whole hours -12..12), with fixed seeds so a failure repeats.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "astro/altitude.h"
#include "astro/calendar.h"
#include "astro/reporter.h"
#include "month/monthcalc.h"

using namespace month;

namespace {

struct Case {
    int year, month;
    Location loc;
    bool summer;
};

Case randomCase(std::mt19937& rng, double maxAbsLat) {
    std::uniform_int_distribution<int> y(1900, 2100), m(1, 12), tz(-12, 12), s(0, 1);
    std::uniform_real_distribution<double> lon(-180.0, 180.0), lat(-maxAbsLat, maxAbsLat);
    Case c{};
    c.year = y(rng);
    c.month = m(rng);
    c.loc = Location{lon(rng), lat(rng), static_cast<double>(tz(rng))};
    c.summer = s(rng) == 1;
    return c;
}

std::string monthText(const Case& c) {
    char buf[8];
    std::snprintf(buf, sizeof buf, "%04d%02d", c.year, c.month);
    return buf;
}

std::string describe(const Case& c) {
    return monthText(c) + " lon " + std::to_string(c.loc.longitude) + " lat " +
           std::to_string(c.loc.latitude) + " tz " + std::to_string(c.loc.timeZone) +
           (c.summer ? " summer" : "");
}

bool isClock(const std::string& c) {
    if (c.size() != 4 || !std::all_of(c.begin(), c.end(), [](char ch) { return ch >= '0' && ch <= '9'; }))
        return false;
    int hh = (c[0] - '0') * 10 + (c[1] - '0');
    int mm = (c[2] - '0') * 10 + (c[3] - '0');
    return (hh < 24 && mm < 60) || c == "2400";
}

// Texts the D.a.n.M. scan copies: characters 3 to 6 of an event key.
bool isScanText(const std::string& c) {
    static const std::vector<std::string> other{"",     "----", "a.h.", "b.h.", "a.b.",
                                                "a.d.", "mr",   "ms",   "de",   "db"};
    return isClock(c) || std::find(other.begin(), other.end(), c) != other.end();
}

std::optional<MonthResult> run(const Case& c) {
    astro::SilentReporter reporter;
    return CalculateMonth(monthText(c), c.summer, c.loc, reporter);
}

}  // namespace

TEST(MonthInvariants, CellTextsKeysAndScanOverRandomMonths) {
    std::mt19937 rng(20240601u);
    for (int n = 0; n < 2500; ++n) {
        Case c = randomCase(rng, 90.0);
        auto r = run(c);
        ASSERT_TRUE(r) << describe(c);
        SCOPED_TRACE(describe(c));
        EXPECT_EQ(r->dayRows, DaysInMonth(c.year, c.month));
        for (std::size_t d = 1; d <= 31; ++d) {
            const auto& row = r->tab[d];
            for (std::size_t col = 1; col <= 5; col += 2) {
                const std::string& a = row[col];
                const std::string& b = row[col + 1];
                bool mark = col == 5 ? (a == "a.b." || a == "a.d.") : (a == "a.h." || a == "b.h.");
                if (mark) {
                    EXPECT_EQ(b, "") << d << "/" << col;
                } else {
                    EXPECT_TRUE(isClock(a) || a == "----") << d << "/" << col << " '" << a << "'";
                    EXPECT_TRUE(isClock(b) || b == "----") << d << "/" << col << " '" << b << "'";
                    EXPECT_FALSE(a == "----" && b == "----") << d << "/" << col;
                }
            }
            EXPECT_TRUE(isScanText(row[7])) << d << " '" << row[7] << "'";
            EXPECT_TRUE(isScanText(row[8])) << d << " '" << row[8] << "'";
            EXPECT_EQ(row[9], "");
        }
        ASSERT_EQ(r->keys.size(), 124u);
        EXPECT_TRUE(std::is_sorted(r->keys.begin(), r->keys.end()));
        std::string clip;
        for (const auto& k : r->keys) clip += k + "\r\n";
        EXPECT_EQ(r->clipboard, clip);
        if (testing::Test::HasFailure()) return;
    }
}

// Each rise (set) written as hhmm: the object's altitude goes up (down)
// through its horizon within a few minutes of that clock time.  Checked
// away from the poles, where the crossings are steep enough for the
// two-hour parabola to place them to the minute.
TEST(MonthInvariants, RiseAndSetAgreeWithAltitudeSamples) {
    std::mt19937 rng(19000101u);
    const double h0[4] = {0.0, astro::sn(static_cast<double>(8.0f / 60.0f)),
                          astro::sn(static_cast<double>(-50.0f / 60.0f)), astro::sn(-18.0)};
    const double tolMinutes = 3.0;  // 1 minute fails on grazing twilight (rise and set 6 min apart)
    int checked = 0;
    for (int n = 0; n < 300; ++n) {
        Case c = randomCase(rng, 60.0);
        auto r = run(c);
        ASSERT_TRUE(r);
        SCOPED_TRACE(describe(c));
        double zone = (c.loc.timeZone + (c.summer ? 1 : 0)) / 24;
        double cphi = astro::cn(c.loc.latitude), sphi = astro::sn(c.loc.latitude);
        for (int d = 1; d <= r->dayRows; ++d) {
            double mjd0 = astro::mjd(c.year, c.month, d, 0) - zone;
            for (int iobj = 1; iobj <= 3; ++iobj) {
                for (int k = 0; k < 2; ++k) {
                    const std::string& cell = r->tab[static_cast<std::size_t>(d)]
                                                    [static_cast<std::size_t>(2 * iobj - 1 + k)];
                    if (!isClock(cell)) continue;
                    double t = std::stoi(cell.substr(0, 2)) + std::stoi(cell.substr(2, 2)) / 60.0;
                    double dt = tolMinutes / 60.0;
                    double before = astro::sinalt(iobj, mjd0, t - dt, -c.loc.longitude, cphi, sphi) - h0[iobj];
                    double after = astro::sinalt(iobj, mjd0, t + dt, -c.loc.longitude, cphi, sphi) - h0[iobj];
                    bool rise = k == 0;
                    EXPECT_TRUE(rise ? (before < 0 && after > 0) : (before > 0 && after < 0))
                        << "day " << d << " obj " << iobj << (rise ? " rise " : " set ") << cell
                        << " f(-) " << before << " f(+) " << after;
                    ++checked;
                }
            }
        }
        if (testing::Test::HasFailure()) return;
    }
    EXPECT_GT(checked, 300 * 28 * 4);
}
