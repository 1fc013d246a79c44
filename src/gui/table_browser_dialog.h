// The modal table browser over its model: the grid of records, the navigator, the record
// counter, search, and the file, record and help menus. Select mode shows what the model
// allows there (no editing, no deleted records).
#pragma once

#include "gui/dialog_placement.h"
#include "gui/form_widgets.h"
#include "tables/table_browser.h"

class QLabel;
class QTableWidget;

namespace kv9 {

class TableBrowserDialog : public PlacedDialog {
 public:
  TableBrowserDialog(QWidget* parent, TableBrowser& browser, const HelpCallbacks& help = {});

 private:
  void refill();
  void showCurrent();
  // Closes a cell editor still open in the grid, with or without taking its text.
  void closeEditor(bool commit);
  std::function<void()> then_refill(std::function<void()> event);

  TableBrowser& browser_;
  QTableWidget* grid_;
  QLabel* counter_;
  bool filling_ = false;
};

// True with "OK".
bool RunTableBrowserDialog(QWidget* parent, TableBrowser& browser,
                           const HelpCallbacks& help = {});

}  // namespace kv9
