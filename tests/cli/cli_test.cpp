// The command-line mode: options and their errors, exit codes and the text
// outputs, with the settings file in a temporary folder.  Through the
// program itself: the .cmake scripts beside this file.
#include "cli/cli.h"

#include <array>
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <regex>

#include <nlohmann/json.hpp>
#include <time.h>
#include <unistd.h>

#include "cli/views.h"

#include "numbertexts.h"
#include "recording_reporter.h"

namespace fs = std::filesystem;

namespace {
class Cli : public ::testing::Test {
protected:
    void TearDown() override { fs::remove_all(dir_); }
    // One run: the exit code; out_ its text output, messages_ its boxes' texts.
    int run(std::vector<std::string> args) {
        args.insert(args.end(), {"--settings-dir", dir_.string()});
        const cli::ParseResult pr = cli::ParseArgs(args);
        EXPECT_EQ(pr.error, "");
        RecordingReporter rep;
        out_.clear();
        messages_.clear();
        const int code = cli::Run(pr.options, cli::GraphicOutputs{}, out_, rep);
        for (const auto& b : rep.boxes) messages_ += b.text;
        return code;
    }
    const fs::path dir_ = fs::temp_directory_path() / ("almucan-cli-" + std::to_string(::getpid()) + "-" +
                                                       ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::string out_, messages_;
};
}  // namespace

// Each error names the option at fault ("" marks arguments that are taken).
TEST(CliArgs, OptionsAndTheirErrors) {
    const std::pair<std::vector<std::string>, std::string> cases[] = {
        {{"--bogus"}, "--bogus"},                          {{"--tsv", "--events"}, "--tsv excludes --events"},
        {{"--size", "10x10"}, "--size: wants WxH"}, {{"--month", "202406", "--size", " 800x600"}, ""}, {{"--year", "2024", "--size", "800x600 "}, ""},
        {{"--paper", "a3"}, "--paper: wants a4 or letter"}, {{"--pdf", ""}, "--pdf: the file name is empty"},
        {{"--month", "202501", "--year", "2025"}, "--year and --month exclude each other"},
        {{"--year", "2025", "--events"}, "--year and --events exclude each other"},
        {{"--year", "2101"}, "--year: wants a year from 1900 to 2100"},
        {{"--zone", "Europe/Vienna", "--tz", "1"}, "--tz excludes --zone"},
        {{"--zone", "Europe/Vienna", "--summer-time"}, "--summer-time excludes --zone"},
        {{"--year", "1900"}, ""},                          {{"--year", "2100"}, ""},
    };
    for (const auto& [args, want] : cases) {
        const std::string e = cli::ParseArgs(args).error;
        EXPECT_EQ(e.empty(), want.empty()) << args[0] << ": " << e;
        EXPECT_NE(e.find(want), std::string::npos) << e;
    }
    // A repeated option takes its last value.
    EXPECT_EQ(*cli::ParseArgs({"--month", "202401", "--month", "202402"}).options.month, "202402");
}

// The title and month line (as on the page), with zones named on the
// command line or in the settings file, and places by name (their
// coordinates and zone: tests/place).  A year's TSV has each month's line
// before its table (its months: check_ics.py reads --year --json).
TEST_F(Cli, ExitCodesOutputsAndMessages) {
    const struct {
        std::vector<std::string> args;
        int code;
        std::string inOut, message;
    } cases[] = {
        {{"--month", "202406", "--summer-time"}, 0, "Almucan V0.9 - Rise and Set for Sun and Moon\n"
         "Month: 202406   Long.: 16.33   Lat.: 48.25   Time Zone: 1, Summertime\n\n", ""},
        {{"--month", "202406", "--png", "x.png"}, 1, "", "PNG output needs the Qt build of Almucan"},
        {{"--year", "2026", "--tsv", "--zone", "Asia/Kolkata", "--lon", "88.36", "--lat", "22.57"}, 0,
         "Month: 202612   Long.: 88.36   Lat.: 22.57   Time Zone: Asia/Kolkata\n", ""},
        {{"--month", "202412", "--place", "tromso"}, 0,
         "Month: 202412   Tromsø   Long.: 18.95508   Lat.: 69.6489   Time Zone: Europe/Oslo\n", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(run(c.args), c.code) << c.args.back();
        EXPECT_NE(out_.find(c.inOut), std::string::npos) << out_.substr(0, 200);
        EXPECT_EQ(messages_, c.message);
    }
    // A zone in the settings file is used without --zone; --tz sets it aside.
    std::ofstream(dir_ / "Almucan.INI", std::ios::binary | std::ios::app) << "America/New_York\r\n";
    ASSERT_EQ(run({"--month", "202603"}), 0);
    EXPECT_NE(out_.find("Time Zone: America/New_York\n"), std::string::npos);
    ASSERT_EQ(run({"--month", "202603", "--tz", "2"}), 0);
    EXPECT_NE(out_.find("Time Zone: 2\n"), std::string::npos);
}

// The table of number texts as --lon, --lat and --tz: taken whole or
// refused in one line, exit 2.
TEST_F(Cli, NumberTextsTakenWholeOrRefused) {
    const std::pair<const text::NumberField*, const char*> options[] = {
        {&settings::kLongitudeField, "--lon"}, {&settings::kLatitudeField, "--lat"}, {&settings::kTimeZoneField, "--tz"}};
    for (const auto& c : testsupport::kNumberTexts)
        for (const auto& [field, option] : options)
            if (&c.field == field) {
                EXPECT_EQ(run({"--month", "202406", option, c.text, "--events"}), c.reason ? 2 : 0) << c.text;
                EXPECT_EQ(messages_, c.reason ? text::fieldMessage(settings::Named(*field, option), c.reason) : "");
            }
}

// The location options reach the table (at 78.2 N the Sun stays below the
// horizon in early February) but are not saved.  --summer-time gives the
// table of the zone an hour east.
TEST_F(Cli, TsvFollowsTheOptionsWhichAreNotSaved) {
    ASSERT_EQ(run({"--month", "202402", "--tsv", "--lon", "15.6", "--lat", "78.2", "--tz", "1"}), 0);
    EXPECT_EQ(std::count(out_.begin(), out_.end(), '\n'), 30);  // the headings and 29 days
    EXPECT_TRUE(std::regex_search(out_, std::regex("\n01 T\t[^\t]*\t[^\t]*\tb\\.h\\.\t"))) << out_;
    std::ifstream in(dir_ / "Almucan.INI", std::ios::binary);
    EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}).substr(0, 22), "Almucan V0.9\r\n 16.33\r\n");
    ASSERT_EQ(run({"--month", "202406", "--tsv", "--summer-time"}), 0);
    const std::string summer = out_;
    ASSERT_EQ(run({"--month", "202406", "--tsv", "--tz", "2"}), 0);
    EXPECT_EQ(summer, out_);
}

