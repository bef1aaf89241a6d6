// Text placement, event bars and phase symbols on recording surfaces.
#include <cmath>

#include "astro/calendar.h"
#include "fixture.h"

using render::Color;

namespace {

struct Box {
    float x, w;
};

std::vector<Box> Boxes(const RecordingSurface& s) {
    std::vector<Box> r;
    for (const auto& o : s.named("box")) r.push_back({o.x, o.w});
    return r;
}

}  // namespace

using WriteTxtTest = RenderFixture;

TEST_F(WriteTxtTest, ScreenTextIsColouredAndForeColourRestored) {
    picture.fore = render::RGB(1, 2, 3);
    render::WriteTxt(ctx, 12.5, 40.25, "Day");
    render::WriteTxt(ctx, 1, 2, "01 S", render::kGrey);
    auto t = picture.named("text");
    ASSERT_EQ(t.size(), 2u);
    EXPECT_EQ(t[0].text, "Day");
    EXPECT_FLOAT_EQ(t[0].x, 12.5f);
    EXPECT_FLOAT_EQ(t[0].y, 40.25f);
    EXPECT_EQ(t[0].color, render::kBlack);  // absent colour is black
    EXPECT_EQ(t[1].color, render::kGrey);
    EXPECT_EQ(picture.fore, render::RGB(1, 2, 3));
    EXPECT_TRUE(printer.ops.empty());
}

TEST_F(WriteTxtTest, PaperIgnoresTheColourButThePictureFontColourIsStillSwapped) {
    settings.outputDevice = settings::OutputDevice::Printer;
    picture.fore = render::RGB(9, 9, 9);
    render::WriteTxt(ctx, 3, 4, "Moon", render::kGrey);
    auto t = printer.named("text");
    ASSERT_EQ(t.size(), 1u);
    EXPECT_EQ(t[0].color, render::kBlack);  // the printer's own default colour
    EXPECT_TRUE(printer.named("forecolor").empty());
    // The picture box's fore colour is set to the colour and put back.
    auto f = picture.named("forecolor");
    ASSERT_EQ(f.size(), 2u);
    EXPECT_EQ(f[0].color, render::kGrey);
    EXPECT_EQ(f[1].color, render::RGB(9, 9, 9));
    EXPECT_TRUE(picture.named("text").empty());
}

using DrawGTest = RenderFixture;

TEST_F(DrawGTest, BarsFromEventTexts) {
    struct Case {
        const char* rise;
        const char* set;
        std::vector<Box> boxes;
    } cases[] = {
        {"0612", "1845", {{162, 125.5f}}},
        {"2130", "0815", {{100, 82.5f}, {315, 25}}},  // over midnight: two bars
        {"----", "0815", {{100, 82.5f}}},
        {"2130", "----", {{315, 25}}},
        {"0000", "2400", {{100, 240}}},
        {"a.h.", "", {{100, 240}}},
        {"a.b.", "junk", {{100, 240}}},  // the end cell is not looked at
        {"b.h.", "", {{340, 0}}},        // zero width at the right edge
        {"a.d.", "1200", {{340, 0}}},
        {"1000", "1000", {{200, 0}}},
    };
    for (const Case& c : cases) {
        picture.ops.clear();
        render::DrawG(ctx, 3, c.rise, c.set, render::kLightGrey);
        auto b = Boxes(picture);
        ASSERT_EQ(b.size(), c.boxes.size()) << c.rise << " " << c.set;
        for (std::size_t i = 0; i < b.size(); ++i) {
            EXPECT_FLOAT_EQ(b[i].x, c.boxes[i].x) << c.rise << " " << c.set;
            EXPECT_FLOAT_EQ(b[i].w, c.boxes[i].w) << c.rise << " " << c.set;
        }
        for (const auto& o : picture.named("box")) {
            EXPECT_FLOAT_EQ(o.y, 60);  // top edge of row 3
            EXPECT_EQ(o.color, render::kLightGrey);
        }
    }
    EXPECT_TRUE(reporter.log.empty());
}

TEST_F(DrawGTest, OnlyExactYellowIsTheThinMoonBand) {
    render::DrawG(ctx, 1, "0100", "0200", render::kYellow);
    render::DrawG(ctx, 1, "0100", "0200", render::RGB(255, 255, 1));
    render::DrawG(ctx, 1, "0100", "0200", render::kBlack);
    auto b = picture.named("box");
    ASSERT_EQ(b.size(), 3u);
    EXPECT_FLOAT_EQ(b[0].h, 8);
    EXPECT_FLOAT_EQ(b[1].h, 16);
    EXPECT_FLOAT_EQ(b[2].h, 16);
}

TEST_F(DrawGTest, BadTimeTextIsReportedByTimeDec) {
    render::DrawG(ctx, 1, "12300", "1300", render::kBlack);
    ASSERT_EQ(reporter.boxes.size(), 1u);
    EXPECT_EQ(reporter.boxes[0].text, "wrong time-format for function TimeDec");
}

TEST_F(DrawGTest, PrinterGetsTheSameBoxes) {
    render::DrawG(ctx, 2, "2130", "0815", render::kDarkGrey);
    settings.outputDevice = settings::OutputDevice::Printer;
    render::DrawG(ctx, 2, "2130", "0815", render::kDarkGrey);
    auto a = picture.named("box");
    auto b = printer.named("box");
    ASSERT_EQ(a.size(), 2u);
    ASSERT_EQ(b.size(), 2u);
    for (int i = 0; i < 2; ++i) {
        EXPECT_EQ(a[i].x, b[i].x);
        EXPECT_EQ(a[i].w, b[i].w);
        EXPECT_EQ(a[i].h, b[i].h);
    }
}

