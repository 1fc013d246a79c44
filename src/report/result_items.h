// The rows of the results report as data: each section is a list of titles and result rows.
// The text report formats them in its columns; the JSON output writes the same rows with their
// values in full precision. Values are in internal units (mm, N/mm², N·m).
#pragma once

#include <string>
#include <vector>

#include "core/number_format.h"
#include "core/real.h"

namespace kv9 {

struct SplineDataSet;

// What a value measures, which decides its unit and its inch conversion.
enum class Quantity {
  None,    // a plain number with the row's own unit text
  Length,  // mm or in
  Stress,  // MPa or psi
  Torque,  // Nm or lbfin
  Micro,   // a length in mm shown in µm or µin
};

enum class ValueFormat {
  Fixed,    // width and decimals
  Integer,  // a whole number, 5 wide
  Width8,   // 8 characters wide, as many decimals as fit
  Short,    // the short form
};

struct ResultItem {
  enum class Kind {
    Title,        // the title and a rule below it
    BlankTitle,   // an empty line, then the title
    SpacedTitle,  // a line of one blank, then the title
    Row,
  };
  Kind kind = Kind::Row;
  std::string label;  // code page 850; a title's text
  std::string symbol;
  std::string unit;  // the unit text of a Quantity::None row
  Quantity quantity = Quantity::None;
  ValueFormat format = ValueFormat::Fixed;
  int width = 0, decimals = 0;
  bool pair = false;       // shaft and hub columns, else one value
  Pair<Real> value{0, 0};  // [0] the shaft or the only value

  bool isTitle() const { return kind != Kind::Row; }
};

using ResultItems = std::vector<ResultItem>;

// The sections of the results report. The pitch title's numbers follow `st`.
ResultItems AnsiSectionItems(const SplineDataSet& d, const NumberStyle& st);
ResultItems DinSectionItems(const SplineDataSet& d);
ResultItems StressSectionItems(const SplineDataSet& d);
// The stress section and the stress checks need a torque above 0.
bool HasStressSection(const SplineDataSet& d);

// A value in the unit `u` shows (inch conversions included), unrounded.
Real DisplayValue(const UnitStyle& u, Quantity q, Real x);
// The unit text of a row under `u` (code page 850).
std::string ResultUnitText(const UnitStyle& u, const ResultItem& item);
// A value of a row in the report's column format.
std::string FormatResultValue(const UnitStyle& u, const ResultItem& item, Real x);

}  // namespace kv9
