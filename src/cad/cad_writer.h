// The interface every CAD output kind implements. The driver (cad_driver.h) keeps the drawing
// state and calls one of these per operation with final sheet coordinates: origin offset and
// text alignment are already applied, angles are degrees, texts are code page 850.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/real.h"
#include "core/text.h"

namespace kv9 {

struct CadTextFormat {
  Real height = 3.5;
  Real width_factor = 1.0;  // character width / height, times the configured base factor
  Real rotation = 0;        // degrees
  Real oblique = 0;         // degrees
  int font = 0;             // only the screen uses it
  Real screen_width = 0;    // character width the screen draws with
};

// Texts written into files pass through a conversion (the CAD text mode); the screen's block
// files keep the program's own bytes.
using CadTextConverter = std::function<std::string(std::string_view)>;

// A full circle: equal angles, or 0 and 360 within 1e-5 in either order.
bool IsFullCircle(Real start_deg, Real end_deg);

class CadWriter {
 public:
  virtual ~CadWriter() = default;

  virtual void limits(Real xmin, Real ymin, Real xmax, Real ymax) {}
  virtual void tables(int layer_set) {}
  virtual void blocksBegin() {}
  virtual void blockBegin(const std::string& name) {}
  virtual void blockEnd() {}
  virtual void sectionEnd() {}
  virtual void entitiesBegin() {}
  // Layer 0..31 (the driver folds larger numbers).
  virtual void layer(int n) {}
  virtual void line(Real x1, Real y1, Real x2, Real y2) = 0;
  virtual void circle(Real x, Real y, Real r) = 0;
  virtual void arc(Real x, Real y, Real start_deg, Real end_deg, Real r) = 0;
  virtual void text(const std::string& text, Real x, Real y, const CadTextFormat& style) = 0;
  // Corners x1, y1 .. x4, y4 in the order given.
  virtual void solid(const std::array<Real, 8>& corners) = 0;
  virtual void insert(const std::string& name, Real x, Real y, Real angle_deg, Real x_scale,
                      Real y_scale) = 0;
  // Writers that take real polylines say so; the driver breaks polylines into lines and arcs
  // for the others.
  virtual bool polylines() const { return false; }
  virtual void polylineBegin(int flags) {}
  // included_angle (radians) belongs to the segment that starts at this vertex.
  virtual void vertex(Real x, Real y, Real included_angle) {}
  virtual void polylineEnd() {}
  // End of the output (EOF record, parameter and terminate sections ...).
  virtual void finish() {}

  // Problems met while writing (numbers that are no numbers, unknown blocks), in code page 850.
  // The driver moves them into the calculation message list after every call.
  std::vector<std::string> messages;
};

}  // namespace kv9
