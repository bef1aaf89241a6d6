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

// Lines 1 to 3 and 5 to 10 of a settings file; line 4 is the time zone.
const std::string kHead = "Almucan V0.9\r\n 16.33\r\n 48.25\r\n";
const std::string kTail = "\r\n 0\r\n 0\r\n 0\r\n 0\r\nDejaVu Sans\r\n 10\r\n";
const std::string kTenLines = kHead + " 1" + kTail;

// Ten lines: the fixed zone; an unknown name is kept as read with the fixed
// zone in force, and both write back unchanged.  Loading never rewrites the
// file nor line 4 as held.
TEST(ZoneLine, FilesReadAndWriteBack) {
    const auto dir = std::filesystem::temp_directory_path() / ("almucan-zone-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    const struct {
        std::string text;
        const char *zoneName, *inForce;
        std::string written;
    } cases[] = {{kTenLines, "", "", kTenLines},
                 {kTenLines + "Mars/Olympus\r\n", "Mars/Olympus", "", kTenLines + "Mars/Olympus\r\n"},
                 {kTenLines + "Asia/Kolkata\r\n", "Asia/Kolkata", "Asia/Kolkata", kHead + " 6" + kTail + "Asia/Kolkata\r\n"}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.zoneName);
        settings::Settings s;
        s.zoneName = "left from before";
        ASSERT_TRUE(settings::ParseSettingsText(c.text, s));
        EXPECT_EQ(s.zoneName, c.zoneName);
        EXPECT_EQ(settings::ZoneInForce(s), c.inForce);
        EXPECT_EQ(settings::SettingsFileText(s), c.written);

        s.settingsPath = settings::SettingsPathFor(dir.string());
        { std::ofstream(s.settingsPath, std::ios::binary) << c.text; }
        RecordingReporter rep;
        ASSERT_EQ(settings::LoadSettings(s, "F", 10, rep), settings::LoadResult::Loaded);
        std::ifstream in(s.settingsPath, std::ios::binary);
        EXPECT_EQ(std::string(std::istreambuf_iterator<char>(in), {}), c.text);
        EXPECT_EQ(s.timeZone, 1);
        EXPECT_TRUE(rep.log.empty());
    }
    std::filesystem::remove_all(dir);
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
        EXPECT_EQ(text, kHead + c.line4 + kTail + c.zone + "\r\n");
        settings::Settings back;
        ASSERT_TRUE(settings::ParseSettingsText(text, back));
        EXPECT_EQ(settings::ZoneInForce(back), c.zone);
        EXPECT_EQ(settings::SettingsFileText(back), text);
    }
}

}  // namespace
