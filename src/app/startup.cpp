// The start-up routine.
#include "app/startup.h"

#include "app/batch_json_run.h"
#include "app/batch_cut_run.h"
#include "app/batch_runs.h"
#include "app/data_file_commands.h"
#include "app/data_file_names.h"
#include "app/program_env.h"
#include "app/session.h"
#include "app/usage_screen.h"
#include "calc/spline_calculation.h"
#include "core/file_util.h"
#include "core/generic_dialogs.h"
#include "core/text.h"
#include "model/config_file.h"
#include "model/data_file.h"

namespace kv9 {

std::string MissingExtensionText() {
  return std::string("Erweiterung .") + kDataFileExtension + " " + "mu\xE1 mit angegeben werden";
}

StartOutcome StartUp(Session& s) {
  StartOutcome out;
  out.command_line = ParseCommandLine(s.args);
  const CommandLine& cl = out.command_line;

  ReadConfig(s.cfg, s.program_dir, DialogsOf(s));
  s.abort_flag = false;
  s.show_errors = true;
  ValidateFolders(s.cfg, s.program_dir, DialogsOf(s));
  s.abort_flag = false;
  MakeScratchFolder(s);

  auto finish = [&](int code) {
    out.exit = true;
    out.exit_code = code;
    return out;
  };
  if (cl.mode == RunMode::Usage) {
    ShowUsageScreen(s);
    return finish(0);
  }
  if (cl.mode == RunMode::Interactive) return out;

  s.current_file = cl.file;
  s.data_dir.clear();
  switch (cl.mode) {
    case RunMode::BatchText:
      return finish(RunBatchText(s, cl.file));
    case RunMode::BatchCad:
      return finish(RunBatchCad(s, cl.file, cl.cad_format, cl.cad_drawing));
    case RunMode::BatchJson:
      return finish(RunBatchJson(s, cl.file));
    case RunMode::BatchCut:
      return finish(RunBatchCut(s, cl.file, cl.cut_part, cl.cut_points));
    case RunMode::FileMode:
      if (!HasDot(cl.file)) {
        ShowError(DialogsOf(s), MissingExtensionText());
        return finish(0);
      }
      return out;
    default:
      return out;
  }
}

std::optional<std::string> AskUserName(Session& s) {
  s.help_topic = 1120;
  const std::string answer = InputText(DialogsOf(s), "Passwort (User) eingeben ...", "", 8);
  if (s.abort_flag) return std::nullopt;
  const std::string base = AddBackslash(s.cfg.default_data_dir);
  if (!DirReachable(base)) {
    ShowError(DialogsOf(s), "Invalid Directory " + base);
    return std::nullopt;
  }
  // The answer names one folder right below the default data folder.
  const bool malformed = answer.empty() || answer == ".." || answer == "." ||
                         answer.find('/') != std::string::npos ||
                         (answer.size() > 1 && answer[1] == ':');
  if (malformed || !DirReachable(base + Cp850ToUtf8(answer))) {
    ShowError(DialogsOf(s), "Ung\x81ltiges Passwort " + answer + " !");
    return std::nullopt;
  }
  return answer;
}

bool PrepareInteractiveStart(Session& s, const CommandLine& cl) {
  if (cl.mode == RunMode::FileMode) {
    s.show_errors = false;
    const bool read = LoadDataFile(s, cl.file);
    s.cmdline_file = true;
    s.show_errors = true;
    if (!read) {
      s.abort_flag = false;
      if (!WriteCheck(s, cl.file)) return false;
    }
  }
  if (s.cmdline_file) {
    s.data_dir.clear();  // the command-line name is used as it is
  } else {
    std::string user;
    if (s.cfg.enter_password) {
      std::optional<std::string> answer = AskUserName(s);
      if (!answer) return false;
      user = Cp850ToUtf8(*answer) + "/";
    }
    s.ui->setWaitCursor(true);
    s.data_dir = AddBackslash(s.cfg.default_data_dir) + user;
    ReadTemplate(s);
    s.ui->setWaitCursor(false);
  }
  s.abort_flag = false;
  SplineCalculation(s.calcContext());
  s.abort_flag = false;
  s.modified = false;
  return true;
}

}  // namespace kv9
