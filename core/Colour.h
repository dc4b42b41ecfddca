// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

// A colour as the program writes it: a 24-bit value with red in the low byte,
// then green, then blue (&HBBGGRR).
using Colour = std::uint32_t;

constexpr int colourRed(Colour c) { return int(c & 0xFF); }
constexpr int colourGreen(Colour c) { return int((c >> 8) & 0xFF); }
constexpr int colourBlue(Colour c) { return int((c >> 16) & 0xFF); }

// The same colour as 0xRRGGBB, the order image formats and hex notation use.
constexpr std::uint32_t colourToRgb(Colour c)
{
    return (std::uint32_t(colourRed(c)) << 16) | (std::uint32_t(colourGreen(c)) << 8)
        | std::uint32_t(colourBlue(c));
}

constexpr Colour ColourBlack = 0x000000;
constexpr Colour ColourWhite = 0xFFFFFF;
