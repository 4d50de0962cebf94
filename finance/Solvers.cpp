#include "Solvers.h"

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

bool crosses(double end, double mid, double target) {
    return (end > target && mid < target) || (end < target && mid > target);
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
    double lo = 0;
    double hi = 100;
    while (hi - lo > EPSILON) {
        const double mid = (hi + lo) * 0.5;
        const double atHi = pvForN(n, pmt, fv, hi);
        const double atMid = pvForN(n, pmt, fv, mid);
        const double atLo = pvForN(n, pmt, fv, lo);
        if (atMid == pv) {
            return mid;
        }
        // The upper half is tried first: of two balancing rates the higher
        // one is found.
        if (crosses(atHi, atMid, pv)) {
            lo = mid;
        } else if (crosses(atLo, atMid, pv)) {
            hi = mid;
        } else {
            return std::nullopt;
        }
    }
    return (hi + lo) * 0.5;
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
    double lo = 0;
    double hi = 100;
    do {
        const double mid = (hi + lo) * 0.5;
        const double atHi = pvForIrrStack(flows, hi);
        const double atMid = pvForIrrStack(flows, mid);
        const double atLo = pvForIrrStack(flows, lo);
        if (atMid == 0) {
            return mid;
        }
        // A product that is zero or NaN counts as no sign change.
        if (atHi * atMid < 0) {
            lo = mid;
        } else if (atLo * atMid < 0) {
            hi = mid;
        } else {
            return std::nullopt;
        }
    } while (hi - lo > EPSILON);
    return (hi + lo) * 0.5;
}

}  // namespace cambist
