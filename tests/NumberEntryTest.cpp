// Typing numbers: each case lists the main display after every key press.
#include <gtest/gtest.h>

#include <cmath>

#include "KeySequence.h"

namespace cambist {
namespace {

using testing::mainTrace;
using testing::type;

struct EntryCase {
    const char* keys;
    const char* trace;  // main display after each press
    long beeps;
};

TEST(NumberEntry, DisplayAfterEachKey) {
    const EntryCase cases[] = {
        {"0 0 5", "0 | 0 | 5", 0},
        {". 5", "0. | 0.5", 0},
        {"1 2 3 4 5 6 7 8 9 0 1 2 3",
         "1 | 12 | 123 | 1234 | 12345 | 123456 | 1234567 | 12345678 | 123456789 | 1234567890 | "
         "12345678901 | 123456789012 | 123456789012", 1},
        {"1 2 3 4 5 6 7 8 9 0 thousand",
         "1 | 12 | 123 | 1234 | 12345 | 123456 | 1234567 | 12345678 | 123456789 | 1234567890 | "
         "123456789000", 1},
        {"thousand 5", "0 | 5", 0},
        {"1 . thousand", "1 | 1. | 1.000", 0},
        {"1 . 0 0", "1 | 1. | 1.0 | 1.00", 0},
        {"0 . 1 2 3 4 5 6 7 8",
         "0 | 0. | 0.1 | 0.12 | 0.123 | 0.1234 | 0.12345 | 0.123456 | 0.1234570 | 0.12345700", 0},
        {"0 . 9 9 9 9 9 9 9", "0 | 0. | 0.9 | 0.99 | 0.999 | 0.9999 | 0.99999 | 0.999999 | 1.0000000", 0},
        {"1 . 2 5 del del del del del", "1 | 1. | 1.2 | 1.25 | 1.2 | 1. | 1 | 0 | 0", 0},
        {"5 . del del", "5 | 5. | 5 | 0", 0},
        {"0 . 1 2 3 4 5 6 7 del del",
         "0 | 0. | 0.1 | 0.12 | 0.123 | 0.1234 | 0.12345 | 0.123456 | 0.1234570 | 0.123457 | 0.12345", 0},
        {"del", "0", 1},
        {"1 2 negate del del", "1 | 12 | -12 | -1 | 0", 0},
        {". 5 negate del del", "0. | 0.5 | -0.5 | -0. | 0", 0},
        {"1 negate 2", "1 | -1 | -12", 0},
        {"1 negate . 5", "1 | -1 | -1. | -1.5", 0},
        {"negate 1 .", "0 | 1 | 1.", 0},
        {"0 negate . 5", "0 | 0 | -0. | 0.5", 0},
        {"1 . .", "1 | 1. | 1.", 1},
        {". del 0 0 5", "0. | 0 | 0 | 0 | 5", 0},
        {"7 del 5", "7 | 0 | 5", 0},
        {"1 2 clear 0 5", "1 | 12 | 0 | 0 | 5", 0},
        {"2 + del", "2 | 2 | 2", 1},
    };
    for (const EntryCase& c : cases) {
        SCOPED_TRACE(c.keys);
        RecordedCalculator calculator;
        EXPECT_EQ(mainTrace(calculator, c.keys), c.trace);
        EXPECT_EQ(calculator.beeps(), c.beeps);
    }
}

TEST(NumberEntry, DigitCountersFollowTheRules) {
    struct Case {
        const char* keys;
        std::int32_t integers;
        std::int32_t decimals;
    };
    const Case cases[] = {
        {"0 0 5", 1, 0},
        {". 5", 1, 1},            // the point counts the zero in front of it
        {". del 0 0 5", 4, 0},    // and that zero stays counted after the point goes
        {"1 . thousand", 1, 3},
        {"0 . 1 2 3 4 5 6 7 del", 1, 6},
        {"1 2 clear", 0, 0},
        {"9 sqrt", 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.keys);
        RecordedCalculator calculator;
        type(calculator, c.keys);
        EXPECT_EQ(calculator.controller().integerDigits(), c.integers);
        EXPECT_EQ(calculator.controller().decimalDigits(), c.decimals);
    }
    RecordedCalculator rounded;
    type(rounded, "0 . 1 2 3 4 5 6 7 del");
    EXPECT_EQ(rounded.controller().displayedNumber(), 0.123457) << "backspace leaves the six-decimal rounding";
}

TEST(NumberEntry, ElevenDecimalsAfterALeadingZero) {
    RecordedCalculator calculator;
    type(calculator, "0 . 1 1 1 1 1 1 1 1 1 1 1");
    EXPECT_EQ(calculator.beeps(), 0);
    EXPECT_EQ(calculator.controller().decimalDigits(), 11);
    type(calculator, "1");
    EXPECT_EQ(calculator.beeps(), 1);
    EXPECT_EQ(calculator.controller().decimalDigits(), 11);
}

TEST(NumberEntry, DigitsAreBuiltOnTheDouble) {
    RecordedCalculator calculator;
    type(calculator, "0 . 1 2");
    EXPECT_EQ(calculator.controller().displayedNumber(), 0.1 + 0.02);
    RecordedCalculator twelve;
    type(twelve, "9 9 9 9 9 9 9 9 9 9 9 9");
    EXPECT_EQ(twelve.controller().displayedNumber(), 999999999999.0);
}

TEST(NumberEntry, BackspaceToNegativeZeroThenADigitIsPositive) {
    RecordedCalculator calculator;
    type(calculator, ". 5 negate del del");
    EXPECT_EQ(calculator.controller().entryState(), STATE_INTEGER);
    EXPECT_TRUE(std::signbit(calculator.controller().displayedNumber()));
    type(calculator, "3");
    EXPECT_EQ(calculator.text(Display::Main), "3");
}

TEST(NumberEntry, ACalcKeyEndsAFullEntry) {
    RecordedCalculator calculator;
    type(calculator, "1 2 3 4 5 6 7 8 9 0 1 2 calcFV 4");
    EXPECT_EQ(calculator.beeps(), 0);
    EXPECT_EQ(calculator.text(Display::Main), "4");
}

}  // namespace
}  // namespace cambist
