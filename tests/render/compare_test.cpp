// The compare page of three sites on a recording surface.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "month/months.h"
#include "recording_reporter.h"
#include "recording_surface.h"
#include "render/comparepage.h"
#include "render/nightband.h"
#include "render/nightspage.h"

// Expected values: Tromso (69.65 N) has the midnight Sun in June, so none
// of its nights has dark hours; the third site is Vienna again under
// another name, so it ties with the first on every night and the first
// keeps the mark.  Vienna's minutes are the model's own (month::Nights).
TEST(ComparePage, JuneAtViennaAndTromso) {
    const month::Place vienna{16.37, 48.21, {1, false, "Europe/Vienna"}, ""};
    const month::Place tromso{18.96, 69.65, {1, false, "Europe/Oslo"}, ""};
    month::Months a(vienna), b(tromso);
    std::vector<render::SiteNights> sites = {
        {"Home", &a.at({2024, 6}), month::Nights(a.at({2024, 6}), a.at({2024, 7}))},
        {"North", &b.at({2024, 6}), month::Nights(b.at({2024, 6}), b.at({2024, 7}))},
        {"Home again", &a.at({2024, 6}), month::Nights(a.at({2024, 6}), a.at({2024, 7}))}};
    RecordingSurface picture, printer;
    RecordingReporter reporter;
    render::PrintStyle style;
    render::OutputDevice device = render::OutputDevice::Screen;
    render::PageLayout layout;
    render::Output out{picture, &printer, device};
    render::PageContext ctx{out, layout, style, "202406", reporter};
    ASSERT_TRUE(render::DrawComparePage(ctx, sites, 5));
    long long longest = 0;
    for (const auto& n : sites[0].nights) longest = std::max(longest, n.darkMinutes);
    ASSERT_GT(longest, 60);
    const render::Color dark = render::NightPageShades(false).of(render::BandKind::Dark);
    std::vector<float> widths;  // the dark bars, in the order drawn
    for (const auto& op : picture.boxes)
        if (op.color == dark) widths.push_back(op.w);
    std::size_t bar = 0;
    for (std::size_t i = 0; i < sites[0].nights.size(); ++i) {
        const long long m = sites[0].nights[i].darkMinutes;
        EXPECT_EQ(sites[1].nights[i].darkMinutes, 0);
        EXPECT_EQ(render::BestSite(sites, i), m > 0 ? std::optional<std::size_t>(0) : std::nullopt);
        const double y = layout.top + static_cast<double>(i + 1) * layout.rowHeight;
        std::vector<std::string> row;  // the row's texts, left to right
        for (const auto& op : picture.texts)
            if (std::abs(op.y - y) < 1e-3) row.push_back(op.text);
        const std::string total = render::NightTotalText(m);
        EXPECT_EQ(row, (std::vector<std::string>{render::NightDayText(sites[0].nights[i]), m > 0 ? total + " *" : total,
                                                 "0:00", total}));
        if (m == 0) continue;
        // Both Vienna bars, as long as the minutes over the longest night's.
        ASSERT_LT(bar + 1, widths.size());
        EXPECT_NEAR(widths[bar] / widths[bar + 1], 1, 1e-6);
        EXPECT_NEAR(widths[bar], widths.front() * static_cast<double>(m) / static_cast<double>(sites[0].nights[0].darkMinutes), 0.01);
        bar += 2;
    }
    EXPECT_EQ(bar, widths.size());
}
