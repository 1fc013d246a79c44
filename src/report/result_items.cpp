#include "report/result_items.h"

#include <cmath>
#include <string_view>

#include "model/spline_data_set.h"

namespace kv9 {

namespace {

// Collects the rows of a section; (w, d) = integer positions and decimals of the column format.
struct Items {
  ResultItems list;

  void title(std::string text, ResultItem::Kind kind = ResultItem::Kind::Title) {
    ResultItem& it = list.emplace_back();
    it.kind = kind;
    it.label = std::move(text);
  }
  void blankTitle(std::string text) { title(std::move(text), ResultItem::Kind::BlankTitle); }
  ResultItem& row(std::string_view label, std::string_view symbol, Quantity q, ValueFormat f, int w,
                  int d, Real x) {
    ResultItem& it = list.emplace_back();
    it.label = label;
    it.symbol = symbol;
    it.quantity = q;
    it.format = f;
    it.width = w;
    it.decimals = d;
    it.value = {x, 0};
    return it;
  }
  ResultItem& pairRow(std::string_view label, std::string_view symbol, Quantity q, ValueFormat f,
                      int w, int d, const Pair<Real>& v) {
    ResultItem& it = row(label, symbol, q, f, w, d, v[0]);
    it.pair = true;
    it.value = v;
    return it;
  }

