// Invariants of whole months at random dates (1900-2100) and places within
// the location dialog's bounds (longitude -180..180, latitude -90..90, time
// zone whole hours -12..12, summer time or not), with a fixed seed so a
// failure repeats.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <string>

#include "astro/altitude.h"
#include "astro/calendar.h"
#include "celltext.h"
#include "month/monthcalc.h"
#include "report/reporter.h"

using namespace month;
using testsupport::IsClock;
using testsupport::Minutes;

namespace {
// Whether the Moon (col 1) or the Sun below -18 degrees (col 5) is up
// (1) or down (0) at minute t of a day, read from that day's cells alone:
// its last rise or set at or before t, else the opposite of its first one
// after t, else its day mark; -1 where the cells do not tell.
int upAt(const MonthTab::value_type& row, std::size_t col, int t) {
    const std::string &rise = row[col], &set = row[col + 1];
    if (rise == (col == 1 ? "a.h." : "a.b.")) return 1;
    if (rise == (col == 1 ? "b.h." : "a.d.")) return 0;
    const int r = IsClock(rise) ? Minutes(rise) : -1, s = IsClock(set) ? Minutes(set) : -1;
    const int lastR = r <= t ? r : -1, lastS = s <= t ? s : -1;
    if (lastR >= 0 || lastS >= 0) return lastR > lastS ? 1 : 0;
    const int nextR = r > t ? r : 100000, nextS = s > t ? s : 100000;
    return nextR == nextS ? -1 : nextR > nextS;
}
}  // namespace

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
    const double h0[4] = {0.0, HorizonSine(1), HorizonSine(2), HorizonSine(3)};
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
        report::SilentReporter quiet;
        const auto r = CalculateMonth(text, summer, loc, quiet);
        ASSERT_TRUE(r);
        ASSERT_EQ(r->keys.size(), 124u);
        EXPECT_TRUE(std::is_sorted(r->keys.begin(), r->keys.end()));
        const double zone = (loc.timeZone + (summer ? 1 : 0)) / 24;
        const double cphi = astro::cn(loc.latitude), sphi = astro::sn(loc.latitude);
        for (std::size_t d = 1; d <= 31; ++d) {
            const auto& row = r->tab[d];
            for (std::size_t col = 1; col <= 5; col += 2)
                EXPECT_TRUE(testsupport::ValidEventPair(row[col], row[col + 1], static_cast<int>(col)))
                    << "day " << d << " '" << row[col] << "' '" << row[col + 1] << "'";
            const double mjd0 = astro::mjd(y, m, static_cast<int>(d), 0) - zone;
            const bool steep = std::abs(loc.latitude) <= 60 && d <= static_cast<std::size_t>(r->dayRows);
            for (std::size_t col = 1; col <= 6; ++col) {
                if (!steep || !IsClock(row[col])) continue;
                const int obj = static_cast<int>(col + 1) / 2;
                const double t = Minutes(row[col]) / 60.0, dt = 3 / 60.0;
                const double before = astro::sinalt(obj, mjd0, t - dt, -loc.longitude, cphi, sphi) - h0[obj];
                const double after = astro::sinalt(obj, mjd0, t + dt, -loc.longitude, cphi, sphi) - h0[obj];
                EXPECT_TRUE(col % 2 == 1 ? before < 0 && after > 0 : before > 0 && after < 0)
                    << "day " << d << " col " << col << " " << row[col] << " f(-) " << before << " f(+) " << after;
                ++timed;
            }
            const int moon0 = upAt(row, 1, -1), bright0 = upAt(row, 5, -1);
            const bool mended = (moon0 >= 0 && (moon0 == 1) != r->midnight[d].moonUp) ||
                                (bright0 >= 0 && (bright0 == 1) == r->midnight[d].dark);
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
