// Cambist's calculator: one controller holds all state.
//
// The window (app/, or the recording window of the tests in tools/) builds its
// controls, hands them to a CalController as CalOutlets and calls
// awakeFromNib. From then on every key press arrives as one of the 36 key
// actions below (catalogue in KeyCatalogue.h). An action changes fields only;
// it ends with sync(), which rebuilds every display text from the fields,
// reloads the cash-flow table and sets the seven mode keys. The table pulls
// its rows through numberOfRowsInTableView and objectValueForTableColumn.
// Number texts come from text/, the financial solvers from finance/.
//
// The state machine: STATE_RESULT shows a value that was not typed (the next
// digit starts a new entry), STATE_INTEGER and STATE_DECIMAL an entry being
// typed, STATE_ERROR a failed computation. In STATE_ERROR the gated actions
// beep and change nothing; only all-clear leaves it.
//
// Expressions are evaluated as they are typed, with an operator stack and an
// operand stack; every reduction happens as soon as precedence allows.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "CashFlowEntry.h"
#include "Double.h"
#include "WindowInterface.h"

namespace cambist {

inline constexpr std::int32_t STATE_ERROR = 0;
inline constexpr std::int32_t STATE_INTEGER = 1;
inline constexpr std::int32_t STATE_DECIMAL = 2;
inline constexpr std::int32_t STATE_RESULT = 3;

// The most digits one typed number holds, integer and decimal together.
inline constexpr std::int32_t MAX_DIGITS = 12;

// The most rows the cash-flow list holds. At this size the slowest key, an
// internal rate of return (up to 42 passes over the list), still answers
// within 100 ms; an append that would pass it is refused with a beep.
inline constexpr std::int32_t MAX_CASH_FLOW_ROWS = 60000;

// The most operators and opening brackets pending at once, far above any
// expression a person types. A key that would push one more is refused with
// a beep, as an append past the cash-flow bound is.
inline constexpr std::size_t MAX_PENDING_OPERATORS = 1000;

// Precedence of an operator symbol: "(" 0, "+" "-" 1, "*" "/" 2, "^" 3.
std::int32_t priorityLevel(const std::string& op);

class CalController {
public:
    CalController(const CalOutlets& outlets, Beeper& beeper);
    CalController(const CalController&) = delete;
    CalController& operator=(const CalController&) = delete;

    // Sent once by the window after the outlets are connected.
    void awakeFromNib();
    // Pushes the whole record to the window; changes no field.
    void sync();

    // The table's data source.
    std::int32_t numberOfRowsInTableView(const TableView& table) const;
    std::string objectValueForTableColumn(const TableView& table, const TableColumn& column,
                                          std::int32_t row) const;

    // Number entry.
    void digitPressed(const Control& sender);
    void thousandPressed(const Control& sender);
    void dotPressed(const Control& sender);
    void delPressed(const Control& sender);
    void negatePressed(const Control& sender);
    void clearPressed(const Control& sender);

    // Expression keys.
    void plusPressed(const Control& sender);
    void minusPressed(const Control& sender);
    void multiplyPressed(const Control& sender);
    void dividePressed(const Control& sender);
    void powerPressed(const Control& sender);
    void equalPressed(const Control& sender);
    void openBracketPressed(const Control& sender);
    void closeBracketPressed(const Control& sender);
    void allClearPressed(const Control& sender);

    // Single-value, memory and answer keys.
    void sqrtPressed(const Control& sender);
    void percentPressed(const Control& sender);
    void memoryIn(const Control& sender);
    void memoryAdd(const Control& sender);
    void memorySub(const Control& sender);
    void memoryLoad(const Control& sender);
    void answerLoad(const Control& sender);
    void memoryClear(const Control& sender);

    // Time value of money.
    void setPV(const Control& sender);
    void setN(const Control& sender);
    void setPMT(const Control& sender);
    void setFV(const Control& sender);
    void setIY(const Control& sender);
    void calcPV(const Control& sender);
    void calcFV(const Control& sender);
    void calcIY(const Control& sender);
    void clearFinancePressed(const Control& sender);

