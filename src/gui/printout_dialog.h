// The graphics printout dialog "Ausdruck" (caption "Printout") over its form model, and the
// "Printer Info" window of the current printer.
#pragma once

#include <QStringList>
#include <utility>
#include <vector>

#include "gui/dialog_placement.h"
#include "gui/form_widgets.h"
#include "tables/printout_form.h"

class QButtonGroup;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPrinter;

namespace kv9 {

class TFprintout : public PlacedDialog {
 public:
  TFprintout(QWidget* parent, PrintoutForm& form, QPrinter& printer, const HelpCallbacks& help);
  void accept() override;
  void reject() override;

 private:
  void refill();
  void choosePrinter();  // "Drucker..."

  PrintoutForm& form_;
  QPrinter& printer_;
  QLineEdit *scale_x_, *scale_y_, *origin_x_, *origin_y_;
  QCheckBox *fit_, *border_;
  QButtonGroup *shading_, *orientation_;
  QLabel* printer_name_;
};

bool RunPrintoutDialog(QWidget* parent, PrintoutForm& form, QPrinter& printer,
                       const HelpCallbacks& help);

// The rows of the printer information window: property, value.
std::vector<std::pair<QString, QString>> PrinterInfoRows(QPrinter& printer);
void ShowPrinterInfo(QWidget* parent, QPrinter& printer);

}  // namespace kv9
