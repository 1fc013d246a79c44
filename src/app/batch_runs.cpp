// The batch CAD run "wkv9 FILE /CADi:j": read the data file, calculate, write one drawing.
#include "app/batch_runs.h"

#include "app/batch_text_run.h"
#include "app/session.h"
#include "cad/cad_driver.h"
#include "core/file_util.h"
#include "drawings/spline_drawings.h"
#include "toothform/tooth_form_views.h"

namespace kv9 {

void DrawBatchDrawing(Session& s, int format, int drawing) {
  if (drawing >= kDrawShaftView && drawing <= kDrawBothTables)
    DrawSplineDrawing(s.drawingContext(), format, drawing);
  else if (drawing >= 8 && drawing <= 12)
    ToothFormMenu(s.toothFormContext(), format, drawing - 7);
  else if (drawing == kLastBatchDrawing)
    DrawSplineDrawing(s.drawingContext(), format, kDrawBothSheets);
}

int RunBatchCad(Session& s, const std::string& file, int format, int drawing) {
  if (!ReadBatchFile(s, file)) return kExitNotRead;
  if (ShowFatalCalculation(s)) return kExitCalcFatal;
  // A tooth count no drawing takes ends the run as a fatal calculation would.
  if (!CadTeethDrawable(s.cadContext(), s.ds.N)) return kExitCalcFatal;
  s.current_file = BaseName(file);
  if (!CadExtension(format).empty() &&
      RefuseOutputOverDataFile(s, CadBatchFileName(s.cadContext(), format), file))
    return kExitNotRead;
  s.abort_flag = false;
  s.batch_cad = true;
  DrawBatchDrawing(s, format, drawing);
  s.batch_cad = false;
  // The output could not be opened or written (the driver has said why).
  return s.abort_flag ? kExitNotRead : kExitOk;
}

}  // namespace kv9
