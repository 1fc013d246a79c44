#include "app/commands/command_steps.h"

#include <string>

#include "app/commands/texts_form.h"
#include "calc/input_forms.h"
#include "calc/spline_calculation.h"
#include "core/generic_dialogs.h"
#include "app/session.h"
#include "drawings/spline_drawings.h"
#include "report/message_dialogs.h"
#include "toothform/tooth_form_views.h"

namespace kv9 {

namespace {

constexpr int kScreen = 3;       // CAD output kind of the graphics window
constexpr int kMeshingView = 6;  // tooth-form view: shaft and hub teeth in mesh
constexpr int kPairView = 3;     // tooth-form view: shaft inside hub

}  // namespace

void Changed(Session& s) {
  if (s.abort_flag) return;
  s.modified = true;
  SplineCalculation(s.calcContext());
  RefreshView(s);
}

bool InputSequence(Session& s) {
  if (!ShowTextsForm(s)) return false;
  bool accepted = ShowDimensionsForm(s.formContext(), *s.ui, s.help_topic);
  if (accepted) {
    SplineCalculation(s.calcContext());
    accepted = ShowQualityForm(s.formContext(), *s.ui, s.help_topic);
  }
  if (accepted) {
    SplineCalculation(s.calcContext());
    accepted = ShowMeasurementForm(s.formContext(), *s.ui, s.help_topic);
  }
  if (accepted) accepted = ShowStressForm(s.formContext(), *s.ui, s.help_topic);
  if (accepted) {
    SplineCalculation(s.calcContext());
    s.modified = true;
    MessageShowList(s.reportContext());
    return true;
  }
  s.abort_flag = false;
  SplineCalculation(s.calcContext());
  return true;
}

void RefreshView(Session& s) {
  // The configuration names the choices "egal", "Quick 1", "Quick 2", "Fertigungszeichnung",
  // "Diagramm" and "Zeichnung".
  switch (s.cfg.result_graphic) {
    case 2:
    case 4:
      ToothFormMenu(s.toothFormContext(), kScreen, kMeshingView);
      break;
    case 3:
      SplineDrawingMenu(s.drawingContext(), kScreen, kDrawBothSheets);
      break;
    case 5:
      ToothFormMenu(s.toothFormContext(), kScreen, kPairView);
      break;
    default:
      SplineDrawingMenu(s.drawingContext(), kScreen, kDrawBothTables);
      break;
  }
}

void NotYetAvailable(Session& s, std::string_view what) {
  ShowNote(DialogsOf(s), std::string(what) +
                             " ist in dieser Version noch nicht verf\x81"
                             "gbar.");
}

}  // namespace kv9
