#pragma once
// The one shared record of location, print layout, version, settings-file
// path and output selector.  Loaded from and saved to the settings file by
// settings::LoadSettings / settings::SaveSettings.
#include <string>

#include "settings/version.h"

namespace settings {

// The title shown after "Almucan V" + version in the window's caption and
// the text table.
inline constexpr const char* kTitle = "Rise and Set for Sun and Moon";
// "Almucan V0.9 - Rise and Set for Sun and Moon": the window's caption and
// the first line of the text table.
inline std::string WindowTitle(const std::string& version) {
    return "Almucan V" + version + " - " + kTitle;
}

// The place of a new settings file: Vienna.
inline constexpr double kDefaultLongitude = 16.33;  // degrees, east positive
inline constexpr double kDefaultLatitude = 48.25;   // degrees, north positive
inline constexpr double kDefaultTimeZone = 1;       // hours, east positive

// Where a Calculate draws: the main window's picture box or the printer.
enum class OutputDevice { Screen, Printer };

struct Settings {
    std::string version = kVersion;
    std::string settingsPath;
    OutputDevice outputDevice = OutputDevice::Screen;
    double longitude = kDefaultLongitude;
    double latitude = kDefaultLatitude;
    double timeZone = kDefaultTimeZone;
    double marginTop = 0;            // millimetres
    double marginBottom = 0;
    double marginLeft = 0;
    double marginRight = 0;
    std::string fontName;            // printer font
    float fontSize = 10;             // points
    // Line 11 of the file: a zone of the tz database, or empty for the
    // fixed zone of timeZone and the summer-time box.  Kept as read; a name
    // the database does not know leaves the fixed zone in force.
    std::string zoneName{};
    // Line 12: the name of the place chosen by name ("Tromsø"), empty when
    // the place was typed by hand.
    std::string placeName{};
    // Line 13: the window drawn red on black, for eyes used to the dark.
    bool nightVision = false;
    // Line 14: the printed page with less ink.
    bool inkSaver = false;
};

}  // namespace settings
