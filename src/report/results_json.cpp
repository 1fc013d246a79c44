#include "report/results_json.h"

#include <cmath>
#include <nlohmann/json.hpp>

#include "calc/stress_check.h"
#include "core/program_info.h"
#include "core/text.h"
#include "report/result_items.h"

namespace kv9 {

namespace {

using Json = nlohmann::ordered_json;

Json Number(const ResultItem& it, Real x) {
  if (it.format == ValueFormat::Integer) return std::llround(x);
  return static_cast<double>(x);
}

// The value members of a row in the units of `u`: "value", or "shaft" and "hub".
void PutValues(Json& out, const UnitStyle& u, const ResultItem& it) {
  out["unit"] = Cp850ToUtf8(ResultUnitText(u, it));
  if (it.pair) {
    out["shaft"] = Number(it, DisplayValue(u, it.quantity, it.value[0]));
    out["hub"] = Number(it, DisplayValue(u, it.quantity, it.value[1]));
  } else {
    out["value"] = Number(it, DisplayValue(u, it.quantity, it.value[0]));
  }
}

void PutItems(Json& results, const ResultItems& items, bool inch) {
  const UnitStyle metric{}, imperial{{}, true, false};
  std::string section;
  bool after_title = false;
  for (const ResultItem& it : items) {
    if (it.isTitle()) {
      // a run of titles names its section by the first
      if (!after_title) section = Cp850ToUtf8(it.label);
      after_title = true;
      continue;
    }
    after_title = false;
    Json row;
    row["section"] = section;
    row["label"] = Cp850ToUtf8(it.label);
    row["symbol"] = Cp850ToUtf8(it.symbol);
    PutValues(row, metric, it);
    if (inch && it.quantity != Quantity::None) PutValues(row["inch"], imperial, it);
    results.push_back(std::move(row));
  }
}

Json Inputs(const SplineDataSet& d) {
  Json in;
  auto text = [&](const char* key, const std::string& value) { in[key] = Cp850ToUtf8(value); };
  text("info1", d.info1);
  text("info2", d.info2);
  text("info3", d.info3);
  text("drawing_name_shaft", d.drawing_name_shaft);
  text("drawing_number_shaft", d.drawing_number_shaft);
  text("drawing_name2_shaft", d.drawing_name2_shaft);
  text("drawing_name_hub", d.drawing_name_hub);
  text("drawing_number_hub", d.drawing_number_hub);
  text("drawing_name2_hub", d.drawing_name2_hub);
  for (auto [key, value] : {std::pair{"pitch_index", d.pitch_index},
                            {"alpha_index", d.alpha_index},
                            {"fit_index", d.fit_index},
                            {"N", d.N},
                            {"tolerance_class", d.tolerance_class},
                            {"fit_class", d.fit_class},
                            {"quality_standard", d.quality_standard},
                            {"k1", d.k1},
                            {"k2", d.k2},
                            {"mat_index", d.mat_index},
                            {"spline_index", d.spline_index},
                            {"revolution_index", d.revolution_index},
                            {"powersource_index", d.powersource_index},
                            {"load_index", d.load_index},
                            {"misalign_index", d.misalign_index},
                            {"facewidth_index", d.facewidth_index},
                            {"torques_index", d.torques_index},
                            {"cycletype_index", d.cycletype_index}})
    in[key] = value;
  for (auto [key, value] : {std::pair{"phi_d", d.phi_d},
                            {"mn", d.mn},
                            {"reference_diameter", d.reference_diameter},
                            {"b", d.b},
                            {"b1", d.b1},
                            {"b2", d.b2},
                            {"od", d.od},
                            {"din", d.din},
                            {"coi", d.coi},
                            {"coe", d.coe},
                            {"dm1", d.dm1},
                            {"dm2", d.dm2},
                            {"hap0_mn_shaft", d.hap0_mn[0]},
                            {"hap0_mn_hub", d.hap0_mn[1]},
                            {"torque", d.torque},
                            {"sac", d.sac},
                            {"sas", d.sas},
                            {"lw", d.lw},
                            {"lf", d.lf},
                            {"ko", d.ko},
                            {"km", d.km}})
    in[key] = static_cast<double>(value);
  for (const MaterialRecord& m : d.material)
    in["material"].push_back({{"designation", Cp850ToUtf8(m.designation)},
                              {"strength", static_cast<double>(m.strength)}});
  return in;
}

// One check: the stress against its limit, the ratio stress / limit, and the verdict the
// calculation gave (its messages): null when it made no check (no limit given or Ko Km = 0).
Json Check(const char* symbol, const char* member, Real stress, bool limited, Real limit,
           Real calc_ratio) {
  const bool checked = limited && limit > 0;
  Json c;
  c["symbol"] = symbol;
  c["member"] = member;
  c["stress"] = static_cast<double>(stress);
  c["limit"] = limited ? Json(static_cast<double>(limit)) : Json();
  c["ratio"] = checked ? Json(static_cast<double>(stress / limit)) : Json();
  c["pass"] = checked ? Json(!StressCheckFails(calc_ratio)) : Json();
  return c;
}

Json StressChecks(const SplineDataSet& d) {
  Json checks = Json::array();
  if (!HasStressSection(d)) return checks;
  StressLimits limits;
  const bool limited = StressCheckLimits(d, limits);
  checks.push_back(
      Check("Sc", "connection", d.Sc, limited, limits.compressive, d.ratio_compressive));
  checks.push_back(Check("Ss", "connection", d.Ss, limited, limits.shear, d.ratio_shear));
  checks.push_back(
      Check("Se", "shaft", d.Se[0], limited, limits.equivalent, d.ratio_equivalent[0]));
  checks.push_back(Check("Se", "hub", d.Se[1], limited, limits.equivalent, d.ratio_equivalent[1]));
  return checks;
}

}  // namespace

std::string ResultsJson(const ReportContext& rc) {
  const SplineDataSet& d = rc.ds;
  const bool inch = rc.units().inch;
  Json doc;
  doc["program"] = kProductName;
  doc["version"] = kVersion;
  doc["data_file"] = rc.data_file;
  doc["units"] = inch ? "inch" : "metric";
  doc["inputs"] = Inputs(d);
  Json results = Json::array();
  PutItems(results, AnsiSectionItems(d, rc.units().number), inch);
  PutItems(results, DinSectionItems(d), inch);
  if (HasStressSection(d)) PutItems(results, StressSectionItems(d), inch);
  doc["results"] = std::move(results);
  Json messages = Json::array();
  for (int i = 1; i <= MessageCount(rc.messages); ++i)
    messages.push_back(Cp850ToUtf8(MessageText(rc.messages, i)));
  doc["messages"] = std::move(messages);
  doc["stress_checks"] = StressChecks(d);
  // A file name need not be UTF-8: its stray bytes become U+FFFD rather than stop the output.
  return doc.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

}  // namespace kv9
