// Text placement, event bars and phase symbols on recording surfaces.
#include <cmath>

#include "fixture.h"

using render::Color;
using DrawingTest = RenderFixture;

TEST_F(DrawingTest, TextIsColouredOnScreenOnlyAndForeColourPutBack) {
    picture.fore = render::RGB(1, 2, 3);
    render::WriteTxt(ctx, 12.5, 40.25, "Day");  // no colour: black
    render::WriteTxt(ctx, 1, 2, "01 S", render::kGrey);
    auto t = picture.named("text");
    ASSERT_EQ(t.size(), 2u);
    EXPECT_FLOAT_EQ(t[0].x, 12.5f);
    EXPECT_FLOAT_EQ(t[0].y, 40.25f);
    EXPECT_EQ(t[0].color, render::kBlack);
    EXPECT_EQ(t[1].color, render::kGrey);
    EXPECT_EQ(picture.fore, render::RGB(1, 2, 3));

    // On paper the text is in the printer's own colour; the picture box's
    // fore colour is still set to the colour and put back.
    picture.ops.clear();
    settings.outputDevice = settings::OutputDevice::Printer;
    render::WriteTxt(ctx, 3, 4, "Moon", render::kGrey);
    t = printer.named("text");
    ASSERT_EQ(t.size(), 1u);
    EXPECT_EQ(t[0].color, render::kBlack);
    EXPECT_TRUE(printer.named("forecolor").empty());
    auto f = picture.named("forecolor");
    ASSERT_EQ(f.size(), 2u);
    EXPECT_EQ(f[0].color, render::kGrey);
    EXPECT_EQ(f[1].color, render::RGB(1, 2, 3));
    EXPECT_TRUE(picture.named("text").empty());
}

TEST_F(DrawingTest, BarsFromEventTexts) {
    // Row 3; an hour is 10 units from x = 100, rows are 20 high.
    struct Box {
        float x, w;
    };
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
        SCOPED_TRACE(std::string(c.rise) + " " + c.set);
        for (bool paper : {false, true}) {
            settings.outputDevice =
                paper ? settings::OutputDevice::Printer : settings::OutputDevice::Screen;
            RecordingSurface& s = paper ? printer : picture;
            s.ops.clear();
            render::DrawG(ctx, 3, c.rise, c.set, render::kLightGrey);
            auto b = s.named("box");
            ASSERT_EQ(b.size(), c.boxes.size());
            for (std::size_t i = 0; i < b.size(); ++i) {
                EXPECT_FLOAT_EQ(b[i].x, c.boxes[i].x);
                EXPECT_FLOAT_EQ(b[i].w, c.boxes[i].w);
                EXPECT_FLOAT_EQ(b[i].y, 60);  // top edge of row 3
                EXPECT_FLOAT_EQ(b[i].h, 16);  // 0.8 of a row
                EXPECT_EQ(b[i].color, render::kLightGrey);
            }
        }
    }
    EXPECT_TRUE(reporter.log.empty());
}

TEST_F(DrawingTest, OnlyExactYellowIsTheThinMoonBand) {
    render::DrawG(ctx, 1, "0100", "0200", render::kYellow);
    render::DrawG(ctx, 1, "0100", "0200", render::RGB(255, 255, 1));
    auto b = picture.named("box");
    ASSERT_EQ(b.size(), 2u);
    EXPECT_FLOAT_EQ(b[0].h, 8);  // 0.4 of a row
    EXPECT_FLOAT_EQ(b[1].h, 16);
}

TEST_F(DrawingTest, BadTimeTextIsReportedByTimeDec) {
    render::DrawG(ctx, 1, "12300", "1300", render::kBlack);
    ASSERT_EQ(reporter.boxes.size(), 1u);
    EXPECT_EQ(reporter.boxes[0].text, "wrong time-format for function TimeDec");
}

TEST_F(DrawingTest, PhaseSymbols) {
    // Published lunar phases: June 2024 new moon on the 6th, first quarter
    // on the 14th at 05:18 UT, full moon on the 22nd, last quarter on the
    // 28th; the new moon of 1 January 1900 at 13:52 UT makes noon of that
    // day late in the lunation.
    const Color Y = render::kYellow, K = render::kBlack;
    struct Case {
        const char* month;
        int day;
        Color disc, half;
        bool left;
        Color ellipse;
    } cases[] = {
        {"202406", 8, Y, K, true, K},    // waxing crescent
        {"202406", 14, Y, K, true, K},   // the mean lunation's quarter is hours later
        {"202406", 18, K, Y, false, Y},  // waxing gibbous
        {"202406", 23, K, Y, true, Y},   // just after full
        {"202406", 30, Y, K, false, K},  // waning crescent
        {"190001", 1, Y, K, false, K},   // a sliver before new moon
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(std::string(k.month) + " day " + std::to_string(k.day));
        ctx.monthText = k.month;
        picture.ops.clear();
        render::DrawM(ctx, k.day);
        // A whole disc, a half disc starting straight up (pi/2) when it is
        // the left half, and an ellipse; each of radius 0.6 row and filled
        // in its own colour.
        auto c = picture.named("circle");
        ASSERT_EQ(c.size(), 3u);
        EXPECT_EQ(c[0].color, k.disc);
        EXPECT_EQ(c[1].color, k.half);
        EXPECT_EQ(c[2].color, k.ellipse);
        EXPECT_FALSE(c[0].start || c[0].aspect);
        ASSERT_TRUE(c[1].start && c[2].aspect);
        EXPECT_EQ(std::fabs(*c[1].start - 1.5707965f) < 1e-6f, k.left);
        for (const auto& o : c) {
            EXPECT_FLOAT_EQ(o.w, 12);
            EXPECT_EQ(o.fill, o.color);
        }
        // Odd days at the right edge of column 9 (5 + 450 to 5 + 500), even
        // days at its left; centred in the row.
        EXPECT_FLOAT_EQ(c[0].x, k.day % 2 ? 505 - 12 : 455 + 12);
        EXPECT_FLOAT_EQ(c[0].y, static_cast<float>(k.day * 20 + 10));
        // At a quarter the ellipse is nearly a vertical line.
        if (k.day == 14) {
            EXPECT_GT(*c[2].aspect, 5.0f);
        }
    }
}

TEST(PhaseCase, ExactFullAndNewMoonDrawTheNeighbouringLimits) {
    // Full: half disc and ellipse yellow (all lit); new and just before new:
    // an ellipse of aspect 1 in black covers the disc.
    struct Case {
        double f, c;
        Color half;
    } cases[] = {{0.5, std::cos(3.141593), render::kYellow},
                 {1e-12, 1.0, render::kBlack},
                 {1 - 1e-12, 1.0, render::kBlack}};
    for (const Case& k : cases) {
        render::PhaseCase p = render::FindPhaseCase(k.f, k.c);
        EXPECT_TRUE(p.found) << k.f;
        EXPECT_EQ(p.half, k.half) << k.f;
    }
}

TEST_F(DrawingTest, FillStateIsPutBackOnTheTargetOnly) {
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
