#include "app/commands/view_commands.h"

#include "app/session.h"
#include "drawings/spline_drawings.h"
#include "report/report_messages.h"
#include "report/results_report.h"
#include "toothform/tooth_form_views.h"

namespace kv9 {

namespace {
constexpr int kScreen = 3;
}

void CmdStandardPrintout(Session& s) {
  ResultsReport(s.reportContext(), kReportStandard);
}

void CmdExcerptPrintout(Session& s) {
  ResultsReport(s.reportContext(), kReportExcerpt);
}

void ShowDrawingOnScreen(Session& s, int drawing) {
  SplineDrawingMenu(s.drawingContext(), kScreen, drawing);
}

void ShowToothFormOnScreen(Session& s, int view) {
  ToothFormMenu(s.toothFormContext(), kScreen, view);
}

void CmdViewErrorMessages(Session& s) {
  MessageReport(s.reportContext());
}

}  // namespace kv9