  void plain(std::string_view label, std::string_view symbol, std::string_view unit, int w, int d,
             Real x) {
    row(label, symbol, Quantity::None, ValueFormat::Fixed, w, d, x).unit = unit;
  }
  void plainPair(std::string_view label, std::string_view symbol, int w, int d,
                 const Pair<Real>& v) {
    pairRow(label, symbol, Quantity::None, ValueFormat::Fixed, w, d, v);
  }
  void length(std::string_view label, std::string_view symbol, int w, int d, Real x) {
    row(label, symbol, Quantity::Length, ValueFormat::Fixed, w, d, x);
  }
  void lengthPair(std::string_view label, std::string_view symbol, int w, int d,
                  const Pair<Real>& v) {
    pairRow(label, symbol, Quantity::Length, ValueFormat::Fixed, w, d, v);
  }
  void stress(std::string_view label, std::string_view symbol, Real x) {
    row(label, symbol, Quantity::Stress, ValueFormat::Fixed, 6, 1, x);
  }
  void stressPair(std::string_view label, std::string_view symbol, const Pair<Real>& v) {
    pairRow(label, symbol, Quantity::Stress, ValueFormat::Fixed, 6, 1, v);
  }
  void integer(std::string_view label, std::string_view symbol, Real x) {
    row(label, symbol, Quantity::None, ValueFormat::Integer, 5, 0, x);
  }
  ResultItem& width8(std::string_view label, std::string_view symbol, Quantity q, Real x) {
    return row(label, symbol, q, ValueFormat::Width8, 8, 0, x);
  }
};

bool B92_1b(const SplineDataSet& d) {
  return d.quality_standard == 2;
}

std::string ClassSymbol(const SplineDataSet& d, char letter, const char* suffix) {
  return std::string(1, letter) + std::to_string(d.tolerance_class + 3) + suffix;
}

std::string PitchTitle(const SplineDataSet& d, const NumberStyle& st) {
  std::string angle = d.alpha_index >= 1 && d.alpha_index <= 3
                          ? kPressureAngleTexts[d.alpha_index - 1]
                          : FormatShort(st, d.phi_d);
  std::string fit = d.fit_index >= 1 && d.fit_index <= 3 ? kFitTexts[d.fit_index - 1] : "";
  return angle + " deg, " + fit + ", " + FormatShort(st, d.P) + "/" + FormatShort(st, 2 * d.P);
}

}  // namespace

ResultItems AnsiSectionItems(const SplineDataSet& d, const NumberStyle& st) {
  Items r;
  r.title(d.class_title);
  r.title(PitchTitle(d, st));
  r.plain("Eingriffswinkel", "phi D", "Grad", 2, 5, d.phi_d);
  r.plain("Spline Pitch", "P", "1/in", 5, 3, d.P);
  r.integer("Z\x84hnezahl", "N", d.N);
  r.lengthPair("Centerline runout", "CO", 4, 4, {d.coe, d.coi});
  r.length("Pitch Diameter", "D", 5, 3, d.D[0]);
  r.length("Base Diameter", "Db", 5, 3, d.Db[0]);
  r.length("Int.Major Diameter Max.", "Dri", 5, 3, d.Dri);
  r.length("Int.Form Diameter", "DFi", 5, 3, d.DFi);
  r.length("Int.Minor Diameter", "Di min", 5, 3, d.Di_min);
  r.length("Int.Minor Diameter", "Di max", 5, 3, d.Di_min + kInch * d.TDII);
  r.length("Min.Eff.Space Width", "Sv min", 5, 3, d.Sv_min);
  r.length("Max.Eff.Space Width", "Sv max", 5, 3, d.Sv_max);
  r.length("Max.Act.Space Width", ClassSymbol(d, 'S', " max"), 5, 3, d.S_max);
  r.length("Min.Act.Space Width", ClassSymbol(d, 'S', " min"), 5, 3, d.S_min);
  r.length("Max.Eff.Tooth Thickness", "tv max", 5, 3, d.sn_max[0]);
  r.length("Min.Eff.Tooth Thickness", "tv min", 5, 3, d.tv_min);
  r.length("Min.Act.Tooth Thickness", ClassSymbol(d, 't', " min"), 5, 3, d.sn_min[0]);
  r.length("Max.Act.Tooth Thickness", ClassSymbol(d, 't', " max"), 5, 3, d.t_max);
  r.length("Ext.Major Diameter Max.", "Do max", 5, 3, d.Do_max);
  r.length("Ext.Major Diameter Min.", "Do min", 5, 3, d.Do_max - kInch * d.TDEE);
  r.length("Ext.Form Diameter", "DFe", 5, 3, d.DFe);
  r.length("Ext.Minor Diameter", "Dre", 5, 3, d.Dre);
  r.length("Variation allowance", "lambda", 4, 4, kInch * d.lambda);
  r.length("Lead variation", "F beta", 4, 4, kInch * d.F_beta);
  r.length("Profile variation, positive", "Ffp", 4, 4, kInch * d.Ffp);
  r.length("Profile variation, negative", "Ffm", 4, 4, kInch * d.Ffm);
  r.length("Total index variation", "Fp", 4, 4, kInch * d.Fp);
  r.length("Major diameter tolerance (ext.)", "TDEE", 4, 4, kInch * d.TDEE);
  r.length("Minor diameter tolerance (int.)", "TDII", 4, 4, kInch * d.TDII);
  r.length("Form clearance", "cf", 4, 4, d.cf);
  if (B92_1b(d)) {
    r.length("Minimum Effective Clearance", "es", 4, 4, kInch * d.es);
    r.length("Required Effective Clearance", "es rqd", 4, 4, kInch * d.es_rqd);
  } else {
    r.length("Minimum Effective Clearance", "cv min", 4, 4, kInch * d.cv_min);
    r.length("Maximum Effective Clearance", "cv max", 4, 4, d.cv_max);
  }
  r.length("Machine variation", "m", 4, 4, kInch * d.m);
  return r.list;
}

ResultItems DinSectionItems(const SplineDataSet& d) {
  Items r;
  r.blankTitle("DIN ABMESSUNGEN");
  r.pairRow("Z\x84hnezahl", "z", Quantity::None, ValueFormat::Integer, 5, 0,
            {Real(d.N), -Real(d.N)});
  r.lengthPair("Teilkreisdurchmesser", "D", 5, 3, d.D);
  r.lengthPair("Grundkreisdurchmesser", "Db", 5, 3, d.Db);
  r.length("Normalmodul", "mn", 2, 4, d.mn);
  r.plainPair("Profilverschiebungsfaktor", "x", 2, 4, d.x);
  r.length("tragende Zahnbreite", "Lg", 5, 2, d.b);
  r.lengthPair("Zahnbreite", "Lg", 5, 1, {d.b1, d.b2});
  r.lengthPair("Fu\xE1kreisdurchmesser", "df", 5, 3, d.df);
  r.lengthPair("Fu\xE1kreistoleranz", "A df", 5, 3, {d.dfB[0] - d.df[0], d.df[1] - d.dfB[1]});
  r.lengthPair("Kopfk\x81rzung", "kmn", 5, 3, d.kmn);
  r.lengthPair("Kopfspiel mit Kopfh\x94hen\x84nd.", "ck", 5, 3, d.ck);
  r.lengthPair("theor.Kopfkreisdurchmesser", "da th", 5, 3, d.da_th);
  r.lengthPair("Kopfkreisd.o.Kopfh\x94hen\x84nd.", "da0", 5, 3, d.da0);
  r.lengthPair("Kopfkreisd.m.Kopfh\x94hen\x84nd.", "da", 5, 3, d.da);
  r.lengthPair("Zahnh\x94he", "h", 5, 3, d.h);

  r.blankTitle("ABMESSUNGEN DES VERZAHNUNGSWERKZEUGS (FAKTOREN)");
  r.plainPair(
      "Fu\xE1h\x94hen"
      "faktor Werkzeug",
      "hfP0/mn", 3, 3, d.hfp0_mn);
  r.plainPair(
      "Kopfh\x94hen"
      "fakt. Werkzeug",
      "haP0/mn", 3, 3, d.hap0_mn);
  r.plainPair("Kopfrundungsradius Werkzeug", "rhoaP0/mn", 3, 3, d.rhoap0_mn);

  r.blankTitle("ABMESSUNGEN DES VERZAHNUNGSWERKZEUGS");
  r.lengthPair("Fu\xE1h\x94he des Werkzeugs", "hfP0", 3, 3, d.hfP0);
  r.lengthPair("Kopfh\x94he des Werkzeugs", "haP0", 3, 3, d.haP0);
  r.lengthPair("Kopfrundungsradius Werkzeug", "rhoaP0", 3, 3, d.rhoaP0);

  r.blankTitle("ZAHNTEILUNGEN, ZAHNABMESSUNGEN");
  r.length("Normalteilung", "pn", 4, 3, d.pn);
  r.lengthPair("Normalzahndicke theor", "sn th.", 4, 3, d.sn_th);
  r.lengthPair("Normalzahndicke max.", "sn max", 4, 3, d.sn_max);
  r.lengthPair("Normalzahndicke min.", "sn min", 4, 3, d.sn_min);
  const char* gap =
      "Normall\x81"
      "ckenweite";
  r.lengthPair(gap, "en", 4, 3, d.en);
  r.lengthPair(gap, "en max", 4, 3, {d.pn - d.sn_min[0], d.pn - d.sn_min[1]});
  r.lengthPair(gap, "en min", 4, 3, {d.pn - d.sn_max[0], d.pn - d.sn_max[1]});

  r.blankTitle("VERZAHNUNGSDATEN, TOLERANZEN, FLANKENSPIEL");
  r.lengthPair("Oberes Zahndickenabmass Vollehr.", "Ase/Aei", 3, 3, d.Ase_Aei);
  r.lengthPair("Unteres Zahndickenabmass", "Asi/Aee", 3, 3, d.Asi_Aee);
  r.pairRow("Zahndickentoleranz", "T", Quantity::Micro, ValueFormat::Fixed, 7, 0, d.T);
  r.length("Min.theor.Flankenspiel", "jtmin", 3, 3, d.jtmin);
  r.length("Max.theor.Flankenspiel", "jtmax", 3, 3, d.jtmax);

  r.blankTitle(
      "PR\x9A"
      "FMASSE");
  r.lengthPair("Kugel-und Rollendurchmesser", "Dm", 5, 3, {d.dm1, d.dm2});
  r.lengthPair("Diametr.Zweirollenma\xE1 theor.", "MdR", 5, 3, d.MdR);
  r.lengthPair("Diametr.Zweirollenma\xE1 min.", "MdRmin", 5, 3, d.MdRmin);
  r.lengthPair("Diametr.Zweirollenma\xE1 max.", "MdRmax", 5, 3, d.MdRmax);

  r.title("PROFILVERSCHIEBUNGSFAKTOREN", ResultItem::Kind::SpacedTitle);
  r.plainPair("Profilverschiebungsfaktor", "xref", 1, 5, d.x);
  r.plainPair("Erzeug.prof.versch.f.", "xemax", 1, 5, d.xemax);
  r.plainPair("Erzeug.prof.versch.f.", "xemin", 1, 5, d.xemin);
  return r.list;
}

ResultItems StressSectionItems(const SplineDataSet& d) {
  Items r;
  r.blankTitle("STRESS CALCULATIONS ACCORDING TO SAE DESIGN GUIDE");
  r.row("Shaft torque", "T", Quantity::Torque, ValueFormat::Short, 0, 0, d.torque);
  r.stress("Max.allowable compressive stress", "Sac", d.sac);
  r.stress("Maximum allowable shear stress", "Sas", d.sas);
  r.plain("Wear life factor", "Lw", "", 5, 2, d.lw);
  r.plain("Fatigue life factor", "Lf", "", 5, 2, d.lf);
  r.plain("Spline overload factor", "Ko", "", 5, 2, d.ko);
  r.plain("Misalignment factor", "Km", "", 5, 2, d.km);
  r.length("Active tooth heigth", "H", 5, 2, d.H);
  r.plain("No.of teeth in contact", "Ne", "", 5, 2, d.Ne);
  r.plainPair("Stress concentration factor", "Kt", 6, 1, d.Kt);
  r.stress("Compressive stress", "Sc", d.Sc);
  // The crowned-teeth rows need a chosen material and a chosen misalignment.
  if (d.mat_index != 0 && d.misalign_index != 0) {
    r.width8("Max.Misalignment", "B", Quantity::None, d.B).unit = "in./in.";
    r.width8("Crown height", "A", Quantity::Length, d.A);
    r.width8("Crown radius", "R", Quantity::Length, d.R);
    r.stress("Compressive stress (crowned)", "Sc", d.Sc_crowned);
  }
  r.stress("Hoop stress", "Sh", d.Sh);
  r.stressPair("Bending stress", "Sb", d.Sb);
  r.stressPair("Torsional shear stress", "St", d.St);
  r.stressPair("Equivalent stress", "Se", d.Se);
  return r.list;
}

bool HasStressSection(const SplineDataSet& d) {
  return d.torque > 0;
}

Real DisplayValue(const UnitStyle& u, Quantity q, Real x) {
  switch (q) {
    case Quantity::Length:
      return ToDisplayLength(u, x);
    case Quantity::Stress:
      return u.inch ? x * kMpaToPsi : x;
    case Quantity::Torque:
      return u.inch ? x * kNmToLbfin : x;
    case Quantity::Micro:
      return ToDisplayMicro(u, x * 1000);
    case Quantity::None:
      break;
  }
  return x;
}

std::string ResultUnitText(const UnitStyle& u, const ResultItem& item) {
  switch (item.quantity) {
    case Quantity::Length:
      return LengthUnit(u);
    case Quantity::Stress:
      return StressUnit(u);
    case Quantity::Torque:
      return TorqueUnit(u);
    case Quantity::Micro:
      return MicroUnit(u);
    case Quantity::None:
      break;
  }
  return item.unit;
}

std::string FormatResultValue(const UnitStyle& u, const ResultItem& item, Real x) {
  const int w = item.width, d = item.decimals;
  switch (item.format) {
    case ValueFormat::Integer:
      return FormatIntRight(std::llround(x), w);
    case ValueFormat::Width8:
      return FormatWidth(u.number, w, DisplayValue(u, item.quantity, x));
    case ValueFormat::Short:
      return FormatShort(u.number, DisplayValue(u, item.quantity, x));
    case ValueFormat::Fixed:
      break;
  }
  switch (item.quantity) {
    case Quantity::Length:
      return FormatLengthFixed(u, w, d, x);
    case Quantity::Stress:
      return FormatStressFixed(u, w, d, x);
    case Quantity::Torque:
      return FormatTorqueFixed(u, w, d, x);
    case Quantity::Micro:
    case Quantity::None:
      break;
  }
  return FormatFixed(u.number, w, d, DisplayValue(u, item.quantity, x));
}

}  // namespace kv9
