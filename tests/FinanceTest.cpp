// Time value of money, the cash-flow list, NPV and IRR.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

#include "KeySequence.h"
#include "NumberText.h"
#include "Solvers.h"
#include "YearCounter.h"

namespace cambist {
namespace {

using testing::type;

constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();

// ---- The solvers, called directly ----------------------------------------

TEST(TimeValueSolvers, WorkedExamples) {
    EXPECT_EQ(formatFloat(pvForN(10, -100, 0, 5)), "772.173493");
    EXPECT_NEAR(pvForN(10, -100, 0, 5), 772.1734929184809, 1e-9);
    EXPECT_EQ(formatFloat(fvForPv(-1000, 10, 0, 5)), "1628.894627");
    EXPECT_EQ(formatFloat(fvForPv(-1000, 10, -100, 5)), "2886.68388");
    EXPECT_EQ(formatFloat(fvForPv(0, 10, -100, 5)), "1257.789254");
    EXPECT_EQ(formatFloat(pvForN(10, 50, 1000, 5)), "-1000");
    EXPECT_EQ(pvForN(10, -100, 0, 0), 1000);
    EXPECT_EQ(pvForN(10, -100, 0, -0.0), 1000);
    EXPECT_EQ(fvForPv(-1000, 10, -100, 0), 2000);
    EXPECT_EQ(formatFloat(pvForN(2.5, -100, 0, 5)), "229.659732");
    EXPECT_EQ(pvForN(0, -100, 250, 5), -250);  // N 0: PV = -FV at every rate
    EXPECT_EQ(fvForPv(250, 0, -100, 5), -250);
    EXPECT_EQ(formatFloat(pvForN(10, 0, 0, 5)), "0");
}

TEST(TimeValueSolvers, ZeroRateUsesOneFusedMultiplyAdd) {
    // pmt * n + fv rounded once differs from two roundings for these values.
    const double pmt = 0.1, n = 3, fv = -0.30000000000000004;
    EXPECT_EQ(pvForN(n, pmt, fv, 0), -std::fma(pmt, n, fv));
    EXPECT_NE(pvForN(n, pmt, fv, 0), -(pmt * n + fv));
}

TEST(TimeValueSolvers, RateSearch) {
    EXPECT_EQ(formatFloat(*iyForPv(pvForN(10, -100, 0, 5), 10, -100, 0)), "5");
    EXPECT_EQ(formatFloat(*iyForPv(772.17, 10, -100, 0)), "5.000093");
    EXPECT_EQ(formatFloat(*iyForPv(1000, 12, -100, 0)), "2.922854");
    EXPECT_EQ(formatFloat(*iyForPv(100, 2, -270, 446)), "60");  // the upper of 10 and 60
    EXPECT_EQ(*iyForPv(100, 0, 0, -100), 50);                   // found in the first step
}

TEST(TimeValueSolvers, RateSearchFailures) {
    struct Case { const char* what; double pv, n, pmt, fv; };
    const Case cases[] = {
        {"PV and FV both near zero", 5e-11, 10, -100, -5e-11},
        {"no rate in range balances", 0.5, 10, -100, 0.5},
        {"rate below zero", 1340.36514, 10, -100, 0},
        {"rate above 100", 100, 1, 0, -300},
        {"rate exactly zero", 1000, 10, -100, 0},
        {"rate exactly 100", 100, 1, 0, -200},
        {"N 0 and PV other than -FV", 100, 0, 0, -90},
        {"NaN PV", kNaN, 10, -100, 0},
        {"NaN N", 100, kNaN, -100, 0},
        {"NaN PMT", 100, 10, kNaN, 0},
        {"NaN FV", 100, 10, -100, kNaN},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_FALSE(iyForPv(c.pv, c.n, c.pmt, c.fv).has_value());
    }
}

std::vector<CashFlowEntry> flows(std::initializer_list<std::pair<std::int32_t, double>> rows) {
    std::vector<CashFlowEntry> list;
    for (const auto& [year, amount] : rows) list.push_back(CashFlowEntry::withYear(year, amount));
    return list;
}

TEST(CashFlowSolvers, NetPresentValueAndInternalRateOfReturn) {
    struct Case { std::vector<CashFlowEntry> list; const char* npvAt10; const char* irr; };
    const Case cases[] = {
        {flows({{0, -100}, {1, 60}, {2, 60}}), "4.132231", "13.066239"},
        {flows({{0, -100}, {1, 150}}), "36.363636", "50"},
        {flows({{0, -100}, {1, 270}, {2, -176}}), "0", "60"},
        {flows({{1, -100}, {1, -100}, {2, 230}}), "8.264463", "15"},
        {flows({{0, -100}, {1, 100}}), "-9.090909", "0"},
        {flows({}), "0", "0"},
        {flows({{0, -1000}, {1, 300}, {2, 300}, {3, 300}, {4, 300}}), "-49.040366", "7.713847"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.irr);
        EXPECT_EQ(formatFloat(pvForIrrStack(c.list, 10)), c.npvAt10);
        const auto irr = iyForIrrStack(c.list);
        ASSERT_TRUE(irr.has_value());
        EXPECT_EQ(formatFloat(*irr), c.irr);
    }
    EXPECT_EQ(*iyForIrrStack(flows({{0, -100}, {1, 150}})), 50) << "exact in the first step";
    EXPECT_DOUBLE_EQ(pvForIrrStack(flows({{-1, 100}}), 10), 110) << "a negative year compounds forward";
}

TEST(CashFlowSolvers, IrrFailures) {
    struct Case { const char* what; std::vector<CashFlowEntry> list; };
    const Case cases[] = {
        {"one sign only", flows({{0, 100}, {1, 50}})},
        {"negative year only", flows({{-1, 100}})},
        {"rate below zero", flows({{0, -100}, {1, 90}})},
        {"rate above 100", flows({{0, -100}, {1, 250}})},
        {"rate exactly 100", flows({{0, -100}, {1, 200}})},
        {"two rates in one half", flows({{0, -100}, {1, 230}, {2, -132}})},
        {"NaN amount", flows({{0, -100}, {1, kNaN}})},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_FALSE(iyForIrrStack(c.list).has_value());
    }
}

TEST(YearCounter, WrapsAndClampsWithoutOverflow) {
    EXPECT_EQ(nextYear(2147483647), -2147483647 - 1);
    EXPECT_EQ(nextYear(-1), 0);
    EXPECT_EQ(yearFromValue(2.5), 3);
    EXPECT_EQ(yearFromValue(-2.5), -2);
    EXPECT_EQ(yearFromValue(-2.6), -3);
    EXPECT_EQ(yearFromValue(3e9), 2147483647);
    EXPECT_EQ(yearFromValue(-3e9), -2147483647 - 1);
    EXPECT_EQ(yearFromValue(2147483646.6), 2147483647);
    EXPECT_EQ(yearFromValue(kNaN), -2147483647 - 1);
    EXPECT_EQ(yearFromValue(std::numeric_limits<double>::infinity()), 2147483647);
}

// ---- The keys --------------------------------------------------------------

TEST(TimeValueKeys, WorkedExamplesThroughTheKeys) {
    const testing::DisplayCase cases[] = {
        {"10 setN 5 setIY 100 negate setPMT 0 setFV calcPV", Display::PV, "772.173493"},
        {"10 setN 5 setIY 100 negate setPMT 0 setFV calcPV calcIY", Display::IY, "5"},
        {"10 setN 772.17 setPV 100 negate setPMT 0 setFV calcIY", Display::IY, "5.000093"},
        {"1000 negate setPV 10 setN 5 setIY 0 setPMT calcFV", Display::FV, "1628.894627"},
        {"1000 negate setPV 10 setN 5 setIY 100 negate setPMT calcFV", Display::FV, "2886.68388"},
        {"0 setPV 10 setN 5 setIY 100 negate setPMT calcFV", Display::FV, "1257.789254"},
        {"10 setN 5 setIY 50 setPMT 1000 setFV calcPV", Display::PV, "-1000"},
        {"10 setN 0 setIY 100 negate setPMT 0 setFV calcPV", Display::Main, "1000"},
        {"1000 negate setPV 10 setN 0 setIY 100 negate setPMT calcFV", Display::FV, "2000"},
        {"1000 setPV 12 setN 100 negate setPMT 0 setFV calcIY", Display::IY, "2.922854"},
        {"100 setPV 2 setN 270 negate setPMT 446 setFV calcIY", Display::Main, "60"},
        {"2.5 setN 5 setIY 100 negate setPMT 0 setFV calcPV", Display::PV, "229.659732"},
        {"2 + 3 setPMT", Display::PMT, "5"},
        {"1000 setPV 10 setN 100 negate setPMT 0 setFV calcIY", Display::Main, "- E -"},
    };
    for (const testing::DisplayCase& c : cases) {
        SCOPED_TRACE(c.keys);
        RecordedCalculator calculator;
        type(calculator, c.keys);
        EXPECT_EQ(calculator.text(c.display), c.text);
    }
}

TEST(TimeValueKeys, FailedRateSearchStoresZeroAndShowsTheError) {
    RecordedCalculator calculator;
    type(calculator, "7 setIY 100 setPV 1 setN 0 setPMT 300 negate setFV calcIY");
    EXPECT_EQ(calculator.text(Display::Main), "- E -");
    EXPECT_EQ(calculator.text(Display::IY), "0");
    EXPECT_EQ(calculator.text(Display::PV), "100");
    type(calculator, "clearFinance");
    EXPECT_EQ(calculator.text(Display::PV), "0");
    EXPECT_EQ(calculator.text(Display::Main), "- E -") << "clearing the registers keeps the error";
}

TEST(TimeValueKeys, CalcKeysLeaveThePendingExpression) {
    RecordedCalculator calculator;
    type(calculator, "10 setN 0 setIY 100 negate setPMT 0 setFV 2 + calcPV");
    EXPECT_EQ(calculator.text(Display::Main), "1000");
    type(calculator, "=");
    EXPECT_EQ(calculator.text(Display::Main), "1002");
}

TEST(CashFlowKeys, WorkedExample) {
    RecordedCalculator calculator;
    type(calculator, "toggleSimpleComplex clearFinance 1000 negate addCashFlow");
    EXPECT_EQ(calculator.text(Display::Year), "1");
    EXPECT_EQ(calculator.text(Display::N), "1");
    type(calculator, "4 setN 300 addCashFlow");
    EXPECT_EQ(calculator.controller().cashFlows().size(), 5U);
    EXPECT_EQ(calculator.cell(4, "Year"), "4");
    EXPECT_EQ(calculator.cell(4, "Amount"), "300");
    EXPECT_EQ(calculator.text(Display::Year), "5");
    type(calculator, "5 setIY calcPV");
    EXPECT_EQ(calculator.text(Display::PV), "63.785151");
    type(calculator, "calcIY");
    EXPECT_EQ(calculator.text(Display::IY), "7.713847");
    type(calculator, "delCashFlow");
    EXPECT_EQ(calculator.controller().cashFlows().size(), 4U);
    EXPECT_EQ(calculator.text(Display::Year), "5");
    type(calculator, "300 addCashFlow");
    EXPECT_EQ(calculator.cell(4, "Year"), "5");
}

TEST(CashFlowKeys, RepeatCountRoundsHalfUp) {
    struct Case { const char* count; std::size_t rows; };
    const Case cases[] = {{"0", 1}, {"0.4", 1}, {"0.4 negate", 1}, {"0.5 negate", 1},
                          {"1.5", 2}, {"2.5", 3}, {"0.6 negate", 0}, {"3 negate", 0},
                          {"1 negate sqrt", 0}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.count);
        RecordedCalculator calculator;
        type(calculator, "toggleSimpleComplex");
        type(calculator, c.count);
        type(calculator, "setN 7 addCashFlow");
        EXPECT_EQ(calculator.controller().cashFlows().size(), c.rows);
        EXPECT_EQ(calculator.text(Display::Year), std::to_string(c.rows));
        EXPECT_EQ(calculator.text(Display::N), "1");
        EXPECT_EQ(calculator.text(Display::Main), "7");
    }
}

TEST(CashFlowKeys, YearCounter) {
    RecordedCalculator calculator;
    type(calculator, "toggleSimpleComplex 2.5 setY");
    EXPECT_EQ(calculator.text(Display::Year), "3");
    EXPECT_EQ(calculator.text(Display::N), "1");
    type(calculator, "2.5 negate setY");
    EXPECT_EQ(calculator.text(Display::Year), "-2");
    type(calculator, "3 thousand thousand thousand setY");
    EXPECT_EQ(calculator.text(Display::Year), "2147483647");
    type(calculator, "1 addCashFlow");
    EXPECT_EQ(calculator.cell(0, "Year"), "2147483647");
    EXPECT_EQ(calculator.text(Display::Year), "-2147483648");
    type(calculator, "1 negate sqrt setY");
    EXPECT_EQ(calculator.text(Display::Year), "-2147483648");

    RecordedCalculator deleted;
    type(deleted, "toggleSimpleComplex 1 addCashFlow 2 addCashFlow delCashFlow 3 addCashFlow");
    EXPECT_EQ(deleted.cell(1, "Year"), "2");
}

TEST(CashFlowKeys, ListEdges) {
    RecordedCalculator calculator;
    type(calculator, "toggleSimpleComplex delCashFlow");
    EXPECT_EQ(calculator.beeps(), 1);
    type(calculator, "calcPV");
    EXPECT_EQ(calculator.text(Display::PV), "0");
    type(calculator, "calcIY");
    EXPECT_EQ(calculator.text(Display::Main), "0");
    EXPECT_EQ(calculator.controller().entryState(), STATE_RESULT);
    type(calculator, "100 + 50 addCashFlow");
    EXPECT_EQ(calculator.cell(0, "Amount"), "150");
    type(calculator, "100 addCashFlow calcIY");
    EXPECT_EQ(calculator.text(Display::Main), "- E -") << "flows of one sign";
    type(calculator, "delCashFlow toggleSimpleComplex toggleSimpleComplex");
    EXPECT_EQ(calculator.controller().cashFlows().size(), 1U) << "work in the error state";
    EXPECT_EQ(calculator.text(Display::Main), "- E -");
    type(calculator, "addCashFlow");
    EXPECT_EQ(calculator.beeps(), 2);
}

TEST(CashFlowKeys, DivisionErrorStillAppends) {
    RecordedCalculator calculator;
    type(calculator, "toggleSimpleComplex 2 + 5 / 0 addCashFlow");
    EXPECT_EQ(calculator.text(Display::Main), "- E -");
    EXPECT_EQ(calculator.cell(0, "Amount"), "2");
}

TEST(CashFlowKeys, TheListIsBounded) {
    RecordedCalculator calculator;
    type(calculator, "toggleSimpleComplex");
    type(calculator, std::to_string(MAX_CASH_FLOW_ROWS - 1) + " setN 5 addCashFlow");
    EXPECT_EQ(calculator.controller().cashFlows().size(), static_cast<std::size_t>(MAX_CASH_FLOW_ROWS - 1));

    // Two more rows would pass the bound: refused, with the expression pending.
    type(calculator, "2 setN 4 + 3");
    const long beeps = calculator.beeps();
    type(calculator, "addCashFlow");
    EXPECT_EQ(calculator.beeps(), beeps + 1);
    EXPECT_EQ(calculator.controller().cashFlows().size(), static_cast<std::size_t>(MAX_CASH_FLOW_ROWS - 1));
    EXPECT_EQ(calculator.text(Display::N), "2");
    EXPECT_EQ(calculator.controller().pendingOperators().size(), 1U);

    type(calculator, "allClear 1 setN 8 addCashFlow");
    EXPECT_EQ(calculator.controller().cashFlows().size(), static_cast<std::size_t>(MAX_CASH_FLOW_ROWS));
    type(calculator, "8 addCashFlow");
    EXPECT_EQ(calculator.beeps(), beeps + 2);

    RecordedCalculator huge;
    type(huge, "toggleSimpleComplex 1 thousand thousand thousand setN addCashFlow");
    EXPECT_TRUE(huge.controller().cashFlows().empty());
    EXPECT_EQ(huge.beeps(), 1);
}

TEST(CashFlowKeys, ToggleChangesOnlyTheMode) {
    RecordedCalculator calculator;
    type(calculator, "toggleSimpleComplex 5 addCashFlow 3 setIY 4 + 2");
    const std::string before = calculator.report();
    type(calculator, "toggleSimpleComplex toggleSimpleComplex");
    EXPECT_EQ(calculator.report(), before);
}

}  // namespace
}  // namespace cambist
