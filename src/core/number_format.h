// Number formats and readers, and the unit-aware formats of lengths, stresses and torques.
// Numbers are written without the C locale: the decimal separator is the program's setting.
#pragma once

#include <string>
#include <string_view>

#include "core/real.h"

namespace kv9 {

// The settings the formats follow: "Dezimalstellen" (shifts every fixed-point format by
// decimals - 3) and the decimal separator (1 ".", 2 ","). The configuration fills it
// (StyleOf in model/config.h).
struct NumberStyle {
  int decimals = 3;
  int separator = 1;
};

// Unit factors.
inline constexpr Real kMmToInch = 0.039370078740157480L;
inline constexpr Real kMpaToPsi = 145.037L;
inline constexpr Real kPsiToMpa = 0.006894792363327978L;
inline constexpr Real kNmToLbfin = 8.850749005255468L;
inline constexpr Real kLbfinToNm = 0.112984788L;

std::string FormatFixed(const NumberStyle& st, int width, int decimals, Real x);
std::string FormatShort(const NumberStyle& st, Real x);
std::string FormatShortDigits(const NumberStyle& st, int k, Real x);
std::string FormatDecimals(const NumberStyle& st, int decimals, Real x);
std::string FormatWidth(const NumberStyle& st, int width, Real x);

std::string FormatInt(long long n);
std::string FormatIntZero(long long n, int width);
std::string FormatIntRight(long long n, int width);
std::string TextLeft(std::string_view text, int width);
std::string TextRight(std::string_view text, int width);

// Readers: text that is not a number gives 0. ParseReal reads the first "," as ".".
Real ParseReal(std::string_view text);
long long ParseInt(std::string_view text);
// Strict forms for callers that must tell a bad text from 0.
bool TryParseReal(std::string_view text, Real& value);
bool TryParseInt(std::string_view text, long long& value);

// Unit-aware formats: the value is in internal units (mm, N/mm², N·m); in inch mode it is
// converted first. `plain_text` writes the unit signs in ASCII ("u", "deg").
struct UnitStyle {
  NumberStyle number;
  bool inch = false;
  bool plain_text = false;
};
std::string FormatLength(const UnitStyle& u, Real x);
std::string FormatLengthDecimals(const UnitStyle& u, int d, Real x);
std::string FormatLengthFixed(const UnitStyle& u, int w, int d, Real x);
std::string FormatStressFixed(const UnitStyle& u, int w, int d, Real x);
std::string FormatTorqueFixed(const UnitStyle& u, int w, int d, Real x);
std::string FormatStress(const UnitStyle& u, Real x);
std::string FormatTorque(const UnitStyle& u, Real x);
Real ParseLength(const UnitStyle& u, std::string_view text);
Real ParseStress(const UnitStyle& u, std::string_view text);
Real ParseTorque(const UnitStyle& u, std::string_view text);
std::string LengthUnit(const UnitStyle& u);
std::string StressUnit(const UnitStyle& u);
std::string TorqueUnit(const UnitStyle& u);
std::string MicroUnit(const UnitStyle& u);   // code page 850
std::string DegreeUnit(const UnitStyle& u);  // code page 850
// Micrometres shown in the current unit: µm, or true micro-inches (µm × 39.37).
Real ToDisplayMicro(const UnitStyle& u, Real micrometres);
Real ToDisplayLength(const UnitStyle& u, Real x);
Real FromDisplayLength(const UnitStyle& u, Real x);

}  // namespace kv9
