// Colours as the launcher names them: 32-bit values 0x00BBGGRR, red in the low byte.
#pragma once

#include <cstdint>

using Color = std::uint32_t;

// Stands for the system's button-face colour.
inline constexpr Color kDefaultColor = 0xFF000000u;
inline constexpr Color kBlack = 0x00000000u;
inline constexpr Color kWhite = 0x00FFFFFFu;
inline constexpr Color kRed = 0x000000FFu;
inline constexpr Color kGreen = 0x0000FF00u;
inline constexpr Color kYellow = 0x0000FFFFu;
