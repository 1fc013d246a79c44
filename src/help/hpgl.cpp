#include "help/hpgl.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "core/file_util.h"
#include "core/number_format.h"
#include "core/text.h"
#include "screen/display_list.h"

namespace kv9 {

namespace {

constexpr int kEndOfText = 3;  // ETX ends a label
constexpr Real kPi = 3.14159265358979323846264338327950288L;

bool IsBlank(int c) {
  return c == ' ' || c == '\r' || c == '\n';
}

bool IsLetter(int c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

int Upper(int c) {
  return c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c;
}

Real Degrees(Real radians) {
  return radians * 180 / kPi;
}

Real Radians(Real degrees) {
  return degrees * kPi / 180;
}

Real NormalisedDegrees(Real a) {
  a = std::fmod(a, Real(360));
  return a < 0 ? a + 360 : a;
}

// Character set 3 writes the German umlauts as the letter followed by "}".
std::string WithCharacterSet3Umlauts(const std::string& text) {
  static constexpr std::string_view kLetters = "AOUaou";
  static constexpr const char* kUmlauts = "\x8E\x99\x9A\x84\x94\x81";
  std::string out;
  for (char c : text) {
    auto letter = out.empty() ? std::string_view::npos : kLetters.find(out.back());
    if (c == '}' && letter != std::string_view::npos)
      out.back() = kUmlauts[letter];
    else
      out += c;
  }
  return out;
}

// Encoded-number digits of "PE": -1 for a character that is no digit of the mode.
struct EncodedDigit {
  int value = -1;
  bool terminating = false;
};

EncodedDigit DigitOf(int c, bool seven_bit) {
  if (seven_bit) {
    if (c >= 63 && c <= 94) return {c - 63, false};
    if (c >= 95 && c <= 126) return {c - 95, true};
  } else {
    if (c >= 63 && c <= 126) return {c - 63, false};
    if (c >= 191 && c <= 254) return {c - 191, true};
  }
  return {};
}

// A number field; plotters know coordinates up to 2^30, larger values would only overflow.
Real PlotterValue(const std::string& field) {
  constexpr Real kLimit = 1073741823;
  return std::clamp(ParseReal(field), -kLimit, kLimit);
}

Real FieldValue(const std::vector<std::string>& fields, std::size_t i) {
  return i < fields.size() ? PlotterValue(fields[i]) : Real(0);
}

// The sign travels in the lowest bit.
long long SignedValue(unsigned long long n) {
  return n % 2 == 0 ? static_cast<long long>(n / 2) : -static_cast<long long>((n - 1) / 2);
}

}  // namespace

int PenColour(int pen) {
  return pen >= 1 && pen <= 7 ? DisplayList::GetColorTurbo(pen) : pen;
}

HpglInterpreter::HpglInterpreter(DisplayList& display) : display_(display) {}

int HpglInterpreter::next() {
  if (pos_ >= in_.size()) return -1;
  return static_cast<unsigned char>(in_[pos_++]);
}

bool HpglInterpreter::readField(Field kind, std::string& text, char& terminator) {
  text.clear();
  for (;;) {
    int c = next();
    if (c < 0) return false;
    if (c == ',' || c == ';') {
      terminator = static_cast<char>(c);
      return true;
    }
    if (IsBlank(c)) continue;
    if (kind == Field::Coordinate && (Upper(c) == 'P' || Upper(c) == 'A')) continue;
    text += static_cast<char>(c);
  }
}

bool HpglInterpreter::readFields(std::vector<std::string>& fields) {
  fields.clear();
  char terminator = ',';
  while (terminator == ',') {
    fields.emplace_back();
    if (!readField(Field::Plain, fields.back(), terminator)) return false;
  }
  return true;
}

bool HpglInterpreter::skipToSemicolon() {
  for (int c = next(); c != ';'; c = next())
    if (c < 0) return false;
  return true;
}

void HpglInterpreter::selectPen(int pen) {
  pen_ = pen;
  display_.SetColor(PenColour(pen));
}

void HpglInterpreter::moveOrDraw(Real nx, Real ny, bool draw) {
  if (draw) display_.line(x_, y_, nx, ny);
  x_ = nx;
  y_ = ny;
}

bool HpglInterpreter::run(std::string_view file) {
  in_ = file;
  pos_ = 0;
  x_ = y_ = -999;
  pen_down_ = false;
  char_width_cm_ = 0.19L;
  char_height_cm_ = 0.27L;
  label_angle_deg_ = 0;
  character_set_ = 0;
  selectPen(1);

  std::vector<std::string> f;
  auto field = [&](std::size_t i) { return FieldValue(f, i); };
  for (;;) {
    int c1 = next();
    if (c1 < 0) return true;
    if (!IsLetter(c1)) continue;  // blanks, line ends, the ";" before a command
    int c2 = next();
    if (c2 < 0) return false;
    if (!IsLetter(c2)) {
      if (c2 != ';' && !skipToSemicolon()) return false;
      continue;
    }
    const std::string command{static_cast<char>(Upper(c1)), static_cast<char>(Upper(c2))};
    bool complete = true;
    if (command == "PU" || command == "PD" || command == "PA") {
      if (command != "PA") pen_down_ = command == "PD";
      complete = points();
    } else if (command == "LB") {
      complete = label();
    } else if (command == "PE") {
      complete = encodedPolyline();
    } else if (command == "SP" || command == "CI" || command == "SI" || command == "DI" ||
               command == "CS" || command == "AA") {
      complete = readFields(f);
      if (!complete) return false;
      if (command == "AA") {
        arc(field(0) * kPlotterUnit, field(1) * kPlotterUnit, field(2));
      } else if (command == "SP") {
        selectPen(Trim(f[0]).empty() ? 1 : static_cast<int>(ParseInt(f[0])));
      } else if (command == "CI") {
        display_.circle(x_, y_, std::fabs(field(0) * kPlotterUnit));
      } else if (command == "SI") {
        // "SI;" returns to the standard size, as plotters do.
        bool standard = f.size() == 1 && Trim(f[0]).empty();
        char_width_cm_ = standard ? 0.19L : field(0);
        char_height_cm_ = standard ? 0.27L : field(1);
      } else if (command == "DI") {
        label_angle_deg_ = Degrees(std::atan2(field(1), field(0)));
      } else {
        character_set_ = static_cast<int>(ParseInt(f[0]));
      }
    } else {
      complete = skipToSemicolon();
    }
    if (!complete) return false;
  }
}

bool HpglInterpreter::points() {
  std::string fx, fy;
  char terminator = ',';
  for (;;) {
    if (!readField(Field::Coordinate, fx, terminator)) return false;
    if (terminator == ';') return true;  // no pair, or an odd value left over
    if (!readField(Field::Coordinate, fy, terminator)) return false;
    moveOrDraw(PlotterValue(fx) * kPlotterUnit, PlotterValue(fy) * kPlotterUnit, pen_down_);
    if (terminator == ';') return true;
  }
}

bool HpglInterpreter::label() {
  std::string text;
  for (int c = next(); c != kEndOfText; c = next()) {
    if (c < 0) return false;
    text += static_cast<char>(c);
  }
  if (text.size() > kMaxLabelLength) return true;
  if (character_set_ == 3) text = WithCharacterSet3Umlauts(text);
  display_.SetTextStyle(10 * char_height_cm_, 10 * char_width_cm_, 2, label_angle_deg_);
  display_.OutTextXY(x_, y_, text);
  return true;
}

void HpglInterpreter::arc(Real xc, Real yc, Real sweep) {
  Real r = std::hypot(x_ - xc, y_ - yc);
  Real start = Degrees(std::atan2(y_ - yc, x_ - xc));
  Real end = start + sweep;
  if (pen_down_ && r > 0) {
    Real gap = std::fabs(NormalisedDegrees(end) - NormalisedDegrees(start));
    if (gap < 1e-9L || gap > 360 - 1e-9L)
      display_.circle(xc, yc, r);  // the end angle equals the start angle: a full circle
    else if (sweep > 0)
      display_.Arc(xc, yc, start, end, r);
    else
      display_.Arc(xc, yc, end, start, r);
  }
  x_ = xc + r * std::cos(Radians(end));
  y_ = yc + r * std::sin(Radians(end));
}

bool HpglInterpreter::decodeNumber(bool seven_bit, long long& value, bool& ended) {
  // More than nine digits would overflow; such digits add nothing.
  constexpr int kMaxDigits = 9;
  unsigned long long n = 0, scale = 1;
  int digits = 0;
  for (;;) {
    int c = next();
    if (c < 0) return false;
    if (c == ';') {
      ended = true;
      return true;
    }
    EncodedDigit d = DigitOf(c, seven_bit);
    if (d.value < 0) continue;
    if (digits++ < kMaxDigits) {
      n += static_cast<unsigned long long>(d.value) * scale;
      scale *= seven_bit ? 32 : 64;
    }
    if (d.terminating) break;
  }
  value = SignedValue(n);
  return true;
}

bool HpglInterpreter::encodedPolyline() {
  bool seven_bit = false, lift_next = false, absolute_next = false;
  for (;;) {
    int c = next();
    if (c < 0) return false;
    if (c == ';') return true;
    if (c == ':') {
      int p = next();
      if (p < 0) return false;
      EncodedDigit d = DigitOf(p, seven_bit);
      selectPen(std::clamp(static_cast<int>(SignedValue(std::max(d.value, 0))), 1, 15));
      continue;
    }
    if (c == '<' || c == '=' || c == '7') {
      lift_next |= c == '<';
      absolute_next |= c == '=';
      seven_bit |= c == '7';
      continue;
    }
    if (c == '>') {  // fractional bits: none are used
      if (next() < 0) return false;
      continue;
    }
    if (DigitOf(c, seven_bit).value < 0) continue;
    --pos_;
    long long dx = 0, dy = 0;
    bool ended = false;
    if (!decodeNumber(seven_bit, dx, ended)) return false;
    if (!ended && !decodeNumber(seven_bit, dy, ended)) return false;
    if (ended) return true;
    Real nx = dx * kPlotterUnit, ny = dy * kPlotterUnit;
    if (!absolute_next) {
      nx += x_;
      ny += y_;
    }
    moveOrDraw(nx, ny, !lift_next);
    lift_next = absolute_next = false;
  }
}

void PrepareHelpWindow(DisplayList& display) {
  display.Clear();
  display.Header(0, 0, kHelpWindowWidth, kHelpWindowHeight);
}

bool DrawHelpPicture(DisplayList& display, const std::string& file) {
  PrepareHelpWindow(display);
  std::string content;
  if (!ReadWholeFile(file, content)) return false;
  HpglInterpreter(display).run(content);
  return true;
}

}  // namespace kv9
