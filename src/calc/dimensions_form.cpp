#include "calc/input_forms.h"

#include <cmath>

#include "calc/spline_calculation.h"
#include "calc/spline_geometry.h"
#include "core/guarded_math.h"
#include "core/number_format.h"
#include "core/program_info.h"
#include "core/text.h"
#include "core/ui.h"
#include "model/config.h"

namespace kv9 {

namespace {

std::string LengthText(const FormContext& s, Real mm) {
  return FormatFieldNumber(StyleOf(s.cfg), ToDisplayLength(UnitsOf(s.cfg), mm));
}

int PitchPosition(const SplineDataSet& ds) {
  if (ds.pitch_index >= 1 && ds.pitch_index <= 17) return ds.pitch_index - 1;
  for (int i = 0; i < 17; ++i)
    if (std::fabs(PitchOfIndex(i + 1) - ds.P) < 1e-9L) return i;
  return 0;
}

}  // namespace

DimensionsForm::DimensionsForm(const FormContext& s) : s_(s) {
  caption = ProgramTitle() + " " + "Abmessungen";
  alpha.items = {kPressureAngleTexts[0], kPressureAngleTexts[1], kPressureAngleTexts[2]};
  for (int i = 1; i <= 17; ++i) {
    const Real P = PitchOfIndex(i);
    pitch.items.push_back(FormatShort(StyleOf(s.cfg), P) + " / " +
                          FormatShort(StyleOf(s.cfg), 2 * P));
  }
  fit.items = {kFitTexts[0], kFitTexts[1], kFitTexts[2]};
  tooltips = s.cfg.help_level != 0;
  fill(s.ds);
}

void DimensionsForm::fill(const SplineDataSet& ds) {
  alpha.pos = MaxInt(PressureAngleRow(ds) - 1, 0);
  pitch.pos = PitchPosition(ds);
  fit.pos = (ds.fit_index >= 1 && ds.fit_index <= 3) ? ds.fit_index - 1 : 0;
  teeth = ClampInt(ds.N, kMinTeeth, kMaxTeeth);
  b1.set(ds.b1, LengthText(s_, ds.b1));
  b2.set(ds.b2, LengthText(s_, ds.b2));
  b.set(ds.b, LengthText(s_, ds.b));
  od.set(ds.od, LengthText(s_, ds.od));
  din.set(ds.din, LengthText(s_, ds.din));
  length_unit = LengthUnit(UnitsOf(s_.cfg));
  degree_unit = Cp850ToDisplay(PlainText(s_.cfg), DegreeUnit(UnitsOf(s_.cfg)));
  unit_button = InchMode(s_.cfg) ? "mm" : "inch";
  onAlphaChanged(alpha.pos);
  updatePitchDiameter();
}

void DimensionsForm::takeOver(SplineDataSet& ds) const {
  auto from_display = [this](Real v) { return FromDisplayLength(UnitsOf(s_.cfg), v); };
  ds.alpha_index = alpha.pos + 1;
  ds.pitch_index = pitch.pos + 1;
  ds.fit_index = fit.pos + 1;
  ds.N = teeth;
  ds.b1 = b1.value(from_display);
  ds.b2 = b2.value(from_display);
  ds.b = b.value(from_display);
  ds.od = od.value(from_display);
  ds.din = din.value(from_display);
  const Real d = pitchDiameter();  // the calculation recomputes it
  ds.D = {d, -d};
}

Real DimensionsForm::pitchDiameter() const {
  return kInch * teeth / PitchOfIndex(pitch.pos + 1);
}

void DimensionsForm::updatePitchDiameter() {
  d_text = LengthText(s_, pitchDiameter());
}

void DimensionsForm::onAlphaChanged(int pos) {
  alpha.pos = ClampInt(pos, 0, 2);
  // 37.5° and 45° splines exist only as fillet root side fits; back at 30° the choice stays
  fit.enabled = alpha.pos == 0;
  if (!fit.enabled) fit.pos = kFitSideFillet - 1;
}

void DimensionsForm::onPitchChanged(int pos) {
  pitch.pos = ClampInt(pos, 0, 16);
  updatePitchDiameter();
}

void DimensionsForm::onTeethChanged(int n) {
  teeth = ClampInt(n, kMinTeeth, kMaxTeeth);
  updatePitchDiameter();
}

void DimensionsForm::proposeB1() {
  // 0.4 d, rounded to whole millimetres or tenths of an inch
  const Real d = ToDisplayLength(UnitsOf(s_.cfg), pitchDiameter());
  const std::string text = FormatFixed(StyleOf(s_.cfg), 0, InchMode(s_.cfg) ? 1 : 0, 0.4L * d);
  b1.set(FromDisplayLength(UnitsOf(s_.cfg), ReadFieldNumber(text)), text);
}

void DimensionsForm::proposeAllWidths() {
  proposeB1();
  b2.set(b1.value(), b1.text);
  b.set(b1.value(), b1.text);
}

void DimensionsForm::proposeB2() {
  auto from_display = [this](Real v) { return FromDisplayLength(UnitsOf(s_.cfg), v); };
  b2.set(b1.value(from_display), b1.text);
}

void DimensionsForm::proposeB() {
  auto from_display = [this](Real v) { return FromDisplayLength(UnitsOf(s_.cfg), v); };
  const Real w1 = b1.value(from_display), w2 = b2.value(from_display);
  if (w1 <= w2)
    b.set(w1, b1.text);
  else
    b.set(w2, b2.text);
}

void DimensionsForm::proposeOd() {
  // OD = 0 lets the calculation derive it; the calculation runs on a copy so that the data set
  // stays as it was until OK.
  od.set(0, LengthText(s_, 0));
  SplineDataSet scratch = s_.ds;
  takeOver(scratch);
  MessageList messages;
  bool fatal_flag = false, abort_flag = false;
  Pair<Real> drawing_shift = s_.drawing_shift;
  CalcContext calc{scratch, messages, fatal_flag, abort_flag, drawing_shift};
  SplineCalculation(calc);
  fill(scratch);
}

void DimensionsForm::proposeDin() {
  din.set(0, LengthText(s_, 0));
}

void DimensionsForm::onUnitToggle() {
  SplineDataSet values = s_.ds;
  takeOver(values);
  s_.cfg.unit_flag = InchMode(s_.cfg) ? 0 : 1;
  fill(values);
}

void DimensionsForm::accept() {
  s_.abort_flag = false;
  takeOver(s_.ds);
}

void DimensionsForm::cancel() {
  s_.abort_flag = true;
}

bool ShowDimensionsForm(const FormContext& s, Ui& ui, int& help_topic) {
  help_topic = DimensionsForm::kHelpTopic;
  DimensionsForm form(s);
  if (ui.dimensionsForm(form)) {
    form.accept();
    return true;
  }
  form.cancel();
  return false;
}

}  // namespace kv9
