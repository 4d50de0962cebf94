#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdio>
#include <limits>
#include <string>

#include "NumberText.h"

namespace cambist {
namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

struct FormatCase {
    double x;
    const char* expected;
};

struct MinDpCase {
    double x;
    int n;
    const char* expected;
};

struct DelCase {
    double x;
    int n;
    double expected;
};

void checkFormatFloat() {
    const FormatCase cases[] = {
        {0, "0"},          {100, "100"},       {1.5, "1.5"},
        {-2.5, "-2.5"},    {-0.0, "0"},        {-1e-7, "0"},
        {-0.5, "-0.5"},    {0.1234567, "0.123457"}, {0.9999999, "1"},
        {123456789012.0, "123456789012"},      {1e20, "100000000000000000000"},
        {1000000, "1000000"}, {0.0000004, "0"}, {0.0000006, "0.000001"},
        {kInf, "inf"},     {-kInf, "-inf"},    {kNaN, "nan"},
    };
    for (const FormatCase& c : cases) {
        SCOPED_TRACE(c.x);
        EXPECT_EQ(formatFloat(c.x), c.expected);
    }
}

void checkFormatFloatWithMinDp() {
    const MinDpCase cases[] = {
        {1, 2, "1.00"},        {5, 1, "5.0"},           {1.1, 2, "1.10"},
        {1.5, 3, "1.500"},     {2.25, 1, "2.25"},       {2.5, 0, "2.5"},
        {-0.0, 2, "0.00"},     {0.1234567, 7, "0.1234570"}, {0.12345678, 8, "0.12345700"},
        {0.9999999, 7, "1.0000000"}, {kInf, 2, "inf.00"}, {3, -1, "3"},
    };
    for (const MinDpCase& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.x << " n=" << c.n);
        EXPECT_EQ(formatFloatWithMinDp(c.x, c.n), c.expected);
    }
}

void checkDelDigitFromFloat() {
    const DelCase cases[] = {
        {123, 0, 12},      {100, 0, 10},     {-1.25, 2, -1.2},  {7, 0, 0},
        {-7, 0, 0},        {1, 1, 1},        {-0.5, 1, -0.0},   {2.5, 0, 2},
        {2.25, 1, 2.2},    {0.1234567, 7, 0.123457},            {0.9999999, 7, 1},
        {1e20, 0, 1e19},   {-0.0, 0, 0},     {-0.0, 2, 0},
    };
    for (const DelCase& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.x << " n=" << c.n);
        const double result = delDigitFromFloat(c.x, c.n);
        EXPECT_EQ(result, c.expected);
        EXPECT_EQ(std::signbit(result), std::signbit(c.expected)) << "sign of zero";
    }
}

TEST(DecimalPoints, CountsCharactersAfterTheLastPoint) {
    EXPECT_EQ(decimalPoints("12.345"), 3);
    EXPECT_EQ(decimalPoints("12"), 0);
    EXPECT_EQ(decimalPoints("12."), 0);
    EXPECT_EQ(decimalPoints(".5"), 1);
    EXPECT_EQ(decimalPoints("1.2.34"), 2);
    EXPECT_EQ(decimalPoints(""), 0);
}

TEST(FormatFloat, ShortestTextAtSixDecimals) { checkFormatFloat(); }

TEST(FormatFloatWithMinDp, PadsToTheMinimumDecimals) { checkFormatFloatWithMinDp(); }

TEST(FormatFloatWithMinDp, EqualsFormatFloatAtZeroAndHasAtLeastNDecimalsAbove) {
    const double values[] = {0, -0.0, 1, -2.5, 0.1234567, 1e20, 123456789012.0, kNaN, -kInf};
    for (const double x : values) {
        SCOPED_TRACE(x);
        EXPECT_EQ(formatFloatWithMinDp(x, 0), formatFloat(x));
        for (int n = 1; n <= 12; ++n) {
            const std::string s = formatFloatWithMinDp(x, n);
            ASSERT_NE(s.find('.'), std::string::npos);
            EXPECT_GE(decimalPoints(s), n);
        }
    }
}

TEST(DelDigitFromFloat, RemovesTheLastShownCharacter) { checkDelDigitFromFloat(); }

TEST(DelDigitFromFloat, TextsWithoutANumberReadAsZero) {
    EXPECT_EQ(delDigitFromFloat(kInf, 0), 0.0);     // "in"
    EXPECT_EQ(delDigitFromFloat(kNaN, 0), 0.0);     // "na"
    EXPECT_EQ(delDigitFromFloat(-kInf, 0), -0.0);   // "in", sign kept
    EXPECT_EQ(delDigitFromFloat(kInf, 2), kInf);    // "inf.0" starts with a number
}

TEST(NumberText, LargestDoublesFormatWhole) {
    const double big = 1e308;
    const std::string text = formatFloat(big);
    EXPECT_EQ(text.size(), 309U);
    EXPECT_EQ(text.substr(0, 3), "100");
    EXPECT_EQ(formatFloat(-std::numeric_limits<double>::max()).size(), 310U);
    EXPECT_EQ(delDigitFromFloat(big, 0), std::stod(text.substr(0, 308)));
    EXPECT_EQ(fixedZeroText(2.75), "3");
    EXPECT_EQ(fixedZeroText(-0.0), "-0");
}

// A Qt application adopts the user's locale at start-up. Under a comma-decimal
// locale printf writes "1,500000" and strtod stops at the point; the number
// texts must not change.
TEST(TypeableText, RoundsToTwelveDigitsAsTheEntryCountsThem) {
    const struct { double x; const char* text; } cases[] = {
        {-1199.1010503, "-1199.1010503"},
        {1199.101050344212, "1199.10105034"},
        {0.000123456789012345, "0.00012345679"},
        {100, "100"},
        {-0.0, "0"},
        {123456789012.4, "123456789012"},
        {1e-15, "0"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        EXPECT_EQ(typeableText(c.x, 12).value_or("none"), c.text);
    }
    EXPECT_FALSE(typeableText(1e13, 12).has_value());
    EXPECT_FALSE(typeableText(999999999999.6, 12).has_value()) << "rounds to 13 digits";
    EXPECT_FALSE(typeableText(std::numeric_limits<double>::infinity(), 12).has_value());
}

TEST(NumberText, SameTextsUnderACommaDecimalLocale) {
    const std::string previous = std::setlocale(LC_ALL, nullptr);
    ASSERT_NE(std::setlocale(LC_ALL, "de_DE.UTF-8"), nullptr)
        << "the de_DE.UTF-8 locale is missing: run tools/setup.sh";
    char printed[32];
    std::snprintf(printed, sizeof printed, "%f", 1.5);
    EXPECT_STREQ(printed, "1,500000") << "the locale should really use a decimal comma";

    checkFormatFloat();
    checkFormatFloatWithMinDp();
    checkDelDigitFromFloat();

    std::setlocale(LC_ALL, previous.c_str());
}

}  // namespace
}  // namespace cambist
