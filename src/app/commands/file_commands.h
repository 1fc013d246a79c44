// The commands of the File menu, and the close query of the main window.
#pragma once

namespace kv9 {

class Session;

void CmdNew(Session& s);
void CmdOpen(Session& s);
void CmdOpenTable(Session& s);  // the data-file overview table
void CmdSave(Session& s);
void CmdSaveAs(Session& s);
void CmdPrint(Session& s);
void CmdPrinterSetup(Session& s);
void CmdSettings(Session& s);  // the configuration dialog
// Opens recent entry `index` (1..4) and shows its view; a missing file leaves the list with
// its message.
void CmdRecentFile(Session& s, int index);
template <int Index>
void CmdRecent(Session& s) {
  CmdRecentFile(s, Index);
}

// Closing the window (also "Exit"): true when it may close. Asks save-or-discard; on close the
// screen's block files go.
bool CloseQuery(Session& s);
// When the window is gone: the recent-files file is written.
void WindowClosed(Session& s);

}  // namespace kv9
