#include "cad/layer_colours.h"

#include "model/config.h"

namespace kv9 {

int LayerColours::of(int n) const {
  if (n == 0) return 7;
  if (n >= 1 && n <= 5) return named[n - 1];
  if (n >= 16 && n <= 31) return numbered[n - 16];
  return (n % 16) + 1;
}

LayerColours LayerColoursOf(const Config& cfg) {
  LayerColours c;
  for (int i = 0; i < 5; ++i) c.named[i] = cfg.layers[i].colour;
  c.numbered = cfg.layer_colours_16_31;
  return c;
}

}  // namespace kv9
