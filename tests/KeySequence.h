// Replaying key sequences against a controller with a recording window.
//
// Keys are written as cambist-keys takes them: digits and "." (a token of
// several presses each in turn), + - * / ^ ( ) =, and action names with or
// without their "Pressed" ending, separated by spaces.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <string_view>
#include <vector>

#include "RecordingWindow.h"

namespace cambist::testing {

// Keys, and the text one display shows after them.
struct DisplayCase {
    const char* keys;
    Display display;
    const char* text;
};

// Presses the keys; a token that is no key fails the test.
inline void type(RecordedCalculator& calculator, std::string_view keys) {
    ASSERT_TRUE(calculator.pressKeys(keys)) << "not a key: " << parseKeys(keys).unknownToken;
}

// The main display after each single press, joined by " | ".
inline std::string mainTrace(RecordedCalculator& calculator, std::string_view keys) {
    const ParsedKeys parsed = parseKeys(keys);
    EXPECT_TRUE(parsed.ok()) << "not a key: " << parsed.unknownToken;
    std::string trace;
    for (const KeyPress& key : parsed.presses) {
        calculator.press(key);
        if (!trace.empty()) trace += " | ";
        trace += calculator.text(Display::Main);
    }
    return trace;
}

// The main display after the whole sequence, from a fresh start.
inline std::string mainAfter(std::string_view keys) {
    RecordedCalculator calculator;
    type(calculator, keys);
    return calculator.text(Display::Main);
}

}  // namespace cambist::testing
