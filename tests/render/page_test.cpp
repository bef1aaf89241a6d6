// Page set-up, event bars, phase symbols and the whole page drawn on
// recording surfaces.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <map>
#include <set>
#include <sstream>
#include <tuple>

#include "month/format.h"
#include "month/monthcalc.h"
#include "recording_reporter.h"
#include "recording_surface.h"
#include "render/page.h"

using render::kBlack;
using render::kYellow;

namespace {

float F(double v) { return static_cast<float>(v); }

struct PageTest : ::testing::Test {
    RecordingSurface picture, printer;
    render::PrintStyle style;
    render::OutputDevice device = render::OutputDevice::Screen;
    RecordingReporter reporter;
    // One hour is 10 units wide from x = 100; rows are 20 units high.
    render::PageLayout layout{0, 20, 5, 50, 100, 10};
    render::Output out{picture, &printer, device};
    render::PageContext ctx{out, layout, style, "202406", reporter};
};

}  // namespace

TEST_F(PageTest, SetUpFillsTheSheetWithinItsMargins) {
    // Characters 10 wide and "99999" a column.  Screen of 1000 x 700 with
    // texts 20 high: margins of half a text height and a fifth of a column,
    // the headings row, then table rows 0 to 32 (the last the graph's key),
    // the graph a blank right of the 10 columns.  Printer: margins 10, 15, 20 and 25 mm of the sheet as held
    // (A4 210 x 297 mm, US Letter 215.9 x 279.4 mm), here 10 units a
    // millimetre; 43 rows (0 to 42, the key's); texts 200 high, so that rows are not capped at 1.3
    // text heights.
    style.marginTop = 10;
    style.marginBottom = 15;
    style.marginLeft = 20;
    style.marginRight = 25;
    printer.textHeight = 200;
    // Paper and orientation code, sheet size; top, bottom, left, column
    // width, graph left and right.
    const std::tuple<int, int, double, double, std::array<double, 6>> sheets[] = {
        {0, 0, 1000, 700, {30, 690, 10, 50, 520, 990}},        // the screen
        {9, 1, 2100, 2970, {100, 2820, 200, 50, 710, 1850}},   // A4 portrait
        {1, 2, 2794, 2159, {100, 2009, 200, 50, 710, 2544}}};  // US Letter landscape
    for (const auto& [paper, orientation, w, h, edges] : sheets) {
        if (paper) device = render::OutputDevice::Printer;
        RecordingSurface& s = paper ? printer : picture;
        s.width = w, s.height = h, s.paper = paper, s.orientation = orientation;
        render::PageSetup(ctx);
        const std::array<double, 6> got{layout.top, layout.top + (paper ? 43 : 33) * layout.rowHeight, layout.tableLeft,
                                        layout.columnWidth,  layout.graphLeft, layout.graphLeft + 24 * layout.hourWidth};
        for (std::size_t i = 0; i < got.size(); ++i) EXPECT_NEAR(got[i], edges[i], 1e-9) << w << " " << i;
    }
}

