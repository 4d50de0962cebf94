// The worksheets' solvers: payment and number of periods against qalc
// (Qalculate! 4.5.1, its pmt and nper functions, which follow the
// spreadsheet convention this calculator shares), the amortization of a
// loan, and the roots of an NPV profile.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "NumberText.h"
#include "Solvers.h"

namespace cambist {
namespace {

std::vector<CashFlowEntry> flows(std::initializer_list<std::pair<std::int32_t, double>> rows) {
    std::vector<CashFlowEntry> list;
    for (const auto& [year, amount] : rows) list.push_back(CashFlowEntry::withYear(year, amount));
    return list;
}

TEST(WorksheetSolvers, PaymentAgainstQalc) {
    struct Case { double pv, n, fv, iy; const char* qalc; };
    // qalc: pmt(rate, nper, pv, fv)
    const Case cases[] = {
        {200000, 360, 0, 0.5, "-1199.101050"},       // pmt(0.5%, 360, 200000)
        {-1000, 10, 2000, 5, "-29.504575"},          // pmt(5%, 10, -1000, 2000)
        {1000, 12.5, 0, 1, "-85.502959"},            // pmt(1%, 12.5, 1000): fractional N
        {1000, -10, 0, 5, "79.504575"},              // pmt(5%, -10, 1000): negative N
        {250000, 30, -50000, 7.25, "-20148.923802"}, // pmt(7.25%, 30, 250000, -50000)
        {1000, 10, 0, 0, "-100"},                    // zero rate: -(PV + FV) / N (qalc divides 0 by 0)
        {1000, 4, -200, 0, "-200"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.qalc);
        const auto pmt = pmtForPv(c.pv, c.n, c.fv, c.iy);
        ASSERT_TRUE(pmt.has_value());
        EXPECT_NEAR(*pmt, std::stod(c.qalc), 5e-7);
        EXPECT_EQ(formatFloat(*pmt), formatFloat(std::stod(c.qalc)));
    }
    EXPECT_FALSE(pmtForPv(1000, 0, 0, 5).has_value()) << "no payment spreads over no periods";
}

TEST(WorksheetSolvers, PeriodsAgainstQalc) {
    struct Case { double pv, pmt, fv, iy; double qalc; };
    // qalc: nper(rate, pmt, pv, fv)
    const Case cases[] = {
        {200000, -1199.10105, 0, 0.5, 360.0000003},  // nper(0.5%, -1199.10105, 200000)
        {772.173493, -100, 0, 5, 10.00000000},       // nper(5%, -100, 772.173493)
        {1000, -100, 0, 5, 14.20669908},             // nper(5%, -100, 1000): fractional
        {-1000, 100, 0, 5, 14.20669908},
        {-1000, -50, 5000, 2, 38.48681494},          // nper(2%, -50, -1000, 5000)
        {-1000, 0, 2000, 1, 69.66071689},            // nper(1%, 0, -1000, 2000)
        {1000, 100, 0, 5, -8.310386223},             // nper(5%, 100, 1000): negative N
        {1000, -100, 0, 0, 10},                      // zero rate: -(PV + FV) / PMT
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.qalc);
        const auto n = nForPv(c.pv, c.pmt, c.fv, c.iy);
        ASSERT_TRUE(n.has_value());
        EXPECT_NEAR(*n, c.qalc, 5e-7);
    }
    // No N: the payment never covers the interest (qalc: ln of a negative
    // number or of a division by 0), and no payment at zero rate.
    EXPECT_FALSE(nForPv(1000, -50, 0, 5).has_value());
    EXPECT_FALSE(nForPv(1000, -40, 0, 5).has_value());
    EXPECT_FALSE(nForPv(1000, 0, 0, 0).has_value());
}

TEST(WorksheetSolvers, EverySolverBalancesTheRegisters) {
    const double pv = 200000, n = 360, iy = 0.5, fv = 0;
    const double pmt = *pmtForPv(pv, n, fv, iy);
    EXPECT_NEAR(pvForN(n, pmt, fv, iy), pv, 1e-6);
    EXPECT_NEAR(*nForPv(pv, pmt, fv, iy), n, 1e-9);
    EXPECT_NEAR(fvForPv(pv, n, pmt, iy), fv, 1e-6);
    EXPECT_NEAR(*iyForPv(pv, n, pmt, fv), iy, 1e-8);
}

TEST(Amortization, TheLoanOf200000Over360MonthsAtHalfAPercent) {
    const double pv = 200000, iy = 0.5;
    const double pmt = *pmtForPv(pv, 360, 0, iy);
    const Amortization first = amortize(pv, pmt, iy, 1, 1);
    EXPECT_EQ(formatFloat(std::round(first.payment * 100) / 100), "-1199.1");
    EXPECT_NEAR(first.interest, 1000.00, 0.005);
    EXPECT_NEAR(first.principal, 199.10, 0.005);
    EXPECT_NEAR(first.balance, 199800.90, 0.005);
    const Amortization last = amortize(pv, pmt, iy, 360, 360);
    EXPECT_NEAR(last.balance, 0, 0.01) << "the last balance agrees with FV 0";
    const Amortization all = amortize(pv, pmt, iy, 1, 360);
    EXPECT_NEAR(all.principal, 200000, 0.01);
    EXPECT_NEAR(all.interest, -pmt * 360 - 200000, 0.01);
    // A range is the sum of its periods.
    double interest = 0;
    for (int k = 13; k <= 24; ++k) interest += amortize(pv, pmt, iy, k, k).interest;
    EXPECT_NEAR(amortize(pv, pmt, iy, 13, 24).interest, interest, 1e-6);
    // With a balloon the last balance is what FV leaves owed.
    const double balloon = *pmtForPv(pv, 360, -50000, iy);
    EXPECT_NEAR(amortize(pv, balloon, iy, 1, 360).balance, 50000, 0.01);
    // At zero rate no interest is charged.
    EXPECT_NEAR(amortize(1200, -100, 0, 1, 12).interest, 0, 1e-9);
}

TEST(NpvProfile, RootsOfTheListsOfTheCashFlowPart) {
    struct Case { std::vector<CashFlowEntry> list; std::vector<double> roots; };
    const Case cases[] = {
        {flows({{0, -1000}, {1, 300}, {2, 300}, {3, 300}, {4, 300}}), {7.713847295}},
        {flows({{0, -100}, {1, 60}, {2, 60}}), {13.066238629}},
        {flows({{0, -100}, {1, 150}}), {50}},
        {flows({{0, -100}, {1, 270}, {2, -176}}), {10, 60}},
        {flows({{1, -100}, {1, -100}, {2, 230}}), {15}},
        {flows({{0, -100}, {1, 90}}), {-10}},                      // below 0
        {flows({{0, -100}, {1, 250}}), {150}},                     // above 100
        {flows({{0, -100}, {1, 230}, {2, -132}}), {10, 20}},       // two in one half
        {flows({{0, -100}, {1, 330}, {2, -200}}), {-20, 150}},     // roots at -20 % and 150 %
        {flows({{-1, 100}}), {}},
        {flows({{2024, -1000}, {2025, 1100}}), {10}},              // calendar years
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.list.size());
        const std::vector<double> roots = npvRoots(c.list, -50, 200, 500);
        ASSERT_EQ(roots.size(), c.roots.size());
        for (std::size_t i = 0; i < roots.size(); ++i) EXPECT_NEAR(roots[i], c.roots[i], 1e-7);
    }
}

}  // namespace
}  // namespace cambist
