// The 36 key actions by name, which of them belong to a mode key, and the
// key syntax of the driver, the tests and paste ("12.5", "+", "setPV").
//
// Both window bindings (the Qt window and the recording window behind the key
// driver) dispatch through this table, so a key means the same everywhere.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "CalController.h"

namespace cambist {

// The seven keys that sync enables by mode, in the order sync sets them.
enum class ModeKey : std::uint8_t { PV, FV, FVQ, PMT, CFY, NCFY, Y };
inline constexpr std::size_t kModeKeyCount = 7;
inline constexpr std::array<std::string_view, kModeKeyCount> kModeKeyNames = {
    "buttonPV", "buttonFV", "buttonFVQ", "buttonPMT", "buttonCFY", "buttonNCFY", "buttonY"};

using KeyHandler = void (CalController::*)(const Control&);

struct KeyAction {
    std::string_view name;          // the action's name, as the key driver spells it
    KeyHandler handler;
    std::optional<ModeKey> modeKey;  // set when the action is sent by a mode key
};

extern const std::array<KeyAction, 36> kKeyActions;

// The action called name, or null.
const KeyAction* findKeyAction(std::string_view name);

constexpr std::size_t modeKeyIndex(ModeKey key) { return static_cast<std::size_t>(key); }

// Whether a mode key is enabled: the first four in simple mode, the last
// three in cash-flow mode. sync sets the buttons by this rule.
constexpr bool isModeKeyEnabled(ModeKey key, bool cashFlowMode) {
    return (key >= ModeKey::CFY) == cashFlowMode;
}

// One key press, as a window delivers it: an action and, for a digit, its tag.
struct KeyPress {
    const KeyAction* action;
    std::int32_t tag;
    std::string label;  // how the press was typed, for traces
};

// The key presses a token stands for, or an empty list for a token that is
// no key. A token of digits and points presses each character in turn;
// + - * / ^ ( ) = are the operator, bracket and equals keys; any other token
// names an action, with or without its "Pressed" ending.
std::vector<KeyPress> parseKeyToken(std::string_view token);

// The presses of white-space separated tokens; unknownToken names the first
// token that is no key (and the presses are then empty).
struct ParsedKeys {
    std::vector<KeyPress> presses;
    std::string unknownToken;
    bool ok() const { return unknownToken.empty(); }
};
ParsedKeys parseKeys(std::string_view keys);

// The one way a key reaches the controller, for every window and tool: the
// action is sent with sender, unless it belongs to a mode key that the
// current mode disables, which sends nothing (no beep, no change). Answers
// whether the action was sent.
bool pressKey(CalController& controller, const KeyAction& action, const Control& sender);
// The same for a parsed press; a digit carries its tag.
bool pressKey(CalController& controller, const KeyPress& press);

}  // namespace cambist
