// The 36 key actions by name, and which of them belong to a mode key.
//
// Both window bindings (the Qt window and the recording window behind the key
// driver) dispatch through this table, so a key means the same everywhere.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

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

}  // namespace cambist
