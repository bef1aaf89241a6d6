#include "text/valuerule.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

#include "numbertexts.h"

using namespace text;

const double inf = std::numeric_limits<double>::infinity();

TEST(ValueRule, LeadingNumberWithBlanksAnywhere) {
    const struct { const char* text; double v; } cases[] = {
        {"16.33", 16.33}, {"  -5.5", -5.5}, {"+.5", 0.5}, {"1e3", 1000}, {"2.5E-2xyz", 0.025},
        {"12abc", 12}, {"3.4.5", 3.4}, {"-", 0}, {".", 0}, {"", 0},
        {"Almucan", 0}, {"inf", 0}, {"NaN", 0}, {"0x10", 0},  // no other number forms than these
        {"7e", 7}, {"7e+", 7},  // an exponent without digits is not part of the number
        // Blanks, tabs and line feeds anywhere; a carriage return ends the number.
        {"1 6 . 3 3", 16.33}, {"\t-\t5\n.5", -5.5}, {"\n\n 48", 48}, {"1\r2", 1},
        // Correctly rounded, never a locale's decimal comma.
        {"0.1", 0.1}, {"215.89999999999998", 215.89999999999998}, {"1,5", 1},
        {"1e999", inf}, {"-1e999", -inf}, {"1e-999", 0}};
    for (const auto& c : cases) EXPECT_EQ(value(c.text), c.v) << c.text;
    EXPECT_TRUE(std::signbit(value("-0")));
}

TEST(NumberText, FormsAndReadingBack) {
    const struct { double v; const char* text; } cases[] = {
        {16.33, " 16.33"}, {-5.5, "-5.5"}, {0.5, " .5"}, {-0.5, "-.5"}, {1, " 1"}, {0, " 0"},
        {1e20, " 1E+20"}, {1.5e-7, " 1.5E-07"}, {0.0001, " .0001"}, {0.00001, " 1E-05"},
        {123456789012345.0, " 123456789012345"}, {1234567890123456.0, " 1.23456789012346E+15"},
        {0.1 + 0.2, " .3"},  // 15 significant digits
        {inf, " 1E+309"}, {-inf, "-1E+309"}};
    for (const auto& c : cases) EXPECT_EQ(numberText(c.v), c.text) << c.text;
    const struct { float v; const char* text; } singles[] = {
        {10.0f, " 10"}, {8.5f, " 8.5"}, {0.1f, " .1"}, {12345678.0f, " 1.234568E+07"}};
    for (const auto& c : singles) EXPECT_EQ(numberTextSingle(c.v), c.text) << c.text;
    // Numbers a user types (up to 15 significant digits) survive a write and
    // a read unchanged, as does infinity.
    std::mt19937_64 rng(7);
    std::uniform_int_distribution<long long> mant(-999999999999999LL, 999999999999999LL);
    std::uniform_int_distribution<int> ex(-20, 20);
    for (int i = 0; i < 20000; ++i) {
        const double v = value(std::to_string(mant(rng)) + "e" + std::to_string(ex(rng)));
        ASSERT_EQ(value(numberText(v)), v) << numberText(v);
    }
    EXPECT_EQ(value(numberText(inf)), inf);
    for (float f : {10.0f, 0.1f, 7.25f, 1e30f, -3.3f}) EXPECT_EQ(toSingle(value(numberTextSingle(f))), f);
}

TEST(ToInt16, RoundsHalfToEvenWithinRange) {
    const std::optional<std::int16_t> no;
    const struct { double v; std::optional<std::int16_t> i; } cases[] = {
        {2.5, 2}, {3.5, 4}, {-2.5, -2}, {2.4999, 2}, {32767, 32767}, {32767.4, 32767}, {32767.5, no},
        {-32768.5, -32768}, {-32768.6, no}, {std::nan(""), no}, {1e300, no}, {inf, no}};
    for (const auto& c : cases) EXPECT_EQ(toInt16(c.v), c.i) << c.v;
    // Single precision overflows to infinity.
    EXPECT_EQ(toSingle(1e300), std::numeric_limits<float>::infinity());
    EXPECT_EQ(toSingle(-1e300), -std::numeric_limits<float>::infinity());
}

TEST(Chars, CodePointsAndMonthLineNumbers) {
    EXPECT_EQ(charCount("2024\xC3\xA9" "6"), 6u);
    const struct { const char* text; std::size_t start, count; const char* mid; } mids[] = {
        {"2024\xC3\xA9" "6", 4, 2, "\xC3\xA9" "6"}, {"abc", 2, 5, "c"}, {"abc", 5, 1, ""}};
    for (const auto& c : mids) EXPECT_EQ(charMid(c.text, c.start, c.count), c.mid) << c.text;
    // The header line's numbers (page tests check 16.33, 0.5, -3.5 and -4 there).
    EXPECT_EQ(GeneralNumber(-0.25), "-0.25");
    EXPECT_EQ(GeneralNumber(0), "0");
}

// Typed numbers: the whole text or nothing, and why (the same table drives
// the dialogs and the command line).
TEST(TypedNumber, WholeTextOrTheReason) {
    for (const auto& c : testsupport::kNumberTexts) {
        std::string why;
        const auto v = typedNumber(c.field, c.text, why);
        EXPECT_EQ(v, c.reason ? std::nullopt : std::optional<double>(c.value)) << c.text;
        EXPECT_EQ(why, c.reason ? c.reason : "") << c.text;
        if (v && *v == 0) { EXPECT_FALSE(std::signbit(*v)) << c.text; }
    }
    EXPECT_EQ(fieldMessage(settings::kTimeZoneField, "x"), "Time Zone wants a number from -12 to 12; x");
    // Formats of the C locale whatever the process locale is (the locale
    // test run sets de_DE), English names, escaped control characters.
    EXPECT_EQ(fixed(48.25, 6) + "|" + fixed(-16.33, 4) + "|" + fixed(49.5, 0) + "|" + significant(48.25, 4) +
                  "|" + significant(16.333333, 5) + "|" + significant(-180, 15),
              "48.250000|-16.3300|50|48.25|16.333|-180");
    EXPECT_EQ(dayText(2024, 6, 1, 6) + "|" + dayText(1900, 12, 31, 1), "Sat 1 Jun 2024|Mon 31 Dec 1900");
    EXPECT_EQ(printable("a\x1B[2J\tb\x7F\xC3\xA9"), "a\\x1B[2J\\x09b\\x7F\xC3\xA9");
}
