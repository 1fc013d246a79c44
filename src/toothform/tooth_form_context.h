// What the tooth-form drawings use: the drawing context and the tooth-form settings, whose
// drawing profile shifts also steer the meshing geometry they compute.
#pragma once

#include "cad/drawing_context.h"
#include "calc/calc_context.h"
#include "toothform/tooth_form_settings.h"

namespace kv9 {

struct ToothFormContext : DrawingContext {
  ToothFormSettings& toothform;

  // The calculation's view of the same data, for the geometry the drawings compute.
  CalcContext calc() const { return {ds, messages, fatal_flag, abort_flag, toothform.xe}; }
};

}  // namespace kv9
