#include "Solvers.h"

#include <algorithm>
#include <cmath>

namespace cambist {

namespace {

// The steps shared by the closed forms: with r = 1 + i,
// a = pmt / r * (1 - r^-n) and b = 1 - 1 / r, a / b is the annuity's value.
struct AnnuityTerms {
    double r;
    double annuity;  // a / b
};

AnnuityTerms annuityTerms(double n, double pmt, double iy) {
    const double r = iy / 100 + 1;
    const double t = pmt / r;
    const double a = t * (1 - std::pow(r, -n));
    const double b = 1 - 1 / r;
    return {r, a / b};
}

// Bisection of the rates 0 to 100 percent for the rate at which valueAt
// equals target. crosses(end, mid) tells whether the target lies strictly
// between the value at one end of the bracket and the value at its middle;
// it is tried on the upper half first, so of two rates the higher one is
// found. The functions searched are pure, so each end's value is carried
// over from the step that made it an end: one evaluation per step.
template <class Value, class Crosses>
std::optional<double> bisectRate(Value valueAt, double target, Crosses crosses) {
    double lo = 0;
    double hi = 100;
    double atHi = valueAt(hi);
    double atLo = valueAt(lo);
    while (hi - lo > EPSILON) {
        const double mid = (hi + lo) * 0.5;
        const double atMid = valueAt(mid);
        if (atMid == target) {
            return mid;
        }
        if (crosses(atHi, atMid)) {
            lo = mid;
            atLo = atMid;
        } else if (crosses(atLo, atMid)) {
            hi = mid;
            atHi = atMid;
        } else {
            return std::nullopt;
        }
    }
    return (hi + lo) * 0.5;
}

// The list's net present value at iy, discounted to its earliest year rather
// than to year 0: the same value times (1 + i)^earliest, so of the same sign
// everywhere and with the same roots. Every exponent is then at least 0 and
// no more than the list's span, so a list of calendar years (2024 ...) or of
// far negative years stays in range where pow(g, year) alone would overflow
// or underflow for every row. When the rows of the earliest year sum to zero
// and every later term has vanished, the zero is no root, and NaN says so.
double npvFromEarliestYear(std::span<const CashFlowEntry> flows, double iy, double earliest) {
    const double g = iy / 100 + 1;
    double sum = 0;
    bool anyTerm = false;
    bool anyAmount = false;
    for (const CashFlowEntry& flow : flows) {
        const double term = flow.amount() / std::pow(g, static_cast<double>(flow.year()) - earliest);
        sum = sum + term;
        anyTerm = anyTerm || term != 0;
        anyAmount = anyAmount || flow.amount() != 0;
    }
    return sum == 0 && !anyTerm && anyAmount ? std::nan("") : sum;
}

}  // namespace

double pvForN(double n, double pmt, double fv, double iy) {
    if (iy == 0) {
        return -std::fma(pmt, n, fv);
    }
    const AnnuityTerms terms = annuityTerms(n, pmt, iy);
    return -(terms.annuity + fv / std::pow(terms.r, n));
}

double fvForPv(double pv, double n, double pmt, double iy) {
    if (iy == 0) {
        return -std::fma(pmt, n, pv);
    }
    const AnnuityTerms terms = annuityTerms(n, pmt, iy);
    return (-(terms.annuity + pv)) * std::pow(terms.r, n);
}

std::optional<double> iyForPv(double pv, double n, double pmt, double fv) {
    if (std::fabs(pv) < EPSILON && std::fabs(fv) < EPSILON) {
        return std::nullopt;
    }
    // Ordered comparisons: a NaN on either side is no crossing.
    const auto crosses = [pv](double end, double mid) {
        return (end > pv && mid < pv) || (end < pv && mid > pv);
    };
    return bisectRate([&](double iy) { return pvForN(n, pmt, fv, iy); }, pv, crosses);
}

double pvForIrrStack(std::span<const CashFlowEntry> flows, double iy) {
    const double g = iy / 100 + 1;
    double sum = 0;
    for (const CashFlowEntry& flow : flows) {
        sum = sum + flow.amount() / std::pow(g, static_cast<double>(flow.year()));
    }
    return sum;
}

std::optional<double> iyForIrrStack(std::span<const CashFlowEntry> flows) {
    if (std::fabs(pvForIrrStack(flows, 0)) < EPSILON) {
        return 0.0;
    }
    const auto earliest = std::min_element(flows.begin(), flows.end(), [](const auto& a, const auto& b) {
        return a.year() < b.year();
    });
    const double base = static_cast<double>(earliest->year());
    // A product that is zero or NaN counts as no sign change.
    const auto crosses = [](double end, double mid) { return end * mid < 0; };
    return bisectRate([&](double iy) { return npvFromEarliestYear(flows, iy, base); }, 0.0, crosses);
}

}  // namespace cambist
