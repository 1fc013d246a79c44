// "--screenshots DIR": every dialog, the usage screen, the text window with a report, the main
// window with drawing 7, the meshing view and the production drawings (and its menus in German
// and Korean), and the graphics widget, filled from an example data set, saved as PNG files for a
// person to look at.
#include <QAction>
#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QMessageBox>
#include <QPrinter>
#include <QTabWidget>
#include <filesystem>
#include <fstream>
#include <iostream>

#include "app/commands/menu_table.h"
#include "app/commands/overview_command.h"
#include "app/data_file_commands.h"
#include "app/usage_screen.h"
#include "cad/cad_driver.h"
#include "calc/input_forms.h"
#include "calc/spline_calculation.h"
#include "cad/plot_settings_form.h"
#include "drawings/spline_drawings.h"
#include "exchange/overview.h"
#include "help/change_records.h"
#include "help/documents.h"
#include "help/picture_database.h"
#include "gui/animation_step_dialog.h"
#include "gui/change_dialogs.h"
#include "gui/config_dialog.h"
#include "gui/document_setup_dialog.h"
#include "gui/help_picture_browser.h"
#include "gui/overview_window.h"
#include "gui/plot_settings_dialog.h"
#include "gui/printout_dialog.h"
#include "gui/select_color_dialog.h"
#include "gui/table_browser_dialog.h"
#include "gui/cad_settings_dialog.h"
#include "gui/dimensions_dialog.h"
#include "gui/generic_dialogs.h"
#include "gui/graphics_widget.h"
#include "gui/main_window.h"
#include "gui/material_dialog.h"
#include "gui/measurement_dialog.h"
#include "gui/message_dialogs.h"
#include "gui/quality_dialog.h"
#include "gui/text_convert.h"
#include "gui/text_window.h"
#include "gui/texts_dialog.h"
#include "model/data_file.h"
#include "report/message_description_form.h"
#include "report/report_state.h"
#include "report/results_report.h"
#include "support/examples.h"
#include "support/test_session.h"
#include "tables/printout_form.h"
#include "tables/printout_table.h"
#include "tables/table_browser.h"
#include "gui_support.h"
#include "toothform/cad_settings_form.h"
#include "toothform/tooth_form_views.h"

