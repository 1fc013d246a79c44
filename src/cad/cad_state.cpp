#include "cad/cad_state.h"

#include <cmath>

#include "cad/cad_output_file.h"

namespace kv9 {

CadState::CadState() = default;
CadState::~CadState() = default;

Point CadTransform::apply(Real px, Real py) const {
  Real a = rotation * kPi / 180;
  return apply(px, py, std::cos(a), std::sin(a));
}

Point CadTransform::apply(Real px, Real py, Real cos_rotation, Real sin_rotation) const {
  Real sx = px * x_scale, sy = py * y_scale;
  return {x + sx * cos_rotation - sy * sin_rotation, y + sx * sin_rotation + sy * cos_rotation};
}

}  // namespace kv9
