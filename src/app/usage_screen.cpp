// The usage screen.
#include "app/usage_screen.h"

#include <string>

#include "app/session.h"
#include "core/generic_dialogs.h"

namespace kv9 {

void FillUsageScreen(Session& s) {
  const std::string exe = std::string("w") + kProductNameLower;
  const std::string example = "Example: " + exe + " test." + kDataFileExtension;
  for (auto& line : s.screen_lines) line.clear();
  auto& l = s.screen_lines;  // l[0] is line 1
  l[0] = std::string(kProductName) + " Command Line Mode";
  l[2] = exe + " Filename [/I] [/CADi:j] [/CUTi[:n]] [/JSON] [/NOGUI]";
  l[4] = "/I       -> TXT file";
  l[6] = "/CADi:j  -> CAD File";
  l[7] = "            i: 1=DXF, 2=IGS, 5=TXT";
  l[8] = "            j: index (1,2,3, ..)";
  l[10] = "/NOGUI   -> No GUI, exit on fatal error";
  l[11] = "/CUTi:n  -> cut contour DXF, i: 1=shaft, 2=hub, n: involute points";
  l[12] = "/JSON    -> JSON file, every result";
  l[14] = "/?       -> Help";
  l[17] = example + "             ->  GUI";
  l[18] = example + " /I /NOGUI   ->  test.txt";
  l[19] = example + " /CAD1:1     ->  test.dxf";
  l[20] = "Example: " + exe + " test.edi /E /NOGUI   ->  test.edi";
}

void ShowUsageScreen(Session& s) {
  FillUsageScreen(s);
  ShowScreen(DialogsOf(s), std::span(s.screen_lines).first(kUsageLineCount));
}

}  // namespace kv9
