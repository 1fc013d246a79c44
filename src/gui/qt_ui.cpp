// The Ui of the desktop.
#include "gui/qt_ui.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFile>
#include <QFileDialog>
#include <QFontDatabase>
#include <QPrintDialog>
#include <QPrinter>
#include <QScreen>
#include <QUrl>

#include "core/process.h"
#include "core/program_info.h"
#include "gui/cad_settings_dialog.h"
#include "gui/change_dialogs.h"
#include "gui/config_dialog.h"
#include "gui/dimensions_dialog.h"
#include "gui/display_painter_qt.h"
#include "gui/document_setup_dialog.h"
#include "gui/generic_dialogs.h"
#include "gui/graphics_widget.h"
#include "gui/help_picture_browser.h"
#include "gui/material_dialog.h"
#include "gui/measurement_dialog.h"
#include "gui/message_dialogs.h"
#include "gui/overview_window.h"
#include "gui/plot_settings_dialog.h"
#include "gui/printing.h"
#include "gui/printout_dialog.h"
#include "gui/quality_dialog.h"
#include "gui/select_color_dialog.h"
#include "gui/table_browser_dialog.h"
#include "gui/text_convert.h"
#include "gui/texts_dialog.h"
#include "help/help_texts.h"
#include "model/config.h"
#include "model/texts_form.h"

