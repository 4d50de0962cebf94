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
#include <vector>

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

// The worksheets' solvers, in closed form, under the same convention.
// The payment that balances the other four registers; none for N = 0 or a
// result that is not finite.
std::optional<double> pmtForPv(double pv, double n, double fv, double iy);
// The number of periods that balances the other four; none when no N does,
// for example when the payment never covers the interest.
std::optional<double> nForPv(double pv, double pmt, double fv, double iy);

// Amortization of pv by payments pmt at iy percent: over the periods first
// to last (1-based, inclusive), the payments, the interest charged and the
// principal repaid, and the balance still owed after the last of them. The
// balance has the sign of pv (what is owed on a loan received is positive).
struct Amortization {
    double payment;
    double interest;
    double principal;
    double balance;
};
Amortization amortize(double pv, double pmt, double iy, double first, double last);

// Every rate in [lo, hi] percent at which the list's net present value is
// zero, rising: found where the value changes sign between steps evenly
// spaced samples, and refined by bisection to EPSILON. lo must be above -100.
std::vector<double> npvRoots(std::span<const CashFlowEntry> flows, double lo, double hi, int steps);

}  // namespace cambist
