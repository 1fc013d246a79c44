#include "gui/printout_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "gui/text_convert.h"

namespace kv9 {

namespace {

QButtonGroup* Radios(QWidget* parent, QGridLayout* grid, int row, const QString& title,
                     const char* name, const QStringList& options) {
  auto* box = new QGroupBox(title, parent);
  box->setObjectName(name);
  auto* group = new QButtonGroup(box);
  auto* column = new QVBoxLayout(box);
  for (int i = 0; i < options.size(); ++i) {
    auto* radio = new QRadioButton(options[i], box);
    radio->setObjectName(QString(name) + "_" + QString::number(i + 1));
    group->addButton(radio, i + 1);
    column->addWidget(radio);
  }
  grid->addWidget(box, row, 0, 1, 2);
  return group;
}

QString PrinterName(const QPrinter& printer) {
  QString name = printer.outputFormat() == QPrinter::PdfFormat ? "PDF: " + printer.outputFileName()
                                                               : printer.printerName();
  return name.left(40);
}

}  // namespace

TFprintout::TFprintout(QWidget* parent, PrintoutForm& form, QPrinter& printer,
                       const HelpCallbacks& help)
    : PlacedDialog(parent), form_(form), printer_(printer) {
  setWindowTitle(FromDisplay(form.caption));
  auto* layout = new QVBoxLayout(this);
  auto* grid = new QGridLayout;
  layout->addLayout(grid);
  auto edit = [&](int row, const char* label, const char* name, std::string* field) {
    grid->addWidget(new QLabel(FromDisplay(label), this), row, 0);
    QLineEdit* e = MakeEdit(this, name, field);
    grid->addWidget(e, row, 1);
    return e;
  };
  scale_x_ = edit(0, "Maßstab x", "Edit_scale_x", &form_.scale_x);
  scale_y_ = edit(1, "Maßstab y", "Edit_scale_y", &form_.scale_y);
  origin_x_ = edit(2, "Ursprung x", "Edit_origin_x", &form_.origin_x);
  origin_y_ = edit(3, "Ursprung y", "Edit_origin_y", &form_.origin_y);
  fit_ = new QCheckBox("anpassen", this);
  fit_->setObjectName("CheckBox_fit");
  connect(fit_, &QCheckBox::toggled, this, [this](bool on) { form_.fit = on; });
  grid->addWidget(fit_, 4, 0);
  border_ = new QCheckBox("Umrandung", this);
  border_->setObjectName("CheckBox_border");
  connect(border_, &QCheckBox::toggled, this, [this](bool on) { form_.border = on; });
  grid->addWidget(border_, 4, 1);
  shading_ = Radios(this, grid, 5, "Schattierung", "RadioGroup_shading",
                    {"Monochrom", "Color / Graustufen"});
  connect(shading_, &QButtonGroup::idClicked, this, [this](int id) { form_.shading = id; });
  orientation_ =
      Radios(this, grid, 6, "Ausdruck", "RadioGroup_orientation", {"Hochformat", "Querformat"});
  connect(orientation_, &QButtonGroup::idClicked, this, [this](int id) { form_.orientation = id; });
  printer_name_ = new QLabel(this);
  printer_name_->setObjectName("Label_printer");
  grid->addWidget(printer_name_, 7, 0);
  grid->addWidget(MakeButton("Drucker...", "Button_printer", this, [this] { choosePrinter(); }), 7,
                  1);

  ButtonRow buttons(this);
  buttons.addButton("Datenbank", "Button_database", [this] {
    form_.fromDatabase();
    refill();
  });
  buttons.addButton(FromDisplay("Ü&bernehmen Datenbank"), "Button_store", [this] {
    form_.storeToDatabase();
    refill();
  });
  if (help.help_text) buttons.addHelpText(help, "&Hilfe");
  layout->addLayout(buttons.layout());
  // The orientation shows the printer's after it was set from the setting.
  printer_.setPageOrientation(form_.orientation == 2 ? QPageLayout::Landscape
                                                     : QPageLayout::Portrait);
  refill();
}

void TFprintout::refill() {
  ShowText(scale_x_, form_.scale_x);
  ShowText(scale_y_, form_.scale_y);
  ShowText(origin_x_, form_.origin_x);
  ShowText(origin_y_, form_.origin_y);
  for (QCheckBox* box : {fit_, border_}) {
    QSignalBlocker block(box);
    box->setChecked(box == fit_ ? form_.fit : form_.border);
  }
  if (auto* b = shading_->button(form_.shading)) b->setChecked(true);
  if (auto* b = orientation_->button(form_.orientation)) b->setChecked(true);
  form_.printer_name = ToDisplay(PrinterName(printer_));
  printer_name_->setText(PrinterName(printer_));
}

void TFprintout::choosePrinter() {
  QPrintDialog dialog(&printer_, this);
  if (dialog.exec() == QDialog::Accepted)
    form_.orientation = printer_.pageLayout().orientation() == QPageLayout::Landscape ? 2 : 1;
  refill();
}

void TFprintout::accept() {
  form_.accept();
  printer_.setPageOrientation(form_.orientation == 2 ? QPageLayout::Landscape
                                                     : QPageLayout::Portrait);
  QDialog::accept();
}

void TFprintout::reject() {
  form_.cancel();
  QDialog::reject();
}

bool RunPrintoutDialog(QWidget* parent, PrintoutForm& form, QPrinter& printer,
                       const HelpCallbacks& help) {
  TFprintout dialog(parent, form, printer, help);
  return dialog.exec() == QDialog::Accepted;
}

std::vector<std::pair<QString, QString>> PrinterInfoRows(QPrinter& printer) {
  const QRectF mm = printer.pageRect(QPrinter::Millimeter);
  const QRect px = printer.pageRect(QPrinter::DevicePixel).toRect();
  const QRect paper = printer.paperRect(QPrinter::DevicePixel).toRect();
  const QStringList fonts = QFontDatabase::families();
  auto n = [](double v) { return QString::number(qRound(v)); };
  std::vector<std::pair<QString, QString>> rows = {
      {"Name", PrinterName(printer)},
      {"Treiberversion", "Qt " + QString(qVersion())},
      {"Technologie", "Rasterdrucker"},
      {FromDisplay("Druckbreite (mm)"), n(mm.width())},
      {FromDisplay("Druckhöhe (mm)"), n(mm.height())},
      {"Breite (Pixel)", n(px.width())},
      {FromDisplay("Höhe (Pixel)"), n(px.height())},
      {"Linker Seitenoffset (Pixel)", n(px.left() - paper.left())},
      {"Oberer Seitenoffset (Pixel)", n(px.top() - paper.top())},
      {"DPI (horizontal)", n(printer.logicalDpiX())},
      {"DPI (vertikal)", n(printer.logicalDpiY())},
      {"Pinsel", "-"},
      {"Stifte", "-"},
      {"Markierer", "-"},
      {"Farben", printer.colorMode() == QPrinter::Color ? "16777216" : "2"},
      {"Schriften", QString::number(fonts.size())},
  };
  for (const QString& font : fonts) rows.push_back({QString(), font});
  return rows;
}

void ShowPrinterInfo(QWidget* parent, QPrinter& printer) {
  QDialog window(parent);
  window.setWindowTitle("Printer Info");
  auto* layout = new QVBoxLayout(&window);
  const auto rows = PrinterInfoRows(printer);
  auto* table = new QTableWidget(int(rows.size()), 2, &window);
  table->setObjectName("Grid_info");
  table->horizontalHeader()->hide();
  table->verticalHeader()->hide();
  for (int r = 0; r < int(rows.size()); ++r) {
    table->setItem(r, 0, new QTableWidgetItem(rows[r].first));
    table->setItem(r, 1, new QTableWidgetItem(rows[r].second));
  }
  table->resizeColumnsToContents();
  table->resizeRowsToContents();
  table->horizontalHeader()->setStretchLastSection(true);
  // all rows in view, up to a height that fits a small screen
  table->setMinimumHeight(
      std::min(table->verticalHeader()->length() + 2 * table->frameWidth(), 640));
  layout->addWidget(table);
  ButtonRow buttons(&window, false);
  layout->addLayout(buttons.layout());
  window.resize(420, layout->sizeHint().height());
  window.exec();
}

}  // namespace kv9
