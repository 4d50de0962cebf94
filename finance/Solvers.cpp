#include "Solvers.h"

#include <algorithm>
#include <cmath>
#include <vector>

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

std::optional<double> pmtForPv(double pv, double n, double fv, double iy) {
    if (n == 0) return std::nullopt;
    double pmt;
    if (iy == 0) {
        pmt = -(pv + fv) / n;
    } else {
        const double i = iy / 100;
        const double v = std::pow(1 + i, -n);
        pmt = -(pv + fv * v) * i / (1 - v);
    }
    if (!std::isfinite(pmt)) return std::nullopt;
    return pmt;
}

std::optional<double> nForPv(double pv, double pmt, double fv, double iy) {
    double n;
    if (iy == 0) {
        if (pmt == 0) return std::nullopt;
        n = -(pv + fv) / pmt;
    } else {
        // v^N = (PMT / i + PV) / (PMT / i - FV), with v = 1 / (1 + i).
        const double i = iy / 100;
        if (i <= -1) return std::nullopt;
        const double annuity = pmt / i;
        const double ratio = (annuity + pv) / (annuity - fv);
        if (!(ratio > 0) || !std::isfinite(ratio)) return std::nullopt;
        n = -std::log(ratio) / std::log1p(i);
    }
    if (!std::isfinite(n)) return std::nullopt;
    return n;
}

Amortization amortize(double pv, double pmt, double iy, double first, double last) {
    // The balance after k periods is what would have to be received at k to
    // balance the rest: the negated future value.
    const auto balanceAfter = [&](double k) { return -fvForPv(pv, k, pmt, iy); };
    const double count = last - first + 1;
    const double before = balanceAfter(first - 1);
    const double after = balanceAfter(last);
    const double principal = before - after;
    // Each payment repays principal and interest: -pmt = principal + interest.
    return {pmt * count, -pmt * count - principal, principal, after};
}

std::vector<double> npvRoots(std::span<const CashFlowEntry> flows, double lo, double hi, int steps) {
    std::vector<double> roots;
    if (flows.empty() || steps < 1 || !(lo > -100) || !(hi > lo)) return roots;
    const auto earliest = std::min_element(flows.begin(), flows.end(), [](const auto& a, const auto& b) {
        return a.year() < b.year();
    });
    const double base = static_cast<double>(earliest->year());
    const auto value = [&](double iy) { return npvFromEarliestYear(flows, iy, base); };
    const auto crosses = [](double end, double mid) { return end * mid < 0; };
    double left = lo;
    double atLeft = value(left);
    if (atLeft == 0) roots.push_back(left);
    for (int k = 1; k <= steps; ++k) {
        const double right = lo + (hi - lo) * k / steps;
        const double atRight = value(right);
        if (atRight == 0) {
            roots.push_back(right);
        } else if (atLeft * atRight < 0) {
            // Within one step the value crosses zero once, between its ends.
            const double step = right - left;
            double a = left;
            double b = right;
            double fa = atLeft;
            while (b - a > EPSILON * std::max(1.0, step)) {
                const double mid = (a + b) * 0.5;
                const double fm = value(mid);
                if (fm == 0) {
                    a = b = mid;
                    break;
                }
                if (crosses(fa, fm)) {
                    b = mid;
                } else {
                    a = mid;
                    fa = fm;
                }
            }
            roots.push_back((a + b) * 0.5);
        }
        left = right;
        atLeft = atRight;
    }
    return roots;
}

}  // namespace cambist
