#include "report/results_report.h"

#include <gtest/gtest.h>

#include "core/file_util.h"
#include "core/message_list.h"
#include "report/report_formatter.h"
#include "support/report_support.h"
#include "support/test_session.h"

namespace kv9 {
namespace {

using test::Count;
using test::Lines;
using test::ReadBytes;

// Result fields as a calculation might leave them; every value distinct so a row that shows
// the wrong field is caught.
void FillResults(SplineDataSet& d) {
  d.class_title = "SPLINE TO ANSI B92.1 - CLASS 5";
  d.P = 12;
  d.phi_d = 30;
  d.N = 24;
  d.tolerance_class = 2;
  d.coe = 0.02L;
  d.coi = 0.025L;
  d.D = {50.8L, -50.8L};
  d.Db = {43.994L, -43.994L};
  d.Dri = 55.1L;
  d.DFi = 54.2L;
  d.Di_min = 48.7L;
  d.TDII = 0.004L;
  d.Sv_min = 3.325L;
  d.Sv_max = 3.38L;
  d.S_max = 3.41L;
  d.S_min = 3.35L;
  d.sn_max = {3.3L, -3.2L};
  d.sn_min = {3.22L, -3.15L};
  d.tv_min = 3.27L;
  d.t_max = 3.31L;
  d.Do_max = 52.9L;
  d.TDEE = 0.003L;
  d.DFe = 48.1L;
  d.Dre = 46.3L;
  d.lambda = 0.0011L;
  d.F_beta = 0.0005L;
  d.Ffp = 0.0006L;
  d.Ffm = 0.0007L;
  d.Fp = 0.0015L;
  d.cf = 0.254L;
  d.cv_min = 0.001L;
  d.cv_max = 0.05L;
  d.es = 0.0012L;
  d.es_rqd = 0.0018L;
  d.m = 0.0016L;
  d.mn = 2.1167L;
  d.x = {0.45L, -0.45L};
  d.b = 20;
  d.b1 = 30;
  d.b2 = 25;
  d.df = {45.9L, -55.5L};
  d.dfB = {45.7L, -55.8L};
  d.kmn = {0.1L, 0.2L};
  d.ck = {0.3L, 0.4L};
  d.da_th = {53.1L, -48.5L};
  d.da0 = {53.0L, -48.6L};
  d.da = {52.9L, -48.7L};
  d.h = {3.5L, 3.4L};
  d.hfp0_mn = {1.0L, 1.1L};
  d.hap0_mn = {1.25L, 1.35L};
  d.rhoap0_mn = {0.25L, 0.3L};
  d.hfP0 = {2.117L, 2.328L};
  d.haP0 = {2.646L, 2.857L};
  d.rhoaP0 = {0.529L, 0.635L};
  d.pn = 6.65L;
  d.sn_th = {3.26L, -3.18L};
  d.en = {3.39L, 3.47L};
  d.Ase_Aei = {-0.01L, 0.02L};
  d.Asi_Aee = {-0.05L, 0.06L};
  d.T = {0.0421L, 0.0532L};
  d.jtmin = 0.012L;
  d.jtmax = 0.11L;
  d.dm1 = 4.064L;
  d.dm2 = 3.658L;
  d.MdR = {55.43L, -45.21L};
  d.MdRmin = {55.3L, -45.1L};
  d.MdRmax = {55.5L, -45.3L};
  d.xemax = {0.43L, -0.41L};
  d.xemin = {0.39L, -0.44L};
  d.torque = 450;
  d.sac = 137.9L;
  d.sas = 344.7L;
  d.lw = 1;
  d.lf = 0.4L;
  d.ko = 1.3L;
  d.km = 1;
  d.H = 2.1L;
  d.Ne = 12;
  d.Kt = {2.3L, 2.1L};
  d.Sc = 83.2L;
  d.B = 0.002L;
  d.A = 0.02L;
  d.R = 2500;
  d.Sc_crowned = 310.4L;
  d.Sh = 41.7L;
  d.Sb = {52.1L, 17.4L};
  d.St = {188.3L, 61.2L};
  d.Se = {333.5L, 110.1L};
}

class ResultsReportTest : public ::testing::Test {
 protected:
  void SetUp() override {
    s.cfg.temp_dir = dir.path() + "/";
    s.cfg.unit_flag = 0;
    s.cfg.table_decimal_style = 1;
    s.cfg.text_device_window = false;
    s.current_file = "probe";
    s.data_dir = dir.path() + "/";
    FillResults(s.ds);
  }
  // The report on the tab target as rows: label -> the rest of its line.
  std::string Tab(int kind) {
    s.cfg.text_device = kTargetTabFile;
    ResultsReport(s.reportContext(), kind);
    return ReadBytes(dir.file("$$$" + std::to_string(s.report.tab_counter) + ".txt"));
  }
  std::string Paged(int kind) {
    s.cfg.text_device = kTargetCp850File;
    ResultsReport(s.reportContext(), kind);
    return ReadBytes(dir.file("OUTDOS.TXT"));
  }
  // The line of a row whose label and symbol are given (tab target).
  static std::string Row(const std::string& tab, const std::string& label,
                         const std::string& symbol) {
    for (const auto& line : Lines(tab))
      if (line.rfind(label + "\t" + symbol + "\t", 0) == 0) return line;
    return "(no row " + label + " / " + symbol + ")";
  }
  test::TempDir dir;
  test::TestSession t;
  Session& s = t.s;
};

TEST_F(ResultsReportTest, AnsiRowsShowTheirFieldsInTheirFormats) {
  std::string tab = Tab(kReportExcerpt);
  EXPECT_EQ(Row(tab, "Eingriffswinkel", "phi D"), "Eingriffswinkel\tphi D\tGrad\t30.00000");
  EXPECT_EQ(Row(tab, "Spline Pitch", "P"), "Spline Pitch\tP\t1/in\t   12.000");
  EXPECT_EQ(Row(tab, "Z\x84hnezahl", "N"), "Z\x84hnezahl\tN\t\t   24");
  EXPECT_EQ(Row(tab, "Centerline runout", "CO"), "Centerline runout\tCO\tmm\t   0.0200\t   0.0250");
  EXPECT_EQ(Row(tab, "Pitch Diameter", "D"), "Pitch Diameter\tD\tmm\t   50.800");
  EXPECT_EQ(Row(tab, "Int.Minor Diameter", "Di max"), "Int.Minor Diameter\tDi max\tmm\t   48.802");
  EXPECT_EQ(Row(tab, "Ext.Major Diameter Min.", "Do min"),
            "Ext.Major Diameter Min.\tDo min\tmm\t   52.824");
  EXPECT_EQ(Row(tab, "Max.Eff.Tooth Thickness", "tv max"),
            "Max.Eff.Tooth Thickness\ttv max\tmm\t    3.300");
  EXPECT_EQ(Row(tab, "Min.Act.Tooth Thickness", "t5 min"),
            "Min.Act.Tooth Thickness\tt5 min\tmm\t    3.220");
  EXPECT_EQ(Row(tab, "Variation allowance", "lambda"),
            "Variation allowance\tlambda\tmm\t   0.0279");
  EXPECT_EQ(Row(tab, "Form clearance", "cf"), "Form clearance\tcf\tmm\t   0.2540");
  EXPECT_EQ(Row(tab, "Machine variation", "m"), "Machine variation\tm\tmm\t   0.0406");
  EXPECT_NE(tab.find("SPLINE TO ANSI B92.1 - CLASS 5\r\n30 deg, Flat Root Side Fit "
                     "(flankenzentriert), 12/24\r\n"),
            std::string::npos);
  EXPECT_EQ(tab.find("DIN ABMESSUNGEN"), std::string::npos);  // the excerpt stops here
}

TEST_F(ResultsReportTest, ClassNumberGoesIntoTheSpaceAndToothSymbols) {
  std::string tab = Tab(kReportExcerpt);
  for (const char* symbol : {"S5 max", "S5 min", "t5 min", "t5 max"})
    EXPECT_NE(tab.find(std::string("\t") + symbol + "\t"), std::string::npos) << symbol;
  s.ds.tolerance_class = 4;
  tab = Tab(kReportExcerpt);
  EXPECT_NE(tab.find("\tS7 max\t"), std::string::npos);
  EXPECT_EQ(tab.find("\tS5 max\t"), std::string::npos);
}

TEST_F(ResultsReportTest, ClearanceRowsFollowTheQualityStandard) {
  std::string tab = Tab(kReportExcerpt);
  EXPECT_EQ(Row(tab, "Minimum Effective Clearance", "cv min"),
            "Minimum Effective Clearance\tcv min\tmm\t   0.0254");
  // cv max is kept in mm already: no factor 25.4
  EXPECT_EQ(Row(tab, "Maximum Effective Clearance", "cv max"),
            "Maximum Effective Clearance\tcv max\tmm\t   0.0500");
  EXPECT_EQ(tab.find("\tes\t"), std::string::npos);

  s.ds.quality_standard = 2;
  tab = Tab(kReportExcerpt);
  EXPECT_EQ(Row(tab, "Minimum Effective Clearance", "es"),
            "Minimum Effective Clearance\tes\tmm\t   0.0305");
  EXPECT_EQ(Row(tab, "Required Effective Clearance", "es rqd"),
            "Required Effective Clearance\tes rqd\tmm\t   0.0457");
  EXPECT_EQ(tab.find("cv max"), std::string::npos);
}

TEST_F(ResultsReportTest, DinRowsComputeTheirDerivedValues) {
  std::string tab = Tab(kReportAnsiDin);
  EXPECT_EQ(Row(tab, "Z\x84hnezahl", "z"), "Z\x84hnezahl\tz\t\t   24\t  -24");
  EXPECT_EQ(Row(tab, "Teilkreisdurchmesser", "D"),
            "Teilkreisdurchmesser\tD\tmm\t   50.800\t  -50.800");
  EXPECT_EQ(Row(tab, "Fu\xE1kreistoleranz", "A df"),
            "Fu\xE1kreistoleranz\tA df\tmm\t   -0.200\t    0.300");
  EXPECT_EQ(Row(tab,
                "Normall\x81"
                "ckenweite",
                "en max"),
            "Normall\x81"
            "ckenweite\ten max\tmm\t   3.430\t   9.800");
  EXPECT_EQ(Row(tab,
                "Normall\x81"
                "ckenweite",
                "en min"),
            "Normall\x81"
            "ckenweite\ten min\tmm\t   3.350\t   9.850");
  EXPECT_EQ(Row(tab, "Zahndickentoleranz", "T"), "Zahndickentoleranz\tT\t\xE6m\t     42\t     53");
  EXPECT_EQ(Row(tab, "tragende Zahnbreite", "Lg"), "tragende Zahnbreite\tLg\tmm\t   20.00");
  EXPECT_EQ(Row(tab, "Zahnbreite", "Lg"), "Zahnbreite\tLg\tmm\t   30.0\t   25.0");
  EXPECT_EQ(Row(tab, "Kopfrundungsradius Werkzeug", "rhoaP0/mn"),
            "Kopfrundungsradius Werkzeug\trhoaP0/mn\t\t  0.250\t  0.300");
  EXPECT_EQ(Row(tab, "Profilverschiebungsfaktor", "xref"),
            "Profilverschiebungsfaktor\txref\t\t0.45000\t-0.45000");
  EXPECT_EQ(tab.find("STRESS"), std::string::npos);  // kind 3 has no stress section
}

TEST_F(ResultsReportTest, StressSectionOnlyWithTorqueAndCrownedRowsOnlyWithSelections) {
  std::string tab = Tab(kReportStandard);
  EXPECT_NE(tab.find("STRESS CALCULATIONS ACCORDING TO SAE DESIGN GUIDE"), std::string::npos);
  EXPECT_EQ(Row(tab, "Shaft torque", "T"), "Shaft torque\tT\tNm\t450");
  EXPECT_EQ(Row(tab, "Equivalent stress", "Se"), "Equivalent stress\tSe\tMPa\t   333.5\t   110.1");
  EXPECT_EQ(tab.find("Crown height"), std::string::npos);

  s.ds.mat_index = 1;
  tab = Tab(kReportStandard);
  EXPECT_EQ(tab.find("Crown height"), std::string::npos);  // misalignment still self-defined
  s.ds.misalign_index = 2;
  tab = Tab(kReportStandard);
  EXPECT_EQ(Row(tab, "Max.Misalignment", "B"), "Max.Misalignment\tB\tin./in.\t   0.002");
  EXPECT_EQ(Row(tab, "Crown radius", "R"), "Crown radius\tR\tmm\t    2500");
  EXPECT_EQ(Row(tab, "Compressive stress (crowned)", "Sc"),
            "Compressive stress (crowned)\tSc\tMPa\t   310.4");

  for (Real torque : {0.0L, -5.0L}) {
    s.ds.torque = torque;
    tab = Tab(kReportStandard);
    EXPECT_EQ(tab.find("STRESS"), std::string::npos) << torque;
    EXPECT_NE(tab.find("PROFILVERSCHIEBUNGSFAKTOREN"), std::string::npos);
  }
}

TEST_F(ResultsReportTest, KindFourIsTheStressSectionAlone) {
  std::string tab = Tab(kReportStress);
  EXPECT_NE(tab.find("STRESS CALCULATIONS"), std::string::npos);
  EXPECT_EQ(tab.find("Pitch Diameter"), std::string::npos);
  EXPECT_EQ(tab.find("DIN ABMESSUNGEN"), std::string::npos);
}

TEST_F(ResultsReportTest, InchModeConvertsLengthsStressesAndTorque) {
  s.cfg.unit_flag = 1;
  s.ds.D = {25.4L, -25.4L};
  std::string tab = Tab(kReportStandard);
  EXPECT_EQ(Row(tab, "Pitch Diameter", "D"), "Pitch Diameter\tD\tin\t   1.0000");
  EXPECT_EQ(Row(tab, "Centerline runout", "CO"), "Centerline runout\tCO\tin\t  0.00079\t  0.00098");
  EXPECT_EQ(Row(tab, "Zahndickentoleranz", "T"), "Zahndickentoleranz\tT\t\xE6in\t   1657\t   2094");
  EXPECT_EQ(Row(tab, "Hoop stress", "Sh"), "Hoop stress\tSh\tpsi\t    6048");
  EXPECT_EQ(Row(tab, "Shaft torque", "T"), "Shaft torque\tT\tlbfin\t3983");
  EXPECT_EQ(Row(tab, "Eingriffswinkel", "phi D"), "Eingriffswinkel\tphi D\tGrad\t30.00000");
}

TEST_F(ResultsReportTest, PagedReportHasItsHeaderPagesAndUnderlinedRows) {
  s.cfg.text_report_mode = 1;
  s.ds.drawing_name_shaft = "Antriebswelle";
  s.ds.drawing_number_shaft = "KV-1";
  s.ds.info1 = "Erste Info";
  s.cfg.lines_per_page = 300;  // no automatic breaks: one page per section
  std::string out = Paged(kReportStandard);
  auto lines = Lines(out);
  EXPECT_NE(lines.at(1).find("KV9 V2.61  Zahnwellenverbindung nach ANSI B92.1"), std::string::npos);
  EXPECT_EQ(lines.at(5).substr(7 + 5, 13), "Antriebswelle");
  EXPECT_EQ(lines.at(5).substr(7 + 5 + 39, 9), "Nr.: KV-1");
  EXPECT_EQ(lines.at(7).substr(7 + 5, 10), "Erste Info");
  EXPECT_EQ(Count(out, "Bl."), 2);  // ANSI and DIN sections, then the stress section
  EXPECT_LT(out.find("Bl.1"), out.find("PROFILVERSCHIEBUNGSFAKTOREN"));
  EXPECT_LT(out.find("PROFILVERSCHIEBUNGSFAKTOREN"), out.find("Bl.2"));
  EXPECT_LT(out.find("Bl.2"), out.find("STRESS CALCULATIONS"));
  auto row = std::find_if(lines.begin(), lines.end(),
                          [](const std::string& l) { return l.find("Pitch Diameter") != l.npos; });
  ASSERT_NE(row, lines.end());
  EXPECT_EQ(*(row + 1), std::string(7, ' ') + std::string(70, '-'));
  EXPECT_EQ(out.find("BEMERKUNGEN"), std::string::npos);  // no messages, no remarks
}

// A report given up at a page (no paper in the printer) leaves no open file behind: the
// printer output is closed, and nothing more is written to it.
TEST_F(ResultsReportTest, ReportStoppedAtAPageClosesItsOutput) {
  s.report.printer_device = dir.file("lp0");
  s.cfg.text_device = kTargetTextPrinter;
  t.ui.answer("J");  // pause after each page
  t.ui.answer("N");  // no paper: stop
  ResultsReport(s.reportContext(), 0);
  EXPECT_TRUE(s.abort_flag);
  EXPECT_EQ(s.report.out, nullptr);
  const std::string written = ReadBytes(dir.file("lp0"));
  EXPECT_EQ(written.find("Zeichen"), std::string::npos);  // no page header was written
}

TEST_F(ResultsReportTest, ExcerptWithMessagesEndsWithTheMessagesPage) {
  s.cfg.text_report_mode = 1;
  s.cfg.lines_per_page = 300;
  MessageAdd(s.messages, "Warnung: Spitzzahn ! (1)");
  std::string out = Paged(kReportExcerpt);
  EXPECT_EQ(out.find("DIN ABMESSUNGEN"), std::string::npos);
  auto remarks = out.find("BEMERKUNGEN, WARNUNGEN, FEHLERMELDUNGEN");
  ASSERT_NE(remarks, std::string::npos);
  EXPECT_GT(remarks, out.find("Machine variation"));
  EXPECT_GT(out.find("Warnung: Spitzzahn ! (1)"), remarks);
  EXPECT_EQ(Count(out, "Bl."), 2);  // the messages page has its own header
}

TEST_F(ResultsReportTest, HtmlReportIsWellFormed) {
  s.cfg.text_device = kTargetHtml;
  s.cfg.html_browser = "/bin/true";
  s.ds.info2 = "<b>fett</b>";
  MessageAdd(s.messages, "Fehler : Sc>Sac*Lw/KoKm");
  ResultsReport(s.reportContext(), kReportStandard);
  std::string html = ReadBytes(dir.file("kv9.htm"));
  EXPECT_EQ(test::HtmlStructureProblem(html), "");
  EXPECT_NE(html.find("<h5>&lt;b&gt;fett&lt;/b&gt;</h5>"), std::string::npos);
  EXPECT_NE(html.find("Fehler : Sc&gt;Sac*Lw/KoKm"), std::string::npos);
  EXPECT_NE(html.find("<TD><CENTER></CENTER></TD><TD>Zeichen</TD>"), std::string::npos);
}

TEST_F(ResultsReportTest, FatalCalculationShowsTheMessageListInsteadOfAReport) {
  s.cfg.text_device = kTargetCp850File;
  MessageAdd(s.messages, "Fatal  : z = 0 !");
  s.fatal_flag = true;
  ResultsReport(s.reportContext(), kReportStandard);
  EXPECT_FALSE(FileExists(dir.file("OUTDOS.TXT")));
  ASSERT_FALSE(t.ui.events.empty());
  EXPECT_EQ(t.ui.events.back().lines.at(0), "Fatal  : z = 0 !");

  s.args = {"probe.kv9", "/I", "/nogui"};
  int before = static_cast<int>(t.ui.events.size());
  ResultsReport(s.reportContext(), kReportStandard);
  EXPECT_EQ(static_cast<int>(t.ui.events.size()), before);
}

}  // namespace
}  // namespace kv9
