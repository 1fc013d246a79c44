#include "cad/iges_writer.h"

#include <cmath>

#include "cad/cad_context.h"
#include "core/program_info.h"
#include "model/config.h"

namespace kv9 {

namespace {

constexpr int kContentColumns = 72;
constexpr int kParameterColumns = 64;

std::string Field8(std::string_view text) {
  std::string t(text.substr(0, 8));
  return std::string(8 - t.size(), ' ') + t;
}

std::string Sequence(char section, int n) {
  std::string digits = std::to_string(n);
  if (digits.size() < 7) digits.insert(0, 7 - digits.size(), '0');
  return std::string(1, section) + digits;
}

// A parameter text cut into records: a piece ends at the last "," at or before column 63, or
// after 64 characters when there is none.
std::vector<std::string> CutParameters(const std::string& text) {
  std::vector<std::string> pieces;
  std::size_t pos = 0;
  while (pos < text.size()) {
    std::size_t rest = text.size() - pos;
    if (rest <= kParameterColumns) {
      pieces.push_back(text.substr(pos));
      break;
    }
    std::size_t comma = text.rfind(',', pos + 62);
    std::size_t length =
        comma != std::string::npos && comma >= pos ? comma - pos + 1 : kParameterColumns;
    pieces.push_back(text.substr(pos, length));
    pos += length;
  }
  return pieces;
}

}  // namespace

IgesSettings IgesSettingsOf(const CadContext& s, const std::string& file_base) {
  IgesSettings g;
  g.decimals = s.cfg.decimals < 0 ? 0 : (s.cfg.decimals > 10 ? 10 : s.cfg.decimals);
  g.file_base = file_base;
  g.date = s.clock.now();
  g.colours = LayerColoursOf(s.cfg);
  g.short_style = PointStyle(s.cfg);
  return g;
}

int IgesColour(int dxf_colour) {
  static constexpr int kTable[16] = {0, 2, 5, 3, 7, 4, 6, 0, 8, 10, 11, 12, 13, 14, 15, 1};
  // The table has 16 entries; other DXF colours have no IGES colour.
  return dxf_colour >= 0 && dxf_colour <= 15 ? kTable[dxf_colour] : 0;
}

int IgesLineFont(int layer) {
  return layer == 1 ? 4 : layer == 2 ? 2 : 1;
}

std::string Hollerith(std::string_view text) {
  return std::to_string(text.size()) + "H" + std::string(text);
}

IgesWriter::IgesWriter(std::ostream& out, IgesSettings settings, CadTextConverter convert)
    : out_(out), settings_(std::move(settings)), convert_(std::move(convert)) {}

std::string IgesWriter::num(Real x) {
  if (std::fabs(x) < 1e-8L) x = 0;
  return numbers_.fixed(x, settings_.decimals);
}

std::string IgesWriter::mat(Real x) {
  if (std::fabs(x) < 1e-8L) x = 0;
  return numbers_.fixed(x, 6 + (settings_.decimals - 3));
}

void IgesWriter::flushBad() {
  if (numbers_.takeBad() > 0) messages.push_back(kCadBadNumberMessage);
}

void IgesWriter::record(std::string_view content, char section, int sequence) {
  std::string line(content.substr(0, kContentColumns));
  line.resize(kContentColumns, ' ');
  out_ << line << Sequence(section, sequence) << "\r\n";
}

// One Global record made of whole parameters (each with its delimiter). A parameter that does not
// fit on the line continues on the next one; one longer than a whole line (a long file name) is
// cut inside its string, so that every record keeps its 80 columns.
void IgesWriter::globalRecord(const std::vector<std::string>& params) {
  std::string line;
  auto flush = [&] {
    record(line, 'G', ++g_);
    line.clear();
  };
  for (const auto& p : params) {
    if (line.size() + p.size() <= kContentColumns) {
      line += p;
      continue;
    }
    if (!line.empty()) flush();
    std::size_t pos = 0;
    while (p.size() - pos > kContentColumns) {
      line = p.substr(pos, kContentColumns);
      flush();
      pos += kContentColumns;
    }
    line = p.substr(pos);
  }
  if (!line.empty()) flush();
}

void IgesWriter::limits(Real xmin, Real ymin, Real xmax, Real ymax) {
  s_ = g_ = d_ = 0;
  de_ = -1;
  p_pointer_ = 1;
  colour_ = 0;
  font_ = 1;
  in_block_ = false;
  members_.clear();
  blocks_.clear();
  p_lines_.clear();

  record(std::string("IGES-Datei generiert von ") + kProductName, 'S', ++s_);
  record("Uebersetzer von TAVIRON GMBH, Uebersetzerversion 3.1", 'S', ++s_);

  const std::string& base = settings_.file_base;
  std::string native = std::string(kProductName) + " V" + kVersion;
  globalRecord({",", ",", Hollerith("FILE") + ",", Hollerith(base) + ",", Hollerith(native) + ",",
                Hollerith("IGES-Uebersetzer 3.1") + ","});
  globalRecord({"16,", "38,", "6,", "99,", "15,"});
  globalRecord({Hollerith(base) + ",", "1.0,", "2,", Hollerith("MM") + ",", "32767,", "3.2767D1,"});
  const DateTime& d = settings_.date;
  char date[16];
  std::snprintf(date, sizeof date, "%02d%02d%02d.081107", d.year % 100, d.month, d.day);
  Real max_coordinate = numbers_.checked(xmax > ymax ? xmax : ymax);
  globalRecord(
      {Hollerith(date) + ",", "1.0D-8,", FormatShort(settings_.short_style, max_coordinate) + ","});
  globalRecord({Hollerith(kProductName) + ",", Hollerith("TAVIRON") + ",", "4,", "0;"});
  flushBad();
}

void IgesWriter::layer(int n) {
  colour_ = IgesColour(settings_.colours.of(n));
  font_ = IgesLineFont(n);
}

// Writes the parameter records and the two directory lines of one entity; returns its DE number.
int IgesWriter::entity(const Entry& e, const std::vector<std::string>& texts) {
  de_ += 2;
  if (in_block_ && e.member) members_.push_back(de_);
  bool subordinate = e.subordinate || (in_block_ && e.member);
  int count = 0;
  for (const auto& t : texts) {
    for (const auto& piece : CutParameters(t)) {
      std::string line = piece;
      line.resize(kParameterColumns, ' ');
      line += Field8(std::to_string(de_));
      line += Sequence('P', static_cast<int>(p_lines_.size()) + 1);
      p_lines_.push_back(std::move(line));
      ++count;
    }
  }
  std::string type = std::to_string(e.type);
  std::string colour = std::to_string(colour_);
  record(Field8(type) + Field8(std::to_string(p_pointer_)) + Field8("1") +
             Field8(std::to_string(font_)) + Field8(colour) + Field8("") + Field8(e.matrix) +
             Field8("") + (subordinate ? "00010000" : "00000000"),
         'D', ++d_);
  record(Field8(type) + Field8("") + Field8(colour) + Field8(std::to_string(count)) +
             Field8(e.form) + Field8("") + Field8("") + Field8(e.label),
         'D', ++d_);
  p_pointer_ += count;
  flushBad();
  return de_;
}

void IgesWriter::line(Real x1, Real y1, Real x2, Real y2) {
  entity({110, "", "", "", false, true},
         {"110," + num(x1) + "," + num(y1) + ",0.0," + num(x2) + "," + num(y2) + ",0.0;"});
}

void IgesWriter::arc(Real x, Real y, Real start_deg, Real end_deg, Real r) {
  if (r == 0) return;
  Real a = numbers_.checked(start_deg) * kPi / 180, b = numbers_.checked(end_deg) * kPi / 180;
  entity({100, "0", "", "", false, true},
         {"100,0.0," + num(x) + "," + num(y) + "," + num(x + r * std::cos(a)) + "," +
          num(y + r * std::sin(a)) + "," + num(x + r * std::cos(b)) + "," +
          num(y + r * std::sin(b)) + ";"});
}

void IgesWriter::circle(Real x, Real y, Real r) {
  std::string start = num(x + r) + "," + num(y);
  entity({100, "0", "", "", false, true},
         {"100,0.0," + num(x) + "," + num(y) + "," + start + "," + start + ";"});
}

void IgesWriter::text(const std::string& text, Real x, Real y, const CadTextFormat& style) {
  std::string t = SingleLineText(convert_ ? convert_(text) : text);
  if (t.empty()) return;  // a text the conversion emptied has nothing to show
  Real n = static_cast<Real>(t.size());
  entity({212, "0", "", "", false, true},
         {"212,1," + std::to_string(t.size()) + "," + num(n * style.height * style.width_factor) +
              "," + num(style.height) + ",1,," + mat(style.rotation * kPi / 180) + ",0,0," +
              num(x) + "," + num(y) + ",0.0,",
          Hollerith(t) + ";"});
}

void IgesWriter::solid(const std::array<Real, 8>& c) {
  auto pair = [&](int i) { return num(c[2 * i]) + "," + num(c[2 * i + 1]); };
  entity({106, "0", "11", "", false, true}, {"106,1,5,0.0," + pair(0) + ",", pair(3) + ",",
                                             pair(2) + ",", pair(1) + ",", pair(0) + ";"});
}

void IgesWriter::blockBegin(const std::string& name) {
  blocks_.push_back({name.substr(0, 8), 0});
  in_block_ = true;
  members_.clear();
}

void IgesWriter::blockEnd() {
  in_block_ = false;
  if (blocks_.empty()) return;
  Block& block = blocks_.back();
  block.definition_de = de_ + 2;
  std::vector<std::string> texts{"308,0," + Hollerith(block.name) + "," +
                                 std::to_string(members_.size()) + ","};
  for (std::size_t i = 0; i < members_.size(); ++i) {
    if (i > 0 && i % 12 == 0) texts.emplace_back();
    texts.back() += std::to_string(members_[i]) + ",";
  }
  texts.back().back() = ';';
  entity({308, "", "", block.name, false, false}, texts);
  members_.clear();
}

void IgesWriter::insert(const std::string& name, Real x, Real y, Real angle_deg, Real x_scale,
                        Real) {
  std::string key = name.substr(0, 8);
  const Block* block = nullptr;
  for (const auto& b : blocks_)
    if (b.name == key) {
      block = &b;
      break;
    }
  if (!block) {
    // An instance of nothing would point at a directory entry that does not exist.
    messages.push_back("Blockname " + name + " not found !");
    return;
  }
  std::string definition = std::to_string(block->definition_de);
  // The instance carries the insert's scale (the drawings insert their part views scaled; the
  // sheets use equal x and y scales), so the views keep the size they have in the other formats.
  Real scale = numbers_.checked(x_scale);
  std::string scale_text = scale == 1 || scale == 0 ? "1.0" : num(scale);
  Real angle = numbers_.checked(angle_deg);
  if (angle == 0) {
    entity({408, "", "", "", false, true},
           {"408," + definition + "," + num(x) + "," + num(y) + ",0.0," + scale_text + ";"});
    return;
  }
  Real a = angle * kPi / 180;
  int matrix = entity(
      {124, "", "0", "", true, false},
      {"124," + mat(std::cos(a)) + "," + mat(-std::sin(a)) + ",0.0," + num(x) + ",",
       mat(std::sin(a)) + "," + mat(std::cos(a)) + ",0.0," + num(y) + ",", "0.0,0.0,1.0,0.0;"});
  entity({408, std::to_string(matrix), "", "", false, true},
         {"408," + definition + ",0.0,0.0,0.0," + scale_text + ";"});
}

void IgesWriter::finish() {
  for (const auto& line : p_lines_) out_ << line << "\r\n";
  int p = static_cast<int>(p_lines_.size());
  record(Sequence('S', s_) + Sequence('G', g_) + Sequence('D', d_) + Sequence('P', p), 'T', 1);
}

}  // namespace kv9
