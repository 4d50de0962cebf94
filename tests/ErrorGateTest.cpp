// The error state, over all 36 actions: a gated key beeps and changes
// nothing, the few ungated ones do their work and keep "- E -" (all-clear
// alone leaves it).
#include <gtest/gtest.h>

#include <string>

#include "KeySequence.h"

namespace cambist {
namespace {

using testing::type;

// The report with its beep count cut off.
std::string shownWithoutBeeps(const RecordedCalculator& calculator) {
    const std::string report = calculator.report();
    return report.substr(0, report.rfind("beeps:"));
}

struct GateCase {
    const char* action;
    bool cashFlowMode;  // the mode in which the key is enabled
    // For a key that passes the gate: a display and what it shows after.
    bool gated;
    Display display;
    const char* shows;
};

TEST(ErrorGate, EveryActionInTheErrorState) {
    const GateCase cases[] = {
        {"digitPressed", false, true, Display::Main, ""},
        {"thousandPressed", false, true, Display::Main, ""},
        {"dotPressed", false, true, Display::Main, ""},
        {"delPressed", false, true, Display::Main, ""},
        {"negatePressed", false, true, Display::Main, ""},
        {"clearPressed", false, true, Display::Main, ""},
        {"plusPressed", false, true, Display::Main, ""},
        {"minusPressed", false, true, Display::Main, ""},
        {"multiplyPressed", false, true, Display::Main, ""},
        {"dividePressed", false, true, Display::Main, ""},
        {"powerPressed", false, true, Display::Main, ""},
        {"equalPressed", false, true, Display::Main, ""},
        {"openBracketPressed", false, true, Display::Main, ""},
        {"closeBracketPressed", false, true, Display::Main, ""},
        {"allClearPressed", false, false, Display::Main, "0"},
        {"sqrtPressed", false, true, Display::Main, ""},
        {"percentPressed", false, true, Display::Main, ""},
        {"memoryIn", false, true, Display::Main, ""},
        {"memoryAdd", false, true, Display::Main, ""},
        {"memorySub", false, true, Display::Main, ""},
        {"memoryLoad", false, true, Display::Main, ""},
        {"answerLoad", false, true, Display::Main, ""},
        {"memoryClear", false, false, Display::Memory, "0"},
        {"setPV", false, true, Display::Main, ""},
        {"setN", false, true, Display::Main, ""},
        {"setPMT", false, true, Display::Main, ""},
        {"setFV", false, true, Display::Main, ""},
        {"setIY", false, true, Display::Main, ""},
        {"calcPV", false, true, Display::Main, ""},
        {"calcFV", false, true, Display::Main, ""},
        {"calcIY", false, true, Display::Main, ""},
        {"clearFinancePressed", false, false, Display::PV, "0"},
        {"addCashFlow", true, true, Display::Main, ""},
        {"delCashFlow", true, false, Display::Year, "2"},
        {"setY", true, true, Display::Main, ""},
        {"toggleSimpleComplex", false, false, Display::Main, "- E -"},
    };
    ASSERT_EQ(std::size(cases), kKeyActions.size());
    for (const GateCase& c : cases) {
        SCOPED_TRACE(c.action);
        const KeyAction* action = findKeyAction(c.action);
        ASSERT_NE(action, nullptr);
        RecordedCalculator calculator;
        // Memory 3, answer 2, PV 4, two rows, then a division by zero.
        type(calculator, "3 memoryIn 4 setPV toggleSimpleComplex 7 addCashFlow 8 addCashFlow");
        if (!c.cashFlowMode) type(calculator, "toggleSimpleComplex");
        type(calculator, "1 + 1 = 5 / 0 =");
        ASSERT_EQ(calculator.text(Display::Main), "- E -");
        const std::string before = shownWithoutBeeps(calculator);
        const long beeps = calculator.beeps();

        EXPECT_TRUE(calculator.press({action, 5, c.action}));
        if (c.gated) {
            EXPECT_EQ(calculator.beeps(), beeps + 1) << "a gated key beeps";
            EXPECT_EQ(shownWithoutBeeps(calculator), before) << "and changes nothing";
            continue;
        }
        EXPECT_EQ(calculator.beeps(), beeps);
        EXPECT_NE(shownWithoutBeeps(calculator), before) << "an ungated key does its work";
        EXPECT_EQ(calculator.text(c.display), c.shows);
        const bool leavesError = action->name == "allClearPressed";
        EXPECT_EQ(calculator.controller().entryState() == STATE_ERROR, !leavesError);
    }
}

TEST(ErrorGate, AfterAllClearTheCalculatorGoesOn) {
    RecordedCalculator calculator;
    type(calculator, "3 memoryIn 2 + 5 / 0 = allClear");
    EXPECT_EQ(calculator.text(Display::Main), "0");
    EXPECT_EQ(calculator.text(Display::Memory), "3");
    type(calculator, "4 + 1 =");
    EXPECT_EQ(calculator.text(Display::Main), "5");
}

}  // namespace
}  // namespace cambist
