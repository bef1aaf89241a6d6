// Page set-up numbers and the whole page drawn on recording surfaces.
#include <algorithm>
#include <limits>

#include "fixture.h"
#include "month/monthcalc.h"
#include "render/printcheck.h"

namespace {

struct PageTest : RenderFixture {
    std::optional<month::MonthResult> Calc(const std::string& text) {
        ctx.monthText = text;
        month::Location loc{16.33, 48.25, 1};
        return month::CalculateMonth(text, false, loc, reporter);
    }
    bool Draw(month::MonthResult& r) {
        return render::LayOutAndDraw(ctx, r.tab, r.dayRows);
    }
};

}  // namespace

TEST_F(PageTest, ScreenSetUp) {
    // "99999" is 50 wide, text 20 high, picture 1000 x 700.
    render::PageSetup(ctx);
    EXPECT_DOUBLE_EQ(layout.y_d, (700.0 - 10 - 10) / 32);
    EXPECT_DOUBLE_EQ(layout.y_st, 10);
    EXPECT_DOUBLE_EQ(layout.x_st, 10);
    EXPECT_DOUBLE_EQ(layout.x_d, 50);
    EXPECT_DOUBLE_EQ(layout.xg_st, 10 + 500 + 10);
    EXPECT_DOUBLE_EQ(layout.xg_d, (1000.0 - 520 - 10) / 24);
    // A tall picture spaces lines 1.3 text heights at most.
    picture.height = 5000;
    render::PageSetup(ctx);
    EXPECT_DOUBLE_EQ(layout.y_d, 26);
}

TEST_F(PageTest, PrinterSetUpForA4AndLetterBothOrientations) {
    settings.outputDevice = settings::OutputDevice::Printer;
    settings.marginTop = 10;
    settings.marginBottom = 15;
    settings.marginLeft = 20;
    settings.marginRight = 25;
    printer.textHeight = 200;  // so that the 1.3 cap does not apply
    printer.charWidth = 40;
    struct Case {
        int paper, orientation;
        double w, h;        // sheet in device units
        double pw, ph;      // sheet in millimetres as held
    } cases[] = {
        {9, 1, 4960, 7016, 210, 297},
        {9, 2, 7016, 4960, 297, 210},
        {1, 1, 5100, 6600, 215.89999999999998, 279.4},
        {1, 2, 6600, 5100, 279.4, 215.89999999999998},
    };
    for (const Case& c : cases) {
        printer.paper = c.paper;
        printer.orientation = c.orientation;
        printer.width = c.w;
        printer.height = c.h;
        render::PageSetup(ctx);
        double across = c.w / c.pw;
        double down = c.h / c.ph;
        EXPECT_DOUBLE_EQ(layout.y_st, down * 10) << c.paper << c.orientation;
        EXPECT_DOUBLE_EQ(layout.y_d, (c.h - down * 10 - down * 15) / 41);
        EXPECT_DOUBLE_EQ(layout.x_st, across * 20);
        EXPECT_DOUBLE_EQ(layout.x_d, 200);
        EXPECT_DOUBLE_EQ(layout.xg_st, across * 20 + 2000 + 40);
        EXPECT_DOUBLE_EQ(layout.xg_d, (c.w - layout.xg_st - across * 25) / 24);
    }
    EXPECT_DOUBLE_EQ(8.5 * 25.4, 215.89999999999998);
    // The printer, not the picture box, was measured.
    EXPECT_TRUE(picture.ops.empty());
}

