// Checks that hold after every key press, whatever keys came before. Used by
// the tests and by the fuzz target.
#pragma once

#include <optional>
#include <string>

#include "RecordingWindow.h"

namespace cambist {

// The first broken invariant, described, or nothing when all hold:
// - state is one of the four values, the digit counters are in range and
//   agree with it, the mode flag is 0 or 1;
// - the operator stack holds only the six symbols, one operand stands for
//   every binary operator, and between brackets the operators' precedence
//   strictly increases towards the top;
// - the cash-flow list is within its bound;
// - the window shows exactly what a refresh would show now.
std::optional<std::string> brokenInvariant(RecordedCalculator& calculator);

// The stack part of it: only the six symbols, one operand for every binary
// operator, precedence rising towards the top between brackets.
std::optional<std::string> brokenStackInvariant(const CalController& controller);

}  // namespace cambist
