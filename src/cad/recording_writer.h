// A CAD writer that keeps every call with its values at full precision, for tests that check
// geometry (tooth outlines, hatch lines ...) rather than file text. Open it with CadOpenWriter.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "cad/cad_writer.h"

namespace kv9 {

struct CadCall {
  // "limits", "tables", "blocksBegin", "blockBegin", "blockEnd", "sectionEnd", "entitiesBegin",
  // "layer", "line", "circle", "arc", "text", "solid", "insert", "polylineBegin", "vertex",
  // "polylineEnd", "finish".
  std::string op;
  std::vector<Real> v;  // the numbers in the order of the writer call
  std::string text;     // block name or text
  CadTextFormat style;  // for "text"
};

class RecordingCadWriter : public CadWriter {
 public:
  // real_polylines: take polylines as they are (vertices with their included angles) instead of
  // letting the driver break them into lines and arcs.
  explicit RecordingCadWriter(bool real_polylines = true) : real_polylines_(real_polylines) {}

  std::vector<CadCall> calls;
  // The calls of one kind, in order.
  std::vector<CadCall> of(std::string_view op) const;
  int count(std::string_view op) const;

  void limits(Real xmin, Real ymin, Real xmax, Real ymax) override;
  void tables(int layer_set) override;
  void blocksBegin() override;
  void blockBegin(const std::string& name) override;
  void blockEnd() override;
  void sectionEnd() override;
  void entitiesBegin() override;
  void layer(int n) override;
  void line(Real x1, Real y1, Real x2, Real y2) override;
  void circle(Real x, Real y, Real r) override;
  void arc(Real x, Real y, Real start_deg, Real end_deg, Real r) override;
  void text(const std::string& text, Real x, Real y, const CadTextFormat& style) override;
  void solid(const std::array<Real, 8>& corners) override;
  void insert(const std::string& name, Real x, Real y, Real angle_deg, Real x_scale,
              Real y_scale) override;
  bool polylines() const override { return real_polylines_; }
  void polylineBegin(int flags) override;
  void vertex(Real x, Real y, Real included_angle) override;
  void polylineEnd() override;
  void finish() override;

 private:
  void add(std::string op, std::vector<Real> v = {}, std::string text = {});
  bool real_polylines_;
};

}  // namespace kv9
