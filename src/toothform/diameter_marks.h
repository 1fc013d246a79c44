// The characteristic diameters of a wheel in the tooth-form views: labelled arcs across the
// teeth (meshing view) or full circles with a list of their values (whole wheels).
#pragma once

#include "core/real.h"
#include "toothform/tooth_geometry.h"

namespace kv9 {

struct ToothFormContext;

// The diameters in drawing order, as bits of a selection.
enum DiameterMark : unsigned {
  kMarkDw = 1u << 0,   // working pitch diameter, layer 18
  kMarkD = 1u << 1,    // reference diameter, layer 17
  kMarkDb = 1u << 2,   // base diameter, layer 25 (29 as a circle)
  kMarkDf = 1u << 3,   // root diameter, layer 19
  kMarkDa = 1u << 4,   // tip diameter, layer 21
  kMarkDFf = 1u << 5,  // fillet end diameter, layer 20
  kMarkDFa = 1u << 6,  // tip form diameter, layer 29
  kMarkDNf = 1u << 7,  // usable root diameter, layer 24
  kMarkAll = 0xFFu,
};

struct DiameterArcOptions {
  unsigned marks = kMarkAll;
  int label_end = 1;           // +1: the labels at the clockwise end of the arcs, -1: the other
  bool label_outside = false;  // labels outside their arcs instead of 0.12 mn inside
  // Meshing view: an arc ends where it (or its label inside it) would leave the window through
  // its bottom edge; an arc wholly below the window adds "Warnung: ArcLimit (acos)" instead.
  bool limit_to_window = false;
  Real window_bottom = 0;
};

// Arcs of radius |D|/2 about (cx, cy), centred on `direction_deg` (measured clockwise from the
// +y axis; a negative diameter lies on the opposite side) and reaching one angular pitch to each
// side, each with its label (name and wheel number) centred on one end. The hub's root label
// stands on the hub body, and of two diameters closer than 0.1 mn (dNf: 0.15 mn) the second
// label goes to the other side of its arc.
void DrawDiameterArcs(const ToothFormContext& s, const WheelGeometry& w, Real cx, Real cy,
                      Real direction_deg, const DiameterArcOptions& options = {});
// Full circles about (x, y) with the list "dw = ..." ... "dNf = ..." centred on (x, y), inside
// the wheel. reference: the wheel's drawing diameter, which scales the texts.
void DrawDiameterCircles(const ToothFormContext& s, const WheelGeometry& w, Real x, Real y,
                         Real reference);

}  // namespace kv9
