#pragma once
// A place on the Earth and its local clock: the fixed zone of the settings
// (hours east, plus the summer hour when that box is ticked) or a zone of
// the tz database, whose offset changes with the date.
#include <string>

namespace zone {

struct Clock {
    double fixedHours = 0;    // hours east of UTC, the summer hour not included
    bool summerTime = false;  // one hour added to fixedHours
    // A zone of the tz database ("Europe/Vienna"); empty for the fixed zone.
    std::string zoneName{};

    bool named() const { return !zoneName.empty(); }
    // The fixed zone's offset with the summer hour (hours east).
    double fixedOffsetHours() const { return summerTime ? fixedHours + 1 : fixedHours; }
    // The offset in force at an instant (MJD UT), hours east.  A named zone
    // the database cannot give an offset for counts as the fixed zone.
    double offsetAt(double mjdUt) const;
};

// Where and on which clock a month is calculated.
struct Place {
    double longitude = 0;  // degrees, east positive
    double latitude = 0;   // degrees, north positive
    Clock clock{};
    std::string name{};  // the place's name when one was chosen, else empty
};

// The place as a month is calculated for it: a named zone whose file does
// not read leaves the fixed zone in force, and the summer-time box belongs
// to the fixed zone only (a named zone keeps its own summer time day by
// day).  The name is made valid UTF-8 (text::validUtf8) for every view that
// writes it: a settings file may hold it in another encoding.
Place InForce(const Place& stored, bool summerTime);

}  // namespace zone
