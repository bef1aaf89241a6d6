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
#include <set>
#include <sstream>
#include <cstring>

#include <nlohmann/json.hpp>
#include <time.h>
#include <unistd.h>

#include "cli/views.h"
#include "settings/settingsfile.h"

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
        {{"--moon-max", "101"}, "--moon-max: wants a percentage from 0 to 100"},
        {{"--darkness", "dusk"}, "--darkness: wants astronomical, nautical or civil"},
        {{"--darkness", "civil"}, "--darkness needs --month or --year"},
        {{"--ephemeris", "exact"}, "--ephemeris: wants standard or precise"},
        {{"--site", "Home", "--lat", "1"}, "--lat excludes --site"}, {{"--sites", "--month", "202406"}, "excludes --sites"},
        {{"--month", "202406", "--site", "A", "--site", "B", "--png", "a.png"}, "several --site compare nights"},
        {{"--month", "202406", "--site", "A", "--site", "B", "--site", "C", "--site", "D", "--site", "E", "--json"}, "at most four"},
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

// Sites kept in the sites file: listed (a damaged line said and passed
// over), one chosen by name in any letter case, an unknown name answered
// with the closest, and two compared: each site's column holds the dark
// minutes of its own --nights --tsv, the best column the site with more.
TEST_F(Cli, SitesListedChosenAndCompared) {
    ASSERT_EQ(run({"--month", "202406"}), 0);  // the settings folder made
    const std::string home = "Home\t16.37\t48.21\tEurope/Vienna\n", hut = "H\xC3\xBCtte \xC3\x98\t11.9\t46.9\t1\n";
    std::ofstream(dir_ / "Almucan-sites.tsv") << "# sites\n" << home << "x\t200\t1\t1\n" << hut;
    ASSERT_EQ(run({"--sites"}), 0);
    EXPECT_EQ(out_, home + hut);
    EXPECT_NE(messages_.find("line 3: longitude '200'"), std::string::npos) << messages_;
    EXPECT_EQ(run({"--month", "202406", "--site", "Hoem"}), 2);
    EXPECT_NE(messages_.find("no site named 'Hoem'; the closest: Home"), std::string::npos) << messages_;
    EXPECT_EQ(run({"--month", "202406", "--site", "tte"}), 2);  // a name holding the text first
    EXPECT_NE(messages_.find("the closest: H\xC3\xBCtte \xC3\x98, Home"), std::string::npos) << messages_;
    ASSERT_EQ(run({"--month", "202406", "--site", "home"}), 0);
    EXPECT_NE(out_.find("Month: 202406   Home   Long.: 16.37   Lat.: 48.21   Time Zone: Europe/Vienna\n"), std::string::npos);
    std::vector<std::vector<std::string>> minutes(2);  // each site's dark minutes, night by night
    for (int k = 0; k < 2; ++k) {
        ASSERT_EQ(run({"--month", "202406", "--nights", "--tsv", "--site", k ? "H\xC3\xBCtte \xC3\x98" : "Home"}), 0);
        std::istringstream lines(out_);
        std::string line;
        std::getline(lines, line);
        while (std::getline(lines, line)) minutes[k].push_back(std::regex_replace(line, std::regex("^([^\t]*\t){4}([^\t]*)\t.*$"), "$2"));
    }
    ASSERT_EQ(run({"--month", "202406", "--nights", "--tsv", "--site", "Home", "--site", "H\xC3\xBCtte \xC3\x98"}), 0);
    std::istringstream lines(out_);
    std::string line;
    std::getline(lines, line);
    EXPECT_EQ(line, "night\tHome\tH\xC3\xBCtte \xC3\x98\tbest");
    for (std::size_t i = 0; std::getline(lines, line); ++i) {
        ASSERT_LT(i, minutes[0].size());
        const long long a = std::stoll(minutes[0][i]), b = std::stoll(minutes[1][i]);
        const std::string best = a > b ? "Home" : b > a ? "H\xC3\xBCtte \xC3\x98" : a > 0 ? "Home" : "";
        EXPECT_EQ(line.substr(11), minutes[0][i] + "\t" + minutes[1][i] + "\t" + best);
    }
    // One calendar: each event names its site, the UIDs all differ, and a
    // site kept twice at one spot gives one event naming both.
    std::ofstream(dir_ / "Almucan-sites.tsv", std::ios::app) << "Twin\t16.37\t48.21\tEurope/Vienna\n";
    const fs::path ics = dir_ / "sites.ics";
    ASSERT_EQ(run({"--month", "202406", "--site", "Home", "--site", "H\xC3\xBCtte \xC3\x98", "--site", "Twin", "--ics", ics.string()}), 0);
    std::ifstream in(ics);
    std::set<std::string> uids, summaries;
    for (std::string l; std::getline(in, l);) {
        if (l.rfind("UID:", 0) == 0) {
            EXPECT_TRUE(uids.insert(l).second) << l;
        }
        if (l.rfind("SUMMARY:", 0) == 0) summaries.insert(l);
    }
    EXPECT_EQ(summaries, (std::set<std::string>{"SUMMARY:Dark\\, no Moon at Home\\, Twin\r", "SUMMARY:Dark\\, no Moon at H\xC3\xBCtte \xC3\x98\r"}));
}

