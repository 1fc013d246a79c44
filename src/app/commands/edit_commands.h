// The commands of the Edit menu: the input sequence and the single input dialogs.
#pragma once

namespace kv9 {

class Session;

void CmdQuick(Session& s);
void CmdText(Session& s);
void CmdDimensions(Session& s);
void CmdQuality(Session& s);
void CmdMeasurement(Session& s);
void CmdStrength(Session& s);  // calculates and refreshes after Cancel too

}  // namespace kv9