// The screen page of June 2024.  (The key's words and the bars: held by
// KeyShowsTheBarsOwnShades and QtPrinterSurface, the printer page by both.)
TEST_F(PageTest, PageOfJune2024) {
    // June 2024 at Vienna.
    ASSERT_TRUE(render::LayOutAndDraw(ctx, month::CalculateMonth("202406", {16.33, 48.25, {1, false, ""}, ""}, reporter).value()));
    EXPECT_EQ(picture.circles.size(), 90u);  // each day's phase symbol: three circles
    // The headings line and "Time" as on paper (10 down), row 0's
    // sub-headings (a row lower), 30 day rows of 10 cells, 13 hour labels:
    // an hour is 19.6 wide, so "9" and "10" would stand 4.6 apart, less than
    // a blank (10); every 2nd, centred over its line on row 0, "24" kept
    // whole; then the key's five words (KeyShowsTheBarsOwnShades).
    const auto& texts = picture.texts;
    ASSERT_EQ(texts.size(), 11u + 10u + 300u + 13u + 5u);
    std::string row0;
    for (int i = 0; i < 21; ++i) row0 += texts[i].text + (i == 10 ? "|" : " ");
    EXPECT_EQ(row0, "Day Moon  Sun  Ast.Twilight  D.a.n.M.  Phase Time| Rise Set Rise Set Beg. End Beg. End  ");
    EXPECT_EQ(std::tuple(texts[0].y, texts[10].x, texts[11].y, texts[12].y), std::tuple(F(10), F(layout.graphLeft), F(30), F(30)));
    for (int i = 0; i < 13; ++i) EXPECT_EQ(texts[321u + i].text, std::to_string(2 * i));
    EXPECT_EQ(std::pair(texts[333].x, texts[333].y), std::pair(F(layout.graphLeft + 24 * layout.hourWidth - 10), F(30)));
    // A Sunday that follows a Saturday is grey: 1 June 2024 was a Saturday.
    for (const auto& [day, colour] : {std::pair(1, kBlack), {2, render::kGrey}, {8, kBlack}, {9, render::kGrey}})
        EXPECT_EQ(texts[11 + 10 * day].color, colour) << texts[11 + 10 * day].text;
    // 25 white hour lines down from row 1, 31 rows long even in a 30-day
    // month, then the frames of the key's four boxes.
    const auto& lines = picture.lines;
    ASSERT_EQ(lines.size(), 25u + 16u);
    for (int h = 0; h <= 24; ++h)
        EXPECT_EQ(std::tuple(lines[h].x, lines[h].y, lines[h].h, lines[h].color),
                  std::tuple(F(layout.graphLeft + h * layout.hourWidth), F(30 + layout.rowHeight), F(31 * layout.rowHeight), render::kWhite));
}

// The hour labels where the surface's edge pushes "24" left into "23"
// (a landscape page's small right margin): every label takes the next
// step, none is left out alone.  Hours 30 apart, labels 20 wide, a gap
// of 10; "24" stands at most at the edge minus its width.
TEST(HourLabels, EvenlySpacedWhereTheEdgePushes) {
    const std::tuple<int, double, int> cases[] = {  // step, surface width, step drawn
        {1, 800, 1}, {1, 715, 2}, {2, 700, 2}, {2, 690, 3}, {4, 800, 4}};
    for (const auto& [step, width, drawn] : cases) {
        auto left = [w = width](int h) { return std::min(h * 30.0 - 10, w - 20); };
        auto right = [&](int h) { return left(h) + 20; };
        std::vector<int> want;
        for (int h = 0; h <= 24; h += drawn) want.push_back(h);
        EXPECT_EQ(render::HourLabels(step, 10, left, right), want) << step << " " << width;
    }
}

