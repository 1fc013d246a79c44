// ASCII DXF writer: a HEADER section with the code page of the texts, extents and limits, a
// TABLES section with three line types, the layers and one text style, BLOCKS and ENTITIES with
// LINE, CIRCLE, ARC, TEXT, SOLID, INSERT and POLYLINE/VERTEX/SEQEND. No handles and no
// $ACADVER, so readers take it as an R12 file; ezdxf loads it (checked by the tests). Windows
// line ends.
#pragma once

#include <array>
#include <ostream>
#include <string>

#include "cad/cad_number.h"
#include "cad/cad_writer.h"
#include "cad/layer_colours.h"
#include "core/number_format.h"

namespace kv9 {

struct CadContext;

struct DxfSettings {
  int decimals = 6;  // "Decimals DXF,TXT"
  std::array<std::string, 5> layer_names = {"1", "2", "3", "4", "5"};
  LayerColours colours;
  bool monochrome = false;        // "Layer Monochrom": every layer colour 1
  std::string font = "TXT8";      // "Textstil CAD", written in upper case
  NumberStyle short_style{3, 1};  // short reals (text factors and angles), always "."
  // $DWGCODEPAGE: the code page of the entity texts' bytes.
  std::string code_page = "ANSI_1252";
};
DxfSettings DxfSettingsOf(const CadContext& s);

// The code page the texts of CAD text mode `mode` are in: "ANSI_1252" for Windows-1252 (2) and
// its ASCII transliteration (3), "dos850" for the program's own bytes (1 and any other).
std::string DxfCodePage(int mode);

// Layer names: 0 "0", 1..5 the configured names, others their number.
std::string DxfLayerName(const DxfSettings& settings, int n);

class DxfWriter : public CadWriter {
 public:
  DxfWriter(std::ostream& out, DxfSettings settings, CadTextConverter convert = nullptr);

  void limits(Real xmin, Real ymin, Real xmax, Real ymax) override;
  void tables(int layer_set) override;
  void blocksBegin() override;
  void blockBegin(const std::string& name) override;
  void blockEnd() override;
  void sectionEnd() override;
  void entitiesBegin() override;
  void layer(int n) override;
  // Outputs of one layer of their own: a TABLES section that lists just that layer (continuous
  // lines), and the layer the following entities go on.
  void singleLayerTables(const std::string& name, int colour);
  void layerNamed(std::string name) { layer_name_ = std::move(name); }
  void line(Real x1, Real y1, Real x2, Real y2) override;
  void circle(Real x, Real y, Real r) override;
  void arc(Real x, Real y, Real start_deg, Real end_deg, Real r) override;
  void text(const std::string& text, Real x, Real y, const CadTextFormat& style) override;
  void solid(const std::array<Real, 8>& corners) override;
  void insert(const std::string& name, Real x, Real y, Real angle_deg, Real x_scale,
              Real y_scale) override;
  bool polylines() const override { return true; }
  void polylineBegin(int flags) override;
  void vertex(Real x, Real y, Real included_angle) override;
  void polylineEnd() override;
  void finish() override;  // [0] EOF

 private:
  void group(int code, std::string_view value);
  void real(int code, Real value);
  void shortReal(int code, Real value);
  void entity(std::string_view type);
  void lineTypeHead(const char* name, const char* description);
  void continuousLineType();
  void layerEntry(const std::string& name, int colour, const char* line_type);
  void flushBad();

  std::ostream& out_;
  DxfSettings settings_;
  CadTextConverter convert_;
  CadNumbers numbers_;
  std::string layer_name_ = "0";
};

}  // namespace kv9
