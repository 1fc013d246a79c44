// The commands of the Document menu: drawing information, change records and the related
// documents.
#pragma once

namespace kv9 {

class Session;

void CmdDrawingInfo(Session& s);
void CmdShowChanges(Session& s);
void CmdPrintChanges(Session& s);
void CmdNewChange(Session& s);
void CmdModifyChange(Session& s);
void CmdDeleteChange(Session& s);
void CmdStartDocument(Session& s, int index);  // 1..5
template <int Index>
void CmdDocument(Session& s) {
  CmdStartDocument(s, Index);
}
void CmdDocumentSetup(Session& s);

}  // namespace kv9
