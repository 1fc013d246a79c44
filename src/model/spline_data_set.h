// The one calculation data set: inputs, derived values and results of one spline connection.
#pragma once

#include <string>

#include "core/real.h"
#include "model/spline_results.h"

namespace kv9 {

// Value tables behind the selection indexes of the geometry and tolerance inputs (1-based).
inline constexpr int kPitchTenths[17] = {25,  30,  40,  50,  60,  80,  100, 120, 160,
                                         200, 240, 320, 400, 480, 640, 800, 1280};
inline constexpr const char* kPressureAngleTexts[3] = {"30", "37.5", "45"};
inline constexpr const char* kFitTexts[3] = {"Flat Root Side Fit (flankenzentriert)",
                                             "Flat Root Major Diameter Fit",
                                             "Fillet Root Side Fit (flankenzentriert)"};
inline constexpr const char kFitClassLetters[4] = {'d', 'e', 'f', 'h'};
inline constexpr const char* kQualityStandardTexts[2] = {"ANSI B92.1 - 1996", "ANSI B92.1b - 1996"};

// Text limits, applied when a dialog hands a text over.
inline constexpr int kInfoLength = 65;
inline constexpr int kDrawingNameLength = 25;
inline constexpr int kDrawingNumberLength = 18;
inline constexpr int kDrawingName2Length = 30;

struct MaterialRecord {
  std::string designation;
  int type_code = 1;
  Real strength = 0;   // N/mm²
  Real carried = 1.0;  // stored in the data file, meaning unknown, written back unchanged
};

// Values the data file stores that this program neither edits nor calculates. They keep their
// start values (or what a file gave them) and are written back unchanged, in file order.
struct CarriedValues {
  int ints4[4] = {3, 6, 5, 6};
  int int5 = 5;
  int ints2[2] = {1, 1};
  Real reals5[5] = {600, 5000, 0, 0, 0.1L};
  Real reals2a[2] = {1.0, 1.0};
  Real reals2b[2] = {1.2L, 2.0};
  int int_a = 1;
  Real real_a = 1.0;
  int int_b = 1;
  int last = 0;  // the last line of the file
};

// SplineResults (group H, written by the calculation only) is a base so that the reports,
// drawings and checks read the results by their names, e.g. ds.Dri, ds.Sv_min.
struct SplineDataSet : SplineResults {
  // Group A: texts (code page 850)
  std::string info1, info2, info3;
  std::string drawing_name_shaft = "Zahnwelle";
  std::string drawing_number_shaft = "000000";
  std::string drawing_name2_shaft;
  std::string drawing_name_hub = "Zahnnabe";
  std::string drawing_number_hub;
  std::string drawing_name2_hub;

  // Group B: geometry inputs
  int pitch_index = 1;  // 1..17, 0 = keep P
  int alpha_index = 1;  // 1..3, 0 = keep phi_d
  int fit_index = 1;    // 1..3
  int N = 38;
  Real b = 0;  // common face width Lg, mm; 0 = derive
  Real b1 = 0, b2 = 0;
  Real od = 0;   // hub outside diameter
  Real din = 0;  // shaft bore diameter

  // Group C: tolerance inputs
  int tolerance_class = 1;   // 1..4 = class 4..7
  int fit_class = 1;         // 1..4 = d, e, f, h
  int quality_standard = 1;  // 1 ANSI B92.1, 2 ANSI B92.1b
  Real coi = 0, coe = 0;     // centerline runouts, mm

  // Group D: measurement inputs
  Real dm1 = 6.0, dm2 = 5.25;  // ball or pin diameters, mm
  int k1 = 0, k2 = 0;          // teeth spanned

  // Group E: stress inputs
  Real torque = 0;        // N·m
  Real sac = 0, sas = 0;  // N/mm²
  Real lw = 1.0, lf = 1.0, ko = 1.0, km = 1.0;
  int mat_index = 0;
  int spline_index = 0;
  int revolution_index = 0;
  int powersource_index = 0;
  int load_index = 0;
  int misalign_index = 0;
  int facewidth_index = 0;
  int torques_index = 0;
  int cycletype_index = 0;

  // Group F: materials, carried through the data file unchanged
  Pair<MaterialRecord> material = {MaterialRecord{"30CrMoV9", 1, 1050, 1.0},
                                   MaterialRecord{"EN-GJL-300", 1, 230, 1.0}};

  // Group G: values derived from the inputs (written by the calculation)
  Real P = 8.0;       // 1/in
  Real phi_d = 30.0;  // degrees
  Real mn = 3.0;      // mm
  Pair<Real> x = {0.45L, 0.45L};
  Real reference_diameter = 120.0;
  Pair<Real> hap0_mn = {1.25L, 1.25L};
  Pair<Real> hfp0_mn = {1.0L, 1.0L};
  Pair<Real> rhoap0_mn = {0.25L, 0.25L};
  int involute_points = 20;  // not stored in the data file

  // Group I
  CarriedValues carried;
};

}  // namespace kv9
