#include "cad/dxf_writer.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "cad/cad_context.h"
#include "core/text.h"
#include "model/config.h"

namespace kv9 {

DxfSettings DxfSettingsOf(const CadContext& s) {
  DxfSettings d;
  d.decimals = CadDecimals(s.cfg);
  for (int i = 0; i < 5; ++i) d.layer_names[i] = s.cfg.layers[i].name;
  d.colours = LayerColoursOf(s.cfg);
  d.monochrome = s.cfg.layer_monochrome;
  d.font = s.cfg.cad_text_font;
  d.short_style = PointStyle(s.cfg);
  d.code_page = DxfCodePage(s.cfg.cad_text_mode);
  return d;
}

std::string DxfCodePage(int mode) {
  return mode == 2 || mode == 3 ? "ANSI_1252" : "dos850";
}

std::string DxfLayerName(const DxfSettings& settings, int n) {
  if (n >= 1 && n <= 5) return settings.layer_names[n - 1];
  return std::to_string(n);
}

DxfWriter::DxfWriter(std::ostream& out, DxfSettings settings, CadTextConverter convert)
    : out_(out), settings_(std::move(settings)), convert_(std::move(convert)) {}

void DxfWriter::group(int code, std::string_view value) {
  // The code right-aligned in three places, value and line ends written as one piece: the
  // large outputs (hundreds of teeth) spend most of their time here.
  char line[128] = "   ";
  char* end = std::to_chars(line + 3, line + 16, code).ptr;
  const std::ptrdiff_t digits = end - (line + 3);
  char* start = digits < 3 ? line + digits : line + 3;
  *end++ = '\r';
  *end++ = '\n';
  if (value.size() + 2 <= static_cast<std::size_t>(line + sizeof line - end)) {
    end = std::copy(value.begin(), value.end(), end);
    *end++ = '\r';
    *end++ = '\n';
    out_.write(start, end - start);
    return;
  }
  out_.write(start, end - start);
  out_.write(value.data(), static_cast<std::streamsize>(value.size()));
  out_.write("\r\n", 2);
}

void DxfWriter::real(int code, Real value) {
  group(code, numbers_.fixed(value, settings_.decimals));
}

void DxfWriter::shortReal(int code, Real value) {
  group(code, FormatShort(settings_.short_style, numbers_.checked(value)));
}

void DxfWriter::flushBad() {
  if (numbers_.takeBad() > 0) messages.push_back(kCadBadNumberMessage);
}

void DxfWriter::entity(std::string_view type) {
  group(0, type);
  group(8, layer_name_);
}

void DxfWriter::limits(Real xmin, Real ymin, Real xmax, Real ymax) {
  group(0, "SECTION");
  group(2, "HEADER");
  group(9, "$DWGCODEPAGE");
  group(3, settings_.code_page);
  const char* names[4] = {"$EXTMIN", "$EXTMAX", "$LIMMIN", "$LIMMAX"};
  for (int i = 0; i < 4; ++i) {
    bool low = i % 2 == 0;
    group(9, names[i]);
    real(10, low ? xmin : xmax);
    real(20, low ? ymin : ymax);
  }
  group(9, "$LTSCALE");
  group(40, "15");
  group(0, "ENDSEC");
  flushBad();
}

void DxfWriter::tables(int layer_set) {
  group(0, "SECTION");
  group(2, "TABLES");
  group(0, "TABLE");
  group(2, "LTYPE");
  group(70, layer_set == 1 ? "17" : layer_set == 2 ? "23" : "6");
  continuousLineType();
  lineTypeHead("DASHDOT", "--. --. --.-");
  group(73, "4");
  group(40, "1.0");
  group(49, "0.5");
  group(49, "-0.25");
  group(49, "0.0");
  group(49, "-0.25");
  lineTypeHead("DASHED", "- - - - - - ");
  group(73, "2");
  group(40, "0.375");
  group(49, "0.25");
  group(49, "-0.125");
  group(0, "ENDTAB");

  group(0, "TABLE");
  group(2, "LAYER");
  group(70, "24");
  auto layer_entry = [&](const std::string& name, int colour, const char* line_type) {
    layerEntry(name, settings_.monochrome ? 1 : colour, line_type);
  };
  if (layer_set == 1) {
    for (int n = 0; n <= 15; ++n) layer_entry(std::to_string(n), n + 1, "CONTINUOUS");
  } else {
    layer_entry("0", 1, "CONTINUOUS");
    const char* types[5] = {"DASHDOT", "DASHED", "CONTINUOUS", "CONTINUOUS", "CONTINUOUS"};
    for (int i = 0; i < 5; ++i)
      layer_entry(settings_.layer_names[i], settings_.colours.of(i + 1), types[i]);
    if (layer_set == 2)
      for (int n = 16; n <= 31; ++n)
        layer_entry(std::to_string(n), settings_.colours.of(n), "CONTINUOUS");
  }
  group(0, "ENDTAB");

  group(0, "TABLE");
  group(2, "STYLE");
  group(70, "1");
  group(0, "STYLE");
  group(2, "STANDARD");
  group(70, "0");
  group(40, "0.0");
  group(41, "1.0");
  group(50, "0.0");
  group(71, "0");
  group(42, "3.5");
  group(3, UpperAscii(settings_.font));
  group(4, "");
  // The one group code written without its leading blanks.
  out_ << "0\r\nENDTAB\r\n";
  group(0, "ENDSEC");
}

void DxfWriter::lineTypeHead(const char* name, const char* description) {
  group(0, "LTYPE");
  group(2, name);
  group(70, "64");
  group(3, description);
  group(72, "65");
}

void DxfWriter::continuousLineType() {
  lineTypeHead("CONTINUOUS", "Ausgezogene Linie");
  group(73, "0");
  group(40, "0.0");
}

void DxfWriter::layerEntry(const std::string& name, int colour, const char* line_type) {
  group(0, "LAYER");
  group(2, name);
  group(70, "0");
  group(62, std::to_string(colour));
  group(6, line_type);
}

void DxfWriter::singleLayerTables(const std::string& name, int colour) {
  group(0, "SECTION");
  group(2, "TABLES");
  group(0, "TABLE");
  group(2, "LTYPE");
  group(70, "1");
  continuousLineType();
  group(0, "ENDTAB");
  group(0, "TABLE");
  group(2, "LAYER");
  group(70, "1");
  layerEntry(name, colour, "CONTINUOUS");
  group(0, "ENDTAB");
  group(0, "ENDSEC");
}

void DxfWriter::blocksBegin() {
  group(0, "SECTION");
  group(2, "BLOCKS");
}

void DxfWriter::blockBegin(const std::string& name) {
  group(0, "BLOCK");
  group(8, layer_name_);
  group(2, name);
  group(70, "0");
  group(10, "0.0");
  group(20, "0.0");
}

void DxfWriter::blockEnd() {
  group(0, "ENDBLK");
}

void DxfWriter::sectionEnd() {
  group(0, "ENDSEC");
}

void DxfWriter::entitiesBegin() {
  group(0, "SECTION");
  group(2, "ENTITIES");
}

void DxfWriter::layer(int n) {
  layer_name_ = DxfLayerName(settings_, n);
}

void DxfWriter::line(Real x1, Real y1, Real x2, Real y2) {
  entity("LINE");
  real(10, x1);
  real(20, y1);
  real(11, x2);
  real(21, y2);
  flushBad();
}

void DxfWriter::circle(Real x, Real y, Real r) {
  entity("CIRCLE");
  real(10, x);
  real(20, y);
  real(40, r);
  flushBad();
}

void DxfWriter::arc(Real x, Real y, Real start_deg, Real end_deg, Real r) {
  if (IsFullCircle(start_deg, end_deg)) {
    circle(x, y, r);
    return;
  }
  entity("ARC");
  real(10, x);
  real(20, y);
  real(40, r);
  real(50, start_deg);
  real(51, end_deg);
  flushBad();
}

void DxfWriter::text(const std::string& text, Real x, Real y, const CadTextFormat& style) {
  entity("TEXT");
  real(10, x);
  real(20, y);
  real(40, style.height);
  group(1, SingleLineText(convert_ ? convert_(text) : text));
  group(7, "STANDARD");
  shortReal(41, style.width_factor);
  shortReal(50, style.rotation);
  shortReal(51, style.oblique);
  flushBad();
}

void DxfWriter::solid(const std::array<Real, 8>& c) {
  entity("SOLID");
  for (int i = 0; i < 4; ++i) {
    real(10 + i, c[2 * i]);
    real(20 + i, c[2 * i + 1]);
  }
  flushBad();
}

void DxfWriter::insert(const std::string& name, Real x, Real y, Real angle_deg, Real x_scale,
                       Real y_scale) {
  entity("INSERT");
  group(2, name);
  real(10, x);
  real(20, y);
  real(41, x_scale);
  real(42, y_scale);
  real(50, angle_deg);
  flushBad();
}

void DxfWriter::polylineBegin(int flags) {
  entity("POLYLINE");
  group(66, "1");
  if (flags != 0) group(70, std::to_string(flags));
}

void DxfWriter::vertex(Real x, Real y, Real included_angle) {
  entity("VERTEX");
  real(10, x);
  real(20, y);
  Real a = numbers_.checked(included_angle);
  if (a != 0) real(42, std::tan(a / 4));
  flushBad();
}

void DxfWriter::polylineEnd() {
  entity("SEQEND");
}

void DxfWriter::finish() {
  group(0, "EOF");
}

}  // namespace kv9
