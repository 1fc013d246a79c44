// The CAD drawing settings of a tooth profile.
#include "toothform/cad_settings_form.h"

#include "cad/cad_state.h"
#include "core/guarded_math.h"
#include "core/program_info.h"
#include "model/config.h"
#include "toothform/tooth_form_context.h"

namespace kv9 {

CadSettingsForm::CadSettingsForm(const ToothFormContext& s, int part)
    : s_(s), part_(part == 2 ? 2 : 1) {
  caption = ProgramTitle() + " CAD " + (part_ == 1 ? "Welle" : "Nabe");
  const int n = s.ds.involute_points == 0 ? 20 : s.ds.involute_points;
  points = ClampInt(n, kMinPoints, kMaxPoints);
  polyline = s.cad.polyline_output;
  setXe(s.toothform.xe[part_ - 1]);
  diameters = s.toothform.showDiameters();
  trochoid = s.toothform.trochoid;
  tooltips = s.cfg.help_level != 0;
}

void CadSettingsForm::setXe(long double value) {
  xe.set(value, FormatFieldNumber(StyleOf(s_.cfg), value));
}

void CadSettingsForm::proposeXe() {
  setXe(s_.toothform.xe[part_ - 1]);
}

void CadSettingsForm::proposeXeMax() {
  setXe(s_.ds.xemax[part_ - 1]);
}

void CadSettingsForm::proposeXeMin() {
  setXe(s_.ds.xemin[part_ - 1]);
}

void CadSettingsForm::accept() {
  s_.abort_flag = false;
  s_.ds.involute_points = ClampInt(points, kMinPoints, kMaxPoints);
  s_.cad.polyline_output = polyline;
  s_.toothform.xe[part_ - 1] = xe.value();
  s_.toothform.diameters_shown = diameters ? 2 : 1;
  s_.toothform.trochoid = trochoid;
}

void CadSettingsForm::cancel() {
  s_.abort_flag = true;
}

void CadSettingsForm::help() {
  s_.help_topic = kHelpTopic;
  s_.abort_flag = false;
}

bool ShowCadSettingsForm(const ToothFormContext& s, int part) {
  s.help_topic = CadSettingsForm::kHelpTopic;
  CadSettingsForm form(s, part);
  if (s.ui.cadSettingsForm(form)) {
    form.accept();
    return true;
  }
  form.cancel();
  return false;
}

}  // namespace kv9
