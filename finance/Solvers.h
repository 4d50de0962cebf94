// Time value of money and cash-flow analysis, as pure functions.
//
// Sign convention: money received and money paid carry opposite signs, each
// payment falls at the end of its period, and rates are in percent per
// period. With i = iy / 100 and v = 1 / (1 + i) the registers balance when
//   PV + PMT * (1 - v^N) / i + FV * v^N = 0    (iy != 0)
//   PV + PMT * N + FV = 0                      (iy == 0)
//
// The rate searches bisect the range 0 to 100 percent. They return no value
// when no rate in that range can be bracketed; the caller decides what a
// failure means to the user.
#pragma once

#include <optional>
#include <span>

#include "CashFlowEntry.h"

namespace cambist {

// Zero tests of the rate searches and the width at which they stop.
inline constexpr double EPSILON = 1e-10;

// Present value of n payments of pmt and a final fv at iy percent per period.
double pvForN(double n, double pmt, double fv, double iy);

// Future value of pv and n payments of pmt at iy percent per period.
double fvForPv(double pv, double n, double pmt, double iy);

// The rate that balances the registers, found by bisection of 0..100 percent.
std::optional<double> iyForPv(double pv, double n, double pmt, double fv);

// Net present value of the cash-flow list at iy percent per period.
double pvForIrrStack(std::span<const CashFlowEntry> flows, double iy);

// Internal rate of return of the list, by bisection of 0..100 percent. A list
// whose undiscounted sum is within EPSILON of zero gives 0.
std::optional<double> iyForIrrStack(std::span<const CashFlowEntry> flows);

}  // namespace cambist
