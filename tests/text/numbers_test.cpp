// The value rule, number texts and typed numbers.
#include "text/numbers.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

#include "numbertexts.h"

using namespace text;

const double inf = std::numeric_limits<double>::infinity();

// The leading number: no other forms than these ("inf", "0x10"); an
// exponent without digits is not part of it; blanks, tabs and line feeds
// anywhere, a carriage return ends it; correctly rounded, never a locale's
// decimal comma.
TEST(ValueRule, LeadingNumberAndNumberTextsReadBack) {
    const struct { const char* text; double v; } cases[] = {
        {"16.33", 16.33}, {"  -5.5", -5.5}, {"+.5", 0.5}, {"1e3", 1000}, {"2.5E-2xyz", 0.025}, {"12abc", 12},
        {"3.4.5", 3.4}, {"-", 0}, {".", 0}, {"", 0}, {"Almucan", 0}, {"inf", 0}, {"NaN", 0}, {"0x10", 0}, {"7e", 7},
        {"7e+", 7}, {"1 6 . 3 3", 16.33}, {"\t-\t5\n.5", -5.5}, {"\n\n 48", 48}, {"1\r2", 1}, {"0.1", 0.1},
        {"215.89999999999998", 215.89999999999998}, {"1,5", 1}, {"1e999", inf}, {"-1e999", -inf}, {"1e-999", 0}};
    for (const auto& c : cases) EXPECT_EQ(value(c.text), c.v) << c.text;
    EXPECT_TRUE(std::signbit(value("-0")));
    // Number texts: 15 significant digits (7 in single precision); numbers a
    // user types survive a write and a read unchanged.
    const struct { double v; const char* text; } texts[] = {
        {16.33, " 16.33"}, {-5.5, "-5.5"}, {0.5, " .5"}, {-0.5, "-.5"}, {1, " 1"}, {0, " 0"}, {1e20, " 1E+20"},
        {1.5e-7, " 1.5E-07"}, {0.0001, " .0001"}, {0.00001, " 1E-05"}, {123456789012345.0, " 123456789012345"},
        {1234567890123456.0, " 1.23456789012346E+15"}, {0.1 + 0.2, " .3"}, {inf, " 1E+309"}, {-inf, "-1E+309"}};
    for (const auto& c : texts) EXPECT_EQ(numberText(c.v), c.text) << c.text;
    EXPECT_EQ(numberTextSingle(10.0f) + numberTextSingle(8.5f) + numberTextSingle(0.1f) + numberTextSingle(12345678.0f),
              " 10 8.5 .1 1.234568E+07");
    std::mt19937_64 rng(7);
    for (int i = 0; i < 20000; ++i) {
        const auto v = value(std::to_string(long(rng() % 1999999999999999) - 999999999999999) + "e" +
                             std::to_string(int(rng() % 41) - 20));
        ASSERT_EQ(value(numberText(v)), v) << numberText(v);
    }
    for (float f : {10.0f, 0.1f, 7.25f, 1e30f, -3.3f}) EXPECT_EQ(toSingle(value(numberTextSingle(f))), f);
}

// Single precision overflows to infinity; the header line's numbers (page tests check 16.33, 0.5, -3.5, -4).
TEST(Numbers, RoundedTypedAndFormatted) {
    EXPECT_EQ(std::pair(toSingle(1e300), toSingle(-1e300)), std::pair(float(inf), float(-inf)));
    EXPECT_EQ(GeneralNumber(-0.25) + "|" + GeneralNumber(0), "-0.25|0");
    // Typed numbers: the whole text or nothing, and why (the same table
    // drives the dialogs and the command line).  Formats of the C locale
    // whatever the process locale is (the locale test run sets de_DE).
    for (const auto& c : testsupport::kNumberTexts) {
        std::string why;
        const auto v = typedNumber(c.field, c.text, why);
        const auto w = c.reason ? std::nullopt : std::optional(c.value);
        EXPECT_EQ(std::tuple(v, why, v && !*v && std::signbit(*v)), std::tuple(w, c.reason ? c.reason : "", false)) << c.text;
    }
    EXPECT_EQ(fieldMessage(settings::kTimeZoneField, "x"), "Time Zone wants a number from -12 to 12; x");
    EXPECT_EQ(fixed(48.25, 6) + "|" + fixed(-16.33, 4) + "|" + fixed(49.5, 0) + "|" + significant(48.25, 4) +
                  "|" + significant(16.333333, 5) + "|" + significant(-180, 15),
              "48.250000|-16.3300|50|48.25|16.333|-180");
}
