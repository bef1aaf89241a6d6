// The command-line mode end to end: options, exit codes and the text
// outputs, with the settings file in a temporary folder.
#include "cli/cli.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include <unistd.h>

#include "celltext.h"
#include "recording_reporter.h"

namespace fs = std::filesystem;

namespace {
class Cli : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = fs::temp_directory_path() /
               ("almucan-cli-" + std::to_string(::getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
    }
    void TearDown() override { fs::remove_all(dir_); }

    int run(std::vector<std::string> args) {
        args.push_back("--settings-dir");
        args.push_back(dir_.string());
        cli::ParseResult pr = cli::ParseArgs(args);
        EXPECT_EQ(pr.error, "");
        out_.clear();
        rep_.clear();
        return cli::Run(pr.options, cli::GraphicOutputs{}, out_, rep_);
    }
    fs::path dir_;
    std::string out_;
    RecordingReporter rep_;
};

std::vector<std::string> lines(const std::string& s, const std::string& sep) {
    std::vector<std::string> v;
    std::size_t p = 0, q;
    while ((q = s.find(sep, p)) != std::string::npos) {
        v.push_back(s.substr(p, q - p));
        p = q + sep.size();
    }
    if (p < s.size()) v.push_back(s.substr(p));
    return v;
}
}  // namespace

TEST(CliArgs, OptionsAndTheirErrors) {
    auto ok = cli::ParseArgs({"--month", "202406", "--events", "--summer-time", "--lon", "-70.5"});
    EXPECT_EQ(ok.error, "");
    EXPECT_EQ(*ok.options.month, "202406");
    EXPECT_EQ(*ok.options.lon, "-70.5");
    EXPECT_EQ(ok.options.text, cli::TextOutput::Events);
    EXPECT_TRUE(ok.options.summerTime);
    // Each error names the option at fault (more, through the program, in
    // reliability_binary.cmake).
    const std::vector<std::pair<std::vector<std::string>, std::string>> bad = {
        {{"--month"}, "option --month needs a value (yyyymm)"},
        {{"--bogus"}, "--bogus"},
        {{"--tsv", "--events"}, "--tsv excludes --events"},
        {{"--size", "10x10"}, "--size: wants WxH"},
        {{"--paper", "a3"}, "--paper: wants a4 or letter"},
        {{"--pdf", ""}, "--pdf: the file name is empty"},
        {{"--year", "2025", "--month", "202501"}, "--year and --month exclude each other"},
        {{"--month", "202501", "--year", "2025"}, "--year and --month exclude each other"},
        {{"--year", "2025", "--png", "x.png"}, "--year and --png exclude each other"},
        {{"--year", "2025", "--events"}, "--year and --events exclude each other"},
        {{"--year", "1899"}, "--year: wants a year from 1900 to 2100"},
        {{"--year", "2101"}, "--year: wants a year from 1900 to 2100"},
        {{"--year", "2o25"}, "--year: wants a year from 1900 to 2100"},
        {{"--ics", ""}, "--ics: the file name is empty"},
    };
    for (const auto& [args, want] : bad) {
        std::string e = cli::ParseArgs(args).error;
        EXPECT_NE(e.find(want), std::string::npos) << args[0] << ": " << e;
    }
    auto png = cli::ParseArgs({"--month", "202406", "--png", "x.png", "--size", "640x480"});
    EXPECT_EQ(png.options.text, cli::TextOutput::None);
    EXPECT_EQ(png.options.width, 640);
    EXPECT_EQ(png.options.height, 480);
    for (const char* edge : {"1900", "2100"}) EXPECT_EQ(cli::ParseArgs({"--year", edge}).error, "");
    EXPECT_EQ(cli::ParseArgs({"--year", "2025", "--ics", "y.ics"}).options.text,
              cli::TextOutput::None);
    // A repeated option takes its last value.
    EXPECT_EQ(*cli::ParseArgs({"--month", "202401", "--month", "202402"}).options.month, "202402");
}

// The year's TSV is the twelve months' TSV, each after the month line of
// its text table.
TEST_F(Cli, YearTsvIsTheTwelveMonthsWithTheirMonthLines) {
    ASSERT_EQ(run({"--year", "2024", "--tsv", "--summer-time"}), 0);
    const std::string year = out_;
    std::string want;
    for (int m = 1; m <= 12; ++m) {
        std::string text = "2024" + std::string(m < 10 ? "0" : "") + std::to_string(m);
        ASSERT_EQ(run({"--month", text, "--summer-time"}), 0);
        want += lines(out_, "\n")[1] + "\n";
        ASSERT_EQ(run({"--month", text, "--tsv", "--summer-time"}), 0);
        want += out_;
    }
    EXPECT_EQ(year, want);
    EXPECT_NE(year.find("Month: 202412   Long.: 16.33   Lat.: 48.25   Time Zone: 1, Summertime\n"),
              std::string::npos);
}

// The location options change the table (at 78.2 N the Sun stays below
// the horizon in early February) but are not saved: the settings file the
// first run created keeps the defaults.
TEST_F(Cli, TsvRowsAndLocationOverrides) {
    ASSERT_EQ(run({"--month", "202402", "--tsv", "--lon", "15.6", "--lat", "78.2", "--tz", "1"}), 0);
    auto l = lines(out_, "\n");
    ASSERT_EQ(l.size(), 30u);
    EXPECT_EQ(l[1].substr(0, 4), "01 T");
    EXPECT_NE(l[1].find("\tb.h.\t"), std::string::npos) << l[1];
    std::ifstream in(dir_ / "Almucan.INI", std::ios::binary);
    std::string first, second;
    std::getline(in, first);
    std::getline(in, second);
    EXPECT_EQ(second, " 16.33\r");
}

// --summer-time reaches the calculation: the sunrise of 21 June an hour
// later (a minute either way, as the samples fall on other instants; all
// events are compared in DailyEvents.SummerTimeMakesEveryEventOneHourLater).
TEST_F(Cli, SummerTimeShiftsTheTable) {
    ASSERT_EQ(run({"--month", "202406", "--tsv"}), 0);
    const std::string winter = lines(lines(out_, "\n").at(21), "\t").at(3);
    ASSERT_EQ(run({"--month", "202406", "--tsv", "--summer-time"}), 0);
    const std::string summer = lines(lines(out_, "\n").at(21), "\t").at(3);
    ASSERT_TRUE(testsupport::IsClock(winter) && testsupport::IsClock(summer)) << winter << " " << summer;
    EXPECT_NEAR(testsupport::Minutes(summer) - testsupport::Minutes(winter), 60, 1);
}

TEST_F(Cli, TableHasHeaderAndDays) {
    ASSERT_EQ(run({"--month", "202406"}), 0);
    EXPECT_EQ(out_.rfind("Almucan V0.9 - Rise and Set for Sun and Moon\n", 0), 0u);
    EXPECT_NE(out_.find("\n30 S"), std::string::npos);
    EXPECT_EQ(out_.find("\n31 "), std::string::npos);
}

// Refused location values and files that cannot be written: rows of
// reliability_binary.cmake.

TEST_F(Cli, GraphicOutputWithoutQtIsAnError) {
    EXPECT_EQ(run({"--month", "202406", "--png", (dir_ / "x.png").string()}), 1);
    EXPECT_EQ(rep_.boxes.size(), 1u);
}
