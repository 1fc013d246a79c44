// Settings of the tooth-form drawings that live beside the data set (never stored in it).
#pragma once

#include "core/real.h"

namespace kv9 {

struct ToothFormSettings {
  // Drawing profile shift of each member; the calculation sets it to the calculated x after
  // every run, the CAD drawing settings may change it for one drawing.
  Pair<Real> xe = {0, 0};
  // "Durchmesser einzeichnen ?": 1 no, 2 yes.
  int diameters_shown = 1;
  // "Tooth Root Trochoide": the root of a shaft whose involute reaches the base circle is drawn
  // as the path of the tool tip rounding; without it such a root stays open.
  bool trochoid = false;
  int trochoid_steps = 30;  // rolling steps per angular pitch; 0 counts as 30
  // Meshing view: the shaft rotation angle ("Drehwinkel Rad 1 [Grad]", -180 .. 180) and the
  // data texts with their frame.
  Real shaft_angle = 0;
  bool meshing_texts = true;

  bool showDiameters() const { return diameters_shown == 2; }
};

}  // namespace kv9
