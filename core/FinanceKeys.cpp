// The financial keys: the time-value-of-money registers, the mode switch and
// the cash-flow list. The arithmetic itself is in finance/.
#include <cmath>

#include "CalController.h"
#include "Solvers.h"
#include "YearCounter.h"

namespace cambist {

double CalController::pvForN(double n, double pmt, double fv, double iy) const {
    return cambist::pvForN(n, pmt, fv, iy);
}

double CalController::fvForPv(double pv, double n, double pmt, double iy) const {
    return cambist::fvForPv(pv, n, pmt, iy);
}

double CalController::iyForPv(double pv, double n, double pmt, double fv) {
    if (const auto rate = cambist::iyForPv(pv, n, pmt, fv)) {
        return *rate;
    }
    state = STATE_ERROR;
    return 0.0;
}

double CalController::pvForIrrStack(std::span<const CashFlowEntry> list, double iy) const {
    return cambist::pvForIrrStack(list, iy);
}

double CalController::iyForIrrStack(std::span<const CashFlowEntry> list) {
    if (const auto rate = cambist::iyForIrrStack(list)) {
        return *rate;
    }
    state = STATE_ERROR;
    return 0.0;
}

void CalController::storeEvaluated(double CalController::*reg) {
    if (!passesErrorGate()) return;
    const double x = evalAll();
    this->*reg = x;
    number = x;
    sync();
}

void CalController::setPV(const Control& /*sender*/) { storeEvaluated(&CalController::fin_pv); }
void CalController::setN(const Control& /*sender*/) { storeEvaluated(&CalController::fin_n); }
void CalController::setPMT(const Control& /*sender*/) { storeEvaluated(&CalController::fin_pmt); }
void CalController::setFV(const Control& /*sender*/) { storeEvaluated(&CalController::fin_fv); }
void CalController::setIY(const Control& /*sender*/) { storeEvaluated(&CalController::fin_iy); }

// The calc keys leave a pending expression pending; they enter STATE_RESULT
// before solving so that a failed rate search can still set STATE_ERROR.
void CalController::calcPV(const Control& /*sender*/) {
    if (!passesErrorGate()) return;
    enterResultState();
    const double x = using_complex ? pvForIrrStack(irr_stack, fin_iy)
                                   : pvForN(fin_n, fin_pmt, fin_fv, fin_iy);
    fin_pv = x;
    number = x;
    sync();
}

void CalController::calcFV(const Control& /*sender*/) {
    if (!passesErrorGate()) return;
    enterResultState();
    const double x = fvForPv(fin_pv, fin_n, fin_pmt, fin_iy);
    fin_fv = x;
    number = x;
    sync();
}

void CalController::calcIY(const Control& /*sender*/) {
    if (!passesErrorGate()) return;
    enterResultState();
    const double x = using_complex ? iyForIrrStack(irr_stack)
                                   : iyForPv(fin_pv, fin_n, fin_pmt, fin_fv);
    fin_iy = x;
    number = x;
    sync();
}

void CalController::clearFinancePressed(const Control& /*sender*/) {
    fin_year = 0;
    fin_pv = fin_iy = fin_fv = fin_pmt = fin_n = +0.0;
    irr_stack.clear();
    sync();
}

void CalController::toggleSimpleComplex(const Control& /*sender*/) {
    using_complex = using_complex ? 0 : 1;
    sync();
}

void CalController::setY(const Control& /*sender*/) {
    if (!passesErrorGate()) return;
    const double x = evalAll();
    number = x;
    fin_n = 1;
    fin_year = yearFromValue(x);
    sync();
}

void CalController::addCashFlow(const Control& /*sender*/) {
    if (!passesErrorGate()) return;
    // The repeat count, rounded half up; 0 means one row, and a negative or
    // NaN count appends none.
    const double rounded = std::floor(fin_n + 0.5);
    const double count = rounded == 0 ? 1.0 : rounded;
    const double room = static_cast<double>(MAX_CASH_FLOW_ROWS) - static_cast<double>(irr_stack.size());
    if (count > room) {
        beep();  // the list would pass its bound: refused like any other key
        return;
    }
    fin_n = count;
    const double x = evalAll();
    number = x;
    for (std::int32_t k = 0; static_cast<double>(k) < fin_n; ++k) {
        irr_stack.push_back(CashFlowEntry::withYear(fin_year, number));
        fin_year = nextYear(fin_year);
    }
    fin_n = 1;
    sync();
}

void CalController::delCashFlow(const Control& /*sender*/) {
    if (irr_stack.empty()) {
        beep();
        return;
    }
    irr_stack.pop_back();
    sync();
}

}  // namespace cambist
