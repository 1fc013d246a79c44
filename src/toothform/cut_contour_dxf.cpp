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
  Real reach = 0;
  for (const OutlineVertex& v : contour) reach = std::max(reach, std::hypot(v.x, v.y));
  w.limits(-reach, -reach, reach, reach);
  w.singleLayerTables(kCutLayerName, 7);
  w.entitiesBegin();
  w.layerNamed(kCutLayerName);
  w.polylineBegin(1);  // closed
  for (const OutlineVertex& v : contour) w.vertex(v.x, v.y, v.angle);
  w.polylineEnd();
  w.sectionEnd();
  w.finish();
  return w.messages;
}

}  // namespace kv9