TEST_F(PageTest, PrinterMeasuredInThePrintFont) {
    // The printer's own font is 12 pt, the print font 24 pt: columns and
    // lines are measured at 24 pt (twice as wide) and the font put back.
    settings.outputDevice = settings::OutputDevice::Printer;
    settings.fontName = "Print Font";
    settings.fontSize = 24;
    printer.metricsFollowFont = true;
    printer.width = 5000;
    printer.height = 7000;
    render::PageSetup(ctx);
    EXPECT_DOUBLE_EQ(layout.x_d, 100);             // "99999": 5 x 10 x 24/12
    EXPECT_DOUBLE_EQ(layout.y_d, 1.3 * 40);        // capped at 1.3 text heights
    EXPECT_EQ(printer.fontName, "Default Font");
    EXPECT_FLOAT_EQ(printer.fontSize, 12);
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

TEST_F(PageTest, PrintedTextsStayOnTheSheetAtLargeFonts) {
    // A narrow sheet (1000 x 1400 at 12 char units per 12 pt) and fonts up
    // to 20 pt: every text, at the font size it is written in, ends within
    // the sheet's width less the right margin, and the font is put back.
    auto r = Calc("202406");
    ASSERT_TRUE(r);
    settings.outputDevice = settings::OutputDevice::Printer;
    printer.metricsFollowFont = true;
    printer.width = 1000;
    printer.height = 1400;
    for (float size : {9.0f, 12.0f, 20.0f}) {
        printer.ops.clear();
        settings.fontSize = size;
        ASSERT_TRUE(Draw(*r));
        for (const auto& t : printer.named("text")) {
            double w = 10.0 * static_cast<double>(t.text.size()) * t.size / 12;
            EXPECT_LE(t.x + w, 1000 + 1e-3) << size << " " << t.text;
            EXPECT_GE(t.x, 0) << t.text;
        }
        EXPECT_FLOAT_EQ(printer.fontSize, 12);
    }
}

TEST_F(PageTest, ScreenPageOfJune2024) {
    auto r = Calc("202406");
    ASSERT_TRUE(r);
    ASSERT_TRUE(Draw(*r));
    ASSERT_FALSE(picture.ops.empty());
    EXPECT_EQ(picture.ops.front().name, "clear");
    EXPECT_TRUE(printer.ops.empty());

    // Per day row: ten texts, then the phase (3 circles), then the night,
    // twilight, daylight and Moon bars in that order.
    std::vector<std::string> seq;
    for (const auto& o : picture.ops)
        if (o.name == "text" || o.name == "box" || o.name == "circle") seq.push_back(o.name);
    auto texts = picture.named("text");
    // Row 0 headings, 30 day rows, 13 hour labels: an hour is 19.6 wide, so
    // "9" and "10" would stand 4.6 apart, less than a blank (10); every 2nd.
    ASSERT_EQ(texts.size(), 10u + 300u + 13u);
    for (int i = 0; i < 13; ++i) EXPECT_EQ(texts[310u + i].text, std::to_string(2 * i));
    EXPECT_EQ(texts[0].text, "Day");
    EXPECT_EQ(texts[9].text, "Phase");

    // Sundays after a Saturday are grey; 1 June 2024 is a Saturday.
    for (const auto& t : texts) {
        if (t.text.size() == 4 && t.text[2] == ' ') {
            bool sunday = t.text.back() == 'S' && t.text != "01 S" &&
                          (t.text == "02 S" || t.text == "09 S" || t.text == "16 S" ||
                           t.text == "23 S" || t.text == "30 S");
            EXPECT_EQ(t.color, sunday ? render::kGrey : render::kBlack) << t.text;
        }
    }

    // Bars of day 1 follow its phase symbol: black, dark grey, light grey, yellow.
    auto boxes = picture.named("box");
    ASSERT_GE(boxes.size(), 4u);
    EXPECT_EQ(boxes[0].color, render::kBlack);
    EXPECT_FLOAT_EQ(boxes[0].w, static_cast<float>(24 * layout.xg_d));
    std::vector<render::Color> order;
    for (const auto& b : boxes)
        if (order.empty() || order.back() != b.color) order.push_back(b.color);
    EXPECT_EQ(order[1], render::kDarkGrey);
    EXPECT_EQ(order[2], render::kLightGrey);
    EXPECT_EQ(order[3], render::kYellow);

    // 25 white hour lines, 31 rows long even in a 30-day month.
    auto lines = picture.named("line");
    ASSERT_EQ(lines.size(), 25u);
    for (int h = 0; h <= 24; ++h) {
        EXPECT_FLOAT_EQ(lines[h].x, static_cast<float>(layout.xg_st + h * layout.xg_d));
        EXPECT_FLOAT_EQ(lines[h].y, static_cast<float>(layout.y_st + layout.y_d));
        EXPECT_FLOAT_EQ(lines[h].w, 0);
        EXPECT_FLOAT_EQ(lines[h].h, static_cast<float>(31 * layout.y_d));
        EXPECT_EQ(lines[h].color, render::kWhite);
    }
    // Hour labels centred over their lines on row 0.
    const auto& l24 = texts.back();
    EXPECT_EQ(l24.text, "24");
    EXPECT_FLOAT_EQ(l24.x, static_cast<float>(layout.xg_st + 24 * layout.xg_d - 10));
    EXPECT_FLOAT_EQ(l24.y, static_cast<float>(layout.y_st));
    // Each day: 3 circles before its 4 or more boxes.
    auto firstBox = std::find(seq.begin(), seq.end(), "box");
    auto firstCircle = std::find(seq.begin(), seq.end(), "circle");
    EXPECT_LT(firstCircle - seq.begin(), firstBox - seq.begin());
    EXPECT_EQ(picture.named("circle").size(), 90u);
}

TEST_F(PageTest, DayOneOnASundayIsBlack) {
    auto r = Calc("202409");  // 1 September 2024 is a Sunday
    ASSERT_TRUE(r);
    ASSERT_TRUE(Draw(*r));
    for (const auto& t : picture.named("text")) {
        if (t.text == "01 S") {
            EXPECT_EQ(t.color, render::kBlack);
        }
        if (t.text == "07 S") {
            EXPECT_EQ(t.color, render::kBlack);
        }  // Saturday
        if (t.text == "08 S") {
            EXPECT_EQ(t.color, render::kGrey);
        }
    }
}

TEST_F(PageTest, PrintedPageHeaderLegendsAndFont) {
    settings.outputDevice = settings::OutputDevice::Printer;
    settings.fontName = "Print Font";
    settings.fontSize = 11;
    settings.longitude = -3.5;
    settings.latitude = 0.5;
    settings.timeZone = -4;
    ctx.summerTime = true;
    printer.charWidth = 7;  // printer metrics differ from the screen's
    auto r = Calc("202406");
    ASSERT_TRUE(r);
    ASSERT_TRUE(Draw(*r));
    EXPECT_TRUE(picture.named("text").empty());
    EXPECT_TRUE(picture.named("clear").empty());
    auto t = printer.texts();
    ASSERT_GE(t.size(), 4u);
    EXPECT_EQ(t[0], "Rise and Set for Sun and Moon   V0.9");
    EXPECT_EQ(t[2], "Month: 202406   Long.: -3.5   Lat.: 0.5   Time Zone: -4, Summertime");
    EXPECT_EQ(t[3], "Day");
    EXPECT_NE(std::find(t.begin(), t.end(), "Time"), t.end());
    EXPECT_NE(std::find(t.begin(), t.end(), "Rise"), t.end());
    EXPECT_EQ(std::find(t.begin(), t.end(), "Phase") - t.begin(), 12);  // heading row only
    EXPECT_EQ(t[t.size() - 2], "'D.a.n.M.' = Dark and no Moon, '----' = no rise or set on this day");
    EXPECT_EQ(t.back(),
              "'a.h.' = (always) above horizon, 'b.h.' = (always) below horizon, a.b. = always "
              "bright, a.d. = always dark");
    // The table itself is left as it was.
    EXPECT_EQ(r->tab[0], month::Headings());
    // Font set first, restored before the page is ended.
    auto& ops = printer.ops;
    ASSERT_GE(ops.size(), 5u);
    EXPECT_EQ(ops[0].name, "fontname");
    EXPECT_EQ(ops[0].text, "Print Font");
    EXPECT_EQ(ops[1].name, "fontsize");
    EXPECT_FLOAT_EQ(ops[1].w, 11);
    EXPECT_EQ(ops[ops.size() - 3].text, "Default Font");
    EXPECT_FLOAT_EQ(ops[ops.size() - 2].w, 12);
    EXPECT_EQ(ops.back().name, "enddoc");
    EXPECT_EQ(printer.named("enddoc").size(), 1u);
    // Hour labels are measured on the printer itself: "12" is 14 wide there.
    auto all = printer.named("text");
    auto it = std::find_if(all.begin(), all.end(), [](const auto& o) { return o.text == "12"; });
    ASSERT_NE(it, all.end());
    EXPECT_FLOAT_EQ(it->x, static_cast<float>(layout.xg_st + 12 * layout.xg_d - 7));
    // Legends on rows 33 and 34 of the table, which starts on page row 7;
    // the layout is left as it was.
    EXPECT_FLOAT_EQ(all.back().y, static_cast<float>(layout.y_st + (7 + 34) * layout.y_d));
}

TEST_F(PageTest, FailedPrintJobIsReported) {
    settings.outputDevice = settings::OutputDevice::Printer;
    printer.endDocResult = false;
    auto r = Calc("202402");
    ASSERT_TRUE(r);
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
