// Values at the edges of the doubles, infinities and NaN through every kind
// of key: formatting, storing, backspace, solving, appending. Nothing aborts,
// every invariant holds after every key, and the texts are the number texts'.
#include <gtest/gtest.h>

#include "Invariants.h"
#include "KeySequence.h"

namespace cambist {
namespace {

// "0 ( ... + 0 )" leaves a computed value in the entry state, where
// backspace and further digits work on it.
const testing::DisplayCase kCases[] = {
    {"0 ( 1 0 ^ 3 0 8 + 0 ) 5", Display::Main, "inf"},
    {"0 ( 1 0 ^ 3 0 8 + 0 ) 5 del", Display::Main, "0"},
    {"0 ( 1 negate sqrt + 0 ) del", Display::Main, "0"},
    {"0 ( 1 negate sqrt + 0 ) 7", Display::Main, "-nan"},
    {"0 ( 0 - 1 0 ^ 4 0 0 + 0 ) del 5", Display::Main, "5"},
    {"1 0 ^ 4 0 0 = memoryIn memoryAdd", Display::Memory, "inf"},
    {"1 0 ^ 4 0 0 = negate memoryIn memoryAdd memoryAdd", Display::Memory, "-inf"},
    {"1 0 ^ 4 0 0 = memoryIn 1 negate sqrt memoryAdd", Display::Memory, "-nan"},
    {"1 0 ^ 4 0 0 = setN 5 setIY 100 setPMT calcPV", Display::PV, "-2000"},  // a perpetuity
    {"1 0 ^ 4 0 0 = setPV 1 setN calcIY", Display::Main, "- E -"},
    {"1 negate sqrt setIY 1 setN 100 negate setPMT calcPV", Display::PV, "nan"},
    {"toggleSimpleComplex 1 0 ^ 4 0 0 = addCashFlow", Display::Main, "inf"},
    {"toggleSimpleComplex 1 0 ^ 4 0 0 = setN 5 addCashFlow", Display::Year, "0"},
    {"toggleSimpleComplex 1 negate sqrt setN 5 addCashFlow", Display::N, "1"},
    {"toggleSimpleComplex 1 0 ^ 4 0 0 = setY", Display::Year, "2147483647"},
    {"toggleSimpleComplex 1 0 ^ 4 0 0 = negate setY", Display::Year, "-2147483648"},
    {"toggleSimpleComplex 1 0 ^ 4 0 0 = addCashFlow 1 negate addCashFlow calcIY", Display::Main, "- E -"},
    {"toggleSimpleComplex 1 0 ^ 4 0 0 = addCashFlow 5 setIY calcPV", Display::PV, "inf"},
    {"1 0 ^ 3 0 8 * 1 0 = percent sqrt", Display::Main, "inf"},
    {"9 9 9 9 9 9 9 9 9 9 9 9 ^ 9 9 9 9 9 9 9 9 9 9 9 9 =", Display::Answer, "inf"},
};

TEST(EdgeValues, ShownAsTheNumberTextsGiveThemWithEveryInvariantHolding) {
    for (const testing::DisplayCase& c : kCases) {
        SCOPED_TRACE(c.keys);
        RecordedCalculator calculator;
        for (const KeyPress& press : parseKeys(c.keys).presses) {
            calculator.press(press);
            const auto broken = brokenInvariant(calculator);
            ASSERT_FALSE(broken.has_value()) << *broken << " after " << press.label;
        }
        EXPECT_EQ(calculator.text(c.display), c.text);
    }
}

// The largest values format whole: 1e308 is a 309-digit text, and backspace
// works through it a character at a time.
TEST(EdgeValues, LargestValuesFormatWholeAndBackspaceThroughThem) {
    RecordedCalculator calculator;
    testing::type(calculator, "0 ( 1 0 ^ 3 0 8 + 0 )");
    const std::string shown = calculator.text(Display::Main);
    EXPECT_EQ(shown.size(), 309U);
    EXPECT_EQ(shown.substr(0, 17), "10000000000000000");
    // Without its last digit the text reads as the double nearest 1e307,
    // which shows as 307 digits.
    testing::type(calculator, "del");
    const std::string tenth = calculator.text(Display::Main);
    EXPECT_EQ(tenth.size(), 307U);
    EXPECT_EQ(tenth.substr(0, 16), "9999999999999999");
    testing::type(calculator, ". 5");
    EXPECT_EQ(calculator.text(Display::Main), tenth + ".0") << "a decimal this small is absorbed";
    EXPECT_FALSE(brokenInvariant(calculator).has_value());
}

TEST(EdgeValues, TwelveDigitsThenEveryEntryKey) {
    RecordedCalculator calculator;
    testing::type(calculator, "9 9 9 9 9 9 . 9 9 9 9 9 9");
    EXPECT_EQ(calculator.text(Display::Main), "999999.999999");
    testing::type(calculator, "thousand 5 .");
    EXPECT_EQ(calculator.beeps(), 5);  // three zeros, a digit, a second point
    EXPECT_EQ(calculator.text(Display::Main), "999999.999999");
    testing::type(calculator, "negate del");
    EXPECT_EQ(calculator.text(Display::Main), "-999999.99999");
    testing::type(calculator, "7");
    EXPECT_EQ(calculator.text(Display::Main), "-999999.999997");
}

}  // namespace
}  // namespace cambist
