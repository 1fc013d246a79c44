// The commands of the OLE menu: the spreadsheet exchange. It comes with a later version; until
// then each item shows a note.
#pragma once

namespace kv9 {

class Session;

void CmdStartSpreadsheet(Session& s);
void CmdExportSpreadsheet(Session& s);
void CmdImportSpreadsheet(Session& s);
void CmdPrintoutSpreadsheet(Session& s);

}  // namespace kv9
