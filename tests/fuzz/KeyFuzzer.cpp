// libFuzzer target: each input byte is one key press (see FuzzKeys.h), mode
// keys only when enabled, as the window sends them. After every press the
// invariants must hold; a broken one aborts with its description and the
// keys that led to it.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "FuzzKeys.h"
#include "Invariants.h"

namespace {

// Long inputs add little coverage and slow every run.
constexpr std::size_t kMaxKeys = 512;

unsigned long long pressesExecuted = 0;

struct ReportPresses {
    ~ReportPresses() { std::fprintf(stderr, "key presses executed: %llu\n", pressesExecuted); }
} reportAtExit;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size > kMaxKeys) return -1;  // not added to the corpus
    cambist::RecordedCalculator calculator;
    std::string keys;
    for (std::size_t i = 0; i < size; ++i) {
        const cambist::KeyPress press = cambist::keyForByte(data[i]);
        keys += ' ';
        keys += press.action->name == "digitPressed" ? std::to_string(press.tag) : std::string(press.action->name);
        calculator.press(press);
        ++pressesExecuted;
        if (const auto broken = cambist::brokenInvariant(calculator)) {
            std::fprintf(stderr, "invariant broken: %s\nkeys:%s\n", broken->c_str(), keys.c_str());
            std::abort();
        }
    }
    return 0;
}
