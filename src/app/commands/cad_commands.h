// The commands of the CAD menu: drawings and tooth forms as CAD output of the kind the user
// chooses.
#pragma once

namespace kv9 {

class Session;

void CmdCadProductionDrawing(Session& s);  // the drawing choice list
void CmdCadToothForm(Session& s);          // the tooth-form choice list
void CmdCadDrawing1(Session& s);           // the shaft sheet
void CmdCadDrawing2(Session& s);           // the hub sheet
void CmdCadToothProfileShaft(Session& s);  // CAD drawing settings, then the whole shaft
void CmdCadToothProfileHub(Session& s);

}  // namespace kv9
