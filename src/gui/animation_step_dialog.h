// The step dialog of step animations ("Animation"): "+" shows the next step, "++" (the cancel
// button, also Esc and closing) runs the animation to its end.
#pragma once

#include "gui/dialog_placement.h"

namespace kv9 {

enum class AnimationStep { Next, RunToEnd };

class TForm_anistep : public PlacedDialog {
 public:
  explicit TForm_anistep(QWidget* parent);
};

AnimationStep RunAnimationStep(QWidget* parent);

}  // namespace kv9
