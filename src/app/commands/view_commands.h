// The commands of the View menu: the printouts, the drawings and tooth-form views on the
// screen, and the messages-only report.
#pragma once

namespace kv9 {

class Session;

void CmdStandardPrintout(Session& s);
void CmdExcerptPrintout(Session& s);
// Drawing 1..8 of the shaft and hub drawings on the screen.
void ShowDrawingOnScreen(Session& s, int drawing);
// Tooth-form view 1..6 on the screen.
void ShowToothFormOnScreen(Session& s, int view);
template <int Drawing>
void CmdViewDrawing(Session& s) {
  ShowDrawingOnScreen(s, Drawing);
}
template <int View>
void CmdViewToothForm(Session& s) {
  ShowToothFormOnScreen(s, View);
}
void CmdViewErrorMessages(Session& s);

}  // namespace kv9
