#include "text/valuerule.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <limits>
#include <random>

using namespace astro;

TEST(ValueRule, LeadingNumber) {
    EXPECT_EQ(value("16.33"), 16.33);
    EXPECT_EQ(value("  -5.5"), -5.5);
    EXPECT_EQ(value("+.5"), 0.5);
    EXPECT_EQ(value("1e3"), 1000);
    EXPECT_EQ(value("2.5E-2xyz"), 0.025);
    EXPECT_EQ(value("12abc"), 12);
    EXPECT_EQ(value("3.4.5"), 3.4);
    EXPECT_EQ(value("7e"), 7);      // exponent without digits is not part of the number
    EXPECT_EQ(value("7e+"), 7);
    EXPECT_EQ(value("-"), 0);
    EXPECT_EQ(value("."), 0);
    EXPECT_EQ(value(""), 0);
    EXPECT_EQ(value("abc"), 0);
    EXPECT_EQ(value("Almucan"), 0);
}

TEST(ValueRule, BlanksTabsAndLineFeedsAnywhere) {
    EXPECT_EQ(value("1 6 . 3 3"), 16.33);
    EXPECT_EQ(value("\t-\t5\n.5"), -5.5);
    EXPECT_EQ(value("\n\n 48"), 48);
    EXPECT_EQ(value("1\r2"), 1);  // a carriage return is not a blank
}

TEST(ValueRule, CorrectlyRoundedAndLocaleFree) {
    EXPECT_EQ(value("0.1"), 0.1);
    EXPECT_EQ(value("215.89999999999998"), 215.89999999999998);
    EXPECT_EQ(value("-0"), 0);
    EXPECT_TRUE(std::signbit(value("-0")));
    EXPECT_EQ(value("1,5"), 1);  // "," is never a decimal point
}

TEST(ValueRule, OverflowIsInfinityNotUndefined) {
    EXPECT_EQ(value("1e999"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(value("-1e999"), -std::numeric_limits<double>::infinity());
    EXPECT_EQ(value("1e-999"), 0);
    EXPECT_FALSE(toInt16(value("1e999")).has_value());
}

TEST(NumberText, Forms) {
    EXPECT_EQ(numberText(16.33), " 16.33");
    EXPECT_EQ(numberText(-5.5), "-5.5");
    EXPECT_EQ(numberText(0.5), " .5");
    EXPECT_EQ(numberText(-0.5), "-.5");
    EXPECT_EQ(numberText(1), " 1");
    EXPECT_EQ(numberText(0), " 0");
    EXPECT_EQ(numberText(25), " 25");
    EXPECT_EQ(numberText(1e20), " 1E+20");
    EXPECT_EQ(numberText(1.5e-7), " 1.5E-07");
    EXPECT_EQ(numberText(0.0001), " .0001");
    EXPECT_EQ(numberText(0.00001), " 1E-05");
    EXPECT_EQ(numberText(123456789012345.0), " 123456789012345");
    EXPECT_EQ(numberText(1234567890123456.0), " 1.23456789012346E+15");
    EXPECT_EQ(numberText(0.1 + 0.2), " .3");  // 15 significant digits
    EXPECT_EQ(numberText(std::numeric_limits<double>::infinity()), " 1E+309");
    EXPECT_EQ(numberText(-std::numeric_limits<double>::infinity()), "-1E+309");
}

TEST(NumberText, SinglePrecision) {
    EXPECT_EQ(numberTextSingle(10.0f), " 10");
    EXPECT_EQ(numberTextSingle(8.5f), " 8.5");
    EXPECT_EQ(numberTextSingle(0.1f), " .1");
    EXPECT_EQ(numberTextSingle(12345678.0f), " 1.234568E+07");
}

TEST(NumberText, ReadsBackToTheSameNumber) {
    // Numbers a user types (up to 15 significant digits) survive a write and
    // a read unchanged, as does infinity.
    std::mt19937_64 rng(7);
    std::uniform_int_distribution<long long> mant(-999999999999999LL, 999999999999999LL);
    std::uniform_int_distribution<int> ex(-20, 20);
    for (int i = 0; i < 20000; ++i) {
        std::string typed = std::to_string(mant(rng)) + "e" + std::to_string(ex(rng));
        double v = value(typed);
        ASSERT_EQ(value(numberText(v)), v) << typed << " -> " << numberText(v);
    }
    double inf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(value(numberText(inf)), inf);
    for (float f : {10.0f, 0.1f, 7.25f, 1e30f, -3.3f}) EXPECT_EQ(toSingle(value(numberTextSingle(f))), f);
}

TEST(ToInt16, RoundsHalfToEvenWithinRange) {
    EXPECT_EQ(toInt16(2.5), 2);
    EXPECT_EQ(toInt16(3.5), 4);
    EXPECT_EQ(toInt16(-2.5), -2);
    EXPECT_EQ(toInt16(2.4999), 2);
    EXPECT_EQ(toInt16(32767), 32767);
    EXPECT_EQ(toInt16(32767.4), 32767);
    EXPECT_FALSE(toInt16(32767.5).has_value());
    EXPECT_EQ(toInt16(-32768.5), -32768);
    EXPECT_FALSE(toInt16(-32768.6).has_value());
    EXPECT_FALSE(toInt16(std::nan("")).has_value());
    EXPECT_FALSE(toInt16(1e300).has_value());
}

TEST(ToSingle, OverflowIsInfinity) {
    EXPECT_EQ(toSingle(1e300), std::numeric_limits<float>::infinity());
    EXPECT_EQ(toSingle(-1e300), -std::numeric_limits<float>::infinity());
    EXPECT_EQ(toSingle(10), 10.0f);
}

TEST(Chars, CodePoints) {
    EXPECT_EQ(charCount("202406"), 6u);
    EXPECT_EQ(charCount("2024\xC3\xA9" "6"), 6u);
    EXPECT_EQ(charMid("2024\xC3\xA9" "6", 4, 2), "\xC3\xA9" "6");
    EXPECT_EQ(charMid("abc", 2, 5), "c");
    EXPECT_EQ(charMid("abc", 5, 1), "");
}
