#include "calc/input_forms.h"

#include "calc/tolerances.h"
#include "core/guarded_math.h"
#include "core/number_format.h"
#include "core/program_info.h"
#include "core/ui.h"
#include "model/config.h"

namespace kv9 {

namespace {

constexpr int kFitClassH = 4;

Real FromInches(Real v) {
  return v * kInch;
}

}  // namespace

QualityForm::QualityForm(const FormContext& s) : s_(s) {
  const auto& ds = s.ds;
  caption = ProgramTitle();
  standard.items = {kQualityStandardTexts[0], kQualityStandardTexts[1]};
  standard.pos = ClampInt(ds.quality_standard - 1, 0, 1);
  tolerance_class.items = {"4  (f=0.71)", "5  (f=1.00)", "6  (f=1.40)", "7  (f=2.00)"};
  tolerance_class.pos = ClampInt(ds.tolerance_class - 1, 0, 3);

  // es of d, e and f for the pitch diameter of the last calculation
  const Real d_inch = MaxReal(ds.D[0], 0) / kInch;
  for (int i = 1; i <= 3; ++i)
    fit_class.items.push_back(std::string(1, kFitClassLetters[i - 1]) + " (es = " +
                              FormatShort(StyleOf(s.cfg), FitClassEs(s, i, d_inch)) + "\")");
  fit_class.items.push_back("h (es = 0)");
  fit_class.pos = ClampInt(ds.fit_class - 1, 0, 3);
  d_label = "D = " + FormatDecimals(StyleOf(s.cfg), 4, d_inch) + "\"";

  // the runouts are entered in inches whatever the unit setting
  coe.set(ds.coe, FormatFieldNumber(StyleOf(s.cfg), ds.coe / kInch));
  coi.set(ds.coi, FormatFieldNumber(StyleOf(s.cfg), ds.coi / kInch));
  points = ClampInt(ds.involute_points, kMinPoints, kMaxPoints);
  tooltips = s.cfg.help_level != 0;
  onStandardChanged(standard.pos);
}

void QualityForm::onStandardChanged(int pos) {
  standard.pos = ClampInt(pos, 0, 1);
  // fit classes belong to ANSI B92.1b; ANSI B92.1 has none (h, es = 0)
  fit_class.enabled = standard.pos + 1 == kStandardB921b;
  if (!fit_class.enabled) fit_class.pos = kFitClassH - 1;
}

void QualityForm::proposePoints() {
  points = 20;
}

void QualityForm::accept() {
  auto& ds = s_.ds;
  s_.abort_flag = false;
  ds.quality_standard = standard.pos + 1;
  ds.coe = coe.value(FromInches);
  ds.coi = coi.value(FromInches);
  ds.tolerance_class = tolerance_class.pos + 1;
  ds.fit_class = ds.quality_standard == kStandardB921 ? kFitClassH : fit_class.pos + 1;
  ds.involute_points = ClampInt(points, kMinPoints, kMaxPoints);
}

void QualityForm::cancel() {
  s_.abort_flag = true;
}

bool ShowQualityForm(const FormContext& s, Ui& ui, int& help_topic) {
  help_topic = QualityForm::kHelpTopic;
  QualityForm form(s);
  if (ui.qualityForm(form)) {
    form.accept();
    return true;
  }
  form.cancel();
  return false;
}

}  // namespace kv9
