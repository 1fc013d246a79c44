// The tooth-form drawings: whole shaft or hub from teeth, shaft inside hub, the generating tools
// and the meshing view, on any CAD output kind.
#pragma once

namespace kv9 {

class Session;

// Choice 0 shows the view list and repeats until "zurück .." or Cancel; choices 1..6 run one
// view (1 shaft, 2 hub, 3 shaft inside hub, 4 tool of the shaft, 5 tool of the hub, 6 meshing).
// kind is the CAD output kind (0 = the user chooses, 3 = the screen).
void ToothFormMenu(Session& s, int kind, int choice);

}  // namespace kv9
