#include "calc/input_forms.h"

#include "calc/calc_support.h"
#include "calc/pin_measurement.h"
#include "core/number_format.h"
#include "core/program_info.h"
#include "core/ui.h"
#include "model/config.h"

namespace kv9 {

MeasurementForm::MeasurementForm(const FormContext& s) : s_(s) {
  caption = ProgramTitle() + "  " + "Messzaehnezahl" + ", " + "Kugel-und Rollendurchmesser";
  fill({s.ds.k1, s.ds.k2}, {s.ds.dm1, s.ds.dm2});
}

void MeasurementForm::fill(const Pair<int>& k, const Pair<Real>& dm_mm) {
  const bool inch = InchMode(s_.cfg);
  for (int i = 0; i < 2; ++i) {
    k_text[i] = FormatInt(k[i]);
    dm[i].set(dm_mm[i], inch ? FormatFixed(StyleOf(s_.cfg), 0, 4, dm_mm[i] / kInch)
                             : FormatFieldNumber(StyleOf(s_.cfg), dm_mm[i]));
  }
  unit_button = inch ? "in" : "mm";
}

void MeasurementForm::takeOver(Pair<int>& k, Pair<Real>& dm_mm) const {
  auto from_display = [this](Real v) { return FromDisplayLength(UnitsOf(s_.cfg), v); };
  for (int i = 0; i < 2; ++i) {
    k[i] = RoundToInt(ReadFieldNumber(k_text[i]));  // typed decimals are rounded
    dm_mm[i] = dm[i].value(from_display);
  }
}

void MeasurementForm::proposeSpanCounts() {
  Pair<int> k;
  Pair<Real> d;
  takeOver(k, d);
  for (int i = 0; i < 2; ++i) k[i] = SpanCountProposal(s_, i, s_.ds.xemin[i]);
  fill(k, d);
}

void MeasurementForm::proposeBall() {
  Pair<int> k;
  Pair<Real> d;
  takeOver(k, d);
  for (int i = 0; i < 2; ++i)
    d[i] = RoundBallDiameter(InchMode(s_.cfg), ProposedBallDiameter(s_, i, s_.ds.xemin[i]));
  fill(k, d);
}

void MeasurementForm::onUnitToggle() {
  Pair<int> k;
  Pair<Real> d;
  takeOver(k, d);
  s_.cfg.unit_flag = InchMode(s_.cfg) ? 0 : 1;
  fill(k, d);
}

void MeasurementForm::accept() {
  Pair<int> k;
  Pair<Real> d;
  takeOver(k, d);
  s_.abort_flag = false;
  s_.ds.k1 = k[0];
  s_.ds.k2 = k[1];
  s_.ds.dm1 = d[0];
  s_.ds.dm2 = d[1];
}

void MeasurementForm::cancel() {
  s_.abort_flag = true;
}

bool ShowMeasurementForm(const FormContext& s, Ui& ui, int& help_topic) {
  help_topic = MeasurementForm::kHelpTopic;
  MeasurementForm form(s);
  if (ui.measurementForm(form)) {
    form.accept();
    return true;
  }
  form.cancel();
  return false;
}

}  // namespace kv9
