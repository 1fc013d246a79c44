#include "app/batch_json_run.h"

#include "app/batch_text_run.h"
#include "app/session.h"
#include "core/file_util.h"
#include "core/generic_dialogs.h"
#include "core/text.h"
#include "report/results_json.h"

namespace kv9 {

std::string BatchJsonName(const std::string& file) {
  return BaseName(file) + ".json";
}

int RunBatchJson(Session& s, const std::string& file) {
  if (!ReadBatchFile(s, file)) return kExitNotRead;
  if (ShowFatalCalculation(s)) return kExitCalcFatal;
  const std::string output = BatchJsonName(file);
  if (RefuseOutputOverDataFile(s, output, file)) return kExitNotRead;
  if (FileIsReadOnly(output)) {
    ReportReadOnlyFile(DialogsOf(s), output);
    return kExitNotRead;
  }
  WritePhase phase = WritePhase::Create;
  if (int error = WriteFileReplacing(output, ResultsJson(s.reportContext()), &phase)) {
    ReportFileError(DialogsOf(s), output, phase, error);
    return kExitNotRead;
  }
  return kExitOk;
}

}  // namespace kv9