namespace kv9::test {

namespace {

bool Save(QWidget& widget, const QString& dir, const char* name) {
  widget.show();
  QApplication::processEvents();
  const QString path = dir + "/" + name + ".png";
  const bool ok = widget.grab().save(path);
  std::cout << (ok ? "saved " : "could not save ") << path.toStdString() << "\n";
  widget.close();
  return ok;
}

// A menu of the main window as it drops down.
bool SaveMenu(Thh& window, const char* id, const QString& dir, const char* name) {
  QAction* action = window.action(id);
  QMenu* menu = action ? action->menu() : nullptr;
  if (!menu) return false;
  menu->popup(QPoint(0, 0));
  QApplication::processEvents();
  const QString path = dir + "/" + name + ".png";
  const bool ok = menu->grab().save(path);
  std::cout << (ok ? "saved " : "could not save ") << path.toStdString() << "\n";
  menu->hide();
  return ok;
}

template <class Dialog, class Form>
bool SaveForm(Form form, const QString& dir, const char* name) {
  Dialog dialog(nullptr, form, {});
  return Save(dialog, dir, name);
}

// A window only reachable through its modal Run function: grabbed once shown, then closed.
bool SaveModal(const QString& dir, const char* name, const std::function<void()>& run) {
  bool ok = false;
  WhenModal([&](QWidget* dialog) {
    QApplication::processEvents();
    const QString path = dir + "/" + name + ".png";
    ok = dialog->grab().save(path);
    std::cout << (ok ? "saved " : "could not save ") << path.toStdString() << "\n";
    dialog->close();
  });
  run();
  return ok;
}

}  // namespace

int SaveScreenshots(const char* folder) {
  const QString dir = QString::fromLocal8Bit(folder);
  QDir().mkpath(dir);
  TempDir scratch;
  TestSession t;
  Session& s = t.s;
  std::filesystem::create_directory(scratch.file("scratch"));
  s.scratch_dir = scratch.file("scratch") + "/";
  s.cfg.temp_dir = scratch.path() + "/";
  s.cfg.unit_flag = 0;
  if (!LoadDataFile(s, ExamplePath("side_fit_30"))) return 1;
  HelpCallbacks help;
  bool ok = true;

  std::vector<std::string> seven, eight;
  for (int i = 1; i <= 8; ++i) (i <= 7 ? seven : eight).push_back("Zeichnung " + std::to_string(i));
  eight.insert(eight.begin(), seven.begin(), seven.end());
  {
    Tin_radiodialog d(nullptr, "Bitte wählen ..", FromDisplay(seven), 2, help);
    ok &= Save(d, dir, "choice_radio");
  }
  {
    Tin_codedialog d(nullptr,
                     "Berechnungsmodul meldet Warnungen oder Fehler, siehe Ursache und "
                     "Abhilfe.",
                     FromDisplay(eight), 8, help);
    ok &= Save(d, dir, "choice_list");
  }
  {
    FillUsageScreen(s);
    QStringList lines;
    for (int i = 0; i < kUsageLineCount; ++i) lines << FromCp850(s.screen_lines[i]);
    TShowScreen d(nullptr, "KV9", lines);
    ok &= Save(d, dir, "usage_screen");
  }
  {
    Tin_janeindialog d(nullptr, "Datei überschreiben ?", false, help);
    ok &= Save(d, dir, "yes_no");
  }
  {
    Tin_textdialog d(nullptr, "Ordner für temporäre Dateien", "/tmp/kv9", 60, help);
    ok &= Save(d, dir, "text_input");
  }
  {
    TForm_selectDir d(nullptr, QString::fromStdString(scratch.path()));
    ok &= Save(d, dir, "select_directory");
  }
  {
    QStringList lines;
    for (int i = 1; i <= 22; ++i)
      lines << QString("%1 Zähnezahl N  38   Ø 120 µm ± 0.5 °  mm²").arg(i, 2);
    TShowScreen d(nullptr, "KV9", lines);
    ok &= Save(d, dir, "show_screen");
  }
  {
    QMessageBox box(QMessageBox::Critical, "Fehler : ", "Gültiger Wertebereich: 6 .. 600 !",
                    QMessageBox::Ok);
    ok &= Save(box, dir, "message_error");
  }
  {
    TForm_anistep d(nullptr);
    ok &= Save(d, dir, "animation_step");
  }
  ok &= SaveForm<TForm_kv9abmessungen>(DimensionsForm(s.formContext()), dir, "dimensions");
  ok &= SaveForm<TForm_kv9tol>(QualityForm(s.formContext()), dir, "quality");
  ok &= SaveForm<TForm_messen>(MeasurementForm(s.formContext()), dir, "measurement");
  ok &= SaveForm<TForm_kv9mat>(StressForm(s.formContext()), dir, "material");
  ok &= SaveForm<TForm_kv7config>(CadSettingsForm(s.toothFormContext(), 2), dir, "cad_settings");
  {
    TextsForm fields;
    fields.drawing_name = {"Zahnwelle", "Zahnnabe"};
    fields.drawing_number = {"000000", "000001"};
    fields.info1 = "Maße in mm, Oberflächen Ra 1,6 µm";
    TForm_kveingabetext d(nullptr, fields);
    ok &= Save(d, dir, "texts");
  }
  {
    MessageDescriptionForm form;
    form.message = "Fehler : DmMess";
    form.cause = "Der Kugeldurchmesser ist für diese Verzahnung zu groß.";
    form.remedy = "Kleineren Kugel- oder Rollendurchmesser wählen.";
    MessageDescriptionDialog d(nullptr, form, help);
    ok &= Save(d, dir, "message_description");
  }
  {
    // the configuration dialog, one picture per page
    ConfigFormEnvironment env;
    env.ui = &t.ui;
    env.user_name = "mueller";
    env.working_dir = scratch.path();
    env.current_file = "side_fit_30.kv9";
    env.now_text = "09.12.2026 10:30";
    ConfigForm form(s.cfg, env);
    Tconfig d(nullptr, form, help);
    auto* tabs = d.findChild<QTabWidget*>("PageControl");
    for (int i = 0; tabs && i < tabs->count(); ++i) {
      tabs->setCurrentIndex(i);
      const std::string name = "config_" + std::to_string(i + 1);
      ok &= Save(d, dir, name.c_str());
    }
    SelectColorForm colour(3);
    TForm_selectcolor chooser(nullptr, colour);
    ok &= Save(chooser, dir, "select_color");
  }
  {
    // the printout dialog over the delivered printout table, Printer Info, the table browser
    std::string problem;
    ok &= WritePrintoutTable(scratch.file(kPrintoutTable), problem);
    TableEnv env{t.ui, s.messages, s.abort_flag, true, scratch.path() + "/",
                 scratch.path() + "/scratch/", {2026, 12, 9}};
    DbfTable table;
    int last = 0;
    PrintoutForm form(s.cfg, env, table, "", last, false);
    QPrinter printer;
    TFprintout d(nullptr, form, printer, help);
    ok &= Save(d, dir, "printout");
    ok &= SaveModal(dir, "printer_info", [&] { ShowPrinterInfo(nullptr, printer); });
    if (table.openWithWriteCheck(env, "printout")) {
      table.setTitles("Printout", "");
      TableBrowser browser(table, env, BrowseMode::Edit);
      browser.start();
      TableBrowserDialog b(nullptr, browser);
      ok &= Save(b, dir, "table_browser");
      table.close();
    } else {
      ok = false;
    }
  }
  {
    ChangeRecordForm change;
    change.fill({"Passung ge\x84ndert", "09.12.2026", "M\x81", "\x9a" "berma\xe1 gr\x94\xe1" "er\nZ\x84hnezahl 38"}, 2,
                "09.12.2026");
    ok &= SaveModal(dir, "change_record", [&] { RunChangeRecordDialog(nullptr, change, help); });
    DrawingInfoForm info;
    info.fill({}, "Freigabe", {}, "09.12.2026");
    ok &= SaveModal(dir, "drawing_info", [&] { RunDrawingInfoDialog(nullptr, info, help); });
    DocumentSetupForm documents;
    ok &= SaveModal(dir, "document_setup",
                    [&] { RunDocumentSetupDialog(nullptr, documents, t.ui, help); });
    PlotSettingsForm plot(s.cadContext(), "");
    ok &= SaveModal(dir, "plot_settings", [&] { RunPlotSettingsDialog(nullptr, plot, t.ui, help); });
    TestSession folder;  // the overview reads and calculates every example
    folder.s.data_dir = AddBackslash(DirOf(ExamplePath("side_fit_30")));
    OverviewForm overview = BuildOverview(folder.s);
    ok &= SaveModal(dir, "overview", [&] { RunOverviewWindow(nullptr, overview, help); });
    HelpContext h{t.ui, s.display, s.cfg.plt_dir, s.abort_flag, s.help_topic};
    HelpPictureBrowser pictures(h, s.scratch_dir);
    if (pictures.open())
      ok &= SaveModal(dir, "help_pictures", [&] { RunHelpPictureBrowser(nullptr, pictures); });
    else
      std::cout << "no help picture database in " << s.cfg.plt_dir << "\n";
  }
  {
    // the standard results report of the example, as the text window shows it
    s.abort_flag = false;
    s.cfg.text_device = kTargetScreen;
    s.cfg.text_device_window = false;
    SplineCalculation(s.calcContext());
    ResultsReport(s.reportContext(), kReportStandard);
    const std::vector<std::string> shown = t.ui.texts("textfile");
    if (shown.empty()) {
      std::cout << "the report reached no text window\n";
      ok = false;
    } else {
      TextWindowSettings settings;
      TextWindow w(nullptr, shown.back(), "KV9", settings, {});
      ok &= Save(w, dir, "text_window_report");
    }
  }
  {
    s.abort_flag = false;  // the dialogs above were closed as cancelled
    s.cfg.config_dir = scratch.path() + "/";
    s.cfg.client_width = 1023;
    s.cfg.client_height = 767;
    Thh window(s);
    ok &= Save(window, dir, "main_window_drawing7");
    window.runItem(*FindMenuItem("mi_viewzahneingriff"));
    ok &= Save(window, dir, "main_window_meshing");
    window.runItem(*FindMenuItem("mi_viewfertigungbeide"));
    ok &= Save(window, dir, "main_window_drawing8");
    window.show();
    ok &= SaveMenu(window, "mi_file", dir, "menu_file_german");
    ok &= SaveMenu(window, "mi_View", dir, "menu_view_german");
    window.runItem(*FindMenuItem("mi_helpspracheKorea"));
    ok &= SaveMenu(window, "mi_file", dir, "menu_file_korean");
    ok &= SaveMenu(window, "mi_View", dir, "menu_view_korean");
    ok &= Save(window, dir, "main_window_korean");
    window.runItem(*FindMenuItem("mi_helpspracheDeutsch"));
  }
  {
    s.display.Clear();
    TFtavigra graphics(s.display);
    graphics.resize(1000, 750);
    s.display.setClientSize(1000, 750);
    DrawSplineDrawing(s.drawingContext(), kCadScreen, kDrawBothTables);
    ok &= Save(graphics, dir, "graphics_drawing7");
    s.display.Clear();
    ToothFormDrawing(s.toothFormContext(), kCadScreen, 1, ToothFormView::Meshing);
    ok &= Save(graphics, dir, "graphics_meshing");
    s.display.Clear();
    graphics.DrawTavironLogo();
    ok &= Save(graphics, dir, "graphics_logo");
  }
  return ok ? 0 : 1;
}

}  // namespace kv9::test
