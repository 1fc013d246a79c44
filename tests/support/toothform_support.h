// Helpers of the tooth-form tests: sessions with an example file calculated, drawings recorded
// at full precision, and the involute of a flank computed independently of the program.
#pragma once

#include <cmath>
#include <string>
#include <vector>

#include "app/data_file_commands.h"
#include "cad/cad_driver.h"
#include "cad/recording_writer.h"
#include "model/data_file.h"
#include "support/cad_session.h"
#include "support/calc_reference.h"
#include "support/examples.h"
#include "toothform/tooth_geometry.h"

namespace kv9::test {

// A CAD session with an example calculated, metric display.
struct ToothFormSession : CadSession {
  explicit ToothFormSession(const std::string& example = "side_fit_30") {
    s.cfg.unit_flag = 0;
    loaded = LoadDataFile(s, ExamplePath(example));
  }
  // Records what `draw` emits, with real polylines.
  template <class F>
  RecordingCadWriter record(F draw) {
    RecordingCadWriter w;
    CadOpenWriter(s.cadContext(), w);
    draw();
    CadClose(s.cadContext());
    return w;
  }
  bool loaded = false;
};

struct Vertex {
  Real x, y, angle;
};

// The vertices of the polylines of a recording, one list per polyline.
inline std::vector<std::vector<Vertex>> Polylines(const RecordingCadWriter& w) {
  std::vector<std::vector<Vertex>> lines;
  for (const CadCall& c : w.calls) {
    if (c.op == "polylineBegin") lines.emplace_back();
    if (c.op == "vertex" && !lines.empty()) lines.back().push_back({c.v[0], c.v[1], c.v[2]});
  }
  return lines;
}

inline Real Radius(const Vertex& v) {
  return std::hypot(v.x, v.y);
}

// Angle of a point from the tooth centre line (+y for the shaft, -y for the hub), positive
// towards +x.
inline Real AngleFromCentreLine(Real x, Real y, bool hub) {
  return hub ? std::atan2(x, -y) : std::atan2(x, y);
}

// The half angle of the tooth at radius r from the involute function, without the program, in
// absolute values: s/d + inv(alpha) - inv(arccos(rb / r)) for the shaft. The hub's tooth is the
// space of the mating involute: it widens outwards, s/d - inv(alpha) + inv(arccos(rb / r)).
inline Real InvoluteHalfAngle(const WheelGeometry& w, Real r) {
  const Real rb = std::fabs(w.db) / 2;
  const Real alpha_y = r <= rb ? 0 : std::acos(rb / r);
  const Real roll = RefInv(w.alpha_t) - RefInv(alpha_y);
  return std::fabs(w.s / w.d) + (w.z < 0 ? -roll : roll);
}

// The radius of the circular arc from a to b with the included angle phi.
inline Real ArcRadius(const Vertex& a, const Vertex& b, Real phi) {
  return std::hypot(b.x - a.x, b.y - a.y) / (2 * std::fabs(std::sin(phi / 2)));
}

// The centre of that arc (left of the chord for a counter-clockwise arc).
inline std::pair<Real, Real> ArcCentre(const Vertex& a, const Vertex& b, Real phi) {
  const Real mx = (a.x + b.x) / 2, my = (a.y + b.y) / 2;
  const Real dx = b.x - a.x, dy = b.y - a.y, chord = std::hypot(dx, dy);
  const Real offset = chord / 2 / std::tan(phi / 2);  // signed: negative for clockwise arcs
  return {mx - dy / chord * offset, my + dx / chord * offset};
}

}  // namespace kv9::test
