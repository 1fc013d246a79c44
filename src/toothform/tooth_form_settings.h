// Settings of the tooth-form drawings that live beside the data set (never stored in it).
#pragma once

#include "core/real.h"

namespace kv9 {

struct ToothFormSettings {
  // Drawing profile shift of each member; the calculation sets it to the calculated x after
  // every run, the CAD drawing settings may change it for one drawing.
  Pair<Real> xe = {0, 0};
};

}  // namespace kv9
