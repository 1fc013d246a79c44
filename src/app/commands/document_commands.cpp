#include "app/commands/document_commands.h"

#include <string>

#include "app/commands/command_steps.h"

namespace kv9 {

void CmdDrawingInfo(Session& s) {
  NotYetAvailable(s, "Der Dialog der Zeichnungsdaten");
}

void CmdShowChanges(Session& s) {
  NotYetAvailable(s,
                  "Die Anzeige der \x8E"
                  "nderungen");
}

void CmdPrintChanges(Session& s) {
  NotYetAvailable(s,
                  "Der Ausdruck der \x8E"
                  "nderungen");
}

void CmdNewChange(Session& s) {
  NotYetAvailable(s,
                  "Eine neue \x8E"
                  "nderung");
}

void CmdModifyChange(Session& s) {
  NotYetAvailable(s,
                  "Das Bearbeiten der letzten \x8E"
                  "nderung");
}

void CmdDeleteChange(Session& s) {
  NotYetAvailable(s,
                  "Das L\x94schen der letzten \x8E"
                  "nderung");
}

void CmdStartDocument(Session& s, int index) {
  NotYetAvailable(s, "Dokument " + std::to_string(index));
}

void CmdDocumentSetup(Session& s) {
  NotYetAvailable(s, "Das Dokument-Setup");
}

}  // namespace kv9
