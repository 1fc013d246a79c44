#include "calc/input_forms.h"

#include "calc/stress_tables.h"
#include "core/guarded_math.h"
#include "core/number_format.h"
#include "core/program_info.h"
#include "core/text.h"
#include "core/ui.h"
#include "model/config.h"

namespace kv9 {

namespace {

int ChoicePos(int index, const FormChoice& c) {
  return (index >= 0 && index < static_cast<int>(c.items.size())) ? index : 0;
}

}  // namespace

StressForm::StressForm(const FormContext& s) : s_(s) {
  const auto& ds = s.ds;
  caption = ProgramTitle() + " Material Data";
  spline.items = {"Lw (and Sac) self-defined...", "Flexible Spline", "Fixed Spline"};
  material.items = {"Sac self-defined...", "Carburized, Rc58", "Carburized, Rc555", "Nitrided",
                    "Hardened, Rc40"};
  revolutions.items = {"Lw self defined...", "0.01", "0.10", "1.00", "10.00", "100.00", "1000.00",
                       "10,000.00"};
  torque_cycles.items = {"Lf self-defined...", "1000",      "10,000", "100,000",
                         "1,000,000",          "10,000,000"};
  cycle_type.items = {"Lf self-defined...", "Uni directional", "Fully reversed"};
  power_source.items = {"Ko self-defined...", "Uniform", "Light", "Medium"};
  load.items = {"Ko self-defined...", "Uniform", "Light shock", "Shock", "Heavy shock"};
  misalignment.items = {"Km self-defined...", "0.001 in./in.", "0.002 in./in.", "0.004 in./in.",
                        "0.008 in./in."};
  face_width.items = {"Km self defined...", "1/2 in. ", "1 in. ", "2 in. ", "4 in. "};

  spline.pos = ChoicePos(ds.spline_index, spline);
  material.pos = ChoicePos(ds.mat_index, material);
  revolutions.pos = ChoicePos(ds.revolution_index, revolutions);
  torque_cycles.pos = ChoicePos(ds.torques_index, torque_cycles);
  cycle_type.pos = ChoicePos(ds.cycletype_index, cycle_type);
  power_source.pos = ChoicePos(ds.powersource_index, power_source);
  load.pos = ChoicePos(ds.load_index, load);
  misalignment.pos = ChoicePos(ds.misalign_index, misalignment);
  face_width.pos = ChoicePos(ds.facewidth_index, face_width);

  fillValues({ds.torque, ds.sas, ds.sac, ds.lw, ds.lf, ds.ko, ds.km});
  applyTables();
}

void StressForm::fillValues(const Values& v) {
  torque.set(v.torque, Trim(FormatTorqueFixed(UnitsOf(s_.cfg), 0, 2, v.torque)));
  sas.set(v.sas, Trim(FormatStressFixed(UnitsOf(s_.cfg), 0, 2, v.sas)));
  sac.set(v.sac, Trim(FormatStressFixed(UnitsOf(s_.cfg), 0, 2, v.sac)));
  lw.set(v.lw, FormatFieldNumber(StyleOf(s_.cfg), v.lw));
  lf.set(v.lf, FormatFieldNumber(StyleOf(s_.cfg), v.lf));
  ko.set(v.ko, FormatFieldNumber(StyleOf(s_.cfg), v.ko));
  km.set(v.km, FormatFieldNumber(StyleOf(s_.cfg), v.km));
  torque_unit = TorqueUnit(UnitsOf(s_.cfg));
  stress_unit = StressUnit(UnitsOf(s_.cfg));
}

StressForm::Values StressForm::takeOverValues() const {
  const bool inch = InchMode(s_.cfg);
  auto torque_in = [inch](Real v) { return inch ? v * kLbfinToNm : v; };
  auto stress_in = [inch](Real v) { return inch ? v * kPsiToMpa : v; };
  return {torque.value(torque_in),
          sas.value(stress_in),
          sac.value(stress_in),
          lw.value(),
          lf.value(),
          ko.value(),
          km.value()};
}

void StressForm::applyTables() {
  // a table value replaces a field only when every selection it depends on is made
  auto set_stress = [this](NumberField& field, Real psi) {
    const Real mpa = psi * kPsiToMpa;
    field.set(mpa, Trim(FormatStressFixed(UnitsOf(s_.cfg), 0, 2, mpa)));
  };
  auto set_factor = [this](NumberField& field, Real v) {
    field.set(v, FormatFieldNumber(StyleOf(s_.cfg), v));
  };
  if (auto v = AllowableShearPsi(material.pos)) set_stress(sas, *v);
  if (auto v = AllowableCompressivePsi(material.pos, spline.pos)) set_stress(sac, *v);
  if (auto v = WearLifeFactor(revolutions.pos, spline.pos)) set_factor(lw, *v);
  if (auto v = FatigueLifeFactor(torque_cycles.pos, cycle_type.pos)) set_factor(lf, *v);
  if (auto v = OverloadFactor(power_source.pos, load.pos)) set_factor(ko, *v);
  if (auto v = MisalignmentFactor(misalignment.pos, face_width.pos)) set_factor(km, *v);
}

void StressForm::onSelectionChanged() {
  applyTables();
}

void StressForm::choose(FormChoice& choice, int pos) {
  choice.pos = ChoicePos(pos, choice);
  applyTables();
}

void StressForm::onUnitToggle() {
  const Values v = takeOverValues();
  s_.cfg.unit_flag = InchMode(s_.cfg) ? 0 : 1;
  fillValues(v);
}

void StressForm::accept() {
  auto& ds = s_.ds;
  const Values v = takeOverValues();
  s_.abort_flag = false;
  ds.torque = v.torque;
  ds.sas = v.sas;
  ds.sac = v.sac;
  ds.lw = v.lw;
  ds.lf = v.lf;
  ds.ko = v.ko;
  ds.km = v.km;
  ds.spline_index = spline.pos;
  ds.mat_index = material.pos;
  ds.revolution_index = revolutions.pos;
  ds.torques_index = torque_cycles.pos;
  ds.cycletype_index = cycle_type.pos;
  ds.powersource_index = power_source.pos;
  ds.load_index = load.pos;
  ds.misalign_index = misalignment.pos;
  ds.facewidth_index = face_width.pos;
}

void StressForm::cancel() {
  s_.abort_flag = true;
}

bool ShowStressForm(const FormContext& s, Ui& ui, int& help_topic) {
  help_topic = StressForm::kHelpTopic;
  StressForm form(s);
  if (ui.stressForm(form)) {
    form.accept();
    return true;
  }
  form.cancel();
  return false;
}

}  // namespace kv9
