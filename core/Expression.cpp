// Operators, brackets, equals and all-clear: the expression is evaluated as
// it is typed, with the operator stack and the operand stack.
#include <cmath>

#include "CalController.h"
#include "ConsistencyCheck.h"
#include "Solvers.h"

namespace cambist {

namespace {

const std::string kOpenBracket = "(";
const std::string kPlus = "+";
const std::string kMinus = "-";
const std::string kMultiply = "*";
const std::string kDivide = "/";
const std::string kPower = "^";

}  // namespace

std::int32_t priorityLevel(const std::string& op) {
    if (op == kOpenBracket) return 0;
    if (op == kPlus) return 1;
    if (op == kMinus) return 1;
    if (op == kMultiply) return 2;
    if (op == kDivide) return 2;
    if (op == kPower) return 3;
    CAL_UNREACHABLE();
}

double CalController::popOperand() {
    // Every binary operator has its left operand below it, so a reduction
    // never finds this stack empty.
    CAL_CHECK(!operand_stack.empty(), "[operand_stack count] > 0");
    const double value = operand_stack.back().value();
    operand_stack.pop_back();
    return value;
}

double CalController::binaryOp(const std::string& op, double op1, double op2) {
    if (op == kPlus) return op1 + op2;
    if (op == kMinus) return op1 - op2;
    if (op == kMultiply) return op1 * op2;
    if (op == kDivide) {
        // A divisor this close to zero is an error; the key goes on with 0
        // in place of the quotient while the display already reads "- E -".
        if (op2 > -EPSILON && op2 < EPSILON) {
            state = STATE_ERROR;
            sync();
            return 0.0;
        }
        return op1 / op2;
    }
    if (op == kPower) return std::pow(op1, op2);
    CAL_UNREACHABLE();
}

double CalController::reduceTopOperator() {
    const double right = popOperand();
    const double left = popOperand();
    const std::string op = operator_stack.back();
    operator_stack.pop_back();
    return binaryOp(op, left, right);
}

bool CalController::wouldPassPendingBound(const std::string& op) const {
    if (operator_stack.size() < MAX_PENDING_OPERATORS) return false;
    if (op == kOpenBracket) return true;
    const bool replaces = state == STATE_RESULT && operator_stack.back() != kOpenBracket;
    // Below a bracket, precedence rises towards the top, so the operator
    // reduces at least one pending operator exactly when the top one binds
    // at least as tightly.
    const bool reduces = operator_stack.back() != kOpenBracket &&
                         priorityLevel(operator_stack.back()) >= priorityLevel(op);
    return !replaces && !reduces;
}

void CalController::binaryOperatorPressed(const std::string& op) {
    if (wouldPassPendingBound(op)) {
        beep();
        return;
    }
    if (state == STATE_RESULT && !operator_stack.empty() && operator_stack.back() != kOpenBracket) {
        // Two operators in a row: the newer one replaces the older, and the
        // value on the display is not used.
        operator_stack.pop_back();
    } else {
        // After a number, or with a bracket just opened, the shown value is
        // the left operand. (Dropping the bracket here would leave an
        // operator without its operand.)
        pushOperand(number);
    }
    enterResultState();
    eval(op);
    operator_stack.push_back(op);
}

void CalController::eval(const std::string& op) {
    const std::int32_t level = priorityLevel(op);
    while (!operator_stack.empty() && priorityLevel(operator_stack.back()) >= level) {
        number = reduceTopOperator();
        pushOperand(number);
    }
    sync();
}

double CalController::evalAll() {
    pushOperand(number);
    enterResultState();
    for (;;) {
        while (!operator_stack.empty() && operator_stack.back() == kOpenBracket) {
            operator_stack.pop_back();  // brackets left open close here
        }
        if (operator_stack.empty()) {
            break;
        }
        pushOperand(reduceTopOperator());
    }
    const double result = popOperand();
    CAL_CHECK(operand_stack.empty(), "[operand_stack count] == 0");
    CAL_CHECK(operator_stack.empty(), "[operator_stack count] == 0");
    return result;
}

void CalController::plusPressed(const Control& /*sender*/) {
    if (passesErrorGate()) binaryOperatorPressed(kPlus);
}

void CalController::minusPressed(const Control& /*sender*/) {
    if (passesErrorGate()) binaryOperatorPressed(kMinus);
}

void CalController::multiplyPressed(const Control& /*sender*/) {
    if (passesErrorGate()) binaryOperatorPressed(kMultiply);
}

void CalController::dividePressed(const Control& /*sender*/) {
    if (passesErrorGate()) binaryOperatorPressed(kDivide);
}

void CalController::powerPressed(const Control& /*sender*/) {
    if (passesErrorGate()) binaryOperatorPressed(kPower);
}

void CalController::openBracketPressed(const Control& /*sender*/) {
    if (!passesErrorGate()) return;
    if (wouldPassPendingBound(kOpenBracket)) {
        beep();
        return;
    }
    operator_stack.push_back(kOpenBracket);
    nbInteger = 0;
    number = +0.0;  // the entry on the display is discarded
    nbDecimal = 0;
    sync();
}

void CalController::closeBracketPressed(const Control& /*sender*/) {
    if (!passesErrorGate()) return;
    double value = number;
    for (;;) {
        pushOperand(value);
        if (operator_stack.empty()) {
            break;  // nothing open: everything pending is reduced
        }
        if (operator_stack.back() == kOpenBracket) {
            operator_stack.pop_back();
            break;
        }
        value = reduceTopOperator();
    }
    number = popOperand();
    sync();
}

void CalController::equalPressed(const Control& /*sender*/) {
    if (!passesErrorGate()) return;
    const double result = evalAll();
    answer = result;
    number = result;
    sync();
}

void CalController::allClearPressed(const Control& /*sender*/) {
    enterResultState();
    number = +0.0;
    // A long expression gives its memory back, not only its elements.
    std::vector<std::string>().swap(operator_stack);
    std::vector<Double>().swap(operand_stack);
    sync();
}

}  // namespace cambist
