#include "toothform/cut_contour_dxf.h"

#include <algorithm>
#include <cmath>

#include "cad/dxf_writer.h"

namespace kv9 {

std::vector<std::string> WriteCutContourDxf(std::ostream& out,
                                            const std::vector<OutlineVertex>& contour,
                                            int decimals) {
  DxfSettings settings;
  settings.decimals = decimals;
  DxfWriter w(out, settings);
  // The arcs run on the root and tip circles, whose vertices bound them: a square about the
  // centre through the farthest vertex holds it all.
  Real reach2 = 0;
  for (const OutlineVertex& v : contour) reach2 = std::max(reach2, v.x * v.x + v.y * v.y);
  const Real reach = std::sqrt(reach2);
  w.limits(-reach, -reach, reach, reach);
  w.singleLayerTables(kCutLayerName, 7);
  w.entitiesBegin();
  w.layerNamed(kCutLayerName);
  w.polylineBegin(1);  // closed
  // Through double: its 16 digits are far finer than any machine moves, and a double prints
  // many times faster than the extended type, which matters for hundreds of teeth.
  for (const OutlineVertex& v : contour)
    w.vertex(static_cast<double>(v.x), static_cast<double>(v.y), v.angle);
  w.polylineEnd();
  w.sectionEnd();
  w.finish();
  return w.messages;
}

}  // namespace kv9