using DrawMTest = RenderFixture;

namespace {

// The three shapes of one symbol: disc colour, half-disc colour and side,
// ellipse colour.
struct Symbol {
    Color disc, half, ellipse;
    bool left;
    float x;
};

Symbol SymbolOf(const RecordingSurface& s) {
    auto c = s.named("circle");
    EXPECT_EQ(c.size(), 3u);
    if (c.size() != 3) return {};
    Symbol r{c[0].color, c[1].color, c[2].color, false, c[0].x};
    // The left half starts straight up (pi/2).
    r.left = c[1].start && std::fabs(*c[1].start - 1.5707965f) < 1e-6f;
    EXPECT_FALSE(c[0].start.has_value());
    EXPECT_FALSE(c[0].aspect.has_value());
    EXPECT_TRUE(c[2].aspect.has_value());
    for (const auto& o : c) EXPECT_FLOAT_EQ(o.w, 12);  // radius 0.6 row
    // Each shape is filled in its own outline colour.
    for (const auto& o : c) EXPECT_EQ(static_cast<Color>(o.h), o.color);
    return r;
}

}  // namespace

TEST_F(DrawMTest, AlternatesBetweenTheEdgesOfThePhaseColumn) {
    render::DrawM(ctx, 1);
    Symbol d1 = SymbolOf(picture);
    picture.ops.clear();
    render::DrawM(ctx, 2);
    Symbol d2 = SymbolOf(picture);
    // Column 9 runs from 5 + 450 to 5 + 500; radius 12.
    EXPECT_FLOAT_EQ(d1.x, 505 - 12);
    EXPECT_FLOAT_EQ(d2.x, 455 + 12);
    auto c = picture.named("circle");
    EXPECT_FLOAT_EQ(c[0].y, 2 * 20 + 10);
}

TEST_F(DrawMTest, PhasesOfJune2024) {
    // New moon 6 June, first quarter 14 June, full moon 22 June, last
    // quarter 28 June 2024 (published lunar phases).
    struct Case {
        int day;
        Color disc, half;
        bool left;
        Color ellipse;
    } cases[] = {
        {8, render::kYellow, render::kBlack, true, render::kBlack},    // waxing crescent
        {18, render::kBlack, render::kYellow, false, render::kYellow},  // waxing gibbous
        {23, render::kBlack, render::kYellow, true, render::kYellow},   // just after full
        {30, render::kYellow, render::kBlack, false, render::kBlack},   // waning crescent
    };
    for (const Case& k : cases) {
        picture.ops.clear();
        render::DrawM(ctx, k.day);
        Symbol s = SymbolOf(picture);
        EXPECT_EQ(s.disc, k.disc) << k.day;
        EXPECT_EQ(s.half, k.half) << k.day;
        EXPECT_EQ(s.left, k.left) << k.day;
        EXPECT_EQ(s.ellipse, k.ellipse) << k.day;
    }
}

TEST_F(DrawMTest, QuartersAreHalfLitWithAThinEllipse) {
    // 14 June 2024 is first quarter: the ellipse is nearly a vertical line.
    render::DrawM(ctx, 14);
    auto c = picture.named("circle");
    ASSERT_EQ(c.size(), 3u);
    EXPECT_GT(*c[2].aspect, 5.0f);
}

TEST_F(DrawMTest, FirstOfJanuary1900IsLateInTheLunation) {
    ctx.monthText = "190001";
    double q = (astro::mjd(1900, 1, 1, 12) - astro::mjd(1900, 1, 1, 15)) / 29.530588;
    EXPECT_NEAR(q - std::floor(q), 0.9958, 1e-4);
    render::DrawM(ctx, 1);
    Symbol s = SymbolOf(picture);
    EXPECT_EQ(s.disc, render::kYellow);  // waning, less than half lit
    EXPECT_FALSE(s.left);
}

TEST_F(DrawMTest, ExactFullAndNewMoonDrawTheNeighbouringLimits) {
    render::PhaseCase full = render::FindPhaseCase(0.5, std::cos(3.141593 * (2 * 0.5)));
    EXPECT_TRUE(full.found);
    EXPECT_EQ(full.half, render::kYellow);  // half disc and ellipse yellow: all lit
    render::PhaseCase newMoon = render::FindPhaseCase(1e-12, 1.0);
    EXPECT_TRUE(newMoon.found);
    EXPECT_EQ(newMoon.half, render::kBlack);  // ellipse of aspect 1 covers the disc
    render::PhaseCase late = render::FindPhaseCase(1 - 1e-12, 1.0);
    EXPECT_TRUE(late.found);
    EXPECT_EQ(late.half, render::kBlack);
}

TEST_F(DrawMTest, FillStateIsRestoredOnTheTargetOnly) {
    picture.fillStyle = 1;
    picture.fill = render::RGB(10, 20, 30);
    printer.fillStyle = 7;
    printer.fill = render::RGB(1, 1, 1);
    render::DrawM(ctx, 5);
    EXPECT_EQ(picture.fillStyle, 1);
    EXPECT_EQ(picture.fill, render::RGB(10, 20, 30));
    settings.outputDevice = settings::OutputDevice::Printer;
    render::DrawM(ctx, 5);
    EXPECT_EQ(printer.fillStyle, 7);
    EXPECT_EQ(printer.fill, render::RGB(1, 1, 1));
    EXPECT_EQ(printer.named("circle").size(), 3u);
}
