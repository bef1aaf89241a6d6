// The Nights page's band of known nights from the model, and the page on a
// recording surface.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "month/months.h"
#include "recording_reporter.h"
#include "recording_surface.h"
#include "render/nightspage.h"

using render::BandKind;

namespace {

const month::Place kVienna{16.37, 48.21, {1, false, "Europe/Vienna"}, ""};
const month::Place kTromso{18.96, 69.65, {1, false, "Europe/Oslo"}, ""};

// Clock hours after 12:00 of a crossing's clock time (its hhmm).
double ClockHour(const month::Crossing* c) {
    const double h = c->hhmm / 100 + c->hhmm % 100 / 60.0 - 12;
    return h < 0 ? h + 24 : h;
}

bool Has(const render::NightBand& b, BandKind k) {
    return std::any_of(b.spans.begin(), b.spans.end(), [k](const render::BandSpan& s) { return s.kind == k; });
}

}  // namespace

// Expected values: the new and full Moon dates from the published phase
// tables (full Moon 2024-06-22 01:08 UT, three hours after Vienna's local
// midnight of that night; new Moon 2024-06-06 12:38 UT, fifteen hours
// after; last quarter 2024-04-01 03:15 UT and 2024-12-22 22:18 UT, so
// the Moon of the nights of 30 March and 21 December is between half and
// full); Austria's clock goes forward at 02:00 on 31 March 2024; Tromso
// (69.65 N) has the midnight Sun on 21 June (lowest altitude
// 69.65 + 23.44 - 90 = +3.1 degrees) and on 21 December reaches only
// 90 - 69.65 - 23.44 = -3.1 degrees at noon (civil twilight, no day).  The edges of the night and dark spans are the model's own -18
// degree crossings and dark pieces, read through their clock times.
TEST(NightBand, KnownNights) {
    const struct {
        const char* what;
        month::Place place;
        month::YearMonth ym;
        int evening;
        double realHours, minMoon, maxMoon;
        bool day, night, dark;
    } cases[] = {
        {"full Moon", kVienna, {2024, 6}, 21, 24, 0.99, 1, true, true, false},
        {"new Moon", kVienna, {2024, 6}, 5, 24, 0, 0.01, true, true, true},
        {"clock change", kVienna, {2024, 3}, 30, 23, 0.5, 0.9, true, true, true},
        {"polar summer", kTromso, {2024, 6}, 21, 24, 0.99, 1, true, false, false},
        {"polar winter", kTromso, {2024, 12}, 21, 24, 0.5, 0.7, false, true, true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        month::Months store(c.place);
        const month::Month& m = store.at(c.ym);
        const month::Month& next = store.at(calendar::ShiftedMonth(c.ym, 1));
        const month::Night n = month::Nights(m, next)[static_cast<std::size_t>(c.evening - 1)];
        const render::NightBand band = render::NightBandOf(n, m, next);
        EXPECT_NEAR(band.realHours, c.realHours, 1e-6);
        EXPECT_EQ(band.clockShift, c.realHours - 24 == 0 ? 0 : 1);
        EXPECT_EQ(Has(band, BandKind::Day), c.day);
        EXPECT_EQ(Has(band, BandKind::Night), c.night);
        EXPECT_EQ(Has(band, BandKind::Dark), c.dark);
        EXPECT_TRUE(n.moonFraction >= c.minMoon && n.moonFraction <= c.maxMoon) << n.moonFraction;
        // The Sun's spans tile the 24 clock hours; the night runs from dusk
        // to dawn; each dark piece is its own span; the Moon's spans carry
        // the night's fraction.
        double at = 0;
        std::size_t dark = 0;
        for (const render::BandSpan& s : band.spans) {
            if (s.kind == BandKind::Moon) {
                EXPECT_EQ(s.strength, n.moonFraction);
            } else if (s.kind == BandKind::Dark) {
                ASSERT_LT(dark, n.dark.size());
                EXPECT_NEAR(s.fromHour, ClockHour(n.dusk), dark == 0 ? 1 / 60.0 : 24);
                EXPECT_LE(s.toHour, ClockHour(n.dawn) + 1 / 60.0);
                ++dark;
            } else {
                EXPECT_DOUBLE_EQ(s.fromHour, at);
                at = s.toHour;
                if (s.kind == BandKind::Night) {
                    EXPECT_NEAR(s.fromHour, ClockHour(n.dusk), 1 / 60.0);
                    EXPECT_NEAR(s.toHour, ClockHour(n.dawn), 1 / 60.0);
                }
            }
        }
        EXPECT_EQ(at, 24);
        EXPECT_EQ(dark, n.dark.size());
        if (!c.day) {
            EXPECT_EQ(band.spans.front().kind, BandKind::Civil);
        }
    }
}

// The page of March 2024 at Vienna on screen: a row per night with its
// texts, the switch mark on the night of the change, the 23rd framed, the
// key's seven shades, and the full-Moon night's band at full strength.
TEST(NightsPage, MarchAtVienna) {
    RecordingSurface picture, printer;
    RecordingReporter reporter;
    render::PrintStyle style;
    render::OutputDevice device = render::OutputDevice::Screen;
    render::PageLayout layout;
    render::Output out{picture, &printer, device};
    render::PageContext ctx{out, layout, style, "202403", reporter};
    month::Months store(kVienna);
    const month::Month& m = store.at({2024, 3});
    const month::Month& next = store.at({2024, 4});
    const auto nights = month::Nights(m, next);
    ASSERT_TRUE(render::DrawNightsPage(ctx, m, next, nights, 23));
    auto wrote = [&](const std::string& t) {
        return std::any_of(picture.texts.begin(), picture.texts.end(), [&](const auto& op) { return op.text == t; });
    };
    // 31 nights; the 30th's date, its switch mark ("+1h" cut to "+1" in a
    // column of 50), dusk and dark total from the model.
    EXPECT_TRUE(wrote("Su 31") && wrote("Sa 30"));
    EXPECT_EQ(std::count_if(picture.texts.begin(), picture.texts.end(), [](const auto& op) { return op.text == "+1"; }),
              1);  // not on the 31st, whose clock changed before its noon
    EXPECT_TRUE(wrote(render::NightClockText(nights[29].dusk)));
    EXPECT_TRUE(wrote(render::NightTotalText(nights[29].darkMinutes)));
    for (std::size_t k = 0; k < render::kBandKinds - 1; ++k)
        EXPECT_TRUE(wrote(render::BandWord(static_cast<BandKind>(k))));
    // The frame: four red lines around row 23.
    const double rowTop = layout.top + 23 * layout.rowHeight;
    const auto red = std::count_if(picture.lines.begin(), picture.lines.end(), [&](const auto& op) {
        return op.color == render::RGB(200, 0, 0) && std::abs(op.y - rowTop) < 1e-3;
    });
    EXPECT_EQ(red, 3);  // the top and both sides start at the row's top
    // Full Moon 25 March 2024 07:00 UT: the night of the 24th has its Moon
    // band in nearly the Moon's full shade over the night.
    const render::NightShades sh = render::NightPageShades(false);
    const render::Color full = sh.moonOver(BandKind::Night, nights[23].moonFraction);
    EXPECT_GT(nights[23].moonFraction, 0.98);
    EXPECT_TRUE(std::any_of(picture.boxes.begin(), picture.boxes.end(), [&](const auto& op) {
        return op.color == full && std::abs(op.y - (layout.top + 24 * layout.rowHeight)) < 1e-3;
    }));
    EXPECT_GE((full >> 8) & 255, 250u);  // yellow, the night's grey all but gone
    EXPECT_LE(full & 255, 2u);
}
