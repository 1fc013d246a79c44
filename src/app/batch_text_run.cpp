#include "app/batch_text_run.h"

#include "app/data_file_commands.h"
#include "app/session.h"
#include "core/file_util.h"
#include "core/generic_dialogs.h"
#include "core/message_list.h"
#include "core/text.h"
#include "model/data_file.h"
#include "report/report_output.h"
#include "report/report_state.h"
#include "report/results_report.h"

namespace kv9 {

bool ReadBatchFile(Session& s, const std::string& file) {
  s.current_file = file;
  s.data_dir.clear();
  s.abort_flag = false;
  return LoadDataFile(s, file);
}

bool ShowFatalCalculation(Session& s) {
  if (!s.fatal_flag) return false;
  for (int i = 1; i <= MessageCount(s.messages); ++i)
    ShowPlain(DialogsOf(s), MessageText(s.messages, i));
  return true;
}

bool RefuseOutputOverDataFile(Session& s, const std::string& output, const std::string& file) {
  if (!SameFile(output, file)) return false;
  ShowError(DialogsOf(s), "Datei " + Utf8ToCp850(output) + " ist die gelesene Datendatei");
  return true;
}

int RunBatchText(Session& s, const std::string& file) {
  if (!ReadBatchFile(s, file)) return kExitNotRead;
  return FinishBatchText(s, file);
}

int FinishBatchText(Session& s, const std::string& file) {
  if (ShowFatalCalculation(s)) return kExitCalcFatal;
  s.current_file = BaseName(file);
  if (RefuseOutputOverDataFile(s, ReportTabCopyName(s.reportContext(), s.current_file), file))
    return kExitNotRead;
  s.cfg.text_device = kTargetTabCopy;
  s.cfg.text_device_window = false;
  s.abort_flag = false;
  ResultsReport(s.reportContext(), 0);
  return s.abort_flag ? kExitNotRead : kExitOk;
}

}  // namespace kv9