    // Cash flows.
    void addCashFlow(const Control& sender);
    void delCashFlow(const Control& sender);
    void setY(const Control& sender);
    void toggleSimpleComplex(const Control& sender);

    // Read-only views of the record, for the window's mode indicator and for
    // the checks that tests and fuzzing run after every key.
    std::int32_t entryState() const { return state; }
    bool inCashFlowMode() const { return using_complex != 0; }
    std::uint8_t modeFlag() const { return using_complex; }
    double displayedNumber() const { return number; }
    std::int32_t integerDigits() const { return nbInteger; }
    std::int32_t decimalDigits() const { return nbDecimal; }
    const std::vector<std::string>& pendingOperators() const { return operator_stack; }
    const std::vector<Double>& pendingOperands() const { return operand_stack; }
    std::span<const CashFlowEntry> cashFlows() const { return irr_stack; }
    // The rest of the record, for the expression line and the tape.
    double memoryValue() const { return memory; }
    double answerValue() const { return answer; }
    struct Registers {
        double n, iy, pv, pmt, fv;
        bool operator==(const Registers&) const = default;
    };
    Registers registers() const { return {fin_n, fin_iy, fin_pv, fin_pmt, fin_fv}; }
    std::int32_t yearOfNextRow() const { return fin_year; }
    // What the main display shows now.
    std::string mainDisplayText() const;

private:
    void processDigit(std::int32_t d);
    void binaryOperatorPressed(const std::string& op);
    // Whether op, pressed now, would push past MAX_PENDING_OPERATORS.
    bool wouldPassPendingBound(const std::string& op) const;
    void eval(const std::string& op);
    double evalAll();
    double binaryOp(const std::string& op, double op1, double op2);
    // Pops the top operator and its two operands and combines them.
    double reduceTopOperator();

    double pvForN(double n, double pmt, double fv, double iy) const;
    double fvForPv(double pv, double n, double pmt, double iy) const;
    double iyForPv(double pv, double n, double pmt, double fv);
    double pvForIrrStack(std::span<const CashFlowEntry> list, double iy) const;
    double iyForIrrStack(std::span<const CashFlowEntry> list);

    // Finishes the pending expression and stores its value, for the set keys.
    void storeEvaluated(double CalController::*reg);
    // The error gate: beeps and answers false in STATE_ERROR.
    bool passesErrorGate();
    void beep() { beeper_.beep(); }
    void pushOperand(double value) { operand_stack.push_back(Double::fromValue(value)); }
    double popOperand();
    void enterResultState();

    TextField* number_display;
    TextField* memory_display;
    TextField* answer_display;
    TextField* fin_pv_display;
    TextField* fin_n_display;
    TextField* fin_pmt_display;
    TextField* fin_fv_display;
    TextField* fin_iy_display;
    TextField* fin_year_display;
    TableView* irr_entry_display;
    std::int32_t state = STATE_RESULT;
    std::uint8_t using_complex = 0;
    double number = 0.0;
    double memory = 0.0;
    double answer = 0.0;
    double fin_pv = 0.0;
    double fin_n = 0.0;
    double fin_pmt = 0.0;
    double fin_fv = 0.0;
    double fin_iy = 0.0;
    std::int32_t fin_year = 0;
    std::int32_t nbInteger = 0;
    std::int32_t nbDecimal = 0;
    std::vector<std::string> operator_stack;
    std::vector<Double> operand_stack;
    std::vector<CashFlowEntry> irr_stack;
    Button* buttonPV;
    Button* buttonFV;
    Button* buttonFVQ;
    Button* buttonPMT;
    Button* buttonCFY;
    Button* buttonNCFY;
    Button* buttonY;

    Beeper& beeper_;
};

}  // namespace cambist
