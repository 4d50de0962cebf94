// Typing a number: digits, thousand, point, backspace, sign change, clear.
//
// The entry is built on the double itself, never parsed from a text: each
// integer digit is one fused multiply-add, each decimal digit adds its weight
// d / 10^k. The display is made from the value and the digit counters.
#include <cmath>

#include "CalController.h"
#include "ConsistencyCheck.h"
#include "NumberText.h"

namespace cambist {

void CalController::processDigit(std::int32_t d) {
    if (nbInteger + nbDecimal >= MAX_DIGITS) {
        beep();
        return;
    }
    const double digit = static_cast<double>(d);
    switch (state) {
        case STATE_INTEGER:
            if (d == 0 && nbInteger == 0) {
                return;  // a leading zero is neither counted nor applied
            }
            ++nbInteger;
            // The digit goes to the magnitude; -0 counts as not negative.
            number = number < 0 ? -std::fma(-number, 10.0, digit) : std::fma(number, 10.0, digit);
            return;
        case STATE_DECIMAL: {
            ++nbDecimal;
            const double weight = digit / std::pow(10.0, nbDecimal);
            number = number < 0 ? -(-number + weight) : number + weight;
            return;
        }
        case STATE_RESULT:
            number = digit;
            nbInteger = d != 0 ? 1 : 0;
            nbDecimal = 0;
            state = STATE_INTEGER;
            return;
        default:
            CAL_UNREACHABLE();
    }
}

void CalController::digitPressed(const Control& sender) {
    if (!passesErrorGate()) return;
    processDigit(sender.tag());
    sync();
}

void CalController::thousandPressed(const Control& /*sender*/) {
    if (!passesErrorGate()) return;
    processDigit(0);
    processDigit(0);
    processDigit(0);
    sync();
}

void CalController::dotPressed(const Control& /*sender*/) {
    if (!passesErrorGate()) return;
    switch (state) {
        case STATE_INTEGER:
            state = STATE_DECIMAL;
            if (nbInteger == 0) {
                nbInteger = 1;  // the point counts the zero in front of it
            }
            nbDecimal = 0;
            break;
        case STATE_DECIMAL:
            beep();  // a second point is refused, but the display is refreshed
            break;
        case STATE_RESULT:
            state = STATE_DECIMAL;
            number = +0.0;
            nbInteger = 1;
            nbDecimal = 0;
            break;
        default:
            CAL_UNREACHABLE();
    }
    sync();
}

void CalController::delPressed(const Control& /*sender*/) {
    switch (state) {
        case STATE_ERROR:
        case STATE_RESULT:
            beep();  // nothing typed to delete
            return;
        case STATE_INTEGER:
            number = delDigitFromFloat(number, nbDecimal);
            if (nbInteger > 0) {
                --nbInteger;
            }
            break;
        case STATE_DECIMAL:
            if (nbDecimal == 0) {
                state = STATE_INTEGER;  // the point goes
            } else {
                number = delDigitFromFloat(number, nbDecimal);
                --nbDecimal;
            }
            break;
        default:
            CAL_UNREACHABLE();
    }
    sync();
}

void CalController::negatePressed(const Control& /*sender*/) {
    if (!passesErrorGate()) return;
    number = -number;
    sync();
}

void CalController::clearPressed(const Control& /*sender*/) {
    if (!passesErrorGate()) return;
    state = STATE_INTEGER;
    nbDecimal = 0;
    nbInteger = 0;
    number = +0.0;
    sync();
}

}  // namespace cambist