// The JSON of a month: every crossing's "utc" is its instant to the second
// (as gmtime_r reads the same count of seconds, before 1970 too), and a
// date the zone skipped has null marks.
TEST(Json, InstantsAndSkippedDates) {
    const std::tuple<int, int, zone::Place, int> cases[] = {
        {1950, 6, {16.33, 48.25, {1, false, ""}, ""}, 0},
        {1900, 1, {-171.77, -13.83, {-11, false, ""}, ""}, 0},
        {2011, 12, {-171.77, -13.83, {0, false, "Pacific/Apia"}, "Apia"}, 30},
    };
    for (const auto& [year, mon, place, skipped] : cases) {
        const month::Month m = month::CalculateMonth(month::YearMonth{year, mon}, place);
        const auto next = month::CalculateMonth(calendar::ShiftedMonth(m.ym, 1), place);
        const auto j = nlohmann::json::parse(cli::MonthJson(m, month::Nights(m, next)));
        int checked = 0;
        for (int d = 1; d <= m.dayRows; ++d) {
            const auto& jd = j["days"][static_cast<std::size_t>(d - 1)];
            for (std::size_t b = 0; b < month::kHorizons; ++b) {
                const char* name = std::array{"moon", "sun", "twilight", "nautical", "civil"}[b];
                EXPECT_EQ(jd[name]["mark"].is_null(), d == skipped || m.day(d).horizons[b].mark() == month::DayMark::None);
                const auto& cs = m.day(d).horizons[b].crossings;
                ASSERT_EQ(jd[name]["crossings"].size(), cs.size());
                for (std::size_t k = 0; k < cs.size(); ++k, ++checked) {
                    const auto t = static_cast<time_t>(std::llround((cs[k].mjd - 40587) * 86400));
                    struct tm tm {};
                    char iso[32];
                    strftime(iso, sizeof iso, "%Y-%m-%dT%H:%M:%SZ", gmtime_r(&t, &tm));
                    EXPECT_EQ(jd[name]["crossings"][k]["utc"], iso) << year << " day " << d;
                }
            }
        }
        EXPECT_GT(checked, 100);
    }
}
