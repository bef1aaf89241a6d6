// Page set-up and the whole page drawn on recording surfaces.
#include <algorithm>
#include <limits>
#include <map>

#include "fixture.h"
#include "month/monthcalc.h"
#include "render/printcheck.h"

namespace {

struct PageTest : RenderFixture {
    std::optional<month::MonthResult> Calc(const std::string& text) {
        ctx.monthText = text;
        return month::CalculateMonth(text, false, {16.33, 48.25, 1}, reporter);
    }
    bool Draw(month::MonthResult& r) { return render::LayOutAndDraw(ctx, r.tab, r.dayRows); }
};

}  // namespace

TEST_F(PageTest, SetUpFillsTheSheetWithinItsMargins) {
    // Screen: 10 units of margin all round, 32 rows; the table's columns as
    // wide as "99999" (50), a blank, then 24 hours to the right margin.
    render::PageSetup(ctx);
    EXPECT_DOUBLE_EQ(layout.y_st, 10);
    EXPECT_NEAR(layout.y_st + 32 * layout.y_d, 700 - 10, 1e-9);
    EXPECT_DOUBLE_EQ(layout.x_st, 10);
    EXPECT_DOUBLE_EQ(layout.x_d, 50);
    EXPECT_DOUBLE_EQ(layout.xg_st, 10 + 10 * 50 + 10);
    EXPECT_NEAR(layout.xg_st + 24 * layout.xg_d, 1000 - 10, 1e-9);

    // Printer: margins in millimetres of the sheet as held (A4 210 x 297,
    // US Letter 8.5 x 11 in), 42 rows (0 to 41, the last legend's);
    // only the printer is measured.
    settings.outputDevice = settings::OutputDevice::Printer;
    settings.marginTop = 10;
    settings.marginBottom = 15;
    settings.marginLeft = 20;
    settings.marginRight = 25;
    printer.textHeight = 200;  // so that the 1.3 cap does not apply
    printer.charWidth = 40;
    struct Case {
        int paper, orientation;
        double w, h;    // sheet in device units
        double mmAcross, mmDown;
    } cases[] = {
        {9, 1, 4960, 7016, 210, 297},
        {9, 2, 7016, 4960, 297, 210},
        {1, 1, 5100, 6600, 215.9, 279.4},
        {1, 2, 6600, 5100, 279.4, 215.9},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.paper * 10 + c.orientation);
        printer.paper = c.paper;
        printer.orientation = c.orientation;
        printer.width = c.w;
        printer.height = c.h;
        render::PageSetup(ctx);
        const double across = c.w / c.mmAcross, down = c.h / c.mmDown;
        EXPECT_NEAR(layout.y_st, 10 * down, 1e-6);
        EXPECT_NEAR(layout.y_st + 42 * layout.y_d, c.h - 15 * down, 1e-6);
        EXPECT_NEAR(layout.x_st, 20 * across, 1e-6);
        EXPECT_DOUBLE_EQ(layout.x_d, 200);
        EXPECT_NEAR(layout.xg_st, 20 * across + 10 * 200 + 40, 1e-6);
        EXPECT_NEAR(layout.xg_st + 24 * layout.xg_d, c.w - 25 * across, 1e-6);
    }
    EXPECT_TRUE(picture.ops.empty());
}

TEST_F(PageTest, HourLabelStepIsTheSmallestThatLeavesABlank) {
    // Characters and the blank are 10 wide.  Worst pairs: "10"/"11" for
    // every label (x_d >= 30), "22"/"24" for every 2nd (2 x_d - 20 >= 10),
    // then n x_d - 20 >= 10 for every n-th.
    struct Case {
        double xg_d;
        int step;
    } cases[] = {{30, 1},   {29.9, 2}, {15, 2},  {14.9, 3}, {10, 3},  {9.9, 4},
                 {7.5, 4},  {7.4, 6},  {5, 6},   {4.9, 12}, {2.5, 12}, {2.4, 24}};
    for (const Case& c : cases) {
        layout.xg_d = c.xg_d;
        EXPECT_EQ(render::HourLabelStep(picture, layout), c.step) << c.xg_d;
    }
}

