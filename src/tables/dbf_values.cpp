#include "tables/dbf_values.h"

#include <fmt/format.h>

#include <cctype>
#include <cmath>

#include "core/number_format.h"
#include "core/text.h"

namespace kv9 {
namespace {

bool Padding(char c) {
  return c == ' ' || c == '\0';
}

std::string_view TrimPadding(std::string_view t, bool leading) {
  while (!t.empty() && Padding(t.back())) t.remove_suffix(1);
  while (leading && !t.empty() && Padding(t.front())) t.remove_prefix(1);
  return t;
}

bool Numeric(const DbfField& f) {
  return f.type == 'N' || f.type == 'F';
}

bool Refuse(std::string& problem, std::string text) {
  problem = std::move(text);
  return false;
}

std::string LeftInWidth(const DbfField& f, std::string_view text) {
  std::string b(text.substr(0, f.width));
  b.resize(f.width, ' ');
  return b;
}

}  // namespace

std::string FieldText(const DbfField& f, std::string_view record) {
  std::string_view raw = record.substr(std::min<std::size_t>(f.offset, record.size()), f.width);
  return std::string(TrimPadding(raw, f.type != 'C'));
}

bool LogicalValue(std::string_view text) {
  std::string_view t = TrimPadding(text, true);
  return !t.empty() && std::string_view("TtYyJj").find(t.front()) != std::string_view::npos;
}

bool EncodeNumber(const DbfField& f, Real value, std::string& bytes, std::string& problem) {
  if (!std::isfinite(value)) return Refuse(problem, "Feld " + f.name + ": keine Zahl");
  if (value == 0) value = 0;  // no "-0.00"
  std::string text;
  if (Numeric(f))
    text = fmt::format("{:>{}.{}f}", value, f.width, f.decimals);
  else if (f.type == 'C')
    text = fmt::format("{}", static_cast<double>(value));
  else
    return Refuse(problem, "Feld " + f.name + " nimmt keine Zahl auf");
  if (text.size() > static_cast<std::size_t>(f.width))
    return Refuse(problem, "Wert " + Trim(text) + " passt nicht in Feld " + f.name + " (" +
                               std::to_string(f.width) + " Stellen)");
  bytes = Numeric(f) ? text : LeftInWidth(f, text);
  return true;
}

std::string EncodeLogical(const DbfField& f, bool value) {
  return LeftInWidth(f, value ? "T" : "F");
}

bool EncodeText(const DbfField& f, std::string_view text, std::string& bytes,
                std::string& problem) {
  std::string t = f.type == 'C' ? std::string(text) : Trim(text);
  if (t.empty() || f.type == 'C') {
    bytes = LeftInWidth(f, t);
    return true;
  }
  if (Numeric(f)) {
    Real v = 0;
    if (!TryParseReal(t, v))
      return Refuse(problem, "Feld " + f.name + ": " + t + " ist keine Zahl");
    return EncodeNumber(f, v, bytes, problem);
  }
  if (f.type == 'L') {
    bool yes = t.size() == 1 && LogicalValue(t);
    if (yes || (t.size() == 1 && std::string_view("FfNn").find(t[0]) != std::string_view::npos)) {
      bytes = EncodeLogical(f, yes);
      return true;
    }
    return Refuse(problem, "Feld " + f.name + ": " + t + " ist weder T noch F");
  }
  if (f.type == 'D') {
    bool digits = t.size() == 8;
    for (char c : t) digits = digits && std::isdigit(static_cast<unsigned char>(c));
    if (!digits) return Refuse(problem, "Feld " + f.name + ": Datum als JJJJMMTT eingeben");
    bytes = LeftInWidth(f, t);
    return true;
  }
  return Refuse(problem, "Feld " + f.name + " (Memo) ist hier nicht \x84nderbar");
}

std::string BlankRecord(const DbfLayout& layout) {
  return std::string(layout.record_length, ' ');
}

void PutField(std::string& record, const DbfField& f, std::string_view bytes) {
  record.replace(f.offset, f.width, bytes.substr(0, f.width));
}

}  // namespace kv9
