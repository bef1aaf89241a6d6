#pragma once
// Reading and writing numbers as text, the same way everywhere in Almucan:
// the month box, the dialogs, the settings file, TimeDec and the command line.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace astro {

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

// Round half to even and check the 16-bit integer range, as an assignment
// to a 16-bit whole number would.  Empty when the value does not fit
// (including NaN and infinity).
std::optional<std::int16_t> toInt16(double v);

// Round a double to single precision; values beyond the float range become
// +-infinity (defined behaviour, no UB).
float toSingle(double v);

// Character-wise helpers on UTF-8 texts: a character is one code point.
std::size_t charCount(std::string_view text);
// Characters [start, start + count) (0-based), clipped to the text.
std::string_view charMid(std::string_view text, std::size_t start,
                         std::size_t count = std::string_view::npos);

}  // namespace astro
