// Square root, percent, the memory register and the last answer.
#include <cmath>

#include "CalController.h"

namespace cambist {

void CalController::sqrtPressed(const Control& /*sender*/) {
    if (!passesErrorGate()) return;
    number = std::sqrt(number);  // a NaN from a negative value is no error
    enterResultState();
    sync();
}

void CalController::percentPressed(const Control& /*sender*/) {
    if (!passesErrorGate()) return;
    number = number / 100;
    enterResultState();
    sync();
}

void CalController::memoryIn(const Control& /*sender*/) {
    if (!passesErrorGate()) return;
    const double x = evalAll();
    memory = x;
    number = x;
    sync();
}

void CalController::memoryAdd(const Control& /*sender*/) {
    if (!passesErrorGate()) return;
    const double x = evalAll();
    number = x;
    memory = memory + x;
    sync();
}

void CalController::memorySub(const Control& /*sender*/) {
    if (!passesErrorGate()) return;
    const double x = evalAll();
    number = x;
    memory = memory - x;
    sync();
}

void CalController::memoryLoad(const Control& /*sender*/) {
    if (!passesErrorGate()) return;
    number = memory;
    enterResultState();
    sync();
}

void CalController::answerLoad(const Control& /*sender*/) {
    if (!passesErrorGate()) return;
    number = answer;
    enterResultState();
    sync();
}

void CalController::memoryClear(const Control& /*sender*/) {
    memory = +0.0;
    sync();
}

}  // namespace cambist