namespace kv9 {

QString QtFileFilter(std::string_view filter) {
  const QString text = FromDisplay(filter);
  const qsizetype bar = text.indexOf('|');
  if (bar < 0) return text;
  QString masks = text.mid(bar + 1);
  masks.replace(';', ' ');
  return text.left(bar) + " (" + masks + ")";
}

// --- help ---

void QtUi::showHelp(int mode) {
  if (!help_) return;
  const int topic = help_->help_topic;
  const HelpEntry entry = LookupHelp(help_->plt_dir, topic);
  if (!entry.found) return;  // a number without entry shows nothing
  if (mode == kHelpPictureOnly && entry.picture.empty()) return;
  ShowHelp(*help_, topic, mode);
}

HelpCallbacks QtUi::helpCallbacks() {
  HelpCallbacks help;
  help.help_text = [this] { showHelp(kHelpTextOnly); };
  help.help_picture = [this] { showHelp(kHelpPictureOnly); };
  help.tooltip = [this](int topic) -> QString {
    if (!help_ || !LookupHelp(help_->plt_dir, topic).found) return {};
    return FromDisplay(HelpText(help_->plt_dir, topic, help_->shown));
  };
  return help;
}

// --- generic dialogs ---

std::optional<int> QtUi::chooseFromList(std::string_view prompt,
                                        const std::vector<std::string>& choices, int preselected,
                                        bool as_list) {
  return RunChoiceDialog(parent_, prompt, choices, preselected, as_list, helpCallbacks());
}

std::optional<bool> QtUi::askYesNo(std::string_view prompt, bool yes_preselected) {
  return RunYesNoDialog(parent_, prompt, yes_preselected, helpCallbacks());
}

std::optional<std::string> QtUi::inputText(std::string_view prompt, std::string_view text,
                                           int max_length) {
  return RunTextDialog(parent_, prompt, text, max_length, helpCallbacks());
}

std::optional<std::string> QtUi::chooseDirectory(std::string_view dir) {
  return RunSelectDirDialog(parent_, dir);
}

void QtUi::showScreen(std::string_view title, const std::vector<std::string>& lines) {
  RunShowScreen(parent_, title, lines);
}

YesNoCancel QtUi::askYesNoCancel(std::string_view caption, std::string_view question) {
  return AskYesNoCancelBox(parent_, caption, question);
}

void QtUi::showMessage(MessageBoxKind kind, std::string_view caption, std::string_view text) {
  ShowMessageBox(parent_, kind, caption, text);
}

std::optional<std::string> QtUi::chooseOpenFile(std::string_view dir, std::string_view filter) {
  const QString name =
      QFileDialog::getOpenFileName(parent_, QString(), FromDisplay(dir), QtFileFilter(filter));
  if (name.isEmpty()) return std::nullopt;
  return ToDisplay(name);
}

std::optional<std::string> QtUi::chooseSaveFile(std::string_view dir, std::string_view filter) {
  // The core asks its own overwrite question.
  const QString name =
      QFileDialog::getSaveFileName(parent_, QString(), FromDisplay(dir), QtFileFilter(filter),
                                   nullptr, QFileDialog::DontConfirmOverwrite);
  if (name.isEmpty()) return std::nullopt;
  return ToDisplay(name);
}

void QtUi::beep() {
  QApplication::beep();
}

void QtUi::setWaitCursor(bool on) {
  if (on) {
    ++wait_depth_;
    QApplication::setOverrideCursor(Qt::WaitCursor);
  } else if (wait_depth_ > 0) {
    --wait_depth_;
    QApplication::restoreOverrideCursor();
  }
}

// --- forms ---

bool QtUi::dimensionsForm(DimensionsForm& form) {
  return RunDimensionsDialog(parent_, form, helpCallbacks());
}
bool QtUi::qualityForm(QualityForm& form) {
  return RunQualityDialog(parent_, form, helpCallbacks());
}
bool QtUi::measurementForm(MeasurementForm& form) {
  return RunMeasurementDialog(parent_, form, helpCallbacks());
}
bool QtUi::stressForm(StressForm& form) {
  return RunMaterialDialog(parent_, form, helpCallbacks());
}
bool QtUi::cadSettingsForm(CadSettingsForm& form) {
  return RunCadSettingsDialog(parent_, form, helpCallbacks());
}
bool QtUi::messageDescriptionForm(MessageDescriptionForm& form) {
  return RunMessageDescriptionDialog(parent_, form, helpCallbacks());
}
bool QtUi::textsForm(TextsForm& form) {
  return RunTextsDialog(parent_, form);
}
bool QtUi::plotSettingsForm(PlotSettingsForm& form) {
  return RunPlotSettingsDialog(parent_, form, *this, helpCallbacks());
}
bool QtUi::changeRecordForm(ChangeRecordForm& form) {
  return RunChangeRecordDialog(parent_, form, helpCallbacks());
}
bool QtUi::drawingInfoForm(DrawingInfoForm& form) {
  return RunDrawingInfoDialog(parent_, form, helpCallbacks());
}
bool QtUi::helpPictureBrowser(HelpPictureBrowser& browser) {
  return RunHelpPictureBrowser(parent_, browser);
}
bool QtUi::overviewForm(OverviewForm& form) {
  return RunOverviewWindow(parent_, form, helpCallbacks());
}
bool QtUi::documentSetupForm(DocumentSetupForm& form) {
  return RunDocumentSetupDialog(parent_, form, *this, helpCallbacks());
}
bool QtUi::configForm(ConfigForm& form) {
  if (QWidget* window = parent_ ? parent_->window() : nullptr) {
    const QSize frame = window->frameGeometry().size() - window->size();
    // Leaving a window size edit resizes the main window at once (the size is its client's).
    form.setMainWindow(
        frame.width(), frame.height(),
        [window](int width, int height) { window->resize(width, height); },
        [this](int palette) {
          if (graphics_) graphics_->setBackgroundColour(palette);
        });
  }
  return RunConfigDialog(parent_, form, helpCallbacks());
}
bool QtUi::printoutForm(PrintoutForm& form) {
  if (!RunPrintoutDialog(parent_, form, printer(), helpCallbacks())) return false;
  print_fit_ = form.fit;
  // The platform takes the printer settings without a job: no empty page is sent.
  if (form.setup_mode) ShowPrinterInfo(parent_, printer());
  return true;
}
bool QtUi::tableBrowserForm(TableBrowser& browser) {
  return RunTableBrowserDialog(parent_, browser, helpCallbacks());
}
bool QtUi::selectColorForm(SelectColorForm& form) {
  return RunSelectColorDialog(parent_, form);
}

// --- services ---

void QtUi::showTextFile(const std::string& path, std::string_view title) {
  TextWindowActions actions;
  actions.print = [this, path] { printTextFile(path); };
  // "Export Notepad": the desktop's default program for the file.
  actions.export_notepad = [path] { StartDetached({"xdg-open", path}); };
  RunTextWindow(parent_, path, title, text_window_, actions);
}

bool QtUi::openUrl(std::string_view url) {
  // Under X this is true even when the opener then fails; it says no more than "handed over".
  return QDesktopServices::openUrl(QUrl(FromDisplay(url)));
}

bool QtUi::printTextFile(const std::string& path) {
  TextPrintSettings settings;
  if (config_) {
    settings.font_family = FromCp850(config_->printout_font);
    settings.font_size = config_->printout_size;
    settings.font_style = config_->printout_style;
    settings.lines_per_page = config_->lines_per_page;
  }
  return PrintTextFile(parent_, path, settings);
}

QPrinter& QtUi::printer() {
  if (!printer_) printer_ = std::make_shared<QPrinter>(QPrinter::HighResolution);
  return *printer_;
}

// On the current printer with the print settings, as the printout dialog left them.
bool QtUi::printDisplayList(const DisplayList& list) {
  GraphicsPrintSettings settings;
  QString font = "Arial";
  if (config_) {
    settings = GraphicsPrintSettingsOf(*config_);
    font = FromCp850(config_->graphics_font);
  }
  settings.fit = print_fit_;
  return PrintDisplayListPage(printer(), list, settings, font);
}

void QtUi::refreshGraphics() {
  if (graphics_) graphics_->refresh();
}

ScreenSize QtUi::screenSize() {
  ScreenSize size;
  if (const QScreen* screen = QGuiApplication::primaryScreen()) {
    size.width = screen->geometry().width();
    size.height = screen->geometry().height();
    size.pixels_per_inch = qRound(screen->logicalDotsPerInch());
  }
  return size;
}

}  // namespace kv9
