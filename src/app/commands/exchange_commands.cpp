#include "app/commands/exchange_commands.h"

#include "app/commands/command_steps.h"

namespace kv9 {

void CmdStartSpreadsheet(Session& s) {
  NotYetAvailable(s, "Die Tabellenkalkulation");
}

void CmdExportSpreadsheet(Session& s) {
  NotYetAvailable(s, "Der Export in die Tabellenkalkulation");
}

void CmdImportSpreadsheet(Session& s) {
  NotYetAvailable(s, "Der Import aus der Tabellenkalkulation");
}

void CmdPrintoutSpreadsheet(Session& s) {
  NotYetAvailable(s, "Der Ausdruck in die Tabellenkalkulation");
}

}  // namespace kv9
