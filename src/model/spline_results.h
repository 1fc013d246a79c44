// Results of the spline calculation, written by the calculation only and never stored in the
// data file. Lengths in mm; the ANSI tolerance quantities (lambda, m, cv_min, es, es_rqd, F_beta,
// Ffp, Ffm, Fp, TDEE, TDII) are kept in inches. Pairs are [shaft, hub]; in the equivalent gear
// pair the hub has z = -N, negative diameters and x2 = -x1, and every consumer prints or draws
// absolute values unless it says otherwise.
#pragma once

#include <string>

#include "core/real.h"

namespace kv9 {

struct SplineResults {
  // --- ANSI B92.1 geometry ---
  std::string class_title;      // "SPLINE TO ANSI B92.1 - CLASS 5" ...
  Pair<Real> D = {0, 0};        // pitch diameters (hub negative)
  Pair<Real> Db = {0, 0};       // base diameters (hub negative)
  Real Dri = 0;                 // internal major diameter, max
  Real DFi = 0;                 // internal form diameter
  Real Di_min = 0, Di_max = 0;  // internal minor diameter (Di max = Di min + 25.4 TDII)
  Real Do_max = 0, Do_min = 0;  // external major diameter (Do min = Do max - 25.4 TDEE)
  Real DFe = 0;                 // external form diameter
  Real Dre = 0;                 // external minor diameter
  Real cf = 0;                  // form clearance
  Real Sv_min = 0, Sv_max = 0;  // effective space width
  Real S_max = 0, S_min = 0;    // actual space width
  Real tv_max = 0, tv_min = 0;  // effective tooth thickness
  Real t_min = 0, t_max = 0;    // actual tooth thickness
  Real cv_max = 0;              // maximum effective clearance, mm

  // --- tolerances (inches unless said) ---
  Real m = 0;       // machining tolerance, class 5
  Real lambda = 0;  // variation allowance, class 5
  Real cv_min = 0;  // minimum effective clearance (ANSI B92.1)
  Real es = 0;      // minimum effective clearance (ANSI B92.1b)
  Real es_rqd = 0;  // required effective clearance (ANSI B92.1b)
  Real F_beta = 0, Ffp = 0, Ffm = 0, Fp = 0;
  Real TDEE = 0, TDII = 0;
  Pair<Real> Ase_Aei = {0, 0};  // mm
  Pair<Real> Asi_Aee = {0, 0};  // mm
  Pair<Real> T = {0, 0};        // tooth thickness tolerance, mm
  Real jtmin = 0, jtmax = 0;    // backlash of the equivalent pair, mm

  // --- equivalent gear pair and tool (the "DIN" dimensions) ---
  Pair<int> z = {0, 0};
  Real alpha = 0;     // phi D in radians
  Real alpha_t = 0;   // transverse pressure angle
  Real alpha_wt = 0;  // working pressure angle
  Real a = 0;         // centre distance (0 for a spline)
  Real beta = 0;      // helix angle, degrees (0 for a spline; kept so the gear formulas read whole)
  Real beta_b = 0;    // base helix angle, radians
  Real mt = 0;        // transverse module
  Real pn = 0, pt = 0, pbt = 0;
  Pair<Real> x_min = {0, 0};  // profile shift at the practical undercut limit
  Pair<Real> xemax = {0, 0}, xemin = {0, 0};
  Pair<Real> da = {0, 0};     // tip diameter (Do max, -Di min; da0 when kmn is 0)
  Pair<Real> da_th = {0, 0};  // theoretical tip diameter
  Pair<Real> da0 = {0, 0};    // tip diameter without tip shortening
  Pair<Real> df = {0, 0};     // root diameter from the maximum tooth
  Pair<Real> dfB = {0, 0};    // root diameter from the minimum tooth
  Pair<Real> dw = {0, 0};
  Pair<Real> dFa = {0, 0}, dFf = {0, 0}, dNf = {0, 0};
  Pair<Real> da_eff = {0, 0};  // effective tip diameter against the mating member
  Pair<Real> kmn = {0, 0}, ck = {0, 0}, h = {0, 0};
  Pair<Real> sn_th = {0, 0}, sn_max = {0, 0}, sn_min = {0, 0}, en = {0, 0};
  Pair<Real> sa = {0, 0}, sa_max = {0, 0}, sa_min = {0, 0};  // tooth thickness at the tip
  Real Y = 0;  // tip interference value of the internal pair
  // tool, absolute (the /mn factors are in the data set)
  Pair<Real> hfP0 = {0, 0}, haP0 = {0, 0}, rhoaP0 = {0, 0}, hFfP0 = {0, 0};
  Pair<Real> hFfP0_mn = {0, 0};
  Pair<Real> prP0 = {0, 0}, alpha_prP0 = {0, 0};
  Pair<Real> alpha_kP0 = {0, 0};  // tool angle, degrees

  // --- measurement over and between pins ---
  Pair<Real> MdR = {0, 0}, MdRmin = {0, 0}, MdRmax = {0, 0};  // hub negative

  // --- SAE stress check (N/mm²) ---
  Real H = 0;   // active tooth height
  Real Ne = 0;  // teeth in contact
  Pair<Real> Kt = {0, 0};
  Real Sc = 0;
  Real B = 0, A = 0, R = 0, Sc_crowned = 0;  // crowned teeth (both selections made)
  Real Ss = 0;                               // shear stress at the pitch line
  Real Sh = 0;
  Real tw = 0;  // hub wall thickness (OD - Dri)/2
  Pair<Real> Sb = {0, 0}, St = {0, 0}, Se = {0, 0};
  Real ratio_compressive = 0, ratio_shear = 0;
  Pair<Real> ratio_equivalent = {0, 0};
};

}  // namespace kv9