TEST_F(PageTest, SundaysAfterASaturdayAreGrey) {
    // 1 June 2024 was a Saturday, 1 September 2024 a Sunday.
    struct Case {
        const char* month;
        const char* day;
        render::Color colour;
    } cases[] = {
        {"202406", "01 S", render::kBlack}, {"202406", "02 S", render::kGrey},
        {"202406", "08 S", render::kBlack}, {"202406", "30 S", render::kGrey},
        {"202409", "01 S", render::kBlack}, {"202409", "07 S", render::kBlack},
        {"202409", "08 S", render::kGrey},
    };
    for (const Case& c : cases) {
        picture.ops.clear();
        auto r = Calc(c.month);
        ASSERT_TRUE(r && Draw(*r));
        std::map<std::string, render::Color> colours;
        for (const auto& t : picture.named("text")) colours[t.text] = t.color;
        ASSERT_TRUE(colours.count(c.day)) << c.month << " " << c.day;
        EXPECT_EQ(colours[c.day], c.colour) << c.month << " " << c.day;
    }
}

TEST_F(PageTest, ScreenPageOfJune2024) {
    auto r = Calc("202406");
    ASSERT_TRUE(r);
    ASSERT_TRUE(Draw(*r));
    EXPECT_EQ(picture.ops.front().name, "clear");
    EXPECT_TRUE(printer.ops.empty());

    // Row 0 headings, 30 day rows, 13 hour labels: an hour is 19.6 wide, so
    // "9" and "10" would stand 4.6 apart, less than a blank (10); every 2nd,
    // centred over its line on row 0.
    auto texts = picture.named("text");
    ASSERT_EQ(texts.size(), 10u + 300u + 13u);
    EXPECT_EQ(texts[0].text, "Day");
    EXPECT_EQ(texts[9].text, "Phase");
    for (int i = 0; i < 13; ++i) EXPECT_EQ(texts[310u + i].text, std::to_string(2 * i));
    EXPECT_FLOAT_EQ(texts.back().x, static_cast<float>(layout.xg_st + 24 * layout.xg_d - 10));
    EXPECT_FLOAT_EQ(texts.back().y, static_cast<float>(layout.y_st));

    // Each day row: the phase symbol (3 circles), then its night, twilight,
    // daylight and Moon bars in that order, the night bar a full 24 hours.
    std::vector<render::Color> order;
    int circles = 0;
    for (const auto& o : picture.ops) {
        if (o.name == "circle" && order.empty()) ++circles;
        if (o.name == "box" && (order.empty() || order.back() != o.color)) order.push_back(o.color);
    }
    EXPECT_EQ(circles, 3);
    EXPECT_EQ(picture.named("circle").size(), 90u);
    ASSERT_GE(order.size(), 4u);
    EXPECT_EQ(order[0], render::kBlack);
    EXPECT_EQ(order[1], render::kDarkGrey);
    EXPECT_EQ(order[2], render::kLightGrey);
    EXPECT_EQ(order[3], render::kYellow);
    EXPECT_FLOAT_EQ(picture.named("box")[0].w, static_cast<float>(24 * layout.xg_d));

    // 25 white hour lines down from row 1, 31 rows long even in a 30-day
    // month.
    auto lines = picture.named("line");
    ASSERT_EQ(lines.size(), 25u);
    for (int h = 0; h <= 24; ++h) {
        EXPECT_FLOAT_EQ(lines[h].x, static_cast<float>(layout.xg_st + h * layout.xg_d));
        EXPECT_FLOAT_EQ(lines[h].y, static_cast<float>(layout.y_st + layout.y_d));
        EXPECT_FLOAT_EQ(lines[h].h, static_cast<float>(31 * layout.y_d));
        EXPECT_EQ(lines[h].color, render::kWhite);
    }
}

