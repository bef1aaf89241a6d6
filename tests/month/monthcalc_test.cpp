// The month run: month-text check, day rows, the Day column, keys and
// clipboard of a whole calculation.
#include "month/monthcalc.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <regex>

#include "recording_reporter.h"

using namespace month;

namespace {
const Location kVienna{16.33, 48.25, 1};

std::optional<MonthResult> calc(const std::string& text, bool st = false,
                                Location loc = kVienna) {
    RecordingReporter rep;
    auto r = CalculateMonth(text, st, loc, rep);
    EXPECT_EQ(rep.boxes.size(), r ? 0u : 1u) << text;
    return r;
}
}  // namespace

TEST(MonthText, AcceptedAndRefused) {
    for (const char* ok : {"190001", "210012", "200102", "202406", "2024 6", "2024+6", "2024.6",
                           "2e3 12", " 2e312"})
        EXPECT_TRUE(CheckMonthText(ok).has_value()) << ok;
    for (const char* bad : {"189912", "210101", "20011", "2001013", "200100", "200113", "",
                            "abcdef", "2024-1", " 20246", "1e9901", "9e9912", "2024.5",
                            "20240\xC3\xA9"})
        EXPECT_FALSE(CheckMonthText(bad).has_value()) << bad;
}

TEST(MonthText, ValuesAreRoundedHalfToEven) {
    EXPECT_EQ(CheckMonthText("2024.6")->month, 1);
    EXPECT_EQ(CheckMonthText("2e3 12")->year, 2000);
    // ".5" is a half: it goes to the even neighbour 0, which is no month.
    EXPECT_FALSE(CheckMonthText("2024.5").has_value());
}

TEST(MonthRun, RefusedTextBeepsThenShowsInputErrorOnly) {
    RecordingReporter rep;
    EXPECT_FALSE(CalculateMonth("189912", false, kVienna, rep).has_value());
    ASSERT_EQ(rep.log.size(), 2u);
    EXPECT_EQ(rep.log[0], "beep");
    EXPECT_EQ(rep.boxes[0].text, "Input error.");
    EXPECT_EQ(rep.boxes[0].title, "Error");
    EXPECT_EQ(rep.boxes[0].icon, report::Icon::Critical);
}

TEST(MonthRun, DayRowsAreTheGregorianMonthLength) {
    EXPECT_EQ(calc("200102")->dayRows, 28);
    EXPECT_EQ(calc("200002")->dayRows, 29);
    EXPECT_EQ(calc("190002")->dayRows, 28);
    EXPECT_EQ(calc("210002")->dayRows, 28);
    EXPECT_EQ(calc("202404")->dayRows, 30);
    EXPECT_EQ(calc("202412")->dayRows, 31);
    EXPECT_EQ(DaysInMonth(2024, 2), 29);
    EXPECT_EQ(DaysInMonth(1900, 2), 28);
}

TEST(MonthRun, HeadingsAndDayColumn) {
    auto r = calc("202409");  // 1 September 2024 is a Sunday
    ASSERT_TRUE(r);
    const auto& t = r->tab;
    EXPECT_EQ(t[0][0], "Day");
    EXPECT_EQ(t[0][1], "Moon");
    EXPECT_EQ(t[0][2], "");
    EXPECT_EQ(t[0][3], "Sun");
    EXPECT_EQ(t[0][5], "Ast.Twilight");
    EXPECT_EQ(t[0][7], "D.a.n.M.");
    EXPECT_EQ(t[0][9], "Phase");
    EXPECT_EQ(t[1][0], "01 S");
    EXPECT_EQ(t[2][0], "02 M");
    EXPECT_EQ(t[7][0], "07 S");
    EXPECT_EQ(t[30][0], "30 M");
    EXPECT_EQ(t[31][0], "");  // no 31 September
    for (int d = 1; d <= 31; ++d) EXPECT_EQ(t[static_cast<std::size_t>(d)][9], "");
    EXPECT_EQ(SubHeadings()[1], "Rise");
    EXPECT_EQ(SubHeadings()[6], "End");
}

TEST(MonthRun, KeysAreSortedAndTheClipboardHasThemAll) {
    for (const char* m : {"200102", "202406", "190001", "210012"}) {
        auto r = calc(m);
        ASSERT_TRUE(r);
        ASSERT_EQ(r->keys.size(), 124u);
        EXPECT_TRUE(std::is_sorted(r->keys.begin(), r->keys.end()));
        std::string expect;
        for (const auto& k : r->keys) expect += k + "\r\n";
        EXPECT_EQ(r->clipboard, expect);
        EXPECT_EQ(std::count(r->clipboard.begin(), r->clipboard.end(), '\n'), 124);
    }
}

TEST(MonthRun, FebruaryKeysForDays29To31AreTheFirstDaysOfMarch) {
    auto feb = calc("200102");
    auto mar = calc("200103");
    ASSERT_TRUE(feb && mar);
    for (int d = 29; d <= 31; ++d)
        for (int c = 1; c <= 6; ++c)
            EXPECT_EQ(feb->tab[static_cast<std::size_t>(d)][static_cast<std::size_t>(c)],
                      mar->tab[static_cast<std::size_t>(d - 28)][static_cast<std::size_t>(c)]);
    EXPECT_EQ(feb->tab[29][0], "");
    EXPECT_EQ(feb->keys.back().substr(0, 2), "31");
}

TEST(MonthRun, EveryEventCellHasOneOfTheKnownForms) {
    const std::regex timed("([01][0-9]|2[0-3])[0-5][0-9]|2400");
    const Location places[] = {{16.33, 48.25, 1},  {-70.7, -33.4, -4}, {139.7, 35.7, 9},
                               {15.6, 78.2, 1},    {-179.9, -60, -12}, {179.9, 66, 12},
                               {0, 89.9, 0},       {-45, -89.9, -3},   {0, 0, 0}};
    for (const auto& loc : places)
        for (const char* m : {"202401", "202403", "202406", "202409", "202412"}) {
            auto r = calc(m, false, loc);
            ASSERT_TRUE(r);
            for (int d = 1; d <= 31; ++d) {
                const auto& row = r->tab[static_cast<std::size_t>(d)];
                for (int obj = 0; obj < 3; ++obj) {
                    const std::string& a = row[static_cast<std::size_t>(1 + 2 * obj)];
                    const std::string& b = row[static_cast<std::size_t>(2 + 2 * obj)];
                    bool isMark = obj < 2 ? (a == "a.h." || a == "b.h.") : (a == "a.b." || a == "a.d.");
                    if (isMark) {
                        EXPECT_EQ(b, "");
                    } else {
                        EXPECT_TRUE(a == "----" || std::regex_match(a, timed)) << a;
                        EXPECT_TRUE(b == "----" || std::regex_match(b, timed)) << b;
                        EXPECT_FALSE(a == "----" && b == "----");
                    }
                }
            }
        }
}

TEST(MonthRun, TsvHasHeadingsAndOneLinePerDay) {
    auto r = calc("202402");
    ASSERT_TRUE(r);
    std::string tsv = TsvText(*r);
    EXPECT_EQ(std::count(tsv.begin(), tsv.end(), '\n'), 30);
    EXPECT_EQ(std::count(tsv.begin(), tsv.end(), '\t'), 30 * 9);
    EXPECT_EQ(tsv.substr(0, 9), "Day\tMoon\t");
    EXPECT_EQ(tsv.find("30 "), std::string::npos);
}
