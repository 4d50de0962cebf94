#include "Invariants.h"

#include <array>
#include <sstream>

namespace cambist {

namespace {

bool isOperatorSymbol(const std::string& op) {
    return op == "(" || op == "+" || op == "-" || op == "*" || op == "/" || op == "^";
}

// What the window shows, short of the cell texts (the table asks for those
// lazily, from the same list whose size is compared).
struct Shown {
    std::array<std::string, 9> texts;
    std::int32_t rows;
    std::int32_t scrolledTo;
    std::int32_t selected;
    std::array<bool, kModeKeyCount> enabled;

    bool operator==(const Shown&) const = default;
};

Shown shown(const RecordedCalculator& calculator) {
    Shown s{};
    for (std::size_t i = 0; i < s.texts.size(); ++i) s.texts[i] = calculator.text(static_cast<Display>(i));
    s.rows = calculator.controller().numberOfRowsInTableView(calculator.table());
    s.scrolledTo = calculator.table().scrolledTo;
    s.selected = calculator.table().selected;
    for (std::size_t i = 0; i < kModeKeyCount; ++i) s.enabled[i] = calculator.modeKeyEnabled(static_cast<ModeKey>(i));
    return s;
}

}  // namespace

std::optional<std::string> brokenStackInvariant(const CalController& controller) {
    std::size_t binaryOperators = 0;
    std::int32_t lastLevel = 0;  // a bracket, or the bottom, has level 0
    for (const std::string& op : controller.pendingOperators()) {
        if (!isOperatorSymbol(op)) return "operator stack holds '" + op + "'";
        const std::int32_t level = priorityLevel(op);
        if (level == 0) {
            lastLevel = 0;
            continue;
        }
        ++binaryOperators;
        if (level <= lastLevel) return "operator precedence does not increase towards the top";
        lastLevel = level;
    }
    if (binaryOperators != controller.pendingOperands().size()) {
        std::ostringstream out;
        out << controller.pendingOperands().size() << " operands for " << binaryOperators << " binary operators";
        return out.str();
    }
    return std::nullopt;
}

std::optional<std::string> brokenInvariant(RecordedCalculator& calculator) {
    const CalController& controller = calculator.controller();
    const std::int32_t state = controller.entryState();
    const std::int32_t integers = controller.integerDigits();
    const std::int32_t decimals = controller.decimalDigits();
    if (state < STATE_ERROR || state > STATE_RESULT) return "state " + std::to_string(state);
    if (integers < 0 || decimals < 0 || integers + decimals > MAX_DIGITS) {
        return "digit counters " + std::to_string(integers) + " and " + std::to_string(decimals);
    }
    if (state == STATE_INTEGER && decimals != 0) return "decimals counted while typing the integer part";
    if (state == STATE_RESULT && (integers != 0 || decimals != 0)) return "digits counted on a result";
    if (controller.modeFlag() > 1) return "mode flag " + std::to_string(controller.modeFlag());
    if (auto broken = brokenStackInvariant(controller)) return broken;
    if (controller.pendingOperators().size() > MAX_PENDING_OPERATORS) {
        return std::to_string(controller.pendingOperators().size()) + " operators pending";
    }
    if (controller.cashFlows().size() > static_cast<std::size_t>(MAX_CASH_FLOW_ROWS)) {
        return "cash-flow list of " + std::to_string(controller.cashFlows().size()) + " rows";
    }

    const Shown before = shown(calculator);
    calculator.controller().sync();
    if (!(shown(calculator) == before)) return "the window does not show what a refresh shows";
    return std::nullopt;
}

}  // namespace cambist
