// Printing to PDF files, checked with poppler's pdfinfo and pdftotext.
#include "gui/printing.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "app/commands/view_commands.h"
#include "app/data_file_commands.h"
#include "cad/cad_driver.h"
#include "drawings/spline_drawings.h"
#include "gui/printout_dialog.h"
#include "gui_support.h"
#include "support/examples.h"
#include "tables/printout_table.h"
#include "tables/table_browser.h"

namespace kv9 {
namespace {

using test::Find;

std::string RunTool(const std::string& command) {
  std::string out;
  if (FILE* p = popen(command.c_str(), "r")) {
    char buf[4096];
    while (std::size_t n = fread(buf, 1, sizeof buf, p)) out.append(buf, n);
    pclose(p);
  }
  return out;
}

std::string InfoField(const std::string& pdf, const std::string& field) {
  std::istringstream info(RunTool("pdfinfo '" + pdf + "' 2>/dev/null"));
  for (std::string line; std::getline(info, line);)
    if (line.rfind(field + ":", 0) == 0) {
      std::size_t start = line.find_first_not_of(' ', field.size() + 1);
      return start == std::string::npos ? "" : line.substr(start);
    }
  return "";
}

std::string PageText(const std::string& pdf, int page) {
  const std::string n = std::to_string(page);
  return RunTool("pdftotext -layout -f " + n + " -l " + n + " '" + pdf + "' - 2>/dev/null");
}

struct Printing : ::testing::Test {
  test::TempDir dir;
  std::string pdf = dir.file("out.pdf");
  QPrinter printer{QPrinter::HighResolution};
  Printing() {
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(QString::fromStdString(pdf));
  }
};

TEST_F(Printing, PagesTwoToThreeOfAThreePageReport) {
  std::istringstream report("Seite eins\n\f\nSeite zwei Ma\xE1\n\f\nSeite drei\n\f\n");
  ASSERT_TRUE(PrintTextPages(printer, SplitTextPrintPages(report, 2, 3), {}));
  EXPECT_EQ(InfoField(pdf, "Pages"), "2");
  EXPECT_NE(PageText(pdf, 1).find("Seite zwei Maß"), std::string::npos);
  EXPECT_NE(PageText(pdf, 2).find("Seite drei"), std::string::npos);
  EXPECT_EQ(InfoField(pdf, "Page size").find("595"), 0u);  // A4 portrait: 595 x 842 pts
}

// The results report on the target "Windows-Drucker": the file the formatter hands over prints
// one PDF page per form feed line.
TEST_F(Printing, TheResultsReportPrintsItsPages) {
  struct PrintingUi : ScriptedUi {
    QPrinter* printer;
    int offered = 0;
    bool printTextFile(const std::string& path) override {
      std::ifstream in(path, std::ios::binary);
      offered = CountTextPrintPages(in);
      in.clear();
      in.seekg(0);
      return PrintTextPages(*printer, SplitTextPrintPages(in, 1, offered), {});
    }
  } ui;
  ui.printer = &printer;
  Session s(ui);
  s.cfg.temp_dir = dir.dir();
  s.scratch_dir = dir.dir();
  ASSERT_TRUE(LoadDataFile(s, test::ExamplePath("side_fit_30")));
  s.cfg.text_device = 4;
  s.cfg.text_device_window = false;
  CmdStandardPrintout(s);
  if (const char* keep = std::getenv("KV9_KEEP_REPORT_PDF"))
    std::filesystem::copy_file(pdf, keep, std::filesystem::copy_options::overwrite_existing);
  ASSERT_GE(ui.offered, 2);
  EXPECT_EQ(InfoField(pdf, "Pages"), std::to_string(ui.offered));
  EXPECT_NE(PageText(pdf, 1).find("SPLINE TO ANSI B92.1"), std::string::npos);
  EXPECT_NE(PageText(pdf, 2).find("Bl.2"), std::string::npos);
}

TEST_F(Printing, ThePrintDialogOffersTheFormFeedPagesAndAMissingFileIsNamed) {
  test::WriteBytes(dir.file("bericht.txt"), "eins\r\n\f\r\nzwei\r\n\f\r\ndrei\r\n\f\r\n");
  int from = 0, to = 0;
  test::WhenModal([&](QWidget* shown) {
    auto* dialog = qobject_cast<QPrintDialog*>(shown);
    ASSERT_NE(dialog, nullptr);
    from = dialog->fromPage();
    to = dialog->toPage();
    dialog->reject();
  });
  EXPECT_FALSE(PrintTextFile(nullptr, dir.file("bericht.txt"), {}));
  EXPECT_EQ(from, 1);
  EXPECT_EQ(to, 3);

  QString message;
  test::WhenModal([&](QWidget* shown) {
    message = static_cast<QMessageBox*>(shown)->text();
    static_cast<QMessageBox*>(shown)->accept();
  });
  EXPECT_FALSE(PrintTextFile(nullptr, dir.file("fehlt.txt"), {}));
  EXPECT_EQ(message, QString::fromStdString(dir.file("fehlt.txt") + " not found !"));
}

TEST_F(Printing, AFileWithoutFormFeedsPrintsNothing) {
  std::istringstream text("eine Zeile\nnoch eine\n");
  EXPECT_TRUE(PrintTextPages(printer, SplitTextPrintPages(text, 1, CountTextPrintPages(text)), {}));
  EXPECT_FALSE(std::filesystem::exists(pdf));
}

TEST_F(Printing, LandscapeSettingGivesALandscapePageAndFitFillsIt) {
  test::TestSession t;
  Session& s = t.s;
  s.cfg.temp_dir = dir.dir();
  s.scratch_dir = dir.dir();
  ASSERT_TRUE(LoadDataFile(s, test::ExamplePath("side_fit_30")));
  s.display.setClientSize(800, 600);
  DrawSplineDrawing(s.drawingContext(), kCadScreen, kDrawShaftSheet);
  s.display.ZoomIn();  // the fit option undoes a zoom
  s.display.ZoomIn();
  Config c;
  c.printer_orientation = 2;
  GraphicsPrintSettings settings = GraphicsPrintSettingsOf(c);
  EXPECT_TRUE(settings.landscape);
  ASSERT_TRUE(PrintDisplayListPage(printer, s.display, settings, "DejaVu Sans"));
  EXPECT_EQ(InfoField(pdf, "Page size").find("842"), 0u);  // landscape: 842 x 595 pts

  // Drawing 5 is an upright sheet: fitted onto a portrait page it reaches near every edge.
  settings.landscape = false;
  settings.fit = true;
  ASSERT_TRUE(PrintDisplayListPage(printer, s.display, settings, "DejaVu Sans"));
  if (const char* keep = std::getenv("KV9_KEEP_PDF"))
    std::filesystem::copy_file(pdf, keep, std::filesystem::copy_options::overwrite_existing);

  RunTool("pdftoppm -r 20 -gray '" + pdf + "' '" + dir.file("page") + "'");
  std::ifstream pgm(dir.file("page-1.pgm"), std::ios::binary);
  std::string magic;
  int w = 0, h = 0, maxval = 0;
  pgm >> magic >> w >> h >> maxval;
  pgm.get();
  std::vector<unsigned char> px(std::size_t(w) * h);
  pgm.read(reinterpret_cast<char*>(px.data()), px.size());
  ASSERT_EQ(magic, "P5");
  int left = w, right = 0, top = h, bottom = 0;
  for (int y = 0; y < h; ++y)
    for (int x = 0; x < w; ++x)
      if (px[std::size_t(y) * w + x] < 128) {
        left = std::min(left, x), right = std::max(right, x);
        top = std::min(top, y), bottom = std::max(bottom, y);
      }
  EXPECT_GT(right - left, w * 8 / 10);
  EXPECT_GT(bottom - top, h * 8 / 10);
}

// "Datenbank" picks the landscape set-up of the delivered table; OK makes it the print
// settings, and the printout page is landscape.
TEST_F(Printing, ALandscapeSetUpChosenInTheDialogPrintsALandscapePage) {
  ScriptedUi ui;
  MessageList messages;
  bool abort_flag = false;
  test::TempDir dbf;
  std::string problem;
  ASSERT_TRUE(WritePrintoutTable(dbf.file(kPrintoutTable), problem));
  TableEnv env{ui, messages, abort_flag, true, dbf.dir(), dir.dir(), {2024, 3, 5}};
  ui.on_tableBrowserForm = [](TableBrowser& b) {
    b.selectRow(1);  // "A4 Querformat angepasst"
    b.accept();
    return true;
  };
  Config settings;
  DbfTable table;
  int last = 0;
  PrintoutForm form(settings, env, table, "", last, false);
  TFprintout dialog(nullptr, form, printer, {});
  EXPECT_EQ(dialog.windowTitle(), "Printout");
  EXPECT_TRUE(Find<QRadioButton>(&dialog, "RadioGroup_orientation_1")->isChecked());
  Find<QPushButton>(&dialog, "Button_database")->click();
  EXPECT_TRUE(Find<QRadioButton>(&dialog, "RadioGroup_orientation_2")->isChecked());
  EXPECT_TRUE(Find<QCheckBox>(&dialog, "CheckBox_fit")->isChecked());
  EXPECT_EQ(Find<QLineEdit>(&dialog, "Edit_origin_x")->text(), "10");
  Find<QPushButton>(&dialog, "Button_ok")->click();
  EXPECT_EQ(settings.printer_orientation, 2);

  DisplayList list;
  list.setClientSize(400, 300);
  list.Header(0, 0, 400, 300);
  list.line(0, 0, 400, 300);
  ASSERT_TRUE(
      PrintDisplayListPage(printer, list, GraphicsPrintSettingsOf(settings), "DejaVu Sans"));
  EXPECT_EQ(InfoField(pdf, "Page size").find("842"), 0u);
  EXPECT_FALSE(PrinterInfoRows(printer).empty());
}

}  // namespace
}  // namespace kv9
