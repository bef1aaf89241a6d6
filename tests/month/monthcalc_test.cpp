// The month run: month-text check, day rows, the Day column, keys and
// TSV of a whole calculation.  Cell forms, key order and the clipboard of
// many months are checked in invariants_test.cpp.
#include "month/monthcalc.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "recording_reporter.h"

using namespace month;

namespace {
const Location kVienna{16.33, 48.25, 1};

std::optional<MonthResult> calc(const std::string& text) {
    RecordingReporter rep;
    auto r = CalculateMonth(text, false, kVienna, rep);
    EXPECT_EQ(rep.boxes.size(), r ? 0u : 1u) << text;
    return r;
}
}  // namespace

TEST(MonthText, AcceptedAndRefused) {
    for (const char* ok : {"190001", "210012", "200102", "202406", "2024 6", "2024+6", "2024.6",
                           "2e3 12", " 2e312"})
        EXPECT_TRUE(CheckMonthText(ok).has_value()) << ok;
    // ".5" is a half: it rounds to the even neighbour 0, which is no month.
    for (const char* bad : {"189912", "210101", "20011", "2001013", "200100", "200113", "",
                            "abcdef", "2024-1", " 20246", "1e9901", "9e9912", "2024.5",
                            "20240\xC3\xA9"})
        EXPECT_FALSE(CheckMonthText(bad).has_value()) << bad;
    EXPECT_EQ(CheckMonthText("2024.6")->month, 1);
    EXPECT_EQ(CheckMonthText("2e3 12")->year, 2000);
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
    const std::pair<const char*, int> cases[] = {
        {"200102", 28}, {"200002", 29}, {"190002", 28}, {"210002", 28}, {"202404", 30}, {"202412", 31}};
    for (const auto& [text, days] : cases) EXPECT_EQ(calc(text)->dayRows, days) << text;
}

TEST(MonthRun, HeadingsAndDayColumn) {
    auto r = calc("202409");  // 1 September 2024 is a Sunday
    ASSERT_TRUE(r);
    const auto& t = r->tab;
    const std::vector<std::string> headings = {"Day", "Moon", "", "Sun", "", "Ast.Twilight", "",
                                               "D.a.n.M.", "", "Phase"};
    EXPECT_EQ(std::vector<std::string>(t[0].begin(), t[0].end()), headings);
    EXPECT_EQ(t[1][0], "01 S");
    EXPECT_EQ(t[2][0], "02 M");
    EXPECT_EQ(t[7][0], "07 S");
    EXPECT_EQ(t[30][0], "30 M");
    EXPECT_EQ(t[31][0], "");  // no 31 September
    EXPECT_EQ(SubHeadings()[1], "Rise");
    EXPECT_EQ(SubHeadings()[6], "End");
}

TEST(MonthRun, FebruaryKeysForDays29To31AreTheFirstDaysOfMarch) {
    auto feb = calc("200102");
    auto mar = calc("200103");
    ASSERT_TRUE(feb && mar);
    for (std::size_t d = 29; d <= 31; ++d)
        for (std::size_t c = 1; c <= 6; ++c) EXPECT_EQ(feb->tab[d][c], mar->tab[d - 28][c]);
    EXPECT_EQ(feb->tab[29][0], "");
    EXPECT_EQ(feb->keys.back().substr(0, 2), "31");
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
