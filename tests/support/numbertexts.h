#pragma once
// Numbers as a person types them: one table for the rule itself and for
// every place that takes one (the location and print dialogs, the command
// line).  Expected values follow the rule "the whole text, blanks around it
// aside, is one decimal number" (tests/data/README.md).
#include "settings/location.h"

namespace testsupport {

struct NumberText {
    const char* text;
    const text::NumberField& field;
    double value = 0;               // when taken
    const char* reason = nullptr;  // nullptr: taken
};

inline constexpr const char* kNotDecimal = "not a decimal number";
inline const NumberText kNumberTexts[] = {
    // Taken: blanks around, signs, exponents, a zero in any spelling.
    {"52.52", settings::kLatitudeField, 52.52}, {" 52.52\t", settings::kLatitudeField, 52.52},
    {"-180", settings::kLongitudeField, -180}, {"0.0", settings::kLongitudeField, 0},
    {"-0", settings::kLatitudeField, 0}, {"+5", settings::kTimeZoneField, 5}, {"1e1", settings::kTimeZoneField, 10},
    {".5", settings::kMarginField, 0.5}, {"0.0", settings::kMarginField, 0}, {"1638", settings::kFontSizeField, 1638},
    // Refused, and why.
    {"52,52", settings::kLatitudeField, 0, "use a point: 52.52"}, {"10,5", settings::kMarginField, 0, "use a point: 10.5"},
    {"40.71N", settings::kLatitudeField, 0, kNotDecimal}, {"52\xC2\xB0" "31'", settings::kLatitudeField, 0, kNotDecimal},
    {"1 6", settings::kLongitudeField, 0, kNotDecimal}, {"1 e 2", settings::kLongitudeField, 0, kNotDecimal},
    {"0x10", settings::kTimeZoneField, 0, kNotDecimal}, {"x", settings::kFontSizeField, 0, kNotDecimal},
    {"", settings::kLatitudeField, 0, "nothing typed"}, {"5.5", settings::kTimeZoneField, 0, "not a whole number"},
    {"90.01", settings::kLatitudeField, 0, "out of range"}, {"1e999", settings::kLongitudeField, 0, "out of range"},
    {"-1", settings::kMarginField, 0, "out of range"}, {"0", settings::kFontSizeField, 0, "out of range"},
};

}  // namespace testsupport
