// The ANSI B92.1 side of the spline calculation: basic data, diameters, form clearance, the
// equivalent generating tool, and the space widths and tooth thicknesses taken from the
// equivalent gear pair. Each function is one group of the calculation's ordered steps; the
// order itself lives in SplineCalculation.
#pragma once

#include "core/real.h"

namespace kv9 {

struct CalcContext;
struct SplineDataSet;

inline constexpr int kFitSideFlat = 1;    // "Flat Root Side Fit (flankenzentriert)"
inline constexpr int kFitMajor = 2;       // "Flat Root Major Diameter Fit"
inline constexpr int kFitSideFillet = 3;  // "Fillet Root Side Fit (flankenzentriert)"

// P of a pitch-table index 1..17 (0 outside).
Real PitchOfIndex(int pitch_index);
// phi D of a pressure-angle index 1..3 (0 outside).
Real PressureAngleOfIndex(int alpha_index);

// The pressure-angle row (1 = 30°, 2 = 37.5°, 3 = 45°) that the angle-dependent formulas use:
// the selected index, or, when the index keeps phi D, the row whose angle phi D equals; 0 when
// phi D is none of the three (the depending values then keep their previous content).
int PressureAngleRow(const SplineDataSet& ds);

// phi D, P, the fatal checks of P and N, x, D, mn and the face widths. False when a fatal
// message stopped the calculation.
bool SplineBasicData(const CalcContext& s);
// The tolerances of class 5, every ANSI diameter, cf, the tolerance values, the class title
// and the drawing reference diameter.
void SplineDiameters(const CalcContext& s);
// The fatal checks of mn and alpha. False when the calculation must stop.
bool SplineModuleAndAngleValid(const CalcContext& s);
// The equivalent generating tool, the deviations, the tool tip radius limit and the remaining
// toolkit inputs (tip diameters Do max and -Di min).
void EquivalentGearInputs(const CalcContext& s);
// After the first tooth dimensions: when the hub tool tip radius exceeds half the hub tip
// thickness it is reduced to that and the toolkit runs once more.
void LimitHubToolTipRadius(const CalcContext& s);
// Space widths and tooth thicknesses from the equivalent pair's tooth thicknesses.
void SpaceWidthsAndToothThicknesses(const CalcContext& s);

}  // namespace kv9
