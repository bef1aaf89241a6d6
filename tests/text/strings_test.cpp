// Texts alike in every locale: code points, English names, zero padding,
// escaped control characters and valid UTF-8.
#include "text/strings.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>

using namespace text;

// Code points; English names, zero padding and escaped control characters
// whatever the process locale is (the locale test run sets de_DE).
TEST(Strings, CountedNamedPaddedAndEscaped) {
    const std::string_view s = "2024\xC3\xA9" "6";
    EXPECT_EQ(charCount(s), 6u);
    EXPECT_EQ(dayText(2024, 6, 1, 6) + "|" + dayText(1900, 12, 31, 1), "Sat 1 Jun 2024|Mon 31 Dec 1900");
    EXPECT_EQ(padded(7, 2) + "|" + padded(-5, 3) + "|" + padded(1234, 2) + "|" + padded(0, 1), "07|-005|1234|0");
    EXPECT_EQ(printable("a\x1B[2J\tb\x7F\xC3\xA9"), "a\\x1B[2J\\x09b\\x7F\xC3\xA9");
}

// Texts made valid UTF-8: the well-formed sequences of the Unicode
// Standard's table 3-7 (its edges U+0080, U+07FF, U+D7FF, U+E000, U+10FFFF
// kept), and one U+FFFD for every byte outside them.
TEST(Utf8, EachInvalidByteBecomesOneReplacementCharacter) {
    const std::string R = "\xEF\xBF\xBD";
    const std::pair<std::string, std::string> cases[] = {
        {"Troms\xC3\xB8", "Troms\xC3\xB8"},
        {"\xC2\x80\xDF\xBF\xED\x9F\xBF\xEE\x80\x80\xF4\x8F\xBF\xBF", "\xC2\x80\xDF\xBF\xED\x9F\xBF\xEE\x80\x80\xF4\x8F\xBF\xBF"},
        {"Troms\xF8", "Troms" + R},                           // Latin-1
        {"a\x80" "b\xBF", "a" + R + "b" + R},                  // stray continuation bytes
        {"\xC0\xAF\xE0\x80\xAF\xF0\x80\x80\xAF", R + R + R + R + R + R + R + R + R},  // overlong "/"
        {"\xED\xA0\x80\xED\xBF\xBF", R + R + R + R + R + R},   // surrogates D800, DFFF
        {"\xF4\x90\x80\x80\xF5\x80", R + R + R + R + R + R},   // above U+10FFFF
        {"\xE2\x82" "A\xF0\x9F\x98", R + R + "A" + R + R + R},  // cut short, inside and at the end
        {"\xE2\x82\xAC", "\xE2\x82\xAC"}, {"", ""}};
    for (const auto& [in, out] : cases) EXPECT_EQ(validUtf8(in), out) << printable(in);
}
