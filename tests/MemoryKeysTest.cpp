// Square root, percent, memory and answer keys.
#include <gtest/gtest.h>

#include "KeySequence.h"

namespace cambist {
namespace {

using testing::mainAfter;
using testing::type;

struct MemoryCase {
    const char* keys;
    const char* main;
    const char* memory;
};

TEST(MemoryKeys, KeySequences) {
    const MemoryCase cases[] = {
        {"9 sqrt", "3", "0"},
        {"2 negate sqrt", "-nan", "0"},  // a NaN is shown as "%f" gives it, not an error
        {"0 negate sqrt", "0", "0"},
        {"5 0 percent", "0.5", "0"},
        {"2 0 0 + 1 0 percent =", "200.1", "0"},
        {"2 + 9 sqrt =", "5", "0"},
        {"2 + 9 sqrt * 3 =", "6", "0"},
        {"9 sqrt 4", "4", "0"},
        {"1 0 memoryIn allClear 2 + memoryLoad * 3 =", "6", "10"},
        {"7 memoryIn 1 2 memoryLoad", "7", "7"},
        {"2 + 3 memoryIn", "5", "5"},
        {"2 + 3 memoryIn memoryLoad * 2 =", "10", "5"},
        {"5 memoryAdd memoryAdd", "5", "10"},
        {"1 0 memoryIn 3 memorySub", "3", "7"},
        {"2 + 3 = answerLoad", "5", "0"},
        {"5 / 0 memoryIn", "- E -", "0"},
        {"2 + 5 / 0 memoryAdd", "- E -", "2"},
        {"2 negate sqrt memoryIn", "-nan", "-nan"},
    };
    for (const MemoryCase& c : cases) {
        SCOPED_TRACE(c.keys);
        RecordedCalculator calculator;
        type(calculator, c.keys);
        EXPECT_EQ(calculator.text(Display::Main), c.main);
        EXPECT_EQ(calculator.text(Display::Memory), c.memory);
    }
}

TEST(MemoryKeys, StoringLeavesAnswerAndEmptiesTheStacks) {
    RecordedCalculator calculator;
    type(calculator, "9 = 2 + 3 memoryIn");
    EXPECT_EQ(calculator.text(Display::Answer), "9");
    EXPECT_TRUE(calculator.controller().pendingOperands().empty());
    EXPECT_TRUE(calculator.controller().pendingOperators().empty());
    EXPECT_EQ(calculator.controller().entryState(), STATE_RESULT);
    type(calculator, "memoryIn memoryAdd answerLoad");
    EXPECT_EQ(calculator.text(Display::Main), "9") << "memory keys never change the answer";
}

TEST(MemoryKeys, RecallLeavesThePendingExpressionAlone) {
    RecordedCalculator calculator;
    type(calculator, "4 memoryIn 2 * 3 + memoryLoad");
    EXPECT_EQ(calculator.controller().pendingOperators(), (std::vector<std::string>{"+"}));
    type(calculator, "=");
    EXPECT_EQ(calculator.text(Display::Main), "10");
}

}  // namespace
}  // namespace cambist
