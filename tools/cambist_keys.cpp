// cambist-keys: presses keys on a calculator with no window and prints what
// the window would show.
//
//   cambist-keys [--trace] [KEY ...]
//
// With no KEY arguments the keys are read, separated by white space, from
// standard input. With --trace the state is printed after every key press,
// each block headed by "> KEY".
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

#include "RecordingWindow.h"

int main(int argc, char** argv) {
    bool trace = false;
    std::vector<std::string> tokens;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--trace" && tokens.empty() && !trace) {
            trace = true;
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
    for (const cambist::KeyPress& key : presses) {
        calculator.press(key);
        if (trace) {
            std::cout << "> " << key.label << '\n' << calculator.report();
        }
    }
    if (!trace || presses.empty()) {
        std::cout << calculator.report();
    }
    return 0;
}
