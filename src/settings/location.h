#pragma once
// The place of the settings and its bounds, one rule for the location
// dialog and the command line.
#include <optional>
#include <string_view>

namespace settings {

struct LocationField {
    double lower, upper;  // inclusive bounds
    bool whole;           // whole numbers only (the time zone)
};
inline constexpr LocationField kLongitudeField{-180, 180, false};  // degrees, east positive
inline constexpr LocationField kLatitudeField{-90, 90, false};     // degrees, north positive
inline constexpr LocationField kTimeZoneField{-12, 12, true};      // hours, east positive

// The value of a typed location text by the value rule, when it lies in
// the field's bounds.  A text with no number in front reads as 0, so a
// zero passes only when the text is exactly "0".  Empty when refused.
std::optional<double> LocationValue(const LocationField& field, std::string_view text);

}  // namespace settings
