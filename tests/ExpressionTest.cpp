// Operators, precedence, brackets, equals and the division guard.
#include <gtest/gtest.h>

#include "Invariants.h"
#include "KeySequence.h"

namespace cambist {
namespace {

using testing::mainAfter;
using testing::mainTrace;
using testing::type;

struct ResultCase {
    const char* keys;
    const char* main;
};

TEST(Expression, ResultsOfKeySequences) {
    const ResultCase cases[] = {
        {"2 + 3 * 4 =", "14"},           // precedence
        {"2 ^ 3 ^ 2 =", "64"},           // power groups from the left
        {"2 * ( 3 + 4 ) =", "14"},
        {"2 + * 3 =", "6"},              // operator replacement
        {"2 + =", "4"},                  // the shown value used twice
        {"( 2 + 3 ) 4", "54"},           // a digit continues the bracket's value
        {"2 * 3 + 4 =", "10"},
        {"8 - 3 - 2 =", "3"},
        {"2 + 3 * - 1 =", "4"},
        {"2 + 3 = + 4 =", "9"},
        {"2 + ( 3 * 4 =", "14"},         // equals closes open brackets
        {"2 + 3 ) * 4 =", "20"},         // a lone closing bracket finishes what is pending
        {"5 )", "5"},
        {"( )", "0"},
        {"2 ( + 3 ) =", "3"},            // the opening bracket discards the 2
        {"1 . 5 ( 5", "0.5"},
        {"2 * ( 9 sqrt ) + 1 =", "3"},   // closed in STATE_RESULT: + replaces *
        {"1 / 0.0000000001 =", "10000000000"},
        {"1 / 0.0000000001 negate =", "-10000000000"},
        {"1 / 0.00000000009 =", "- E -"},
        {"1 / 0 =", "- E -"},
        {"1 / 0 negate =", "- E -"},
        {"1 / 5 negate sqrt =", "-nan"},  // a NaN divisor divides; "%f" shows its sign
        {"2 ^ 0.5 =", "1.414214"},
        {"1 0 ^ 4 0 0 =", "inf"},        // an infinity is shown, not an error
        {"0 - 1 0 ^ 4 0 0 =", "-inf"},
    };
    for (const ResultCase& c : cases) {
        SCOPED_TRACE(c.keys);
        EXPECT_EQ(mainAfter(c.keys), c.main);
    }
}

TEST(Expression, RunningResultIsShownAfterEachOperator) {
    RecordedCalculator calculator;
    EXPECT_EQ(mainTrace(calculator, "2 * 3 + 4 ="), "2 | 2 | 3 | 6 | 4 | 10");
    RecordedCalculator power;
    EXPECT_EQ(mainTrace(power, "2 ^ 3 ^ 2 ="), "2 | 2 | 3 | 8 | 2 | 64");
    RecordedCalculator replaced;
    EXPECT_EQ(mainTrace(replaced, "2 + 3 * - 1 ="), "2 | 2 | 3 | 3 | 5 | 1 | 4");
    RecordedCalculator bracket;
    EXPECT_EQ(mainTrace(bracket, "1 . 5 ("), "1 | 1. | 1.5 | 0.");
}

TEST(Expression, StacksAndStateFollowTheTrace) {
    RecordedCalculator calculator;
    type(calculator, "2 * ( 3 + 4");
    const CalController& controller = calculator.controller();
    EXPECT_EQ(controller.pendingOperators(), (std::vector<std::string>{"*", "(", "+"}));
    ASSERT_EQ(controller.pendingOperands().size(), 2U);
    EXPECT_EQ(controller.pendingOperands()[0].value(), 2);
    EXPECT_EQ(controller.pendingOperands()[1].value(), 3);
    type(calculator, ")");
    EXPECT_EQ(controller.pendingOperators(), (std::vector<std::string>{"*"}));
    EXPECT_EQ(controller.entryState(), STATE_INTEGER);
    EXPECT_EQ(calculator.text(Display::Main), "7");
    type(calculator, "=");
    EXPECT_TRUE(controller.pendingOperators().empty());
    EXPECT_TRUE(controller.pendingOperands().empty());
    EXPECT_EQ(calculator.text(Display::Answer), "14");
}

TEST(Expression, DivisionGuardKeepsGoingWithZero) {
    RecordedCalculator alone;
    type(alone, "5 / 0 =");
    EXPECT_EQ(alone.controller().displayedNumber(), 0);
    EXPECT_EQ(alone.text(Display::Answer), "0");

    RecordedCalculator pending;
    type(pending, "2 + 5 / 0 =");
    EXPECT_EQ(pending.text(Display::Main), "- E -");
    EXPECT_EQ(pending.text(Display::Answer), "2");

    RecordedCalculator operatorAfter;
    type(operatorAfter, "5 / 0 +");
    EXPECT_EQ(operatorAfter.controller().pendingOperators(), (std::vector<std::string>{"+"}));
    ASSERT_EQ(operatorAfter.controller().pendingOperands().size(), 1U);
    EXPECT_EQ(operatorAfter.controller().pendingOperands()[0].value(), 0);
    type(operatorAfter, "allClear");
    EXPECT_TRUE(operatorAfter.controller().pendingOperands().empty());
    EXPECT_TRUE(operatorAfter.controller().pendingOperators().empty());
    EXPECT_EQ(operatorAfter.text(Display::Main), "0");
    EXPECT_EQ(operatorAfter.controller().entryState(), STATE_RESULT);
}

// An operator typed in STATE_RESULT right after an opening bracket keeps the
// bracket and takes the shown value as its left operand, as after a typed
// number; the stacks stay balanced and evaluation never runs short.
TEST(Expression, OperatorRightAfterABracketTakesTheShownValue) {
    const ResultCase cases[] = {
        {"( + 3 ) =", "3"},
        {"2 * ( - 3 ) =", "-6"},
        {"1 0 memoryIn allClear 2 * ( memoryLoad + 1 ) =", "22"},
        {"( ( 9 sqrt ) + 1 ) =", "4"},
        {"= ( * 2 =", "0"},
        {"( ( + ( - ) ) ^ =", "1"},
    };
    for (const ResultCase& c : cases) {
        SCOPED_TRACE(c.keys);
        RecordedCalculator calculator;
        for (const KeyPress& key : parseKeys(c.keys).presses) {
            calculator.press(key);
            EXPECT_EQ(brokenStackInvariant(calculator.controller()), std::nullopt) << "after " << key.label;
        }
        EXPECT_EQ(calculator.text(Display::Main), c.main);
    }
}

TEST(Expression, OperatorReplacementStillAppliesBelowABracket) {
    EXPECT_EQ(mainAfter("( 2 + * 3 ) ="), "6");
    EXPECT_EQ(mainAfter("2 + 9 sqrt * 3 ="), "6");
}

// The pending expression is bounded: the key that would push past the bound
// beeps and changes nothing; keys that do not grow the stacks still work.
TEST(Expression, PendingOperatorsAreBounded) {
    RecordedCalculator calculator;
    std::string opens;
    for (std::size_t i = 0; i < MAX_PENDING_OPERATORS - 1; ++i) opens += "( ";
    type(calculator, opens + "2 +");
    ASSERT_EQ(calculator.controller().pendingOperators().size(), MAX_PENDING_OPERATORS);
    const std::string before = calculator.report();
    type(calculator, "(");
    EXPECT_EQ(calculator.beeps(), 1);
    type(calculator, "3 *");
    EXPECT_EQ(calculator.beeps(), 2) << "a tighter operator would push";
    EXPECT_EQ(calculator.controller().pendingOperators().size(), MAX_PENDING_OPERATORS);
    type(calculator, "-");
    EXPECT_EQ(calculator.beeps(), 2) << "an operator that reduces first is taken";
    EXPECT_EQ(calculator.text(Display::Main), "5");
    type(calculator, "*");
    EXPECT_EQ(calculator.beeps(), 2) << "replacing an operator is taken";
    type(calculator, "4 =");
    EXPECT_EQ(calculator.text(Display::Main), "20");
    EXPECT_TRUE(calculator.controller().pendingOperators().empty());
    type(calculator, opens + "( 1 allClear");
    EXPECT_EQ(calculator.controller().pendingOperators().capacity(), 0U) << "all-clear gives the memory back";
}

}  // namespace
}  // namespace cambist
