// The settings file: its text, reading it back, the zone line, the "not
// valid" cases and the file operations in a temporary folder.
#include "settings/settingsfile.h"

#include <gtest/gtest.h>

#include <csignal>
#include <filesystem>
#include <fstream>

#include <sys/resource.h>
#include <unistd.h>

#include "recording_reporter.h"

namespace fs = std::filesystem;

namespace {
std::string readFile(const fs::path& p) {
    std::ifstream in(p, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}
void writeFile(const fs::path& p, const std::string& text) { std::ofstream(p, std::ios::binary) << text; }

// The file a first run writes: location 16.33 / 48.25 / 1, no margins, the
// font DejaVu Sans 10; line 4 (the zone) between kHead and kTail.
const std::string kHead = "Almucan V0.9\r\n 16.33\r\n 48.25\r\n";
const std::string kTail = "\r\n 0\r\n 0\r\n 0\r\n 0\r\nDejaVu Sans\r\n 10\r\n";
const std::string kDefaults = kHead + " 1" + kTail;

class SettingsFolder : public ::testing::Test {
protected:
    void SetUp() override {
        fs::create_directories(dir_);
        s_.settingsPath = settings::SettingsPathFor(dir_.string());
    }
    void TearDown() override { fs::remove_all(dir_); }
    const fs::path dir_ = fs::temp_directory_path() / ("almucan-settings-" + std::to_string(::getpid()) + "-" +
                                                       ::testing::UnitTest::GetInstance()->current_test_info()->name());
    settings::Settings s_;
    RecordingReporter rep_;
};
}  // namespace

// Numbers are written in the number text (a blank or "-", no zero before
// the point, exponent form below 1E-4) with 15 significant digits, the font
// size with 7, names as they are, and the optional lines only as far as the
// last one in use: all read back unchanged.  Number lines are read by the
// value rule: a leading number, else 0.
TEST(SettingsText, ValuesSurviveWriteAndReadByTheValueRule) {
    settings::Settings s;
    std::tie(s.place.longitude, s.place.latitude, s.place.clock.fixedHours, s.marginTop, s.marginBottom, s.marginLeft, s.marginRight,
             s.fontName, s.fontSize) = std::tuple(-5.5, 0.5, -12.0, 16.33, 1e-7, 123.456789012345,
                                                  1.23456789012345e-300, std::string("  A\tB \xC3\x9C "), 9.876543f);
    s.inkSaver = true;  // lines 11 to 14 up to the last in use: no zone, no place, no night vision
    EXPECT_EQ(settings::SettingsFileText(s), "Almucan V0.9\r\n-5.5\r\n .5\r\n-12\r\n 16.33\r\n 1E-07\r\n 123.456789012345\r\n"
                                             " 1.23456789012345E-300\r\n  A\tB \xC3\x9C \r\n 9.876543\r\n\r\n\r\n0\r\n1\r\n");
    // Read back: the same name, the optional lines, the number lines by the
    // value rule (number texts read back: ValueRule.LeadingNumberAndNumberTextsReadBack).
    ASSERT_TRUE(settings::ParseSettingsText("Almucan V0.9\r\nabc\r\n12abc\r\n   -5\r\n1 6 . 5\r\n\t2\r\n.5e1\r\n-\r\n"
                                            "  A\tB \xC3\x9C \r\n 9.5xx\r\nextra\r\n\r\n1\r\n0\r\n", s));
    EXPECT_EQ(settings::SettingsFileText(s), "Almucan V0.9\r\n 0\r\n 12\r\n-5\r\n 16.5\r\n 2\r\n 5\r\n 0\r\n"
                                             "  A\tB \xC3\x9C \r\n 9.5\r\nextra\r\n\r\n1\r\n");
}

// Lines from 15 on: name=value in any order, blanks around name and value
// aside.  Known names with values this version takes set the fields (and
// are written back in their order, only when not the default, after all
// fourteen lines); every other line is kept as it stands and written after
// them, except a known name's line whose field is written anyway; empty
// lines are dropped.  Files of 10 and 14 lines come back byte for byte.
TEST(SettingsText, NamedLinesRoundTrip) {
    using settings::Darkness;
    using settings::View;
    const std::string k14 = kDefaults + "Europe/Vienna\r\nVienna\r\n1\r\n1\r\n";
    const std::string kEmpty14 = kDefaults + "\r\n\r\n0\r\n0\r\n";  // lines 11 to 14 in their defaults
    const std::tuple<std::string, View, Darkness, double, std::vector<std::string>, std::string> cases[] = {
        {kDefaults, View::Days, Darkness::Astronomical, 0, {}, kDefaults},
        {k14, View::Days, Darkness::Astronomical, 0, {}, k14},
        {kEmpty14 + " moon-max = 15 \r\nfoo=bar\r\n\r\nephemeris=precise\r\nview=nights\r\ndarkness=nautical\r\n",
         View::Nights, Darkness::Nautical, 15, {"foo=bar"},
         kEmpty14 + "view=nights\r\ndarkness=nautical\r\nmoon-max=15\r\nephemeris=precise\r\nfoo=bar\r\n"},
        // Values this version refuses: kept verbatim, the defaults in force;
        // a later valid line of the name wins and replaces them.
        {k14 + "darkness=twilight\r\nmoon-max=150\r\nview=\r\nmoon-max=x\r\nmoon-max=12.5\r\nview=days\r\n",
         View::Days, Darkness::Astronomical, 12.5,
         {"darkness=twilight", "moon-max=150", "view=", "moon-max=x"},
         k14 + "moon-max=12.5\r\ndarkness=twilight\r\nview=\r\n"},
        {kEmpty14 + "view=year\r\ndarkness=civil\r\nmoon-max=0\r\n", View::YearChart, Darkness::Civil, 0, {},
         kEmpty14 + "view=year\r\ndarkness=civil\r\n"},
    };
    for (const auto& [file, view, darkness, moonMax, others, written] : cases) {
        SCOPED_TRACE(file);
        settings::Settings s;
        ASSERT_TRUE(settings::ParseSettingsText(file, s));
        EXPECT_EQ(s.view, view);
        EXPECT_EQ(s.darkness, darkness);
        EXPECT_EQ(s.moonMaxPercent, moonMax);
        EXPECT_EQ(s.otherLines, others);
        EXPECT_EQ(s.ephemeris, written.find("ephemeris=precise") != std::string::npos ? settings::Ephemeris::Precise
                                                                                       : settings::Ephemeris::Standard);
        EXPECT_EQ(settings::SettingsFileText(s), written);
        settings::Settings again;  // what is written reads back to the same fields
        ASSERT_TRUE(settings::ParseSettingsText(written, again));
        EXPECT_EQ(settings::SettingsFileText(again), written);
    }
}

// The system's zone: TZ (":" allowed before the name), else the zone file
// /etc/localtime links to; nothing for a POSIX rule or an unknown name.
// The settings folder by the XDG base directory rules; a relative or empty
// folder is never used; without HOME the user's entry in the password
// database.
TEST(SettingsPath, SystemZoneAndPerUserFolder) {
    const char* tokyo = "/usr/share/zoneinfo/Asia/Tokyo";
    const std::tuple<const char*, const char*, const char*> zones[] = {
        {"Europe/Oslo", tokyo, "Europe/Oslo"}, {":America/Chicago", "", "America/Chicago"}, {"CET-1CEST", tokyo, ""},
        {nullptr, tokyo, "Asia/Tokyo"},        {"", "../usr/share/zoneinfo/Etc/UTC", "Etc/UTC"},
        {nullptr, "/etc/zoneinfo/localtime", ""}, {nullptr, "", ""}};
    for (const auto& [tz, link, zone] : zones) EXPECT_EQ(settings::SystemZone(tz, link), zone) << link;
    const std::tuple<const char*, const char*, const char*, std::optional<std::string>> dirs[] = {
        {"/x/", "/h", "/p", "/x/Almucan"},        {"rel", "/h/", "/p", "/h/.config/Almucan"},
        {"", "", "/p", "/p/.config/Almucan"},     {nullptr, "rel", "/p", "/p/.config/Almucan"},
        {nullptr, nullptr, nullptr, std::nullopt}, {"rel", "", "rel", std::nullopt}};
    for (const auto& [xdg, home, pw, dir] : dirs) EXPECT_EQ(settings::SettingsDirFor(xdg, home, pw), dir) << xdg;
}

// Line 11 names the zone, line 4 then holds its standard offset rounded to
// whole hours within -12..12 (tz database: New York -5, Kolkata +5:30,
// St John's -3:30, Chatham +12:45); an unknown name is kept with the fixed
// zone in force.  Loading neither rewrites the file nor changes line 4's
// value.  A first start takes the system's zone with its most populous
// place (Oslo, 59.91273 N 10.74609 E, +1).
TEST_F(SettingsFolder, ZoneLineIsReadAndWrittenBack) {
    const std::tuple<std::string, std::string, bool> cases[] = {  // zone, line 4 written, known
        {"America/New_York", "-5", true}, {"", " 1", false},       {"Mars/Olympus", " 1", false},
        {"Asia/Kolkata", " 6", true},     {"America/St_Johns", "-4", true}, {"Pacific/Chatham", " 12", true}};
    for (const auto& [zone, line4, known] : cases) {
        SCOPED_TRACE(zone);
        const std::string zoneLine = zone.empty() ? "" : zone + "\r\n";
        writeFile(s_.settingsPath, kDefaults + zoneLine);
        ASSERT_EQ(settings::LoadSettings(s_, "F", 10, rep_), settings::LoadResult::Loaded);
        EXPECT_EQ(readFile(s_.settingsPath), kDefaults + zoneLine);
        EXPECT_EQ(s_.place.clock.fixedHours, 1);
        EXPECT_EQ(zone::InForce(s_.place, false).clock.zoneName, known ? zone : "");
        EXPECT_EQ(settings::SettingsFileText(s_), kHead + line4 + kTail + zoneLine);
    }
    fs::remove(s_.settingsPath);
    ::setenv("TZ", "Europe/Oslo", 1);
    EXPECT_EQ(settings::LoadSettings(s_, "F", 10, rep_), settings::LoadResult::Created);
    ::setenv("TZ", "UTC", 1);
    EXPECT_EQ(readFile(s_.settingsPath), "Almucan V0.9\r\n 10.74609\r\n 59.91273\r\n 1\r\n 0\r\n 0\r\n 0\r\n 0\r\n"
                                         "F\r\n 10\r\nEurope/Oslo\r\nOslo\r\n");
    EXPECT_TRUE(rep_.log.empty());
}

// A wrong version, a short or empty file, a line over 64 KiB (named by its
// number, also among the optional lines, whose followers would be lost) and
// values outside what the dialogs take (longitude -180..180, latitude
// -90..90, zone -12..12, margins 0..297 mm, font size 1..1638 pt):
// reported, the record and the file left as they were.  A line of 64 KiB
// is read, and a UTF-8 byte-order mark before the header skipped.  (A
// FIFO, /dev/zero and a file out of reach: tests/cli/reliability_binary.cmake;
// other headers: MainWindow.SummerTimeRuleAndTheEndOfTheProgram.)
TEST_F(SettingsFolder, NotValidFilesAreReportedAndLeftUntouched) {
    auto with = [](int line, const std::string& text) {  // kDefaults with one line (0: the header) replaced
        std::string s = kDefaults;
        std::size_t at = 0;
        for (int i = 0; i < line; ++i) at = s.find("\r\n", at) + 2;
        return s.replace(at, s.find("\r\n", at) - at, text);
    };
    const std::string tooLong = " is longer than 65536 bytes.";
    const std::pair<std::string, std::string> cases[] = {  // the file, what follows "not valid"
        {with(0, "Almucan V1.0"), "."}, {"Almucan V0.9\r\n 1\r\n 2\r\n", "."}, {"", "."},
        {with(8, std::string(65537, 'F')), ": line 9" + tooLong},
        {kDefaults + "\r\n" + std::string(65537, 'P') + "\r\n1\r\n1\r\n", ": line 12" + tooLong},
        {with(2, " 95"), "."}, {with(1, " 1e999"), "."}, {with(3, " 1e400"), "."}, {with(5, "-1"), "."},
        {with(7, " 298"), "."}, {with(9, "ten"), "."},
        {kDefaults + "\r\n\r\n1\r\n1\r\nview=nights\r\n" + std::string(65537, 'x'), ": line 16" + tooLong}};
    s_.place.longitude = 7;
    for (const auto& [c, what] : cases) {
        writeFile(s_.settingsPath, c);
        rep_.clear();
        EXPECT_EQ(settings::LoadSettings(s_, "F", 10, rep_), settings::LoadResult::NotValid);
        EXPECT_EQ(rep_.log, (std::vector<std::string>{
                                "beep", "box:Error:INI-file " + s_.settingsPath + " not valid" + what + "\r\nPlease delete it."}));
        EXPECT_EQ(s_.place.longitude, 7);
        EXPECT_EQ(readFile(s_.settingsPath), c);
        fs::remove(s_.settingsPath);
    }
    writeFile(s_.settingsPath, "\xEF\xBB\xBF" + with(8, std::string(65536, 'F')) + "\r\n\r\n1\r\n1\r\n");
    ASSERT_EQ(settings::LoadSettings(s_, "F", 10, rep_), settings::LoadResult::Loaded);
    EXPECT_EQ(std::tie(s_.fontName, s_.nightVision, s_.inkSaver), std::tuple(std::string(65536, 'F'), true, true));
}

// A file that cannot be written is reported once ("Can't write"): an old
// one is kept whole, and when a missing one cannot be created (no file may
// grow beyond 20 bytes) the defaults stay in memory for the run.
TEST_F(SettingsFolder, FailedSaveKeepsTheOldFileWhole) {
    writeFile(s_.settingsPath, kDefaults);
    s_.fontName = std::string(200, 'F');
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit keep{};
    ::getrlimit(RLIMIT_FSIZE, &keep);
    const rlimit small{20, keep.rlim_max};
    ::setrlimit(RLIMIT_FSIZE, &small);
    const bool saved = settings::SaveSettings(s_, rep_);
    const std::string old = readFile(s_.settingsPath);
    fs::remove(s_.settingsPath);
    const settings::LoadResult created = settings::LoadSettings(s_, "Mono", 12, rep_);
    ::setrlimit(RLIMIT_FSIZE, &keep);
    EXPECT_TRUE(!saved && old == kDefaults);
    EXPECT_EQ(created, settings::LoadResult::CreateFailed);
    EXPECT_EQ(std::tie(s_.place.longitude, s_.fontName), std::tuple(16.33, std::string("Mono")));
    const std::string cannot = "box:Error:Can't write\r\n   " + s_.settingsPath + "\r\nto disk.";
    EXPECT_EQ(rep_.log, (std::vector<std::string>{"beep", cannot, "beep", cannot}));
}
