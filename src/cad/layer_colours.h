// The DXF colours of the drawing layers as the configuration sets them: the one table the DXF
// layer table, the IGES colour numbers and the screen's palette are taken from.
#pragma once

#include <array>

namespace kv9 {

struct Config;

struct LayerColours {
  std::array<int, 5> named = {2, 2, 2, 3, 1};  // layers 1..5
  std::array<int, 16> numbered = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 1, 2};  // 16..31

  // The DXF colour entities of layer n are drawn in: 7 (the foreground) on layer 0, the
  // configured colour on layers 1..5 and 16..31, n % 16 + 1 on any other.
  int of(int n) const;
};

LayerColours LayerColoursOf(const Config& cfg);

}  // namespace kv9
