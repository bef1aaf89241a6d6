// The settings file's eleventh line, the zone name: written only while a
// zone is named, with line 4 the zone's standard hours; ten-line files are
// the fixed zone and read back byte for byte.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>

#include <unistd.h>

#include "recording_reporter.h"
#include "settings/settingsfile.h"

namespace {

const std::string kTenLines =
    "Almucan V0.9\r\n 16.33\r\n 48.25\r\n 1\r\n 0\r\n 0\r\n 0\r\n 0\r\nDejaVu Sans\r\n 10\r\n";

std::string lineOf(const std::string& text, int n) {
    std::size_t at = 0;
    for (int i = 1; i < n; ++i) at = text.find("\r\n", at) + 2;
    return text.substr(at, text.find("\r\n", at) - at);
}

TEST(ZoneLine, TenLineFileIsTheFixedZoneAndWritesBackUnchanged) {
    settings::Settings s;
    s.zoneName = "left from before";
    ASSERT_TRUE(settings::ParseSettingsText(kTenLines, s));
    EXPECT_EQ(s.zoneName, "");
    EXPECT_EQ(settings::SettingsFileText(s), kTenLines);
}

// Line 4 while a zone is named: its standard offset rounded to whole hours
// within -12..12 (Kolkata +5:30 gives 6, Chatham +12:45 and Kiritimati +14
// give 12); the file reads back to the same record.
TEST(ZoneLine, NamedZoneRoundTrip) {
    const struct {
        const char* zone;
        const char* line4;
    } cases[] = {{"Europe/Vienna", " 1"},       {"America/New_York", "-5"},
                 {"Australia/Sydney", " 10"},   {"Asia/Kolkata", " 6"},
                 {"America/St_Johns", "-4"},    {"Pacific/Chatham", " 12"},
                 {"Pacific/Kiritimati", " 12"}, {"Pacific/Pago_Pago", "-11"}};
    for (const auto& c : cases) {
        settings::Settings s;
        ASSERT_TRUE(settings::ParseSettingsText(kTenLines, s));
        s.timeZone = 7;
        s.zoneName = c.zone;
        const std::string text = settings::SettingsFileText(s);
        EXPECT_EQ(lineOf(text, 4), c.line4) << c.zone;
        EXPECT_EQ(lineOf(text, 11), c.zone);
        settings::Settings back;
        ASSERT_TRUE(settings::ParseSettingsText(text, back));
        EXPECT_EQ(back.zoneName, c.zone);
        EXPECT_EQ(settings::ZoneInForce(back), c.zone);
        EXPECT_EQ(settings::SettingsFileText(back), text);
    }
}

// A name the database does not know: kept as read, the fixed zone in force,
// line 4 as held.
TEST(ZoneLine, UnknownNameLeavesTheFixedZone) {
    settings::Settings s;
    ASSERT_TRUE(settings::ParseSettingsText(kTenLines + "Mars/Olympus\r\n", s));
    EXPECT_EQ(s.zoneName, "Mars/Olympus");
    EXPECT_EQ(settings::ZoneInForce(s), "");
    EXPECT_EQ(settings::SettingsFileText(s), kTenLines + "Mars/Olympus\r\n");
}

// Loading never rewrites the file, whatever line 11 holds.
TEST(ZoneLine, LoadLeavesTheFileAlone) {
    const auto dir = std::filesystem::temp_directory_path() / ("almucan-zone-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    settings::Settings s;
    s.settingsPath = settings::SettingsPathFor(dir.string());
    RecordingReporter rep;
    for (const std::string& text : {kTenLines, kTenLines + "Mars/Olympus\r\n", kTenLines + "Asia/Kolkata\r\n"}) {
        { std::ofstream(s.settingsPath, std::ios::binary) << text; }
        ASSERT_EQ(settings::LoadSettings(s, "F", 10, rep), settings::LoadResult::Loaded);
        std::ifstream in(s.settingsPath, std::ios::binary);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), text);
    }
    EXPECT_EQ(s.zoneName, "Asia/Kolkata");
    EXPECT_EQ(s.timeZone, 1);
    EXPECT_TRUE(rep.log.empty());
    std::filesystem::remove_all(dir);
}

}  // namespace
