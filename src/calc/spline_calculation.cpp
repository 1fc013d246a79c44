#include "calc/spline_calculation.h"

#include "calc/calc_context.h"
#include "calc/involute_toolkit.h"
#include "calc/pin_measurement.h"
#include "calc/result_range_guard.h"
#include "calc/spline_geometry.h"
#include "calc/stress_check.h"

namespace kv9 {

namespace {

// The steps in their fixed order. A fatal message stops them; what was computed before stays,
// everything later keeps the previous run's value.
void RunSteps(const CalcContext& s) {
  if (!SplineBasicData(s)) return;
  SplineDiameters(s);
  if (!SplineModuleAndAngleValid(s)) return;
  EquivalentGearInputs(s);

  // Run twice: the second pass works with the face widths and tool values the first settled.
  GearSetup(s);
  PairGeometry(s);
  GearSetup(s);
  PairGeometry(s);
  if (!s.abort_flag) {
    ToothDimensions(s);
    if (!s.fatal_flag) LimitHubToolTipRadius(s);
  }
  if (s.fatal_flag || s.abort_flag) return;

  MeasurementStep(s);
  if (s.fatal_flag) return;
  SpaceWidthsAndToothThicknesses(s);
  PlausibilityWarnings(s);
  if (s.fatal_flag) return;
  StressCheck(s);
}

}  // namespace

void SplineCalculation(const CalcContext& s) {
  MessageClear(s.messages, s.fatal_flag);  // also clears the fatal flag
  s.abort_flag = false;
  RunSteps(s);
  GuardResultRange(s);
  // the tooth-form drawings start from the calculated profile shifts
  s.drawing_shift = s.ds.x;
}

}  // namespace kv9