// The graph's key shows the bars' own shades, on the screen and on paper
// in both print styles: the box beside "night", "twilight", "day" and "Moon
// up" is filled (hatched, for the ink saver's night) as that bar is on every
// day of December 2024 at Vienna.  Each bar is found where the month model
// puts it: its hours, a row's bar height (the Moon's band thinner).
TEST_F(PageTest, KeyShowsTheBarsOwnShades) {
    using Paint = std::pair<std::string, render::Color>;  // a filled "box" or a "hatch" of sloping lines
    const auto m = month::CalculateMonth("202412", {16.33, 48.25, {1, false, ""}, ""}, reporter).value();
    for (const auto& [printing, inkSaver] : {std::pair{false, false}, {true, false}, {true, true}}) {
        SCOPED_TRACE(std::string(printing ? "paper" : "screen") + (inkSaver ? ", ink saver" : ""));
        RecordingSurface& s = printing ? printer : picture;
        s = RecordingSurface{};
        device = printing ? render::OutputDevice::Printer : render::OutputDevice::Screen;
        ctx.shades = render::PageShades(inkSaver);
        ASSERT_TRUE(render::LayOutAndDraw(ctx, m));
        const render::PageLayout& L = layout;
        // The boxes and the sloping lines (a hatch) painted within x0..x1, y0..y1.
        constexpr float e = 1e-3f;
        auto painted = [&](double x0, double x1, double y0, double y1, bool withBoxes) {
            std::set<Paint> p;
            auto within = [&](float x, float w, float y, float h) {
                return std::min(x, x + w) >= F(x0) - e && std::max(x, x + w) <= F(x1) + e &&
                       std::min(y, y + h) >= F(y0) - e && std::max(y, y + h) <= F(y1) + e;
            };
            for (const auto& o : s.boxes)
                if (withBoxes && within(o.x, o.w, o.y, o.h)) p.insert({"box", o.color});
            for (const auto& o : s.lines)
                if (o.w != 0 && o.h != 0 && within(o.x, o.w, o.y, o.h)) p.insert({"hatch", o.color});
            return p;
        };
        // The key: its box between the word before and the word.
        std::map<std::string, std::set<Paint>> key;
        const auto graph = std::find_if(s.texts.begin(), s.texts.end(), [](const auto& t) { return t.text == "Graph:"; });
        ASSERT_EQ(s.texts.end() - graph, 5);
        for (auto t = graph + 1; t != s.texts.end(); ++t)
            key[t->text] = painted((t - 1)->x + s.TextWidth((t - 1)->text), t->x, t->y, t->y + L.rowHeight, true);
        // The bars, row by row (paper: the table from page row 7): the box
        // of a bar's hours and height, or the night's hatch.
        std::map<std::string, std::set<Paint>> bars;
        const double top = L.top + (printing ? 7 : 0) * L.rowHeight;
        for (int r = 1; r <= m.dayRows; ++r) {
            const double y = top + r * L.rowHeight;
            auto bar = [&](const std::string& word, double from, double to, double height) {
                std::set<Paint> p;
                for (const auto& o : s.boxes)
                    if (std::abs(o.x - F(L.graphLeft + from * L.hourWidth)) < e && std::abs(o.w - F((to - from) * L.hourWidth)) < e &&
                        o.y == F(y) && std::abs(o.h - F(height * L.rowHeight)) < e)
                        p.insert({"box", o.color});
                if (word == "night") p.merge(painted(L.graphLeft, L.graphLeft + 24 * L.hourWidth, y, y + 0.8 * L.rowHeight, false));
                EXPECT_EQ(p.size(), 1u) << word << " on day " << r;
                bars[word].merge(p);
            };
            bar("night", 0, 24, 0.8);
            for (const auto& [body, word] : {std::pair{month::Horizon::Twilight, "twilight"}, {month::Horizon::Sun, "day"},
                                             {month::Horizon::Moon, "Moon up"}}) {
                const month::BarHours h = month::BarOf(m.day(r).horizon(body));
                const double height = body == month::Horizon::Moon ? ctx.shades.moonHeight : 0.8;
                if (h.from > h.to) bar(word, 0, h.to, height);  // over midnight
                if (h.from < 24) bar(word, h.from, h.from > h.to ? 24 : h.to, height);
            }
        }
        EXPECT_EQ(key, bars);
    }
}

// A body's day from "r0612 s1845" (rise and set at hh:mm, the cells'
// crossings) with "-" before a crossing the cells do not show.
month::HorizonDay bodyDay(const std::string& crossings, bool aboveAtStart = false) {
    month::HorizonDay b{{}, aboveAtStart};
    std::istringstream in(crossings);
    for (std::string t; in >> t;) {
        const bool inCell = t[0] != '-';
        if (!inCell) t.erase(0, 1);
        b.crossings.push_back({t[0] == 'r' ? month::Direction::Rise : month::Direction::Set, 0, 0,
                               std::stoi(t.substr(1)), 0, inCell});
    }
    return b;
}

