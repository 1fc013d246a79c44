// The start-up routine.
#include "app/startup.h"

#include "app/batch_runs.h"
#include "app/program_env.h"
#include "app/session.h"
#include "app/usage_screen.h"
#include "core/file_util.h"
#include "core/generic_dialogs.h"
#include "model/config_file.h"

namespace kv9 {

std::string MissingExtensionText() {
  return std::string("Erweiterung .") + kDataFileExtension + " " + "mu\xE1 mit angegeben werden";
}

StartOutcome StartUp(Session& s) {
  StartOutcome out;
  out.command_line = ParseCommandLine(s.args);
  const CommandLine& cl = out.command_line;

  ReadConfig(s);
  s.abort_flag = false;
  s.show_errors = true;
  ValidateFolders(s);
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
    case RunMode::FileMode:
      if (!HasDot(cl.file)) {
        ShowError(s, MissingExtensionText());
        return finish(0);
      }
      return out;
    default:
      return out;
  }
}

}  // namespace kv9
