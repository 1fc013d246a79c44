// The commands of the OLE menu: the exchange with the desktop's spreadsheet program through
// .xlsx files. "Start Excel" writes the data file into a sheet and opens it; export writes it
// again after a save; import reads column 1 of a sheet back as the data file's lines; the
// printout writes the results report as a tab-separated table into a sheet.
#pragma once

#include <string>
#include <string_view>

#include "exchange/spreadsheet.h"

namespace kv9 {

class Session;

void CmdStartSpreadsheet(Session& s);
void CmdExportSpreadsheet(Session& s);
void CmdImportSpreadsheet(Session& s);
void CmdPrintoutSpreadsheet(Session& s);
// Export and import are offered once "Start Excel" has opened a sheet.
bool SpreadsheetStarted(const Session& s);

// Writes `cells` to the new sheet `path` and opens it with the desktop's program; a failure
// shows `failure` (code page 850) and sets the abort flag.
bool OpenSpreadsheet(Session& s, const std::string& path, const SheetCells& cells,
                     std::string_view failure);

}  // namespace kv9