TEST_F(PageTest, BarsFromTheModel) {
    // Row 3: y 60, 0.8 of a row high; an hour is 10 units from x = 100.
    const std::tuple<month::HorizonDay, std::vector<std::pair<float, float>>> cases[] = {  // bars: x, width
        {bodyDay("r0612 s1845"), {{162, 125.5f}}},
        {bodyDay("s0815 r2130"), {{100, 82.5f}, {315, 25}}},  // over midnight: two bars
        {bodyDay("s0815"), {{100, 82.5f}}},                   // no rise: from 0 h
        {bodyDay("r2130"), {{315, 25}}},                      // no set: to 24 h
        {bodyDay("-s0041 r2202 s2351"), {{320.333f, 18.1667f}}},  // the cells' crossings only
        {bodyDay("", true), {{100, 240}}},                    // above all day
        {bodyDay(""), {{340, 0}}},                            // below: zero width at the right edge
        {bodyDay("r1000 s1000"), {{200, 0}}},
    };
    for (const auto& [body, bars] : cases) {
        picture.boxes.clear();
        const month::BarHours h = month::BarOf(body);
        render::DrawBar(ctx, 3, h.from, h.to, render::kLightGrey);
        ASSERT_EQ(picture.boxes.size(), bars.size()) << h.from << " " << h.to;
        for (std::size_t i = 0; i < bars.size(); ++i) {
            const auto& b = picture.boxes[i];
            EXPECT_TRUE(std::abs(b.x - bars[i].first) < 1e-3f && std::abs(b.w - bars[i].second) < 1e-3f &&
                        b.y == 60 && b.h == 16 && b.color == render::kLightGrey) << h.from << " " << b.x << " " << b.w;
        }
    }
}

TEST_F(PageTest, PhaseSymbols) {
    // Published lunar phases: June 2024 new moon on the 6th, first quarter
    // on the 14th at 05:18 UT, full moon on the 22nd, last quarter on the
    // 28th; the new moon of 1 January 1900 at 13:52 UT makes noon of that
    // day late in the lunation.  The day's date (the month text stays
    // "202406": the symbol reads the model), south of the equator, the
    // disc's colour, the half disc's (and the ellipse's), whether the half
    // is the left one.  Seen from the south the Moon is upside down: the
    // waxing crescent lit on the left, the dark half on the right.
    const std::tuple<calendar::YearMonth, int, bool, render::Color, render::Color, bool> cases[] = {
        {{2024, 6}, 8, false, kYellow, kBlack, true},    // waxing crescent
        {{2024, 6}, 8, true, kYellow, kBlack, false},    // the same, south
        {{2024, 6}, 14, false, kYellow, kBlack, true},   // the mean lunation's quarter is hours later
        {{2024, 6}, 18, false, kBlack, kYellow, false},  // waxing gibbous
        {{2024, 6}, 23, false, kBlack, kYellow, true},   // just after full
        {{2024, 6}, 23, true, kBlack, kYellow, false},   // the same, south
        {{2024, 6}, 30, false, kYellow, kBlack, false},  // waning crescent
        {{1900, 1}, 1, false, kYellow, kBlack, false},   // a sliver before new moon
    };
    for (const auto& [date, day, south, disc, half, left] : cases) {
        SCOPED_TRACE(std::to_string(date.year) + "-" + std::to_string(date.month) + " day " + std::to_string(day) + (south ? " south" : ""));
        month::Day d;
        d.date = date, d.dayOfMonth = day;
        picture.circles.clear();
        render::DrawPhaseSymbol(ctx, day, d, south);
        // A whole disc, a half disc starting straight up (pi/2) when it is
        // the left half, and an ellipse; each of radius 0.6 row, filled in
        // its own colour, at the right edge of column 9 (5 + 450 to 5 + 500)
        // on odd days, at its left on even days, centred in the row.
        const auto& c = picture.circles;
        ASSERT_EQ(c.size(), 3u);
        EXPECT_EQ(std::tuple(c[0].color, c[1].color, c[2].color), std::tuple(disc, half, half));
        EXPECT_FALSE(c[0].start || c[0].aspect);
        ASSERT_TRUE(c[1].start && c[2].aspect);
        EXPECT_EQ(std::fabs(*c[1].start - 1.5707965f) < 1e-6f, left);
        const float x = day % 2 ? 505 - 12 : 455 + 12, y = F(day * 20 + 10);
        for (const auto& o : c) EXPECT_EQ(std::tuple(o.x, o.y, o.w, o.fill), std::tuple(x, y, 12.f, o.color));
        // At a quarter the ellipse is nearly a vertical line.
        EXPECT_TRUE(day != 14 || *c[2].aspect > 5.0f) << *c[2].aspect;
    }
}
