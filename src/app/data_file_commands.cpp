#include "app/data_file_commands.h"

#include "app/data_file_names.h"
#include "app/session.h"
#include "calc/spline_calculation.h"
#include "core/generic_dialogs.h"
#include "core/text.h"
#include "model/data_file.h"

namespace kv9 {

bool SaveDataFile(Session& s, std::string_view name) {
  s.abort_flag = false;
  std::string full = ResolveSaveName(s, name);
  if (full.empty() || s.abort_flag) return false;
  s.ui->setWaitCursor(true);
  int error = WriteFileReplacing(full, DataFileContent(s.ds, s.docs, s.cfg, s.clock));
  s.ui->setWaitCursor(false);
  if (error != 0) {
    ReportWriteError(DialogsOf(s), error == ENOSPC ? 101 : 0);
    return false;
  }
  s.modified = false;
  return true;
}

bool SaveCurrentFile(Session& s) {
  // Only an existing current file is overwritten without asking; a new data set still goes
  // through the save dialog and its overwrite question.
  bool had_name = !s.current_file.empty();
  if (had_name) s.save_confirm_overwrite = false;
  bool ok = SaveDataFile(s, s.current_file);
  s.save_confirm_overwrite = true;
  return ok;
}

bool LoadDataFile(Session& s, std::string_view name) {
  if (ArchiveMode(s)) {
    ArchiveRefusal(s);
    return false;
  }
  s.cmdline_file = false;
  std::string full;
  if (name.empty()) {
    std::string chosen = ChooseFile(s, s.data_dir, std::string("*.") + kDataFileExtension);
    if (chosen.empty()) return false;
    s.current_file = chosen;
    full = FullDataFileName(s, chosen);
  } else if (HasDot(name)) {
    full = std::string(name);
  } else {
    s.current_file = std::string(name);
    full = FullDataFileName(s, name);
  }
  std::string content;
  if (!CheckReadable(DialogsOf(s), full) || !ReadWholeFile(full, content)) {
    s.abort_flag = true;
    if (full != name) s.current_file.clear();
    return false;
  }
  DataReadResult result = ReadDataFileContent(s.ds, s.docs, s.abort_flag, content);
  if (result == DataReadResult::Failed) {
    ShowErrorIfAllowed(DialogsOf(s), "Lesefehler " + NameText(Trim(full)));
    return false;
  }
  if (result == DataReadResult::OlderLayout)
    ShowNote(DialogsOf(s), std::string("Neue Werte ab Version ") + kVersion);
  s.modified = false;
  SplineCalculation(s.calcContext());
  return true;
}

bool ReadTemplate(Session& s) {
  std::string name = TemplateFileName(s);
  if (!FileExists(name)) return false;
  bool ok = LoadDataFile(s, name);
  s.current_file.clear();
  return ok;
}

void AskSaveOrDiscard(Session& s) {
  if (ArchiveMode(s)) {
    s.modified = false;
    return;
  }
  if (!s.modified) return;
  if (!s.current_file.empty()) {
    switch (
        AskYesNoCancel3(DialogsOf(s), "Datei speichern (" + NameText(CurrentFullName(s)) + ") ?")) {
      case YesNoCancel::Yes:
        SaveCurrentFile(s);  // a failed save leaves `modified` and the abort flag set
        break;
      case YesNoCancel::No:
        s.modified = false;
        break;
      case YesNoCancel::Cancel:
        break;
    }
    return;
  }
  if (AskYesNoCancel3(DialogsOf(s), "Bisherige Eingaben verwerfen ?") == YesNoCancel::Yes)
    s.modified = false;
  else
    s.abort_flag = true;
}

}  // namespace kv9
