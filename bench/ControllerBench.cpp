// One key through the controller and the recording window, and the solvers
// at scale.
#include <benchmark/benchmark.h>

#include <chrono>
#include <string>
#include <vector>

#include "RecordingWindow.h"
#include "Solvers.h"

namespace cambist {
namespace {

KeyPress keyOf(const char* token) { return parseKeyToken(token).front(); }


// Times one key press alone: the keys that bring the calculator to the
// state the key needs are pressed outside the timed region. The key goes
// through the dispatcher alone, or with the history recording it as the
// window does.
void timeKey(benchmark::State& state, const std::string& setup, const char* key, bool withHistory) {
    RecordedCalculator calculator;
    const KeyPress press = keyOf(key);
    for (auto _ : state) {
        calculator.pressKeys(setup);
        const auto start = std::chrono::steady_clock::now();
        if (withHistory) {
            calculator.press(press);
        } else {
            pressKey(calculator.controller(), press);
        }
        const auto end = std::chrono::steady_clock::now();
        state.SetIterationTime(std::chrono::duration<double>(end - start).count());
    }
}

void BM_Key(benchmark::State& state, const char* setup, const char* key) { timeKey(state, setup, key, false); }
void BM_KeyWithHistory(benchmark::State& state, const char* setup, const char* key) {
    timeKey(state, setup, key, true);
}

// A digit appended to an entry, the point, an operator that reduces a power
// and a product, equals that closes two brackets, memory add.
BENCHMARK_CAPTURE(BM_Key, digit, "clear 1 2 3", "4")->UseManualTime();
BENCHMARK_CAPTURE(BM_Key, point, "clear 1 2 3", ".")->UseManualTime();
BENCHMARK_CAPTURE(BM_Key, operator_reducing, "allClear 2 + 3 * 4 ^ 2", "*")->UseManualTime();
BENCHMARK_CAPTURE(BM_Key, equals_brackets, "allClear 2 * ( 3 + 4 * ( 5 - 1", "=")->UseManualTime();
BENCHMARK_CAPTURE(BM_Key, memory_add, "allClear 5", "memoryAdd")->UseManualTime();
BENCHMARK_CAPTURE(BM_KeyWithHistory, digit, "clear 1 2 3", "4")->UseManualTime();
BENCHMARK_CAPTURE(BM_KeyWithHistory, operator_reducing, "allClear 2 + 3 * 4 ^ 2", "*")->UseManualTime();
BENCHMARK_CAPTURE(BM_KeyWithHistory, equals_brackets, "allClear 2 * ( 3 + 4 * ( 5 - 1", "=")->UseManualTime();

void BM_Sync(benchmark::State& state) {
    RecordedCalculator calculator;
    calculator.pressKeys("1234.5 memoryIn toggleSimpleComplex 7 addCashFlow 12.75");
    for (auto _ : state) calculator.controller().sync();
}
BENCHMARK(BM_Sync);

// A key pressed again and again on the same registers.
void BM_RepeatedKey(benchmark::State& state, const char* setup, const char* key) {
    RecordedCalculator calculator;
    calculator.pressKeys(setup);
    const KeyPress press = keyOf(key);
    for (auto _ : state) calculator.press(press);
}
BENCHMARK_CAPTURE(BM_RepeatedKey, calcPV_simple, "10 setN 5 setIY 100 negate setPMT 0 setFV", "calcPV");
BENCHMARK_CAPTURE(BM_RepeatedKey, calcFV_simple, "1000 negate setPV 10 setN 5 setIY 100 negate setPMT", "calcFV");
BENCHMARK_CAPTURE(BM_RepeatedKey, calcIY_simple, "1000 setPV 12 setN 100 negate setPMT 0 setFV", "calcIY");

// A list of n rows: an outlay of 1000, then n - 1 equal returns adding up to
// 2000, whose IRR lies inside the search range for every n.
void fillCashFlows(RecordedCalculator& calculator, std::int64_t rows) {
    const std::string returns = std::to_string(rows - 1);
    calculator.pressKeys("toggleSimpleComplex 1000 negate addCashFlow");
    calculator.pressKeys(returns + " setN 2000 / " + returns + " addCashFlow 5 setIY");
}

void BM_CalcPVCashFlows(benchmark::State& state) {
    RecordedCalculator calculator;
    fillCashFlows(calculator, state.range(0));
    const KeyPress calc = keyOf("calcPV");
    for (auto _ : state) calculator.press(calc);
    state.counters["rows"] = static_cast<double>(calculator.controller().cashFlows().size());
}
BENCHMARK(BM_CalcPVCashFlows)->Arg(5)->Arg(1000)->Arg(MAX_CASH_FLOW_ROWS)->Unit(benchmark::kMicrosecond);

void BM_CalcIYCashFlows(benchmark::State& state) {
    RecordedCalculator calculator;
    fillCashFlows(calculator, state.range(0));
    const KeyPress calc = keyOf("calcIY");
    for (auto _ : state) {
        calculator.press(calc);
        if (calculator.controller().entryState() == STATE_ERROR) state.SkipWithError("IRR failed");
    }
    state.counters["rows"] = static_cast<double>(calculator.controller().cashFlows().size());
}
BENCHMARK(BM_CalcIYCashFlows)->Arg(5)->Arg(1000)->Arg(MAX_CASH_FLOW_ROWS)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace cambist

BENCHMARK_MAIN();
