// The year chart drawn on a recording surface from the command line's
// year of nights, against each month's nights calculated on their own.
#include <gtest/gtest.h>

#include <cmath>
#include <set>
#include <utility>
#include <vector>

#include "cli/cli.h"
#include "render/nightband.h"
#include "recording_reporter.h"
#include "recording_surface.h"

namespace {

// Clock hours after 12:00 of a night's clock time hhmm: the morning's
// times after midnight (24 and more), 12:00 at a piece's end the next noon.
double NightHours(int hhmm, bool end) {
    double h = hhmm / 100 + (hhmm % 100) / 60.0;
    if (h < 12 || (end && hhmm == 1200)) h += 24;
    return h - 12;
}

}  // namespace

// Every row is one night, in order (366 in a leap year), and its boxes of
// the darkest shade are that night's dark-and-no-Moon pieces as
// month::Nights gives them for its own month: a clock-change night (Vienna,
// March and October) drawn as the clock reads, so there only the first
// begin and the last end are compared.  Tromsø has nights with no dark
// at all (May to July) and polar winter nights.
TEST(YearChart, RowsAreTheMonthsNights) {
    const struct {
        int year;
        zone::Place place;
        std::size_t rows;
    } cases[] = {{2024, {16.33, 48.25, {1, false, "Europe/Vienna"}, "Vienna"}, 366},
                 {2025, {18.95508, 69.6489, {1, false, "Europe/Oslo"}, "Tromsø"}, 365}};
    for (const auto& c : cases) {
        month::Months store(c.place);
        const std::vector<month::Night> nights = month::NightsOf(store, {c.year, 1}, 12);
        RecordingSurface s;
        s.height = 1400;
        RecordingReporter rep;
        const render::PrintStyle style;
        render::PageLayout L;
        const render::OutputDevice device = render::OutputDevice::Screen;
        render::Output out(s, nullptr, device);
        render::PageContext ctx{out, L, style, "", rep};
        ASSERT_TRUE(render::DrawYearChart(ctx, {c.year, &nights, &store, false, std::nullopt}));
        // Each row's dark spans in hours after 12:00, boxes that touch joined.
        std::vector<std::vector<std::pair<double, double>>> drawn(c.rows);
        std::set<long> rows;
        for (const RecordingSurface::Op& b : s.boxes) {
            const double r = (b.y - L.top) / L.rowHeight;
            if (b.x < L.graphLeft - 0.01 || r < -0.01 || r > static_cast<double>(c.rows) - 0.5) continue;
            const auto i = static_cast<std::size_t>(std::lround(r));
            rows.insert(static_cast<long>(i));
            if (b.color != render::NightPageShades(false).of(render::BandKind::Dark)) continue;
            const double from = (b.x - L.graphLeft) / L.hourWidth, to = from + b.w / L.hourWidth;
            auto& v = drawn[i];
            if (!v.empty() && std::abs(v.back().second - from) < 1e-3) v.back().second = to;
            else v.emplace_back(from, to);
        }
        EXPECT_EQ(rows.size(), c.rows);
        std::size_t i = 0, pieces = 0;
        for (int m = 1; m <= 12; ++m) {
            const month::Month cur = month::CalculateMonth(month::YearMonth{c.year, m}, c.place);
            const month::Month next = month::CalculateMonth(calendar::ShiftedMonth(cur.ym, 1), c.place);
            for (const month::Night& n : month::Nights(cur, next)) {
                ASSERT_LT(i, c.rows);
                const auto& v = drawn[i++];
                const std::string at = std::to_string(m) + "/" + std::to_string(n.dayOfMonth);
                const bool clockChange = cur.day(n.dayOfMonth).clockShift != 0 ||
                                         (n.dayOfMonth < cur.dayRows ? cur.day(n.dayOfMonth + 1) : next.day(1)).clockShift != 0;
                ASSERT_EQ(v.empty(), n.dark.empty()) << at;
                if (n.dark.empty()) continue;
                // Times to the minute: half a minute either way.
                EXPECT_NEAR(v.front().first, NightHours(n.dark.front().beginHhmm, false), 0.51 / 60) << at;
                EXPECT_NEAR(v.back().second, NightHours(n.dark.back().endHhmm, true), 0.51 / 60) << at;
                if (clockChange) continue;
                ASSERT_EQ(v.size(), n.dark.size()) << at;
                for (std::size_t k = 0; k < v.size(); ++k, ++pieces) {
                    EXPECT_NEAR(v[k].first, NightHours(n.dark[k].beginHhmm, false), 0.51 / 60) << at;
                    EXPECT_NEAR(v[k].second, NightHours(n.dark[k].endHhmm, true), 0.51 / 60) << at;
                }
            }
        }
        EXPECT_EQ(i, c.rows);
        EXPECT_GT(pieces, c.rows / 3) << c.year;
    }
}
