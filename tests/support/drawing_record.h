// Helpers of the drawing tests: a session with an example data file read and calculated, and
// the calls of a RecordingCadWriter with the layer and the block each one was drawn in.
#pragma once

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "app/data_file_commands.h"
#include "cad/cad_driver.h"
#include "cad/recording_writer.h"
#include "model/data_file.h"
#include "support/examples.h"
#include "support/test_session.h"

namespace kv9::test {

// A session on a calculated example, in millimetres unless told otherwise.
struct DrawingSession : TestSession {
  explicit DrawingSession(const std::string& example = "start", int unit_flag = 0) {
    s.cfg.unit_flag = unit_flag;
    loaded = LoadDataFile(s, ExamplePath(example));
    s.abort_flag = false;
  }
  bool loaded = false;
  RecordingCadWriter rec{false};  // polylines arrive as lines and arcs
  // Opens the recording writer and runs `draw` (the caller brackets sections when it needs).
  void record(const std::function<void()>& draw) {
    CadOpenWriter(s.cadContext(), rec);
    draw();
    CadClose(s.cadContext());
  }
};

// One recorded call with the layer it was drawn on and the block it belongs to ("" outside).
struct Drawn {
  std::string op;
  std::vector<Real> v;
  std::string text;
  CadTextFormat style;
  int layer = 0;
  std::string block;
};

inline std::vector<Drawn> DrawnItems(const RecordingCadWriter& rec) {
  std::vector<Drawn> out;
  int layer = 0;
  std::string block;
  for (const CadCall& c : rec.calls) {
    if (c.op == "layer") {
      layer = static_cast<int>(c.v[0]);
    } else if (c.op == "blockBegin") {
      block = c.text;
    } else if (c.op == "blockEnd") {
      block.clear();
    } else if (c.op == "line" || c.op == "text" || c.op == "insert" || c.op == "arc" ||
               c.op == "circle" || c.op == "vertex") {
      out.push_back({c.op, c.v, c.text, c.style, layer, block});
    }
  }
  return out;
}

inline std::vector<Drawn> Only(const std::vector<Drawn>& items, const std::string& op,
                               const std::string& block = "") {
  std::vector<Drawn> out;
  for (const Drawn& d : items)
    if (d.op == op && d.block == block) out.push_back(d);
  return out;
}

// The text items whose text equals `text`.
inline std::vector<Drawn> TextsEqual(const std::vector<Drawn>& items, const std::string& text) {
  std::vector<Drawn> out;
  for (const Drawn& d : items)
    if (d.op == "text" && d.text == text) out.push_back(d);
  return out;
}

// A line from (x1, y1) to (x2, y2) in either direction on `layer`, within 1e-9.
inline bool HasLine(const std::vector<Drawn>& items, Real x1, Real y1, Real x2, Real y2,
                    int layer) {
  auto near = [](Real a, Real b) { return std::fabs(a - b) < 1e-9L; };
  for (const Drawn& d : items) {
    if (d.op != "line" || d.layer != layer) continue;
    bool forward = near(d.v[0], x1) && near(d.v[1], y1) && near(d.v[2], x2) && near(d.v[3], y2);
    bool back = near(d.v[0], x2) && near(d.v[1], y2) && near(d.v[2], x1) && near(d.v[3], y1);
    if (forward || back) return true;
  }
  return false;
}

}  // namespace kv9::test
