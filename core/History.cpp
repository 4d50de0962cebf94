#include "History.h"

#include <algorithm>
#include <bit>
#include <cstring>

#include "NumberText.h"

namespace cambist {

namespace {

std::string symbolOf(const std::string& op) {
    if (op == "-") return "\u2212";
    if (op == "*") return "\u00D7";
    if (op == "/") return "\u00F7";
    return op;  // + ^ (
}

bool sameBits(double a, double b) { return std::bit_cast<std::uint64_t>(a) == std::bit_cast<std::uint64_t>(b); }

// Whether the key changed the expression: the stacks, the entry or the state.
bool expressionChanged(const History::Snapshot& a, const History::Snapshot& b) {
    return a.state != b.state || !sameBits(a.number, b.number) || a.integerDigits != b.integerDigits ||
           a.decimalDigits != b.decimalDigits || a.operators != b.operators ||
           !std::equal(a.operands.begin(), a.operands.end(), b.operands.begin(), b.operands.end(), sameBits);
}

bool anythingChanged(const History::Snapshot& a, const History::Snapshot& b) {
    return expressionChanged(a, b) || !sameBits(a.memory, b.memory) || !(a.registers == b.registers) || a.year != b.year || a.rows != b.rows || a.cashFlows != b.cashFlows ||
           a.main != b.main;
}

bool is(const KeyAction& action, std::string_view name) { return action.name == name; }

bool isOperator(const KeyAction& action) {
    return is(action, "plusPressed") || is(action, "minusPressed") || is(action, "multiplyPressed") ||
           is(action, "dividePressed") || is(action, "powerPressed");
}

// Keys that reduce what is pending, and so may divide by zero.
bool evaluates(const KeyAction& action) {
    return isOperator(action) || is(action, "equalPressed") || is(action, "closeBracketPressed") ||
           is(action, "setPV") || is(action, "setN") || is(action, "setPMT") || is(action, "setFV") ||
           is(action, "setIY") || is(action, "setY") || is(action, "addCashFlow") || is(action, "memoryIn") ||
           is(action, "memoryAdd") || is(action, "memorySub");
}

// The expression a complete evaluation took: what was pending, the entry,
// and the brackets it closed.
std::string evaluatedExpression(const History::Snapshot& before) {
    std::string text = pendingExpression(before, true);
    const auto open = std::count(before.operators.begin(), before.operators.end(), std::string("("));
    for (std::ptrdiff_t i = 0; i < open; ++i) text += " )";
    return text;
}

std::string shown(double x) { return formatFloat(x); }

}  // namespace

std::string pendingExpression(const History::Snapshot& snapshot, bool withEntry) {
    std::string text;
    const auto add = [&text](const std::string& token) {
        if (!text.empty()) text += ' ';
        text += token;
    };
    std::size_t operand = 0;
    for (const std::string& op : snapshot.operators) {
        if (op != "(" && operand < snapshot.operands.size()) add(formatFloat(snapshot.operands[operand++]));
        add(symbolOf(op));
    }
    if (withEntry && snapshot.state != STATE_ERROR) add(snapshot.main);
    return text;
}

History::Snapshot History::snapshot(const CalController& controller) {
    Snapshot s{};
    s.state = controller.entryState();
    s.number = controller.displayedNumber();
    s.integerDigits = controller.integerDigits();
    s.decimalDigits = controller.decimalDigits();
    s.operators = controller.pendingOperators();
    s.operands.reserve(controller.pendingOperands().size());
    for (const Double& operand : controller.pendingOperands()) s.operands.push_back(operand.value());
    s.main = controller.mainDisplayText();
    s.memory = controller.memoryValue();
    s.registers = controller.registers();
    s.year = controller.yearOfNextRow();
    s.rows = controller.cashFlows().size();
    s.cashFlows = controller.inCashFlowMode();
    return s;
}

bool History::press(CalController& controller, const KeyAction& action, const Control& sender) {
    const Snapshot before = snapshot(controller);
    if (!pressKey(controller, action, sender)) return false;
    record(action, before, snapshot(controller), controller);
    return true;
}

bool History::press(CalController& controller, const KeyPress& key) {
    return press(controller, *key.action, TaggedControl(key.tag));
}

void History::append(std::string line) {
    if (tape_.size() == kMaxTapeLines) tape_.pop_front();
    tape_.push_back(std::move(line));
    ++appended_;
}

void History::record(const KeyAction& action, const Snapshot& before, const Snapshot& after,
                     const CalController& controller) {
    // In the error state only a few keys work; elsewhere a key that changed
    // nothing beeped, unless it is one whose work may leave all as it was.
    const bool wasError = before.state == STATE_ERROR;
    const bool worksInError = is(action, "allClearPressed") || is(action, "memoryClear") ||
                              is(action, "clearFinancePressed") || is(action, "toggleSimpleComplex") ||
                              is(action, "delCashFlow");
    const bool mayChangeNothing = is(action, "equalPressed") || is(action, "memoryClear") ||
                                  is(action, "clearFinancePressed") || is(action, "memoryLoad") ||
                                  is(action, "answerLoad");
    if ((wasError && !worksInError) || (!anythingChanged(before, after) && !mayChangeNothing)) return;

    // The expression line.
    if (is(action, "allClearPressed")) {
        expression_.clear();
    } else if (is(action, "equalPressed")) {
        expression_ = evaluatedExpression(before) + " =";
    } else if (expressionChanged(before, after)) {
        const bool entryIsOperand = !isOperator(action) && !is(action, "openBracketPressed");
        const bool closed = is(action, "closeBracketPressed");
        expression_ = after.operators.empty() && !closed ? std::string()
                                                          : pendingExpression(after, entryIsOperand);
    }

    // The tape.
    if (!wasError && after.state == STATE_ERROR && evaluates(action)) {
        append(evaluatedExpression(before) + " \u2192 Error");
        return;
    }
    const std::string value = after.main;
    // A key that finished a pending expression says which.
    const std::string source = before.operators.empty() ? std::string() : evaluatedExpression(before) + " \u2192 ";
    const auto stored = [&](const char* name, double x) { append(source + name + " = " + shown(x)); };
    const auto memoryLine = [&](const char* key) {
        append(std::string(key) + ' ' + shown(after.number) + " \u2192 M = " + shown(after.memory));
    };
    const auto computed = [&](const std::string& what, double x) {
        append(after.state == STATE_ERROR ? what + " \u2192 Error" : what + " = " + shown(x));
    };

    if (is(action, "equalPressed")) {
        append(evaluatedExpression(before) + " = " + value);
    } else if (is(action, "setPV")) {
        stored("PV", after.registers.pv);
    } else if (is(action, "setN")) {
        stored("N", after.registers.n);
    } else if (is(action, "setPMT")) {
        stored("PMT", after.registers.pmt);
    } else if (is(action, "setFV")) {
        stored("FV", after.registers.fv);
    } else if (is(action, "setIY")) {
        stored("I/Y", after.registers.iy);
    } else if (is(action, "setY")) {
        append(source + "Year = " + std::to_string(after.year));
    } else if (is(action, "calcPV")) {
        computed(after.cashFlows ? "NPV at " + shown(after.registers.iy) + " %" : std::string("CPT PV"),
                 after.registers.pv);
    } else if (is(action, "calcFV")) {
        computed("CPT FV", after.registers.fv);
    } else if (is(action, "calcIY")) {
        computed(after.cashFlows ? "IRR" : "CPT I/Y", after.registers.iy);
    } else if (is(action, "memoryIn")) {
        memoryLine("MS");
    } else if (is(action, "memoryAdd")) {
        memoryLine("M+");
    } else if (is(action, "memorySub")) {
        memoryLine("M\u2212");
    } else if (is(action, "memoryClear")) {
        append("MC \u2192 M = 0");
    } else if (is(action, "memoryLoad")) {
        append("MR = " + value);
    } else if (is(action, "answerLoad")) {
        append("ANS = " + value);
    } else if (is(action, "sqrtPressed")) {
        append("\u221A" + before.main + " = " + value);
    } else if (is(action, "percentPressed")) {
        append(before.main + " % = " + value);
    } else if (is(action, "addCashFlow")) {
        const std::size_t added = after.rows - before.rows;
        std::string line = "CF+ " + shown(after.number);
        if (added != 1) line += " \u00D7 " + std::to_string(added);
        if (added == 1) line += ", year " + std::to_string(before.year);
        if (added > 1) {
            const CashFlowEntry& last = controller.cashFlows().back();
            line += ", years " + std::to_string(before.year) + "\u2013" + std::to_string(last.year());
        }
        append(source + line);
    } else if (is(action, "delCashFlow")) {
        append("CF\u2212, " + std::to_string(after.rows) + (after.rows == 1 ? " row left" : " rows left"));
    } else if (is(action, "clearFinancePressed")) {
        append("CLR TVM");
    } else if (is(action, "toggleSimpleComplex")) {
        append(after.cashFlows ? "Mode: Cash flows" : "Mode: TVM");
    }
}

}  // namespace cambist
