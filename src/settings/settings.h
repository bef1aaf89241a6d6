#pragma once
// The one shared record of place, print layout, version and settings-file
// path.  Loaded from and saved to the settings file by
// settings::LoadSettings / settings::SaveSettings.
#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "settings/printstyle.h"
#include "text/version.h"
#include "zone/clock.h"

namespace settings {

// The place of a new settings file: Vienna.
inline constexpr double kDefaultLongitude = 16.33;  // degrees, east positive
inline constexpr double kDefaultLatitude = 48.25;   // degrees, north positive
inline constexpr double kDefaultTimeZone = 1;       // hours, east positive

// What counts as dark for the nights: the Sun below -18, -12 or -6 degrees.
enum class Darkness { Astronomical, Nautical, Civil };
// The window's view of the month.
enum class View { Days, Nights, YearChart, Compare };
// The ephemeris of the months (month::Ephemeris by the same names).
enum class Ephemeris { Standard, Precise };
// The papers the print layout knows.
enum class Paper { A4, Letter };

// The paper of a country by its ISO 3166 code ("US"): US Letter in the
// United States, Canada, Mexico and the other countries that print on
// Letter, A4 elsewhere (and for an empty or unknown code).
Paper PaperOfCountry(std::string_view code);

struct Settings {
    std::string version = text::kVersion;
    std::string settingsPath;
    // Lines 2 to 4 of the file: longitude, latitude and the fixed zone's
    // hours; line 11: a zone of the tz database, or empty for the fixed
    // zone of line 4 and the summer-time box (kept as read: a name the
    // database does not know leaves the fixed zone in force); line 12: the
    // name of the place chosen by name ("Tromsø"), empty when the place was
    // typed by hand.  The summer-time box is not stored (always off here).
    zone::Place place{kDefaultLongitude, kDefaultLatitude, {kDefaultTimeZone}, {}};
    double marginTop = 0;  // millimetres
    double marginBottom = 0;
    double marginLeft = 0;
    double marginRight = 0;
    std::string fontName;  // printer font
    float fontSize = 10;   // points
    // Line 13: the window drawn red on black, for eyes used to the dark.
    bool nightVision = false;
    // Line 14: the printed page with less ink.
    bool inkSaver = false;
    // From line 15 on: optional name=value lines in any order.  Those this
    // version knows are read into the fields below ("view=nights",
    // "darkness=nautical", "moon-max=15", "ephemeris=precise"); every other
    // line is kept as it stands and written back after them
    // (settings/namedlines.h).
    View view = View::Days;
    Darkness darkness = Darkness::Astronomical;
    double moonMaxPercent = 0;  // 0..100
    Ephemeris ephemeris = Ephemeris::Standard;
    // The kept sites the Compare view shows, by name ("compare-sites=" the
    // names joined by tabs); empty: the first four of the sites file.
    std::vector<std::string> comparedSites;
    // The paper and orientation last chosen in the print set-up ("paper=letter",
    // "orientation=landscape"); a new file takes the paper of the user's country.
    Paper paper = Paper::A4;
    bool landscape = false;
    // The window's place and size on the desktop, in logical pixels
    // ("window=x,y,width,height", "maximized=1"); none: the default size.
    std::optional<std::array<int, 4>> window;
    bool maximized = false;
    std::vector<std::string> otherLines;
};

// The print style of these settings: the one place the window's print run
// and the command line's PDF take their margins, font and ink saver from.
inline PrintStyle PrintStyleOf(const Settings& s) {
    return {s.marginTop, s.marginBottom, s.marginLeft, s.marginRight, s.fontName, s.fontSize, s.inkSaver};
}

}  // namespace settings
