#pragma once
// The numbers a person types into the settings, with their bounds: one rule
// for the location dialog, the print dialog, the command line and the
// settings file (whose values outside these bounds make it not valid).
#include "text/numbers.h"

namespace settings {

inline constexpr text::NumberField kLongitudeField{"Long.", -180, 180, false};  // degrees, east positive
inline constexpr text::NumberField kLatitudeField{"Lat.", -90, 90, false};      // degrees, north positive
inline constexpr text::NumberField kTimeZoneField{"Time Zone", -12, 12, true};  // hours, east positive
// Print margins in millimetres: up to the longer side of DIN A4, the
// longest side of the papers printed on (the paper check then wants 100 mm
// left free).
inline constexpr text::NumberField kMarginField{"Margins (mm)", 0, 297, false};
// Largest print font size in points: what the font system takes.  Sizes
// up to it are drawn as given; the print dialog takes none larger.
inline constexpr double kMaxFontPoints = 1638;
// Print font size in points, as the font system draws it.
inline constexpr text::NumberField kFontSizeField{"Size", 1, kMaxFontPoints, false};

// `field` under another name (the command line's "--lat").
constexpr text::NumberField Named(const text::NumberField& field, const char* name) {
    return {name, field.lower, field.upper, field.whole};
}

}  // namespace settings
