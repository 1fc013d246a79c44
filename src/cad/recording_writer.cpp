#include "cad/recording_writer.h"

namespace kv9 {

void RecordingCadWriter::add(std::string op, std::vector<Real> v, std::string text) {
  calls.push_back({std::move(op), std::move(v), std::move(text), {}});
}

std::vector<CadCall> RecordingCadWriter::of(std::string_view op) const {
  std::vector<CadCall> out;
  for (const auto& c : calls)
    if (c.op == op) out.push_back(c);
  return out;
}

int RecordingCadWriter::count(std::string_view op) const {
  int n = 0;
  for (const auto& c : calls)
    if (c.op == op) ++n;
  return n;
}

void RecordingCadWriter::limits(Real xmin, Real ymin, Real xmax, Real ymax) {
  add("limits", {xmin, ymin, xmax, ymax});
}
void RecordingCadWriter::tables(int layer_set) {
  add("tables", {Real(layer_set)});
}
void RecordingCadWriter::blocksBegin() {
  add("blocksBegin");
}
void RecordingCadWriter::blockBegin(const std::string& name) {
  add("blockBegin", {}, name);
}
void RecordingCadWriter::blockEnd() {
  add("blockEnd");
}
void RecordingCadWriter::sectionEnd() {
  add("sectionEnd");
}
void RecordingCadWriter::entitiesBegin() {
  add("entitiesBegin");
}
void RecordingCadWriter::layer(int n) {
  add("layer", {Real(n)});
}
void RecordingCadWriter::line(Real x1, Real y1, Real x2, Real y2) {
  add("line", {x1, y1, x2, y2});
}
void RecordingCadWriter::circle(Real x, Real y, Real r) {
  add("circle", {x, y, r});
}
void RecordingCadWriter::arc(Real x, Real y, Real start_deg, Real end_deg, Real r) {
  add("arc", {x, y, start_deg, end_deg, r});
}
void RecordingCadWriter::text(const std::string& text, Real x, Real y, const CadTextFormat& style) {
  calls.push_back({"text", {x, y}, text, style});
}
void RecordingCadWriter::solid(const std::array<Real, 8>& c) {
  add("solid", std::vector<Real>(c.begin(), c.end()));
}
void RecordingCadWriter::insert(const std::string& name, Real x, Real y, Real angle_deg,
                                Real x_scale, Real y_scale) {
  add("insert", {x, y, angle_deg, x_scale, y_scale}, name);
}
void RecordingCadWriter::polylineBegin(int flags) {
  add("polylineBegin", {Real(flags)});
}
void RecordingCadWriter::vertex(Real x, Real y, Real included_angle) {
  add("vertex", {x, y, included_angle});
}
void RecordingCadWriter::polylineEnd() {
  add("polylineEnd");
}
void RecordingCadWriter::finish() {
  add("finish");
}

}  // namespace kv9
