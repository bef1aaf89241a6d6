#pragma once
// Reading and writing numbers as text, the same way everywhere in Almucan:
// the month box, the dialogs, the settings file, and the command line.
#include <optional>
#include <string>
#include <string_view>

namespace text {

// The leading number of a text.  Blanks, tabs and line feeds are ignored
// wherever they stand; then an optional sign, digits with "." as decimal
// point and an optional exponent ("e" or "E", optional sign, digits) are read
// up to the first character that does not fit.  A text without a leading
// number gives 0.  The result is the correctly rounded double of the matched
// characters; a number too large for a double gives +-infinity, never UB.
double value(std::string_view text);

// Number text: one blank for zero and positive values or "-" for negative
// ones, then at most `digits` significant digits (15 for doubles, 7 for the
// single-precision font size) with "." as decimal point, no zero before the
// point below 1 (" .5"), and exponent form ("1E+20", "1.5E-07") where the
// exponent is below -4 or not below `digits`.  Infinity is written as an
// overflowing exponent (" 1E+309") so that it reads back as infinity.
std::string numberText(double v, int digits = 15);
// Number text of a single-precision value (7 significant digits).
std::string numberTextSingle(float v);

// Round a double to single precision; values beyond the float range become
// +-infinity (defined behaviour, no UB).
float toSingle(double v);

// The forms shown to the user.
// Number text without its leading blank, as a dialog's text box shows a
// value: 16.33 -> "16.33", 0.5 -> ".5", 0 -> "0".
std::string BoxNumberText(double v);
std::string BoxNumberTextSingle(float v);
// The general number format of the printed month line: up to 15
// significant digits, no leading blank, a zero before the point
// ("0.5", "-0.25").
std::string GeneralNumber(double v);

// A number as a person types it.  The whole text, blanks and tabs around it
// aside, must be one decimal number: an optional sign, digits with at most
// one "." and an optional exponent ("0", "0.0", "-0", "+5", ".5", "1e1").  A
// zero in any spelling is 0.
struct NumberField {
    const char* name;     // as the message names it: "Lat.", "--lat"
    double lower, upper;  // inclusive bounds
    bool whole;           // whole numbers only
};
// The value of `typed` for `field`, or nothing with `reason` set to why it
// is refused: "nothing typed", "use a point: 52.52", "not a decimal number",
// "out of range", "not a whole number".
std::optional<double> typedNumber(const NumberField& field, std::string_view typed, std::string& reason);
// "Lat. wants a number from -90 to 90; use a point: 52.52".
std::string fieldMessage(const NumberField& field, const std::string& reason);

// Locale-free number forms for files and messages (the C locale's, whatever
// the process locale is): `decimals` digits after the point ("%.6f"), and
// at most `digits` significant digits in the shortest form ("%.4g").
std::string fixed(double v, int decimals);
std::string significant(double v, int digits);

}  // namespace text
