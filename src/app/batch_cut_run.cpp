#include "app/batch_cut_run.h"

#include <cmath>

#include "app/batch_runs.h"
#include "app/session.h"
#include "cad/cad_context.h"
#include "cad/cad_driver.h"
#include "cad/cad_output_file.h"
#include "core/file_util.h"
#include "core/generic_dialogs.h"
#include "toothform/cad_settings_form.h"
#include "toothform/cut_contour.h"
#include "toothform/cut_contour_dxf.h"
#include "toothform/tooth_form_context.h"
#include "toothform/tooth_geometry.h"
#include "toothform/tooth_outline.h"

namespace kv9 {

std::string CutContourFileName(const std::string& file, int part) {
  return BaseName(file) + (part == 1 ? "_shaft.dxf" : "_hub.dxf");
}

Real MidToleranceShift(const SplineDataSet& ds, int part) {
  // The hub's tooth is what its space leaves of the pitch.
  const Real s = part == 1 ? (ds.t_min + ds.t_max) / 2 : ds.pn - (ds.S_min + ds.S_max) / 2;
  // s = mn (pi/2 + 2 x tan alpha), solved for x; the calculation has refused mn = 0 and
  // alpha = 0 already.
  return (s / ds.mn - kPi / 2) / (2 * std::tan(ds.alpha));
}

int RunBatchCut(Session& s, const std::string& file, int part, int points) {
  if (part != 1 && part != 2) {
    ShowError(DialogsOf(s), "/CUTi: i = 1 (Welle) oder 2 (Nabe)");
    return kExitNotRead;
  }
  if (points != 0 &&
      (points < CadSettingsForm::kMinPoints || points > CadSettingsForm::kMaxPoints)) {
    ShowError(DialogsOf(s), "/CUTi:n: n = " + std::to_string(CadSettingsForm::kMinPoints) +
                                " ... " + std::to_string(CadSettingsForm::kMaxPoints) +
                                " Punkte der Evolvente");
    return kExitNotRead;
  }
  if (!ReadBatchFile(s, file)) return kExitNotRead;
  if (points != 0) s.ds.involute_points = points;
  if (ShowFatalCalculation(s)) return kExitCalcFatal;
  if (!CadTeethDrawable(s.cadContext(), s.ds.N)) return kExitCalcFatal;
  s.abort_flag = false;

  // The session's drawing shifts stay as the calculation left them.
  ToothFormSettings settings = s.toothform;
  settings.xe[part - 1] = MidToleranceShift(s.ds, part);
  const ToothFormContext tc{s.drawingContext(), settings};
  const ToothFormGeometry g = MakeToothFormGeometry(tc);
  if (!g.ok) {
    ShowFatalCalculation(s);
    return kExitCalcFatal;
  }
  WheelGeometry w = g.wheel[part - 1];
  // Root and tip where the calculation puts them, whatever shift the flanks were drawn with.
  w.df = s.ds.df[part - 1];
  w.da = s.ds.da[part - 1];

  const int decimals = CadDecimals(s.cfg);
  // Vertices that the file would print alike are one vertex.
  const Real tolerance = std::pow(10.0L, -decimals);
  const std::vector<OutlineVertex> contour =
      CutContour(ToothOutlineVertices(tc, w, InvolutePointCount(tc), true), w.z, tolerance);

  const std::string name = CutContourFileName(file, part);
  std::unique_ptr<CadOutputFile> out = CadOutputFile::CreateBatch(DialogsOf(s), name);
  if (!out) return kExitNotRead;
  const std::vector<std::string> bad = WriteCutContourDxf(out->stream(), contour, decimals);
  if (!bad.empty()) {
    // A contour with points that could not be written is no use: the new file is given up,
    // the old one stays.
    for (const std::string& m : bad) ShowError(DialogsOf(s), m);
    return kExitCalcFatal;
  }
  if (out->failed() || !out->close()) {
    ReportFileError(DialogsOf(s), name, out->failedPhase(), out->error());
    return kExitNotRead;
  }
  return kExitOk;
}

}  // namespace kv9
