// The 32-bit year counter of the cash-flow list, without overflow.
#pragma once

#include <cmath>
#include <cstdint>
#include <limits>

namespace cambist {

// The year after year; the largest year is followed by the smallest.
constexpr std::int32_t nextYear(std::int32_t year) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(year) + 1U);
}

// x rounded half up (floor(x + 0.5)) and clamped to the 32-bit range; a NaN
// gives the smallest year.
inline std::int32_t yearFromValue(double x) {
    constexpr auto lowest = std::numeric_limits<std::int32_t>::min();
    constexpr auto highest = std::numeric_limits<std::int32_t>::max();
    const double rounded = std::floor(x + 0.5);
    if (std::isnan(rounded) || rounded <= static_cast<double>(lowest)) return lowest;
    if (rounded >= static_cast<double>(highest)) return highest;
    return static_cast<std::int32_t>(rounded);
}

}  // namespace cambist
