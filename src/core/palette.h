// The 16 colours of the screen palette (0 black .. 15 white, the classic order) and the CAD
// colour numbers 1..16 (1 red .. 7 white, 8..15 the dark ones, 16 black) name the same colours.
#pragma once

#include <algorithm>
#include <array>

namespace kv9 {

inline constexpr std::array<int, 16> kPaletteOfCadColour = {12, 14, 10, 11, 9, 13, 15, 1,
                                                            2,  3,  4,  5,  6, 7,  8,  0};

// 1..16 -> 0..15; numbers outside are taken as the nearest end.
constexpr int PaletteOfColour(int colour) {
  return kPaletteOfCadColour[std::clamp(colour, 1, 16) - 1];
}

// 0..15 -> 1..16; anything else is black.
constexpr int ColourOfPalette(int palette) {
  for (int c = 1; c <= 16; ++c)
    if (kPaletteOfCadColour[c - 1] == palette) return c;
  return 16;
}

}  // namespace kv9
