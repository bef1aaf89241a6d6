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
    double value;        // when taken
    const char* reason;  // nullptr: taken
};

inline const NumberText kNumberTexts[] = {
    {"52.52", settings::kLatitudeField, 52.52, nullptr},
    {" 52.52\t", settings::kLatitudeField, 52.52, nullptr},
    {"-180", settings::kLongitudeField, -180, nullptr},
    {"0.0", settings::kLongitudeField, 0, nullptr},  // a zero in any spelling
    {"-0", settings::kLatitudeField, 0, nullptr},
    {"+5", settings::kTimeZoneField, 5, nullptr},
    {"1e1", settings::kTimeZoneField, 10, nullptr},
    {".5", settings::kMarginField, 0.5, nullptr},
    {"0.0", settings::kMarginField, 0, nullptr},
    {"1638", settings::kFontSizeField, 1638, nullptr},
    {"52,52", settings::kLatitudeField, 0, "use a point: 52.52"},
    {"10,5", settings::kMarginField, 0, "use a point: 10.5"},
    {"40.71N", settings::kLatitudeField, 0, "not a decimal number"},
    {"52\xC2\xB0" "31'", settings::kLatitudeField, 0, "not a decimal number"},
    {"1 6", settings::kLongitudeField, 0, "not a decimal number"},
    {"1 e 2", settings::kLongitudeField, 0, "not a decimal number"},
    {"0x10", settings::kTimeZoneField, 0, "not a decimal number"},
    {"x", settings::kFontSizeField, 0, "not a decimal number"},
    {"", settings::kLatitudeField, 0, "nothing typed"},
    {"90.01", settings::kLatitudeField, 0, "out of range"},
    {"1e999", settings::kLongitudeField, 0, "out of range"},
    {"-1", settings::kMarginField, 0, "out of range"},
    {"0", settings::kFontSizeField, 0, "out of range"},
    {"5.5", settings::kTimeZoneField, 0, "not a whole number"},
};

}  // namespace testsupport
