#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "cad/cad_driver.h"
#include "cad/plot_command_wizard.h"
#include "cad/plot_settings_form.h"
#include "support/cad_session.h"

namespace kv9 {
namespace {

using test::CadSession;
using test::LoadWithEzdxf;
using test::ReadBytes;
using test::WriteBytes;

struct Dialog : test::TestSession {
  PlotSettingsForm form;
  Dialog() : form(Init(s).cadContext(), "stored line") {}
  static Session& Init(Session& s) {
    s.cfg.temp_dir = "/tmp/plot";
    return s;
  }
  std::string tail() const {
    std::string line = form.commandLine();
    std::string head = "/opt/rixtran/wrixtran /tmp/plot/rixtran /C";
    EXPECT_EQ(line.rfind(head, 0), 0u) << line;
    return line.substr(head.size());
  }
};

TEST(PlotSettingsForm, OpensWithTheStandardLineAndReturnsTheStoredOneUntilAChange) {
  Dialog d;
  EXPECT_EQ(d.form.label(), "/opt/rixtran/wrixtran /tmp/plot/rixtran /CHPL");
  EXPECT_EQ(d.form.commandLine(), "stored line");
  d.form.setText(PlotField::Font, "");  // any change, the font box included
  EXPECT_EQ(d.form.commandLine(), "/opt/rixtran/wrixtran /tmp/plot/rixtran /CHPL");
}

TEST(PlotSettingsForm, InterfacesAndPorts) {
  Dialog d;
  d.form.setInterface(1);
  EXPECT_EQ(d.tail(), "HPL /D1");
  EXPECT_TRUE(d.form.comEnabled());
  EXPECT_FALSE(d.form.lptEnabled());
  d.form.setText(PlotField::Com, "3");
  EXPECT_EQ(d.tail(), "HPL /D1 /P3");
  d.form.setInterface(2);
  d.form.setText(PlotField::Lpt, "2");
  EXPECT_EQ(d.tail(), "HPL /P2");
  d.form.setText(PlotField::Lpt, "x");  // no number counts as 0
  EXPECT_EQ(d.tail(), "HPL /P0");
  d.form.setInterface(3);
  EXPECT_TRUE(d.form.folderEnabled());
  EXPECT_EQ(d.tail(), "HPL /D3 /F/tmp/plot/rixtran");
  d.form.setText(PlotField::Folder, "  ");
  EXPECT_EQ(d.form.commandLine(), "/opt/rixtran/wrixtran rixtran /CHPL /D3");
}

TEST(PlotSettingsForm, ScaleShiftsFactorRotationAndFont) {
  Dialog d;
  d.form.setFitToPaper(true);
  EXPECT_EQ(d.tail(), "HPL /M*");
  EXPECT_FALSE(d.form.scaleEnabled());
  d.form.setFitToPaper(false);
  EXPECT_TRUE(d.form.scaleEnabled());
  EXPECT_EQ(d.form.scale, "0");
  d.form.setText(PlotField::Scale, "1.0");
  EXPECT_EQ(d.tail(), "HPL");
  d.form.setText(PlotField::Scale, "2,5");
  EXPECT_EQ(d.tail(), "HPL /M2,5");
  d.form.setText(PlotField::Scale, "abc");
  EXPECT_EQ(d.tail(), "HPL /M*");
  d.form.setText(PlotField::Scale, "1");
  d.form.setRotate(true);
  d.form.setText(PlotField::ShiftY, "-5");
  d.form.setText(PlotField::WidthFactor, "0.9");
  EXPECT_EQ(d.tail(), "HPL /Y-5 /B0.9 /R");  // the dialog's order
  d.form.setText(PlotField::ShiftX, "1e1");
  EXPECT_EQ(d.tail(), "HPL /X1e1 /Y-5 /B0.9 /R");
  d.form.setRotate(false);
  d.form.setText(PlotField::ShiftX, "0");
  d.form.setText(PlotField::ShiftY, "0");
  d.form.setText(PlotField::WidthFactor, "1");
  EXPECT_FALSE(d.form.fontEnabled());
  d.form.setFormat(2);
  EXPECT_TRUE(d.form.fontEnabled());
  EXPECT_EQ(d.tail(), "PS /T");
  d.form.setText(PlotField::Font, "Courier");
  EXPECT_EQ(d.tail(), "PS /TCourier");
  EXPECT_EQ(PlotSettingsForm::PostScriptFonts().size(), 35u);
}

TEST(PlotSettingsForm, OkCancelAndTooltips) {
  Dialog d;
  EXPECT_EQ(d.form.tooltipTopic(PlotField::Rotate), 2145);
  d.s.cfg.help_level = 0;
  EXPECT_EQ(PlotSettingsForm(d.s.cadContext(), "").tooltipTopic(PlotField::Rotate), 0);

  std::string line = "kept";
  d.ui.on_plotSettingsForm = [](PlotSettingsForm& f) {
    f.setInterface(1);
    return false;
  };
  EXPECT_FALSE(EditPlotCommandLine(d.s.cadContext(), line));
  EXPECT_EQ(line, "kept");
  EXPECT_TRUE(d.s.abort_flag);
  d.ui.on_plotSettingsForm = [](PlotSettingsForm& f) { return true; };
  EXPECT_TRUE(EditPlotCommandLine(d.s.cadContext(), line));
  EXPECT_EQ(line, "kept");  // OK without a change
  EXPECT_FALSE(d.s.abort_flag);
}

// The question sequence with a program folder "p" holding the program, in the working folder.
struct Wizard : CadSession {
  test::WorkingFolder here{dir.path()};
  Wizard() {
    std::filesystem::create_directory(dir.file("p"));
    WriteBytes(dir.file("p/wrixtran"), "");
  }
  // Answers up to the font: Windows program, folder p, the given format and interface.
  void answerAll(const char* format, const char* interface, const char* port_or_file,
                 const char* rotate, const char* shift_y) {
    for (const char* a :
         {"1", "p", format, interface, port_or_file, "1", rotate, "0", shift_y, "1"})
      ui.answer(a);
  }
};

TEST(PlotCommandWizard, QuestionOrderAndRotationBeforeTheYShift) {
  Wizard t;
  t.s.cfg.temp_dir = "/t";
  for (const char* a : {"1", "nowhere", "p", "2", "1", "3", "1", "J", "0", "5", "1", "Symbol"})
    t.ui.answer(a);  // "nowhere" holds no program: the folder is asked again
  std::string line = "/opt/rixtran/wrixtran x";
  PlotCommandWizard(t.s.cadContext(), line);
  EXPECT_FALSE(t.s.abort_flag);
  EXPECT_EQ(line, "p/wrixtran /t/rixtran /CPS /D1 /P3 /R /Y5 /TSymbol");
  std::vector<std::string> prompts;
  for (const auto& e : t.ui.events)
    if (e.kind != "error") prompts.push_back(e.text);
  EXPECT_EQ(
      prompts,
      (std::vector<std::string>{
          "RIXTRAN/WRIXTRAN", "Programmverzeichnis von wrixtran",
          "Programmverzeichnis von wrixtran", "Ausgabeformat", "Ausgabeschnittstelle", "COM-Port",
          "Maßstab (0=anpassen)", "Plot um 90 Grad drehen ?", "Nullpunktverschiebung in x-Richtung",
          "Nullpunktverschiebung in y-Richtung", "Textbreitenfaktor", "Postscript-Zeichensatz"}));
  EXPECT_EQ(t.ui.events[1].caption, "/opt/rixtran");  // the folder of the line's first word
  EXPECT_EQ(t.ui.texts("error").size(), 1u);
  EXPECT_EQ(t.s.help_topic, 2280);
}

TEST(PlotCommandWizard, CancelLeavesTheLine) {
  Wizard t;
  t.ui.answer("1");
  t.ui.answer("p");
  t.ui.cancel();
  std::string line = "old";
  PlotCommandWizard(t.s.cadContext(), line);
  EXPECT_TRUE(t.s.abort_flag);
  EXPECT_EQ(line, "old");
}

TEST(PlotCommandWizard, SixtyCharactersAreUsedAndSixtyOneGoIntoABatchFile) {
  // "p/wrixtran " + temp + "rixtran /CPL2": 24 characters besides the temporary folder.
  Wizard t;
  t.s.cfg.temp_dir = "/" + std::string(34, 'x') + "/";
  t.answerAll("4", "2", "1", "N", "0");
  std::string line;
  PlotCommandWizard(t.s.cadContext(), line);
  EXPECT_EQ(line.size(), 60u);
  EXPECT_TRUE(t.ui.texts("note").empty());

  Wizard u;
  u.s.cfg.temp_dir = "/" + std::string(35, 'x') + "/";
  u.answerAll("4", "2", "1", "N", "0");
  u.ui.answer("plot.x");         // a "." is refused
  u.ui.answer("no/such/dir/b");  // cannot be created
  u.ui.answer("plotbat");
  std::string long_line;
  PlotCommandWizard(u.s.cadContext(), long_line);
  EXPECT_FALSE(u.s.abort_flag);
  EXPECT_EQ(long_line, "plotbat.BAT");
  EXPECT_EQ(u.ui.texts("note"),
            (std::vector<std::string>{"Kommandozeile zu lang, Es wird eine Batch-Datei erzeugt."}));
  EXPECT_EQ(u.ui.texts("error"),
            (std::vector<std::string>{"Datei no/such/dir/b.BAT kann nicht angelegt werden"}));
  std::string content = ReadBytes(u.dir.file("plotbat.BAT"));
  EXPECT_EQ(content, "#!/bin/sh\np/wrixtran /" + std::string(35, 'x') + "/rixtran /CPL2\n");
  struct stat st;
  ASSERT_EQ(stat(u.dir.file("plotbat.BAT").c_str(), &st), 0);
  EXPECT_TRUE(st.st_mode & S_IXUSR);
  auto inputs = u.ui.events;
  EXPECT_EQ(inputs.back().caption, "no/such/dir/b");  // the name is proposed again
  EXPECT_EQ(u.ui.events[u.ui.events.size() - 4].caption, "/opt/rixtran/kv9");

  Wizard v;
  v.s.cfg.temp_dir = "/" + std::string(35, 'x') + "/";
  v.answerAll("4", "3", "out.plt", "N", "0");
  v.ui.cancel();
  std::string kept;
  PlotCommandWizard(v.s.cadContext(), kept);
  EXPECT_TRUE(v.s.abort_flag);
  EXPECT_EQ(kept, "p/wrixtran /" + std::string(35, 'x') + "/rixtran /CPL2 /D3 /Fout.plt");
}

TEST(PlotKind, ChosenLineIsEditedStoredAndStartedHidden) {
  CadSession t;
  t.s.cfg.plot_command_line = "first";
  t.s.cfg.plot_command_lines_more = {std::string(70, 's')};
  t.ui.answer("2");
  t.ui.on_plotSettingsForm = [](PlotSettingsForm&) { return true; };
  t.ui.answer("/opt/rixtran/wrixtran /tmp/rixtran /CPS");
  CadOpen(t.s.cadContext(), kCadPlot);
  ASSERT_TRUE(CadIsOpen(t.s.cadContext()));
  EXPECT_EQ(t.ui.events[0].text, "RIXTRAN Command Line");
  EXPECT_EQ(t.ui.events[0].lines, (std::vector<std::string>{"first", std::string(65, 's')}));
  EXPECT_EQ(t.ui.events[2].preselected, 70);  // the long line is not cut in the input
  EXPECT_EQ(t.s.cfg.plot_command_lines_more[0], "/opt/rixtran/wrixtran /tmp/rixtran /CPS");
  EXPECT_EQ(t.ui.texts("note"),
            (std::vector<std::string>{t.s.cfg.temp_dir + "rixtran.dxf wird geplottet.."}));
  t.drawing(0, [&] { CadLine(t.s.cadContext(), 0, 0, 10, 10); });
  auto started = t.ui.events.back();
  EXPECT_EQ(started.kind, "start");
  EXPECT_EQ(started.caption, "hidden");
  EXPECT_EQ(started.text, "/opt/rixtran/wrixtran /tmp/rixtran /CPS");
  auto d = LoadWithEzdxf(t.dir.file("rixtran.dxf"));
  ASSERT_TRUE(d.loaded) << d.output;
  EXPECT_EQ(d.entities["LINE"], 1);

  t.ui.start_result = {StartResult::NotFound, 2};
  t.ui.on_plotSettingsForm = [](PlotSettingsForm&) { return true; };
  t.ui.answer("1");
  t.ui.answer("x");
  CadOpen(t.s.cadContext(), kCadPlot);
  t.drawing(1, [] {});
  EXPECT_EQ(t.ui.texts("error"), (std::vector<std::string>{"file not found"}));
  auto empty = LoadWithEzdxf(t.dir.file("rixtran.dxf"));
  EXPECT_TRUE(empty.loaded) << empty.output;
  EXPECT_TRUE(empty.entities.empty());
}

TEST(PlotKind, CancelOrAQuestionSequenceCancelledCreatesNoFile) {
  CadSession t;
  t.ui.on_plotSettingsForm = [](PlotSettingsForm&) { return false; };
  CadOpen(t.s.cadContext(), kCadPlot);
  EXPECT_TRUE(t.s.abort_flag);
  EXPECT_FALSE(CadIsOpen(t.s.cadContext()));

  t.ui.on_plotSettingsForm = [](PlotSettingsForm&) { return true; };
  t.ui.answer("0");  // compose step by step ...
  t.ui.cancel();     // ... and cancel the first question
  CadOpen(t.s.cadContext(), kCadPlot);
  EXPECT_TRUE(t.s.abort_flag);
  EXPECT_FALSE(CadIsOpen(t.s.cadContext()));
  EXPECT_FALSE(std::filesystem::exists(t.dir.file("rixtran.dxf")));
  EXPECT_EQ(t.ui.events.back().text, "RIXTRAN/WRIXTRAN");

  // rixtran.dxf is never written through a symbolic link.
  std::filesystem::create_symlink(t.dir.file("elsewhere"), t.dir.file("rixtran.dxf"));
  t.ui.answer("x");
  t.s.abort_flag = false;
  CadOpen(t.s.cadContext(), kCadPlot);
  EXPECT_FALSE(CadIsOpen(t.s.cadContext()));
  EXPECT_FALSE(std::filesystem::exists(t.dir.file("elsewhere")));
}

}  // namespace
}  // namespace kv9
