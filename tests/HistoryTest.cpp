// The expression line after every key, and the tape's line for each kind of
// action.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "KeySequence.h"

namespace cambist {
namespace {

using testing::type;

// The expression line after each press, joined by " | ".
std::string expressionTrace(std::string_view keys) {
    RecordedCalculator calculator;
    std::string trace;
    bool first = true;
    for (const KeyPress& key : parseKeys(keys).presses) {
        calculator.press(key);
        trace += (first ? "" : " | ") + calculator.history().expression();
        first = false;
    }
    return trace;
}

TEST(ExpressionLine, FollowsEveryKey) {
    struct Case {
        const char* what;
        const char* keys;
        const char* trace;
    };
    const Case cases[] = {
        {"precedence", "2 + 3 * 4 =", " | 2 + | 2 + 3 | 2 + 3 × | 2 + 3 × 4 | 2 + 3 × 4 ="},
        {"power groups from the left", "2 ^ 3 ^ 2 =", " | 2 ^ | 2 ^ 3 | 8 ^ | 8 ^ 2 | 8 ^ 2 ="},
        {"brackets", "2 * ( 3 + 4 ) =",
         " | 2 × | 2 × ( | 2 × ( 3 | 2 × ( 3 + | 2 × ( 3 + 4 | 2 × 7 | 2 × 7 ="},
        {"operator replacement", "2 + * 3 =", " | 2 + | 2 × | 2 × 3 | 2 × 3 ="},
        {"equals right after an operator", "2 + =", " | 2 + | 2 + 2 ="},
        {"a digit after a closing bracket", "( 2 + 3 ) 4", "( | ( 2 | ( 2 + | ( 2 + 3 | 5 | "},
        {"division by zero", "5 / 0 =", " | 5 ÷ | 5 ÷ 0 | 5 ÷ 0 ="},
        {"an error while an operator reduces, then all-clear", "5 / 0 + allClear", " | 5 ÷ | 5 ÷ 0 | 0 + | "},
        {"equals closes open brackets", "2 * ( 3 + 4 =", " | 2 × | 2 × ( | 2 × ( 3 | 2 × ( 3 + | 2 × ( 3 + 4 | 2 × ( 3 + 4 ) ="},
        {"a refused key leaves the line", "5 / 0 = 7 +", " | 5 ÷ | 5 ÷ 0 | 5 ÷ 0 = | 5 ÷ 0 = | 5 ÷ 0 ="},
        {"decimals and negatives in the display's format", "1 . 5 0 negate - .", " |  |  |  |  | -1.5 − | -1.5 − 0."},
        {"a value key after an operator", "2 + 9 sqrt", " | 2 + | 2 + 9 | 2 + 3"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(expressionTrace(c.keys), c.trace);
    }
}

TEST(Tape, OneLinePerCompletedAction) {
    struct Case {
        const char* what;
        const char* keys;
        std::vector<std::string> lines;
    };
    const Case cases[] = {
        {"an evaluation", "2 + 3 * 4 =", {"2 + 3 × 4 = 14"}},
        {"an error", "5 / 0 =", {"5 ÷ 0 → Error"}},
        {"an error while an operator reduces", "5 / 0 +", {"5 ÷ 0 → Error"}},
        {"stored registers", "100 negate setPMT 2 + 3 setN", {"PMT = -100", "2 + 3 → N = 5"}},
        {"computes", "10 setN 5 setIY 100 negate setPMT 0 setFV calcPV calcFV calcIY",
         {"N = 10", "I/Y = 5", "PMT = -100", "FV = 0", "CPT PV = 772.173493", "CPT FV = 0", "CPT I/Y = 5"}},
        {"a failed rate", "100 setPV 1 setN 300 negate setFV calcIY",
         {"PV = 100", "N = 1", "FV = -300", "CPT I/Y → Error"}},
        {"memory keys", "5 memoryIn 5 memoryAdd 2 memorySub memoryLoad memoryClear 4 = answerLoad",
         {"MS 5 → M = 5", "M+ 5 → M = 10", "M− 2 → M = 8", "MR = 8", "MC → M = 0", "4 = 4", "ANS = 4"}},
        {"square root and percent", "9 sqrt 50 percent", {"√9 = 3", "50 % = 0.5"}},
        {"cash flows", "toggleSimpleComplex clearFinance 1000 negate addCashFlow 4 setN 300 addCashFlow "
                       "5 setIY calcPV calcIY delCashFlow 2024 setY",
         {"Mode: Cash flows", "CLR TVM", "CF+ -1000, year 0", "N = 4", "CF+ 300 × 4, years 1–4", "I/Y = 5",
          "NPV at 5 % = 63.785151", "IRR = 7.713847", "CF−, 4 rows left", "Year = 2024"}},
        {"mode switches", "toggleSimpleComplex toggleSimpleComplex", {"Mode: Cash flows", "Mode: TVM"}},
        {"entry keys, operators and refused keys add nothing", "1 2 . 5 del negate + ( ) 5 / 0 = 7 sqrt allClear",
         {"-12 + 5 ÷ 0 → Error"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        RecordedCalculator calculator;
        type(calculator, c.keys);
        std::vector<std::string> lines;
        for (const TapeLine& line : calculator.history().tape()) lines.push_back(line.text());
        EXPECT_EQ(lines, c.lines);
    }
}

TEST(Tape, KeepsTheNewestLinesUpToItsBound) {
    RecordedCalculator calculator;
    for (std::size_t i = 0; i < History::kMaxTapeLines + 5; ++i) type(calculator, "1 memoryAdd");
    const auto& tape = calculator.history().tape();
    ASSERT_EQ(tape.size(), History::kMaxTapeLines);
    EXPECT_EQ(tape.front().text(), "M+ 1 → M = 6");
    EXPECT_EQ(tape.back().text(), "M+ 1 → M = " + std::to_string(History::kMaxTapeLines + 5));
}

}  // namespace
}  // namespace cambist
