// ANSI B92.1 / B92.1b tolerance values: class factor, machining tolerance and variation
// allowance of class 5, minimum and required effective clearances, individual variations,
// diameter tolerances and the tooth thickness deviations of the equivalent pair. Values in
// inches unless a name says otherwise.
#pragma once

#include "core/real.h"

namespace kv9 {

struct CalcContext;

inline constexpr int kStandardB921 = 1;   // ANSI B92.1
inline constexpr int kStandardB921b = 2;  // ANSI B92.1b

// Class factor f of the tolerance-class index 1..4 (classes 4..7); 1.0 for any other index.
Real ClassFactor(int tolerance_class_index);
// Tolerance class number shown in texts: index + 3.
int ToleranceClassNumber(int tolerance_class_index);

// The P class every table lookup uses: P rounded to the nearest integer, halves to even.
int PitchClass(Real P);

Real MachiningTolerance(Real P, int N);    // m of class 5
Real VariationAllowance(Real P, int N);    // lambda of class 5
Real MajorFitMinClearance(Real P, int N);  // cv min of the flat root major diameter fit
// es of a fit class index 1..4 (d, e, f, h) at the pitch diameter in inches. A negative
// diameter adds "es (pow)" through the guarded power function.
Real FitClassEs(const CalcContext& s, int fit_class_index, Real d_inch);
Real LeadVariation(Real b_mm);  // F beta, from the common face width
Real ProfileVariationPlus(Real P);
Real ProfileVariationMinus(Real P);          // negative
Real DiameterTolerance(const CalcContext& s, Real P);  // TDII = TDEE

// The tolerance values of the calculation, in this order: cv min, es, es rqd (with its
// check), F beta, Ffp, Ffm, Fp, TDII and TDEE into the data set.
void ToleranceValues(const CalcContext& s);
// Ase/Aei, T and Asi/Aee of both members (mm), from cv min or es, m, lambda and the class.
void ToothThicknessDeviations(const CalcContext& s);

}  // namespace kv9
