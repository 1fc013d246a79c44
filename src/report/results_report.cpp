#include "report/results_report.h"

#include "core/message_list.h"
#include "core/number_format.h"
#include "core/program_info.h"
#include "core/ui.h"
#include "report/message_dialogs.h"
#include "report/report_formatter.h"
#include "report/report_messages.h"

namespace kv9 {

namespace {

// Rows of the report with their value formats: (i, d) = i integer positions, d decimals.
struct Rows {
  const ReportContext& rc;
  UnitStyle u = rc.units();

  std::string plain(int i, int d, Real x) const { return FormatFixed(u.number, i, d, x); }
  std::string length(int i, int d, Real x) const { return FormatLengthFixed(u, i, d, x); }
  std::string stress(Real x) const { return FormatStressFixed(u, 6, 1, x); }
  std::string integer(long long n) const { return FormatIntRight(n, 5); }
  std::string digits3(Real x) const { return FormatWidth(u.number, 8, x); }
  std::string micro(Real mm) const {
    return FormatFixed(u.number, 7, 0, ToDisplayMicro(u, mm * 1000));
  }
  std::string mm() const { return LengthUnit(u); }
  std::string mpa() const { return StressUnit(u); }

  void title(std::string_view text) const {
    ReportLine(rc, text);
    ReportLine(rc, ReportSingleLine(rc));
  }
  void blankTitle(std::string_view text) const {
    ReportLine(rc, "");
    title(text);
  }
  void row(std::string_view label, std::string_view symbol, std::string_view unit,
           const std::string& value) const {
    ReportRow(rc, label, symbol, unit, value);
  }
  void row2(std::string_view label, std::string_view symbol, std::string_view unit,
            const std::string& shaft, const std::string& hub) const {
    ReportRow2(rc, label, symbol, unit, shaft, hub);
  }
  void lengthPair(std::string_view label, std::string_view symbol, int i, int d,
                  const Pair<Real>& v) const {
    row2(label, symbol, mm(), length(i, d, v[0]), length(i, d, v[1]));
  }
  void plainPair(std::string_view label, std::string_view symbol, int i, int d,
                 const Pair<Real>& v) const {
    row2(label, symbol, "", plain(i, d, v[0]), plain(i, d, v[1]));
  }
  void stressPair(std::string_view label, std::string_view symbol, const Pair<Real>& v) const {
    row2(label, symbol, mpa(), stress(v[0]), stress(v[1]));
  }
};

bool B92_1b(const SplineDataSet& d) {
  return d.quality_standard == 2;
}

std::string ClassSymbol(const SplineDataSet& d, char letter, const char* suffix) {
  return std::string(1, letter) + std::to_string(d.tolerance_class + 3) + suffix;
}

std::string PitchTitle(const ReportContext& r) {
  const SplineDataSet& d = r.ds;
  NumberStyle st = r.units().number;
  std::string angle = d.alpha_index >= 1 && d.alpha_index <= 3
                          ? kPressureAngleTexts[d.alpha_index - 1]
                          : FormatShort(st, d.phi_d);
  std::string fit = d.fit_index >= 1 && d.fit_index <= 3 ? kFitTexts[d.fit_index - 1] : "";
  return angle + " deg, " + fit + ", " + FormatShort(st, d.P) + "/" + FormatShort(st, 2 * d.P);
}

}  // namespace

void ResultsReportHeader(const ReportContext& rc) {
  const SplineDataSet& d = rc.ds;
  std::string title =
      std::string(kProductName) + " V" + kVersion + "  Zahnwellenverbindung nach " + "ANSI B92.1";
  ReportSetHeader(rc, title, ReportNumberLine(d.drawing_name_shaft, d.drawing_number_shaft),
                  ReportNumberLine(d.drawing_name_hub, d.drawing_number_hub), d.info1, d.info2, 0);
  ReportSetColumns(rc, "", "Zeichen", "Einheit", " Welle", " Nabe");
}

void ResultsReportAnsiSection(const ReportContext& rc) {
  const SplineDataSet& d = rc.ds;
  Rows r{rc};
  r.title(d.class_title);
  r.title(PitchTitle(rc));
  r.row("Eingriffswinkel", "phi D", "Grad", r.plain(2, 5, d.phi_d));
  r.row("Spline Pitch", "P", "1/in", r.plain(5, 3, d.P));
  r.row("Z\x84hnezahl", "N", "", r.integer(d.N));
  r.row2("Centerline runout", "CO", r.mm(), r.length(4, 4, d.coe), r.length(4, 4, d.coi));
  r.row("Pitch Diameter", "D", r.mm(), r.length(5, 3, d.D[0]));
  r.row("Base Diameter", "Db", r.mm(), r.length(5, 3, d.Db[0]));
  r.row("Int.Major Diameter Max.", "Dri", r.mm(), r.length(5, 3, d.Dri));
  r.row("Int.Form Diameter", "DFi", r.mm(), r.length(5, 3, d.DFi));
  r.row("Int.Minor Diameter", "Di min", r.mm(), r.length(5, 3, d.Di_min));
  r.row("Int.Minor Diameter", "Di max", r.mm(), r.length(5, 3, d.Di_min + kInch * d.TDII));
  r.row("Min.Eff.Space Width", "Sv min", r.mm(), r.length(5, 3, d.Sv_min));
  r.row("Max.Eff.Space Width", "Sv max", r.mm(), r.length(5, 3, d.Sv_max));
  r.row("Max.Act.Space Width", ClassSymbol(d, 'S', " max"), r.mm(), r.length(5, 3, d.S_max));
  r.row("Min.Act.Space Width", ClassSymbol(d, 'S', " min"), r.mm(), r.length(5, 3, d.S_min));
  r.row("Max.Eff.Tooth Thickness", "tv max", r.mm(), r.length(5, 3, d.sn_max[0]));
  r.row("Min.Eff.Tooth Thickness", "tv min", r.mm(), r.length(5, 3, d.tv_min));
  r.row("Min.Act.Tooth Thickness", ClassSymbol(d, 't', " min"), r.mm(),
        r.length(5, 3, d.sn_min[0]));
  r.row("Max.Act.Tooth Thickness", ClassSymbol(d, 't', " max"), r.mm(), r.length(5, 3, d.t_max));
  r.row("Ext.Major Diameter Max.", "Do max", r.mm(), r.length(5, 3, d.Do_max));
  r.row("Ext.Major Diameter Min.", "Do min", r.mm(), r.length(5, 3, d.Do_max - kInch * d.TDEE));
  r.row("Ext.Form Diameter", "DFe", r.mm(), r.length(5, 3, d.DFe));
  r.row("Ext.Minor Diameter", "Dre", r.mm(), r.length(5, 3, d.Dre));
  r.row("Variation allowance", "lambda", r.mm(), r.length(4, 4, kInch * d.lambda));
  r.row("Lead variation", "F beta", r.mm(), r.length(4, 4, kInch * d.F_beta));
  r.row("Profile variation, positive", "Ffp", r.mm(), r.length(4, 4, kInch * d.Ffp));
  r.row("Profile variation, negative", "Ffm", r.mm(), r.length(4, 4, kInch * d.Ffm));
  r.row("Total index variation", "Fp", r.mm(), r.length(4, 4, kInch * d.Fp));
  r.row("Major diameter tolerance (ext.)", "TDEE", r.mm(), r.length(4, 4, kInch * d.TDEE));
  r.row("Minor diameter tolerance (int.)", "TDII", r.mm(), r.length(4, 4, kInch * d.TDII));
  r.row("Form clearance", "cf", r.mm(), r.length(4, 4, d.cf));
  if (B92_1b(d)) {
    r.row("Minimum Effective Clearance", "es", r.mm(), r.length(4, 4, kInch * d.es));
    r.row("Required Effective Clearance", "es rqd", r.mm(), r.length(4, 4, kInch * d.es_rqd));
  } else {
    r.row("Minimum Effective Clearance", "cv min", r.mm(), r.length(4, 4, kInch * d.cv_min));
    r.row("Maximum Effective Clearance", "cv max", r.mm(), r.length(4, 4, d.cv_max));
  }
  r.row("Machine variation", "m", r.mm(), r.length(4, 4, kInch * d.m));
}

void ResultsReportDinSections(const ReportContext& rc) {
  const SplineDataSet& d = rc.ds;
  Rows r{rc};
  r.blankTitle("DIN ABMESSUNGEN");
  r.row2("Z\x84hnezahl", "z", "", r.integer(d.N), r.integer(-static_cast<long long>(d.N)));
  r.lengthPair("Teilkreisdurchmesser", "D", 5, 3, d.D);
  r.lengthPair("Grundkreisdurchmesser", "Db", 5, 3, d.Db);
  r.row("Normalmodul", "mn", r.mm(), r.length(2, 4, d.mn));
  r.plainPair("Profilverschiebungsfaktor", "x", 2, 4, d.x);
  r.row("tragende Zahnbreite", "Lg", r.mm(), r.length(5, 2, d.b));
  r.row2("Zahnbreite", "Lg", r.mm(), r.length(5, 1, d.b1), r.length(5, 1, d.b2));
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
  r.row("Normalteilung", "pn", r.mm(), r.length(4, 3, d.pn));
  r.lengthPair("Normalzahndicke theor", "sn th.", 4, 3, d.sn_th);
  r.lengthPair("Normalzahndicke max.", "sn max", 4, 3, d.sn_max);
  r.lengthPair("Normalzahndicke min.", "sn min", 4, 3, d.sn_min);
  r.lengthPair(
      "Normall\x81"
      "ckenweite",
      "en", 4, 3, d.en);
  r.lengthPair(
      "Normall\x81"
      "ckenweite",
      "en max", 4, 3, {d.pn - d.sn_min[0], d.pn - d.sn_min[1]});
  r.lengthPair(
      "Normall\x81"
      "ckenweite",
      "en min", 4, 3, {d.pn - d.sn_max[0], d.pn - d.sn_max[1]});

  r.blankTitle("VERZAHNUNGSDATEN, TOLERANZEN, FLANKENSPIEL");
  r.lengthPair("Oberes Zahndickenabmass Vollehr.", "Ase/Aei", 3, 3, d.Ase_Aei);
  r.lengthPair("Unteres Zahndickenabmass", "Asi/Aee", 3, 3, d.Asi_Aee);
  r.row2("Zahndickentoleranz", "T", MicroUnit(r.u), r.micro(d.T[0]), r.micro(d.T[1]));
  r.row("Min.theor.Flankenspiel", "jtmin", r.mm(), r.length(3, 3, d.jtmin));
  r.row("Max.theor.Flankenspiel", "jtmax", r.mm(), r.length(3, 3, d.jtmax));

  r.blankTitle(
      "PR\x9A"
      "FMASSE");
  r.row2("Kugel-und Rollendurchmesser", "Dm", r.mm(), r.length(5, 3, d.dm1), r.length(5, 3, d.dm2));
  r.lengthPair("Diametr.Zweirollenma\xE1 theor.", "MdR", 5, 3, d.MdR);
  r.lengthPair("Diametr.Zweirollenma\xE1 min.", "MdRmin", 5, 3, d.MdRmin);
  r.lengthPair("Diametr.Zweirollenma\xE1 max.", "MdRmax", 5, 3, d.MdRmax);

  ReportLine(rc, " ");
  r.title("PROFILVERSCHIEBUNGSFAKTOREN");
  r.plainPair("Profilverschiebungsfaktor", "xref", 1, 5, d.x);
  r.plainPair("Erzeug.prof.versch.f.", "xemax", 1, 5, d.xemax);
  r.plainPair("Erzeug.prof.versch.f.", "xemin", 1, 5, d.xemin);
}

void ResultsReportStressSection(const ReportContext& rc) {
  const SplineDataSet& d = rc.ds;
  Rows r{rc};
  r.blankTitle("STRESS CALCULATIONS ACCORDING TO SAE DESIGN GUIDE");
  r.row("Shaft torque", "T", TorqueUnit(r.u), FormatTorque(r.u, d.torque));
  r.row("Max.allowable compressive stress", "Sac", r.mpa(), r.stress(d.sac));
  r.row("Maximum allowable shear stress", "Sas", r.mpa(), r.stress(d.sas));
  r.row("Wear life factor", "Lw", "", r.plain(5, 2, d.lw));
  r.row("Fatigue life factor", "Lf", "", r.plain(5, 2, d.lf));
  r.row("Spline overload factor", "Ko", "", r.plain(5, 2, d.ko));
  r.row("Misalignment factor", "Km", "", r.plain(5, 2, d.km));
  r.row("Active tooth heigth", "H", r.mm(), r.length(5, 2, d.H));
  r.row("No.of teeth in contact", "Ne", "", r.plain(5, 2, d.Ne));
  r.plainPair("Stress concentration factor", "Kt", 6, 1, d.Kt);
  r.row("Compressive stress", "Sc", r.mpa(), r.stress(d.Sc));
  // The crowned-teeth rows need a chosen material and a chosen misalignment.
  if (d.mat_index != 0 && d.misalign_index != 0) {
    r.row("Max.Misalignment", "B", "in./in.", r.digits3(d.B));
    r.row("Crown height", "A", r.mm(), r.digits3(ToDisplayLength(r.u, d.A)));
    r.row("Crown radius", "R", r.mm(), r.digits3(ToDisplayLength(r.u, d.R)));
    r.row("Compressive stress (crowned)", "Sc", r.mpa(), r.stress(d.Sc_crowned));
  }
  r.row("Hoop stress", "Sh", r.mpa(), r.stress(d.Sh));
  r.stressPair("Bending stress", "Sb", d.Sb);
  r.stressPair("Torsional shear stress", "St", d.St);
  r.stressPair("Equivalent stress", "Se", d.Se);
}

void ResultsReport(const ReportContext& rc, int kind) {
  if (rc.fatal_flag) {
    MessageShowList(rc);
    return;
  }
  ReportOpen(rc, 0, rc.data_file);
  if (rc.abort_flag || !ReportCreate(rc)) return;
  ResultsReportHeader(rc);

  bool ansi = kind != kReportStress;
  bool din = kind != kReportExcerpt && kind != kReportStress;
  bool stress = (kind != kReportExcerpt && kind != kReportAnsiDin) && rc.ds.torque > 0;
  if (ansi) {
    ReportPageHeader(rc, 0, 1);
    if (rc.abort_flag) return ReportAbandon(rc);
    ResultsReportAnsiSection(rc);
  }
  if (din) ResultsReportDinSections(rc);
  ReportPageEnd(rc);
  if (rc.abort_flag) return ReportAbandon(rc);
  if (stress) {
    ReportPageHeader(rc, 0, 1);
    if (rc.abort_flag) return ReportAbandon(rc);
    ResultsReportStressSection(rc);
    // The messages start a page of their own, and the report ends with a complete page.
    ReportPageEnd(rc);
  }
  if (MessageCount(rc.messages) > 0) {
    ReportPageHeader(rc, 0, 0);
    if (rc.abort_flag) return ReportAbandon(rc);
    ReportMessages(rc);
    ReportPageEnd(rc);
  }
  if (rc.abort_flag) return ReportAbandon(rc);
  ReportClose(rc);
  rc.ui.setWaitCursor(false);
}

}  // namespace kv9
