#include "app/commands/cad_commands.h"

#include "app/session.h"
#include "drawings/spline_drawings.h"
#include "toothform/tooth_form_views.h"

namespace kv9 {

namespace {
constexpr int kUserChoosesKind = 0;
constexpr int kShowChoiceList = 0;
}  // namespace

void CmdCadProductionDrawing(Session& s) {
  SplineDrawingMenu(s.drawingContext(), kUserChoosesKind, kShowChoiceList);
}

void CmdCadToothForm(Session& s) {
  ToothFormMenu(s.toothFormContext(), kUserChoosesKind, kShowChoiceList);
}

void CmdCadDrawing1(Session& s) {
  SplineDrawingMenu(s.drawingContext(), kUserChoosesKind, kDrawShaftSheet);
}

void CmdCadDrawing2(Session& s) {
  SplineDrawingMenu(s.drawingContext(), kUserChoosesKind, kDrawHubSheet);
}

void CmdCadToothProfileShaft(Session& s) {
  ToothProfileToCad(s.toothFormContext(), 1);
}

void CmdCadToothProfileHub(Session& s) {
  ToothProfileToCad(s.toothFormContext(), 2);
}

}  // namespace kv9