// The ephemeris: --ephemeris, else the settings file's ephemeris= line,
// reaches the months (their times differ by a minute here and there), the
// JSON's field and the calendar's descriptions.
TEST_F(Cli, EphemerisByOptionOrSettings) {
    ASSERT_EQ(run({"--month", "202406", "--tsv"}), 0);
    const std::string standard = out_;
    settings::Settings s;
    s.settingsPath = (dir_ / "Almucan.INI").string();
    RecordingReporter rep;
    ASSERT_EQ(settings::LoadSettings(s, "Sans", 10, rep), settings::LoadResult::Loaded);
    s.ephemeris = settings::Ephemeris::Precise;
    ASSERT_TRUE(settings::SaveSettings(s, rep));
    const fs::path ics = dir_ / "dark.ics";
    const std::pair<std::vector<std::string>, const char*> cases[] = {
        {{}, "precise"}, {{"--ephemeris", "standard"}, "standard"}, {{"--ephemeris", "precise"}, "precise"}};
    for (const auto& [option, name] : cases) {
        std::vector<std::string> args = {"--month", "202406", "--json", "--ics", ics.string()};
        args.insert(args.end(), option.begin(), option.end());
        ASSERT_EQ(run(args), 0);
        EXPECT_EQ(nlohmann::json::parse(out_)["ephemeris"], name);
        std::ifstream in(ics);
        const std::string calendar(std::istreambuf_iterator<char>(in), {});
        EXPECT_EQ(calendar.find("Precise ephemeris (IAU 2006/2000A\\, ERFA)") != std::string::npos,
                  std::string(name) == "precise");
        args = {"--month", "202406", "--tsv"};
        args.insert(args.end(), option.begin(), option.end());
        ASSERT_EQ(run(args), 0);
        EXPECT_EQ(out_ == standard, std::string(name) == "standard");
    }
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

// --darkness nautical --moon-max 15 --nights, checked by hand: dusk and
// dawn are the Sun's -12 degree crossings (within a minute of the low-precision
// NOAA/Meeus Sun: Vienna 1 Mar 18:46:45 and 2 Mar 05:26:05, 12 Mar
// 19:03:27, 13 Mar 05:04:06; Sydney 6 Mar 20:19:45, 7 Mar 05:53:13, 13 Mar
// 20:10:01, 14 Mar 05:59:22, 14 Mar 20:08:37); the Moon's rise and set are
// the month table's.  A crescent under 15 % at midnight does not count (Vienna
// 12 Mar, 10 %, up until 21:02; Sydney 7 Mar, 12 %, rising 03:43, and 13 Mar,
// 14 %, setting 20:58): dark from dusk to dawn.  A bigger Moon does (Vienna 1
// Mar, 67 %, rising 00:15, and 13 Mar, 18 %, setting 22:28; Sydney 6 Mar, 20 %,
// rising 02:28, and 14 Mar, 23 %, setting 21:34).  The calendar of the same run
// holds the JSON's intervals, the rule in its summary.
TEST_F(Cli, NauticalDarknessWithAFaintMoon) {
    const std::vector<std::string> sydney = {"--lat", "-33.87", "--lon", "151.21", "--zone", "Australia/Sydney"};
    const std::pair<std::vector<std::string>, std::vector<std::string>> cases[] = {
        {{}, {"Fri 1 Mar 2024   18:47  05:26   67%  18:47-00:15, 5 h 28 min",
              "Tue 12 Mar 2024  19:04  05:04   10%  19:04-05:04, 10 h 0 min",
              "Wed 13 Mar 2024  19:05  05:02   18%  22:28-05:02, 6 h 34 min",
              "Sun 24 Mar 2024  19:22  04:38  100%  none"}},
        {sydney, {"Wed 6 Mar 2024   20:20  05:53   20%  20:20-02:28, 6 h 8 min",
                  "Thu 7 Mar 2024   20:18  05:54   12%  20:18-05:54, 9 h 36 min",
                  "Wed 13 Mar 2024  20:10  05:59   14%  20:10-05:59, 9 h 49 min",
                  "Thu 14 Mar 2024  20:08  06:00   23%  21:34-06:00, 8 h 26 min"}},
    };
    auto seconds = [](const std::string& t) {  // "2024-03-01T17:46:39Z" or "20240301T174700Z"
        struct tm tm {};
        const bool dashes = t.find('-') != std::string::npos;
        sscanf(t.c_str(), dashes ? "%4d-%2d-%2dT%2d:%2d:%2d" : "%4d%2d%2dT%2d%2d%2d", &tm.tm_year, &tm.tm_mon,
               &tm.tm_mday, &tm.tm_hour, &tm.tm_min, &tm.tm_sec);
        tm.tm_year -= 1900, tm.tm_mon -= 1;
        return static_cast<long long>(timegm(&tm));
    };
    for (const auto& [where, lines] : cases) {
        std::vector<std::string> args = {"--month", "202403", "--darkness", "nautical", "--moon-max", "15"};
        args.insert(args.end(), where.begin(), where.end());
        std::vector<std::string> nights = args; nights.push_back("--nights");
        ASSERT_EQ(run(nights), 0);
        EXPECT_NE(out_.find("\nDark: nautical, Moon at most 15%\nNight "), std::string::npos) << out_;
        for (const std::string& line : lines) EXPECT_NE(out_.find("\n" + line + "\n"), std::string::npos) << line;
        const fs::path ics = dir_ / "dark.ics";
        args.insert(args.end(), {"--json", "--ics", ics.string()});
        ASSERT_EQ(run(args), 0);
        const auto j = nlohmann::json::parse(out_);
        // The JSON's instants to the second, the events' to the minute.
        std::vector<long long> want, got;
        for (const auto& iv : j["intervals"])
            if (!iv["openAtStart"]) want.insert(want.end(), {seconds(iv["begin"]), seconds(iv["end"])});
        std::ifstream in(ics);
        std::string line;
        int summaries = 0;
        while (std::getline(in, line)) {
            if (!line.empty() && line.back() == '\r') line.pop_back();
            for (const char* key : {"DTSTART:", "DTEND:"})
                if (line.rfind(key, 0) == 0) got.push_back(seconds(line.substr(std::strlen(key))));
            summaries += line == "SUMMARY:Dark (nautical)\\, Moon at most 15%";
        }
        ASSERT_EQ(got.size(), want.size());
        for (std::size_t k = 0; k < got.size(); ++k) EXPECT_LE(std::abs(got[k] - want[k]), 30) << k;
        EXPECT_EQ(summaries * 2, static_cast<int>(got.size()));
        EXPECT_GT(got.size(), 40u);
    }
}