TEST_F(PageTest, PrintedPageHeaderLegendsAndFont) {
    settings.outputDevice = settings::OutputDevice::Printer;
    settings.fontName = "Print Font";
    settings.fontSize = 24;
    settings.longitude = -3.5;
    settings.latitude = 0.5;
    settings.timeZone = -4;
    ctx.summerTime = true;
    // Printer metrics differ from the screen's and follow the font: 7 units
    // a character at the printer's own 12 pt, 14 at the print font's 24 pt.
    printer.charWidth = 7;
    printer.metricsFollowFont = true;
    printer.width = 5000;
    printer.height = 7000;
    auto r = Calc("202406");
    ASSERT_TRUE(r);
    ASSERT_TRUE(Draw(*r));
    // Columns and lines measured in the print font: "99999" is 70 wide;
    // lines capped at 1.3 text heights of 40.
    EXPECT_DOUBLE_EQ(layout.x_d, 70);
    EXPECT_DOUBLE_EQ(layout.y_d, 1.3 * 40);
    EXPECT_TRUE(picture.named("text").empty());
    EXPECT_TRUE(picture.named("clear").empty());
    auto all = printer.named("text");
    ASSERT_GE(all.size(), 4u);
    EXPECT_EQ(all[0].text, "Rise and Set for Sun and Moon   V0.9");
    EXPECT_EQ(all[2].text, "Month: 202406   Long.: -3.5   Lat.: 0.5   Time Zone: -4, Summertime");
    EXPECT_EQ(all[3].text, "Day");
    EXPECT_EQ(all[12].text, "Phase");
    EXPECT_EQ(all[all.size() - 2].text,
              "'D.a.n.M.' = Dark and no Moon, '----' = no rise or set on this day");
    EXPECT_EQ(all.back().text,
              "'a.h.' = (always) above horizon, 'b.h.' = (always) below horizon, a.b. = always "
              "bright, a.d. = always dark");
    // Legends on rows 33 and 34 of the table, which starts on page row 7.
    EXPECT_FLOAT_EQ(all.back().y, static_cast<float>(layout.y_st + (7 + 34) * layout.y_d));
    // Hour labels are measured on the printer in the print font: "12" is 28
    // wide there.
    auto it = std::find_if(all.begin(), all.end(), [](const auto& o) { return o.text == "12"; });
    ASSERT_NE(it, all.end());
    EXPECT_FLOAT_EQ(it->x, static_cast<float>(layout.xg_st + 12 * layout.xg_d - 14));
    // The table itself is left as it was.
    EXPECT_EQ(r->tab[0], month::Headings());
    // Print font set first, the printer's own put back before the one end
    // of document.
    auto& ops = printer.ops;
    ASSERT_GE(ops.size(), 5u);
    EXPECT_EQ(ops[0].text, "Print Font");
    EXPECT_FLOAT_EQ(ops[1].w, 24);
    EXPECT_EQ(ops[ops.size() - 3].text, "Default Font");
    EXPECT_FLOAT_EQ(ops[ops.size() - 2].w, 12);
    EXPECT_EQ(ops.back().name, "enddoc");

    // A failed print job makes the drawing fail.
    printer.endDocResult = false;
    EXPECT_FALSE(Draw(*r));
}

// The print layout rule on values no dialog box can hold (a settings file
// of 1e308 margins): refused before any coordinate is computed from them.
TEST(PrintLayout, HugeAndNonFiniteMarginsAreRefused) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    struct Row {
        double top, bottom, left, right;
        int paper, orientation;
        const char* message;  // empty when the layout passes
    } rows[] = {
        {1e308, 0, 0, 0, 9, 1, "Margins too large."},
        {0, 0, inf, 0, 1, 1, "Margins too large."},
        {0, nan, 0, 0, 9, 1, "Wrong value(s) for margin(s)."},
        {0, 0, -inf, inf, 9, 1, "Wrong value(s) for margin(s)."},
        {0, 0, 0, 0, 8, 1, "Unknown paper format.\r\nPlease choose US Letter or DIN A4 at printer setup."},
        {55, 55, 98.5, 98.5, 9, 2, ""},  // A4 landscape: 297 - 197 = 100 mm across
        {0, 0, 0, 0, 1, 1, ""},
    };
    for (const Row& r : rows) {
        RecordingReporter rep;
        bool ok = render::CheckPrintLayout(r.top, r.bottom, r.left, r.right, r.paper, r.orientation, rep);
        EXPECT_EQ(ok, *r.message == '\0') << r.message;
        EXPECT_EQ(rep.boxes.empty() ? std::string() : rep.boxes.back().text, r.message);
    }
}
