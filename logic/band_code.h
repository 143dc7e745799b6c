#pragma once

#include <cstdint>

// A band code is the index of the palette swatch that entered it: 0 black to 9 white are
// digits, 10 gold and 11 silver are not.
using BandCode = std::int16_t;

inline constexpr BandCode EMPTY_BAND = 20;
inline constexpr BandCode kGold = 10;
inline constexpr BandCode kSilver = 11;
inline constexpr int kColourCount = 12;
inline constexpr int kSlotCount = 5;

// 0x00BBGGRR, or 0x80000000 + n for system colour n; carried unchanged.
using ColourValue = std::uint32_t;

// Gold, silver and an empty slot can never be a significant digit.
constexpr bool CannotBeDigit(int code) {
    return code > 9;
}

constexpr bool IsColourCode(int code) {
    return code >= 0 && code < kColourCount;
}
