#include "app/commands/file_commands.h"

#include "app/commands/command_steps.h"
#include "app/data_file_commands.h"
#include "model/data_file.h"
#include "core/file_util.h"
#include "app/recent_files.h"
#include "app/session.h"
#include "model/documentation.h"

namespace kv9 {

void CmdNew(Session& s) {
  s.abort_flag = false;
  AskSaveOrDiscard(s);
  if (s.abort_flag) return;
  ReadTemplate(s);
  s.current_file.clear();
  ResetDocumentation(s.docs, s.clock, s.cfg.date_code);
  s.ds.info1.clear();
  s.ds.info2.clear();
  s.ds.info3.clear();
  s.display.Clear();
  s.ui->refreshGraphics();
  if (!InputSequence(s)) return;
  RefreshView(s);
  s.modified = true;
}

void CmdOpen(Session& s) {
  s.abort_flag = false;
  AskSaveOrDiscard(s);
  if (s.abort_flag) return;
  if (!LoadDataFile(s, "") || s.abort_flag) return;
  s.modified = false;
  RecentAdd(s, s.current_file);
  RefreshView(s);
}

void CmdSave(Session& s) {
  SaveCurrentFile(s);  // a new data set goes through the save dialog
}

void CmdSaveAs(Session& s) {
  s.abort_flag = false;
  if (!SaveDataFile(s, "")) return;
  s.modified = false;
  RecentAdd(s, s.current_file);
}

void CmdRecentFile(Session& s, int index) {
  s.abort_flag = false;
  if (RecentOpen(s, index)) RefreshView(s);
}

bool CloseQuery(Session& s) {
  s.abort_flag = false;
  AskSaveOrDiscard(s);
  if (s.abort_flag) return false;
  if (!s.scratch_dir.empty()) DeleteByMask(s.scratch_dir, "$*.dx$");
  return true;
}

void WindowClosed(Session& s) {
  WriteRecentFiles(s);
}

}  // namespace kv9
