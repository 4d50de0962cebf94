// Pasted text: read whole into key presses, or refused whole.
#include <gtest/gtest.h>

#include <string>

#include "KeySequence.h"
#include "PastedText.h"

namespace cambist {
namespace {

using testing::type;

// Pastes text into the calculator as the window does; false when refused.
bool paste(RecordedCalculator& calculator, std::string_view text, bool commaIsDecimalPoint = false) {
    const PastedKeys keys = keysForPastedText(text, commaIsDecimalPoint);
    for (const KeyPress& press : keys.presses) calculator.press(press);
    return keys.ok();
}

TEST(PastedText, WhatTheMainDisplayShowsPastesBackAsTheSameValueInEveryState) {
    const char* const startingStates[] = {"", "1 0 0", "1 0 0 .", "7 *", "2 + 3 =", "2 * (", "5 memoryIn memoryLoad",
                                          "1 2 3 4 5 6 7 8 9 0 1 2"};
    const char* const values[] = {"-5", "5", "-12.50", "0.5", "-0.000001", "123456789012", "-123456789012",
                                  "1000", "0", "12.", "-3.250000"};
    for (const char* start : startingStates) {
        for (const char* value : values) {
            SCOPED_TRACE(std::string("after '") + start + "' paste " + value);
            RecordedCalculator calculator;
            type(calculator, start);
            const long beeps = calculator.beeps();
            ASSERT_TRUE(paste(calculator, value));
            EXPECT_EQ(calculator.text(Display::Main), value);
            EXPECT_EQ(calculator.beeps(), beeps);
        }
    }
}

TEST(PastedText, ExpressionsEvaluateAsTyped) {
    const testing::DisplayCase cases[] = {
        {"7 * | -5 =", Display::Main, "-35"},
        {"100 | -5 setPV", Display::PV, "-5"},
        {"| 2+3*4=", Display::Main, "14"},
        {"| 2 × (3 − 4) ÷ 2 =", Display::Main, "-1"},
        {"| -2^2=", Display::Main, "4"},
        {"| 3*-2=", Display::Main, "-6"},
        {"| (-2)*3=", Display::Main, "-6"},
        {"| 2-3=", Display::Main, "-1"},
        {"| 2 - -3 =", Display::Main, "5"},
        {"10 = | *2=", Display::Main, "20"},
        {"10 = | -2=", Display::Main, "-2"},
        {"| .5+1=", Display::Main, "1.5"},
        {"| 0000000000000001=", Display::Main, "1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.keys);
        const std::string keys = c.keys;
        const std::size_t bar = keys.find('|');
        RecordedCalculator calculator;
        type(calculator, keys.substr(0, bar));
        const std::string rest = keys.substr(bar + 1);
        // What follows the pasted text, up to a key name, is typed.
        const std::size_t name = rest.find_first_of("abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ");
        ASSERT_TRUE(paste(calculator, rest.substr(0, name)));
        if (name != std::string::npos) type(calculator, rest.substr(name));
        EXPECT_EQ(calculator.text(c.display), c.text);
    }
}

TEST(PastedText, RefusedWholeWithNothingPressed) {
    const char* const refused[] = {
        "1234567890123",       // a 13th digit
        "12345678901234567890",
        "0.0000000000001",     // the point counts the zero: 13 digits
        "3.14.15",             // a second point
        "1,5",                 // a comma under a point locale
        "12a",                 // a letter
        "2 3",                 // two numbers
        "2 ++ 3",              // two operators
        "2 * * 3",
        "(2)3",                // a number after a bracket
        "2(3)",                // a bracket after a number
        "- E -",               // the error text
        "inf", "-nan", "1e5", "",  // no number texts of the calculator's own, and nothing
        "--5",                 // two signs
        "2 * -",               // a sign with no number
        ".",
        "2+=",
        "1\u00A0000",          // a no-break space as group separator
    };
    for (const char* text : refused) {
        SCOPED_TRACE(text);
        const PastedKeys keys = keysForPastedText(text, false);
        if (std::string_view(text).empty()) {
            EXPECT_TRUE(keys.ok()) << "an empty text is nothing to type";
            EXPECT_TRUE(keys.presses.empty());
            continue;
        }
        EXPECT_FALSE(keys.ok());
        EXPECT_TRUE(keys.presses.empty());
    }
}

TEST(PastedText, ACommaIsTheDecimalPointOnlyUnderACommaLocaleAndAlone) {
    RecordedCalculator calculator;
    ASSERT_TRUE(paste(calculator, "1,5", true));
    EXPECT_EQ(calculator.text(Display::Main), "1.5");
    EXPECT_FALSE(keysForPastedText("1.234,5", true).ok()) << "a group separator";
    EXPECT_FALSE(keysForPastedText("1,234.5", true).ok());
    EXPECT_FALSE(keysForPastedText("1,5", false).ok());
    EXPECT_TRUE(keysForPastedText("1.5", true).ok()) << "a point is a point everywhere";
}

TEST(PastedText, TheLengthIsCheckedBeforeAnythingIsRead) {
    const std::string longest = "1" + std::string(kMaxPastedLength - 1, ' ');
    EXPECT_TRUE(keysForPastedText(longest, false).ok());
    // A text past the bound is refused by its length alone: 100 MB of digits
    // is not scanned, and nothing is allocated for it.
    const std::string huge(100'000'000, '7');
    const PastedKeys keys = keysForPastedText(huge, false);
    EXPECT_FALSE(keys.ok());
    EXPECT_TRUE(keys.presses.empty());
}

}  // namespace
}  // namespace cambist
