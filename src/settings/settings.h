#pragma once
// The one shared record of location, print layout, version, settings-file
// path and output selector.  Loaded from and saved to the settings file by
// settings::LoadSettings / settings::SaveSettings.
#include <string>

namespace month {

struct Settings {
    std::string version = "0.9";
    std::string settingsPath;
    std::string outputDevice = "S";  // "S" picture box, "P" printer
    double longitude = 16.33;        // degrees, east positive
    double latitude = 48.25;         // degrees, north positive
    double timeZone = 1;             // hours, east positive
    double marginTop = 0;            // millimetres
    double marginBottom = 0;
    double marginLeft = 0;
    double marginRight = 0;
    std::string fontName;            // printer font
    float fontSize = 10;             // points
};

}  // namespace month
