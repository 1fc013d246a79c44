#include "cad/cad_state.h"

#include <cmath>

#include "cad/cad_output_file.h"

namespace kv9 {

CadState::CadState() = default;
CadState::~CadState() = default;

Point CadTransform::apply(Real px, Real py) const {
  Real a = rotation * kPi / 180;
  Real sx = px * x_scale, sy = py * y_scale;
  return {x + sx * std::cos(a) - sy * std::sin(a), y + sx * std::sin(a) + sy * std::cos(a)};
}

}  // namespace kv9
