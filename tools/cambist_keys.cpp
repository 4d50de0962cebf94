// cambist-keys: presses keys on a calculator with no window and prints what
// the window would show.
//
//   cambist-keys [--trace] [--tape] [KEY ...]
//
// With no KEY arguments the keys are read, separated by white space, from
// standard input. With --trace the state is printed after every key press,
// each block headed by "> KEY". With --tape each report is followed by the
// expression line ("expression: 2 + 3 ×"), and the last by the tape, one
// line each ("tape 1: 2 + 3 × 4 = 14").
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "RecordingWindow.h"

int main(int argc, char** argv) {
    bool trace = false;
    bool tape = false;
    std::vector<std::string> tokens;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--trace" && tokens.empty() && !trace) {
            trace = true;
        } else if (arg == "--tape" && tokens.empty() && !tape) {
            tape = true;
        } else {
            tokens.push_back(arg);
        }
    }
    if (tokens.empty()) {
        tokens.assign(std::istream_iterator<std::string>(std::cin), std::istream_iterator<std::string>());
    }

    // Every token is checked before any key is pressed, so a mistyped key
    // prints nothing but its complaint.
    std::string keys;
    for (const std::string& token : tokens) keys += token + ' ';
    const cambist::ParsedKeys parsed = cambist::parseKeys(keys);
    if (!parsed.ok()) {
        std::cerr << "cambist-keys: unknown key '" << parsed.unknownToken << "'\n";
        return 2;
    }
    const std::vector<cambist::KeyPress>& presses = parsed.presses;

    cambist::RecordedCalculator calculator;
    const auto report = [&calculator, tape] {
        std::cout << calculator.report();
        if (tape) std::cout << "expression: " << calculator.history().expression() << '\n';
    };
    for (const cambist::KeyPress& key : presses) {
        calculator.press(key);
        if (trace) {
            std::cout << "> " << key.label << '\n';
            report();
        }
    }
    if (!trace || presses.empty()) report();
    if (tape) {
        std::size_t line = 0;
        for (const cambist::TapeLine& text : calculator.history().tape()) std::cout << "tape " << ++line << ": " << text.text() << '\n';
    }
    return 0;
}
