// Key presses as bytes, for the fuzz target and its seed corpus: byte values
// 0 to 9 are the digit keys, 10 to 44 the other 35 actions in catalogue
// order; every byte is taken modulo 45.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "RecordingWindow.h"

namespace cambist {

inline constexpr std::uint8_t kFuzzKeyCount = 45;

inline KeyPress keyForByte(std::uint8_t byte) {
    const std::uint8_t index = byte % kFuzzKeyCount;
    if (index < 10) return KeyPress{&kKeyActions[0], index, {}};
    return KeyPress{&kKeyActions[static_cast<std::size_t>(index - 10 + 1)], 0, {}};
}

inline std::uint8_t byteForKey(const KeyPress& press) {
    if (press.action == &kKeyActions[0]) return static_cast<std::uint8_t>(press.tag);
    return static_cast<std::uint8_t>(press.action - &kKeyActions[0] - 1 + 10);
}

}  // namespace cambist
