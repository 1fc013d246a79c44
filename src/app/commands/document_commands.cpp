#include "app/commands/document_commands.h"

#include "app/session.h"
#include "help/change_records.h"
#include "help/documents.h"

namespace kv9 {

namespace {

void RunChangeAction(Session& s, int action) {
  ChangeRecordsContext c{s.reportContext(), s.docs, s.modified};
  ChangeRecordsMenu(c, action);
}

}  // namespace

void CmdDrawingInfo(Session& s) {
  RunChangeAction(s, kChangeDrawingInfo);
}

void CmdShowChanges(Session& s) {
  RunChangeAction(s, kChangeShow);
}

void CmdPrintChanges(Session& s) {
  RunChangeAction(s, kChangePrint);
}

void CmdNewChange(Session& s) {
  RunChangeAction(s, kChangeNew);
}

void CmdModifyChange(Session& s) {
  RunChangeAction(s, kChangeEdit);
}

void CmdDeleteChange(Session& s) {
  RunChangeAction(s, kChangeDelete);
}

void CmdStartDocument(Session& s, int index) {
  OpenDocument(*s.ui, s.docs, index);
}

void CmdDocumentSetup(Session& s) {
  DocumentSetup(*s.ui, s.docs, s.abort_flag, s.modified, s.help_topic);
}

}  // namespace kv9
