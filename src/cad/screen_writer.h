// The screen output kind: records the drawing into the session's display list. Layers become
// colour, line style and width; inserts read the block files back (block_file_reader.h).
#pragma once

#include "cad/cad_context.h"
#include "cad/cad_number.h"
#include "cad/cad_writer.h"

namespace kv9 {

class ScreenWriter : public CadWriter {
 public:
  explicit ScreenWriter(const CadContext& s) : s_(s) {}

  void limits(Real xmin, Real ymin, Real xmax, Real ymax) override;  // the window; abort if empty
  void entitiesBegin() override;
  void layer(int n) override;
  void line(Real x1, Real y1, Real x2, Real y2) override;
  void circle(Real x, Real y, Real r) override;
  void arc(Real x, Real y, Real start_deg, Real end_deg, Real r) override;
  void text(const std::string& text, Real x, Real y, const CadTextFormat& style) override;
  void solid(const std::array<Real, 8>& corners) override;
  void insert(const std::string& name, Real x, Real y, Real angle_deg, Real x_scale,
              Real y_scale) override;

  // Palette colour, line style and width the screen uses for a layer.
  static int LayerColour(const CadContext& s, int n);
  static int LayerLineStyle(int n);
  static int LayerLineWidth(const CadContext& s, int n);

 private:
  Real num(Real x);
  CadContext s_;
  CadNumbers numbers_;
};

}  // namespace kv9
