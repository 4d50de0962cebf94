// The two rate searches: full values of the worked examples, a differential
// test against the search that recomputes all three values at every step,
// and internal rates of return of lists at calendar and far negative years.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <random>
#include <span>
#include <vector>

#include "Solvers.h"

namespace cambist {
namespace {

// ---- The searches as first written: three values computed afresh each step.

std::optional<double> referenceIyForPv(double pv, double n, double pmt, double fv) {
    if (std::fabs(pv) < EPSILON && std::fabs(fv) < EPSILON) return std::nullopt;
    double lo = 0;
    double hi = 100;
    while (hi - lo > EPSILON) {
        const double mid = (hi + lo) * 0.5;
        const double atHi = pvForN(n, pmt, fv, hi);
        const double atMid = pvForN(n, pmt, fv, mid);
        const double atLo = pvForN(n, pmt, fv, lo);
        if (atMid == pv) return mid;
        if ((atHi > pv && atMid < pv) || (atHi < pv && atMid > pv)) {
            lo = mid;
        } else if ((atLo > pv && atMid < pv) || (atLo < pv && atMid > pv)) {
            hi = mid;
        } else {
            return std::nullopt;
        }
    }
    return (hi + lo) * 0.5;
}

std::optional<double> referenceIyForIrrStack(std::span<const CashFlowEntry> flows) {
    if (std::fabs(pvForIrrStack(flows, 0)) < EPSILON) return 0.0;
    double lo = 0;
    double hi = 100;
    do {
        const double mid = (hi + lo) * 0.5;
        const double atHi = pvForIrrStack(flows, hi);
        const double atMid = pvForIrrStack(flows, mid);
        const double atLo = pvForIrrStack(flows, lo);
        if (atMid == 0) return mid;
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

// Bit for bit: both empty, or both the same double.
::testing::AssertionResult sameResult(std::optional<double> got, std::optional<double> want) {
    if (got.has_value() != want.has_value()) {
        return ::testing::AssertionFailure() << (got ? "found a rate" : "failed") << " where the reference "
                                             << (want ? "found one" : "failed");
    }
    if (got && std::bit_cast<std::uint64_t>(*got) != std::bit_cast<std::uint64_t>(*want)) {
        return ::testing::AssertionFailure() << std::hexfloat << *got << " against " << *want;
    }
    return ::testing::AssertionSuccess();
}

std::vector<CashFlowEntry> flows(std::initializer_list<std::pair<std::int32_t, double>> rows) {
    std::vector<CashFlowEntry> list;
    for (const auto& [year, amount] : rows) list.push_back(CashFlowEntry::withYear(year, amount));
    return list;
}

std::vector<CashFlowEntry> shifted(std::span<const CashFlowEntry> list, std::int32_t by) {
    std::vector<CashFlowEntry> moved;
    for (const CashFlowEntry& row : list) moved.push_back(CashFlowEntry::withYear(row.year() + by, row.amount()));
    return moved;
}

TEST(RateSearch, WorkedExamplesKeepTheirFullValues) {
    EXPECT_EQ(*iyForPv(pvForN(10, -100, 0, 5), 10, -100, 0), 4.999999999972715);
    EXPECT_EQ(*iyForPv(100, 2, -270, 446), 59.999999999990905);
    EXPECT_EQ(*iyForPv(100, 0, 0, -100), 50);
    EXPECT_EQ(*iyForIrrStack(flows({{0, -1000}, {1, 300}, {2, 300}, {3, 300}, {4, 300}})), 7.713847295190135);
    EXPECT_EQ(*iyForIrrStack(flows({{0, -100}, {1, 60}, {2, 60}})), 13.066238629153304);
    EXPECT_EQ(*iyForIrrStack(flows({{0, -100}, {1, 150}})), 50);
    EXPECT_EQ(*iyForIrrStack(flows({{0, -100}, {1, 270}, {2, -176}})), 59.999999999990905);
    EXPECT_EQ(*iyForIrrStack(flows({{1, -100}, {1, -100}, {2, 230}})), 15.000000000009095);
    EXPECT_EQ(*iyForIrrStack(flows({{0, -100}, {1, 100}})), 0);
    EXPECT_FALSE(iyForIrrStack(flows({{-1, 100}})).has_value());
}

// A fixed pseudo-random set: the engine's sequence is defined by the
// standard, and values are made from its raw output, so the set is the same
// on every platform.
class RandomCases {
public:
    double uniform(double lo, double hi) {
        return lo + (hi - lo) * static_cast<double>(engine_() >> 11) * 0x1.0p-53;
    }
    std::int32_t below(std::int32_t n) { return static_cast<std::int32_t>(engine_() % static_cast<std::uint64_t>(n)); }

private:
    std::mt19937_64 engine_{20261211};
};

TEST(RateSearch, RegistersMatchTheSearchThatRecomputesEveryValue) {
    RandomCases random;
    int found = 0;
    for (int i = 0; i < 100000; ++i) {
        // Mostly registers that balance at some rate in or near the bracket,
        // some with a rounded PV, some with nothing to find.
        const double n = random.below(4) == 0 ? random.uniform(-5, 60) : random.below(60);
        const double pmt = random.uniform(-1000, 1000);
        const double fv = random.below(3) == 0 ? 0 : random.uniform(-5000, 5000);
        double pv = pvForN(n, pmt, fv, random.uniform(-10, 130));
        if (random.below(3) == 0) pv = std::round(pv * 100) / 100;
        if (random.below(10) == 0) pv = random.uniform(-5000, 5000);
        const auto got = iyForPv(pv, n, pmt, fv);
        ASSERT_TRUE(sameResult(got, referenceIyForPv(pv, n, pmt, fv))) << pv << ' ' << n << ' ' << pmt << ' ' << fv;
        found += got.has_value();
    }
    EXPECT_GT(found, 30000) << "the set should exercise the search, not only its failures";
}

TEST(RateSearch, ListsMatchTheSearchThatRecomputesEveryValue) {
    RandomCases random;
    int found = 0;
    for (int i = 0; i < 100000; ++i) {
        std::vector<CashFlowEntry> list{CashFlowEntry::withYear(0, random.uniform(-1000, 0))};
        const std::int32_t rows = random.below(7);
        for (std::int32_t r = 0; r < rows; ++r) {
            list.push_back(CashFlowEntry::withYear(random.below(12) - 1, random.uniform(-400, 1000)));
        }
        // A list whose earliest year is 0 is searched exactly as written;
        // one that starts earlier, as the same list moved to start at 0.
        std::int32_t earliest = 0;
        for (const CashFlowEntry& row : list) earliest = std::min(earliest, row.year());
        const auto got = iyForIrrStack(list);
        ASSERT_TRUE(sameResult(got, referenceIyForIrrStack(shifted(list, -earliest)))) << "case " << i;
        found += got.has_value();
    }
    EXPECT_GT(found, 30000);
}

TEST(RateSearch, AListAtAnyYearsHasTheRateOfTheSameListAtZero) {
    const std::vector<std::vector<CashFlowEntry>> lists = {
        flows({{0, -1100}, {1, 1210}}),
        flows({{0, -1000}, {1, 1100}}),
        flows({{0, -1000}, {1, 300}, {2, 300}, {3, 300}, {4, 300}}),
        flows({{0, -100}, {1, 270}, {2, -176}}),
        flows({{0, 100}, {3, -50}, {1, -80}}),  // out of order
    };
    constexpr std::int32_t kMax = std::numeric_limits<std::int32_t>::max();
    constexpr std::int32_t kMin = std::numeric_limits<std::int32_t>::min();
    for (const auto& list : lists) {
        const auto atZero = iyForIrrStack(list);
        ASSERT_TRUE(atZero.has_value());
        for (const std::int32_t start : {1, 1751, 2024, 100000, -1, -3000, -100000, kMax - 4, kMin}) {
            SCOPED_TRACE(start);
            EXPECT_TRUE(sameResult(iyForIrrStack(shifted(list, start)), atZero));
        }
    }
    EXPECT_EQ(*iyForIrrStack(flows({{2024, -1000}, {2025, 1100}})), *iyForIrrStack(flows({{0, -1000}, {1, 1100}})));
    EXPECT_NEAR(*iyForIrrStack(flows({{2024, -1000}, {2025, 1100}})), 10, 1e-9);
}

TEST(RateSearch, AZeroFromVanishedTermsIsNoRoot) {
    // Every term but the first underflows past a rate of about 0.3 %; the
    // first is 0, so the sum there is 0 only because the terms vanished.
    EXPECT_FALSE(iyForIrrStack(flows({{0, 0}, {300000, 5}})).has_value());
    // A list spanning the whole year range still finds its root near 0.
    const auto rate = iyForIrrStack(flows({{0, -1}, {5000, 5}}));
    ASSERT_TRUE(rate.has_value());
    EXPECT_NEAR(*rate, (std::pow(5.0, 1.0 / 5000) - 1) * 100, 1e-9);
    // The definition of NPV is untouched: discounted to year 0.
    EXPECT_EQ(pvForIrrStack(flows({{2024, 1000}}), 50), 0);
}

}  // namespace
}  // namespace cambist
