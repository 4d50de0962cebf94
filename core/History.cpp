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

std::string TapeLine::text() const { return fillPlaces(format, args); }

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

void History::append(TapeLine line) {
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
        append({CAMBIST_TAPE_TEXT("%1 \u2192 Error"), {evaluatedExpression(before)}});
        return;
    }
    const std::string value = after.main;
    // A key that finished a pending expression says which.
    const std::string source = before.operators.empty() ? std::string() : evaluatedExpression(before) + " \u2192 ";
    const auto stored = [&](const char* name, double x) {
        append({CAMBIST_TAPE_TEXT("%1%2 = %3"), {source, name, shown(x)}});
    };
    const auto memoryLine = [&](const char* format) {
        append({format, {shown(after.number), shown(after.memory)}});
    };
    const auto computed = [&](const char* format, const char* failed, double x) {
        if (after.state == STATE_ERROR) {
            append({failed, {}});
        } else {
            append({format, {shown(x)}});
        }
    };

    if (is(action, "equalPressed")) {
        append({CAMBIST_TAPE_TEXT("%1 = %2"), {evaluatedExpression(before), value}});
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
        append({CAMBIST_TAPE_TEXT("%1Year = %2"), {source, std::to_string(after.year)}});
    } else if (is(action, "calcPV") && after.cashFlows) {
        append({CAMBIST_TAPE_TEXT("NPV at %1 % = %2"), {shown(after.registers.iy), shown(after.registers.pv)}});
    } else if (is(action, "calcPV")) {
        computed(CAMBIST_TAPE_TEXT("CPT PV = %1"), CAMBIST_TAPE_TEXT("CPT PV \u2192 Error"), after.registers.pv);
    } else if (is(action, "calcFV")) {
        computed(CAMBIST_TAPE_TEXT("CPT FV = %1"), CAMBIST_TAPE_TEXT("CPT FV \u2192 Error"), after.registers.fv);
    } else if (is(action, "calcIY") && after.cashFlows) {
        computed(CAMBIST_TAPE_TEXT("IRR = %1"), CAMBIST_TAPE_TEXT("IRR \u2192 Error"), after.registers.iy);
    } else if (is(action, "calcIY")) {
        computed(CAMBIST_TAPE_TEXT("CPT I/Y = %1"), CAMBIST_TAPE_TEXT("CPT I/Y \u2192 Error"), after.registers.iy);
    } else if (is(action, "memoryIn")) {
        memoryLine(CAMBIST_TAPE_TEXT("MS %1 \u2192 M = %2"));
    } else if (is(action, "memoryAdd")) {
        memoryLine(CAMBIST_TAPE_TEXT("M+ %1 \u2192 M = %2"));
    } else if (is(action, "memorySub")) {
        memoryLine(CAMBIST_TAPE_TEXT("M\u2212 %1 \u2192 M = %2"));
    } else if (is(action, "memoryClear")) {
        append({CAMBIST_TAPE_TEXT("MC \u2192 M = 0"), {}});
    } else if (is(action, "memoryLoad")) {
        append({CAMBIST_TAPE_TEXT("MR = %1"), {value}});
    } else if (is(action, "answerLoad")) {
        append({CAMBIST_TAPE_TEXT("ANS = %1"), {value}});
    } else if (is(action, "sqrtPressed")) {
        append({CAMBIST_TAPE_TEXT("\u221A%1 = %2"), {before.main, value}});
    } else if (is(action, "percentPressed")) {
        append({CAMBIST_TAPE_TEXT("%1 % = %2"), {before.main, value}});
    } else if (is(action, "addCashFlow")) {
        const std::size_t added = after.rows - before.rows;
        const std::string amount = shown(after.number);
        if (added == 1) {
            append({CAMBIST_TAPE_TEXT("%1CF+ %2, year %3"), {source, amount, std::to_string(before.year)}});
        } else if (added == 0) {
            append({CAMBIST_TAPE_TEXT("%1CF+ %2 \u00D7 0"), {source, amount}});
        } else {
            const std::string last = std::to_string(controller.cashFlows().back().year());
            append({CAMBIST_TAPE_TEXT("%1CF+ %2 \u00D7 %3, years %4\u2013%5"),
                    {source, amount, std::to_string(added), std::to_string(before.year), last}});
        }
    } else if (is(action, "delCashFlow")) {
        if (after.rows == 1) {
            append({CAMBIST_TAPE_TEXT("CF\u2212, 1 row left"), {}});
        } else {
            append({CAMBIST_TAPE_TEXT("CF\u2212, %1 rows left"), {std::to_string(after.rows)}});
        }
    } else if (is(action, "clearFinancePressed")) {
        append({CAMBIST_TAPE_TEXT("CLR TVM"), {}});
    } else if (is(action, "toggleSimpleComplex")) {
        append({after.cashFlows ? CAMBIST_TAPE_TEXT("Mode: Cash flows") : CAMBIST_TAPE_TEXT("Mode: TVM"), {}});
    }
}

std::string fillPlaces(std::string_view format, const std::vector<std::string>& args) {
    std::string text;
    for (std::size_t i = 0; i < format.size(); ++i) {
        const char next = i + 1 < format.size() ? format[i + 1] : '\0';
        const std::size_t place = static_cast<std::size_t>(next - '1');
        if (format[i] == '%' && next >= '1' && next <= '9' && place < args.size()) {
            text += args[place];
            ++i;
        } else {
            text += format[i];
        }
    }
    return text;
}

}  // namespace cambist
