// What the user sees pending and what was done: the expression line and the
// tape. Both only read the controller; keys still reach it through the one
// dispatcher, which History::press calls.
//
// The expression line is the pending expression in the keys' own symbols
// ("2 + 3 ×", "2 × ( 3 +"), built from the two stacks and the entry; after
// "=" it is the whole expression that was evaluated ("2 + 3 × 4 ="). The
// tape has one line per completed action ("2 + 3 × 4 = 14", "PV = 100",
// "M+ 5 → M = 10", "5 ÷ 0 → Error"), kept in memory only, the oldest lines
// dropped past kMaxTapeLines.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <vector>

#include "KeyCatalogue.h"

// Marks a tape text for the translation tools, which read it as
// QT_TRANSLATE_NOOP("Tape", text); the text itself is the English line.
#define CAMBIST_TAPE_TEXT(text) text

namespace cambist {

// One tape line: a text with places %1, %2, ... and what fills them
// (numbers and expressions). A window may show the text translated.
struct TapeLine {
    const char* format;
    std::vector<std::string> args;
    std::string text() const;  // the English line
    bool operator==(const TapeLine&) const = default;
};

// format with each %N replaced by args[N - 1].
std::string fillPlaces(std::string_view format, const std::vector<std::string>& args);

class History {
public:
    static constexpr std::size_t kMaxTapeLines = 1000;

    // Presses the key through pressKey and records what it did. Answers
    // whether the action was sent.
    bool press(CalController& controller, const KeyAction& action, const Control& sender);
    bool press(CalController& controller, const KeyPress& key);

    const std::string& expression() const { return expression_; }
    const std::deque<TapeLine>& tape() const { return tape_; }
    // How many lines were ever appended, for a view that follows the tape.
    std::size_t appended() const { return appended_; }
    void clearTape() { tape_.clear(); }

    // What the controller shows of itself, before and after a key.
    struct Snapshot {
        std::int32_t state;
        double number;
        std::int32_t integerDigits;
        std::int32_t decimalDigits;
        std::vector<std::string> operators;
        std::vector<double> operands;
        std::string main;
        double memory;
        CalController::Registers registers;
        std::int32_t year;
        std::size_t rows;
        bool cashFlows;
    };
    static Snapshot snapshot(const CalController& controller);

private:
    void record(const KeyAction& action, const Snapshot& before, const Snapshot& after,
                const CalController& controller);
    void append(TapeLine line);

    std::string expression_;
    std::deque<TapeLine> tape_;
    std::size_t appended_ = 0;
};

// The pending expression of a snapshot, in the keys' symbols; with the entry
// at its end when withEntry is set.
std::string pendingExpression(const History::Snapshot& snapshot, bool withEntry);

}  // namespace cambist
