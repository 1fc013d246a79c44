// The tooth-form drawings: whole shaft or hub from teeth, shaft inside hub, the generating tools
// and the meshing view, on any CAD output kind.
#pragma once

#include "core/real.h"
#include "toothform/tooth_geometry.h"

namespace kv9 {

struct ToothFormContext;

enum class ToothFormView { Wheel, Pair, Tool, Meshing, Config };

// Choice 0 shows the view list and repeats until "zurück .." or Cancel; choices 1..6 run one
// view (1 shaft, 2 hub, 3 shaft inside hub, 4 tool of the shaft, 5 tool of the hub, 6 meshing),
// 7 the tooth-form configuration; other choices do nothing.
// kind is the CAD output kind (0 = the user chooses, 3 = the screen; 6 draws into the writer
// already opened with CadOpenWriter).
void ToothFormMenu(const ToothFormContext& s, int kind, int choice);

// One drawing. A calculation in a fatal state shows the message list instead.
void ToothFormDrawing(const ToothFormContext& s, int kind, int wheel, ToothFormView view);

// The CAD drawing settings of the part (1 shaft, 2 hub), then unless cancelled the whole-wheel
// view of that part as a CAD output of the user's kind.
void ToothProfileToCad(const ToothFormContext& s, int part);

// --- the pieces of the views ---
struct DrawingWindow {
  Real xmin = 0, ymin = 0, xmax = 0, ymax = 0;
};
// Whole wheel and shaft inside hub: a square about the centre, D/2 + 1.5 mn, D being the
// outside diameter of the outer wheel's outline (the shaft's tip or the hub's root).
DrawingWindow WheelWindow(const WheelGeometry& w);
// Meshing view: from x = -w to w around the three shaft and four hub teeth at angle 0 (and a
// base circle lying just below them), with the text band at the top when the data texts are
// shown.
DrawingWindow MeshingWindow(const ToothFormContext& s, const ToothFormGeometry& g);

// |z| inserts of the tooth block "EVOLV" + wheel about the origin; a tooth space of the shaft
// lies on the +y axis.
void DrawGearFromTeeth(const ToothFormContext& s, const WheelGeometry& w);
// The hub block "RAD2" and the shaft block "RAD1" turned so that a shaft tooth stands in a hub
// tooth space.
void DrawWheelPair(const ToothFormContext& s, const ToothFormGeometry& g);
// Three shaft teeth about the origin and four hub teeth about (0, a) at the shaft angle, with
// the data texts and the labelled diameter arcs.
void DrawMeshing(const ToothFormContext& s, const ToothFormGeometry& g, Real shaft_angle_deg,
                 const DrawingWindow& window);

}  // namespace kv9
