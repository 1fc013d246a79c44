// The CAD text file: one tab-separated record per entity ("LINE", "CIRCLE", "ARC", "TEXT",
// "SOLID", "INSERT", "MINMAX", "BLOCK", "END OF BLOCK", "SECTION BLOCKS", "SECTION ENTITIES",
// "EOF"), Windows line ends, fixed-point numbers with the configured decimals and the display's
// decimal separator. Geometry only: no layers, colours or styles.
#pragma once

#include <ostream>

#include "cad/cad_number.h"
#include "cad/cad_writer.h"

namespace kv9 {

struct CadContext;

struct CadTextSettings {
  int decimals = 6;    // "Decimals DXF,TXT"
  bool comma = false;  // the display setting "x,xx"
};
CadTextSettings CadTextSettingsOf(const CadContext& s);

class CadTextWriter : public CadWriter {
 public:
  CadTextWriter(std::ostream& out, CadTextSettings settings, CadTextConverter convert = nullptr);

  void limits(Real xmin, Real ymin, Real xmax, Real ymax) override;
  void blocksBegin() override;
  void blockBegin(const std::string& name) override;
  void blockEnd() override;
  void entitiesBegin() override;
  void line(Real x1, Real y1, Real x2, Real y2) override;
  void circle(Real x, Real y, Real r) override;
  void arc(Real x, Real y, Real start_deg, Real end_deg, Real r) override;
  void text(const std::string& text, Real x, Real y, const CadTextFormat& style) override;
  void solid(const std::array<Real, 8>& corners) override;
  void insert(const std::string& name, Real x, Real y, Real angle_deg, Real x_scale,
              Real y_scale) override;
  void finish() override;  // "EOF"

 private:
  void record(std::string_view keyword, std::initializer_list<Real> values);
  void fields(std::initializer_list<Real> values);
  void end();

  std::ostream& out_;
  CadTextSettings settings_;
  CadTextConverter convert_;
  CadNumbers numbers_;
};

}  // namespace kv9
