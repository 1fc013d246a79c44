#include "app/commands/edit_commands.h"

#include "app/commands/command_steps.h"
#include "app/commands/texts_form.h"
#include "calc/input_forms.h"
#include "calc/spline_calculation.h"
#include "app/session.h"

namespace kv9 {

void CmdQuick(Session& s) {
  bool texts_accepted = InputSequence(s);
  SplineCalculation(s.calcContext());
  // The calculation clears the abort flag, so a Cancel in the text dialog is told by the
  // sequence itself.
  if (!texts_accepted || s.abort_flag) return;
  RefreshView(s);
  s.modified = true;
}

void CmdText(Session& s) {
  if (ShowTextsForm(s)) s.modified = true;
}

void CmdDimensions(Session& s) {
  ShowDimensionsForm(s.formContext(), *s.ui, s.help_topic);
  Changed(s);
}

void CmdQuality(Session& s) {
  ShowQualityForm(s.formContext(), *s.ui, s.help_topic);
  Changed(s);
}

void CmdMeasurement(Session& s) {
  ShowMeasurementForm(s.formContext(), *s.ui, s.help_topic);
  Changed(s);
}

void CmdStrength(Session& s) {
  if (ShowStressForm(s.formContext(), *s.ui, s.help_topic)) s.modified = true;
  SplineCalculation(s.calcContext());
  RefreshView(s);
}

}  // namespace kv9
