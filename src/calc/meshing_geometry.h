// Drawing-side tooth geometry for chosen profile shift factors: what the tooth-form drawings
// and the meshing view draw. It reads the calculated pair and returns its values in a result
// of its own; the calculation's results stay as the report prints them.
#pragma once

#include "core/real.h"

namespace kv9 {

struct CalcContext;

struct MeshingOptions {
  // Per member: above 0.00001 the generating shift is the mean of the maximum and minimum
  // tooth (xemin + xemax), otherwise the given factor.
  Pair<Real> mean_tolerance = {0, 0};
  // Requested centre distance in mm; 0 = nominal (0 for a spline).
  Real centre_distance = 0;
};

struct MeshingGeometry {
  bool ok = false;         // false when the requested centre distance cannot be formed
  Pair<Real> s = {0, 0};   // tooth thickness on the pitch circle
  Pair<Real> df = {0, 0};  // root diameter (hub negative)
  Pair<Real> da = {0, 0};  // tip diameter (the calculated da when the tip is shortened)
  Pair<Real> dw = {0, 0};  // working pitch diameter
  Real alpha_w = 0;        // working transverse pressure angle, radians
};

// The geometry for the profile shift factors xs (usually the drawing shifts of the
// tooth-form settings). A centre distance that no pressure angle fits sets the fatal flag and adds
// "Fatal  : Achsabstand !".
MeshingGeometry ComputeMeshingGeometry(const CalcContext& s, const Pair<Real>& xs,
                                       const MeshingOptions& options = {});

}  // namespace kv9
