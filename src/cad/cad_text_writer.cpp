#include "cad/cad_text_writer.h"

#include "cad/cad_context.h"
#include "model/config.h"

namespace kv9 {

CadTextSettings CadTextSettingsOf(const CadContext& s) {
  CadTextSettings t;
  t.decimals = CadDecimals(s.cfg);
  t.comma = s.cfg.decimal_separator == 2;
  return t;
}

CadTextWriter::CadTextWriter(std::ostream& out, CadTextSettings settings, CadTextConverter convert)
    : out_(out), settings_(settings), convert_(std::move(convert)) {}

void CadTextWriter::fields(std::initializer_list<Real> values) {
  bool first = true;
  for (Real v : values) {
    if (!first) out_ << '\t';
    out_ << numbers_.fixed(v, settings_.decimals, settings_.comma);
    first = false;
  }
}

void CadTextWriter::end() {
  out_ << "\r\n";
  if (numbers_.takeBad() > 0) messages.push_back(kCadBadNumberMessage);
}

void CadTextWriter::record(std::string_view keyword, std::initializer_list<Real> values) {
  out_ << keyword << '\t';
  fields(values);
  end();
}

void CadTextWriter::limits(Real xmin, Real ymin, Real xmax, Real ymax) {
  record("MINMAX", {xmin, ymin, xmax, ymax});
}

void CadTextWriter::blocksBegin() {
  out_ << "SECTION BLOCKS\r\n";
}

void CadTextWriter::blockBegin(const std::string& name) {
  out_ << "BLOCK\t" << name << "\r\n";
}

void CadTextWriter::blockEnd() {
  out_ << "END OF BLOCK\r\n";
}

void CadTextWriter::entitiesBegin() {
  out_ << "SECTION ENTITIES\r\n";
}

void CadTextWriter::line(Real x1, Real y1, Real x2, Real y2) {
  record("LINE", {x1, y1, x2, y2});
}

void CadTextWriter::circle(Real x, Real y, Real r) {
  record("CIRCLE", {x, y, r});
}

void CadTextWriter::arc(Real x, Real y, Real start_deg, Real end_deg, Real r) {
  if (IsFullCircle(start_deg, end_deg))
    circle(x, y, r);
  else
    record("ARC", {x, y, r, start_deg, end_deg});
}

void CadTextWriter::text(const std::string& text, Real x, Real y, const CadTextFormat&) {
  out_ << "TEXT\t";
  fields({x, y});
  out_ << '\t' << SingleLineText(convert_ ? convert_(text) : text);
  end();
}

void CadTextWriter::solid(const std::array<Real, 8>& c) {
  record("SOLID", {c[0], c[1], c[2], c[3], c[4], c[5], c[6], c[7]});
}

void CadTextWriter::insert(const std::string& name, Real x, Real y, Real angle_deg, Real x_scale,
                           Real y_scale) {
  out_ << "INSERT\t" << name << '\t';
  fields({x, y, angle_deg, x_scale, y_scale});
  end();
}

void CadTextWriter::finish() {
  out_ << "EOF\r\n";
}

}  // namespace kv9
