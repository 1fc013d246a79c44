#include "gui/overview_window.h"

#include <algorithm>

#include <QHeaderView>
#include <QMenuBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include "gui/dialog_placement.h"
#include "gui/text_convert.h"

namespace kv9 {

namespace {

class TForm_preview : public PlacedDialog {
 public:
  TForm_preview(QWidget* parent, OverviewForm& form, const HelpCallbacks& help)
      : PlacedDialog(parent), form_(form) {
    setWindowTitle(FromDisplay(form.caption));
    auto* layout = new QVBoxLayout(this);
    auto* menu = new QMenuBar(this);
    QMenu* file = menu->addMenu("&Datei");
    file->setObjectName("mi_File");
    QAction* export_table = file->addAction(OverviewForm::kExportItem);
    export_table->setObjectName("mi_fileExportExcel");
    connect(export_table, &QAction::triggered, this, [this] { form_.exportTable(); });
    QAction* exit = file->addAction("&Beenden");
    exit->setObjectName("mi_fileExit");
    connect(exit, &QAction::triggered, this, &QDialog::reject);
    QMenu* help_menu = menu->addMenu("&Hilfe");
    help_menu->setObjectName("mi_Help");
    QAction* help_item = help_menu->addAction("&Hilfe");
    help_item->setObjectName("mi_HelpHelp");
    connect(help_item, &QAction::triggered, this, [help] {
      if (help.help_text) help.help_text();
    });
    layout->setMenuBar(menu);

    grid_ = new QTableWidget(0, kOverviewColumns, this);
    grid_->setObjectName("StringGrid1");
    grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid_->verticalHeader()->hide();
    grid_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
    grid_->horizontalHeader()->setSectionsClickable(true);
    connect(grid_->horizontalHeader(), &QHeaderView::sectionPressed, this, [this](int column) {
      form_.sortBy(column);
      fill();
    });
    connect(grid_, &QTableWidget::cellClicked, this, [this](int row, int) {
      if (form_.clickRow(row)) accept();
    });
    layout->addWidget(grid_);
    fill();
    // The columns keep their set widths unless the screen font needs more for the header or
    // the texts of the rows shown.
    for (int c = 0; c < kOverviewColumns; ++c) {
      grid_->resizeColumnToContents(c);
      grid_->setColumnWidth(c, std::max(OverviewColumnWidth(c), grid_->columnWidth(c)));
    }
    resize(1000, 600);
  }

 private:
  void fill() {
    QStringList header;
    for (const std::string& h : form_.header) header << FromDisplay(h);
    grid_->setHorizontalHeaderLabels(header);
    grid_->setRowCount(static_cast<int>(form_.rows.size()));
    for (int r = 0; r < grid_->rowCount(); ++r)
      for (int c = 0; c < kOverviewColumns; ++c) {
        QTableWidgetItem* item = grid_->item(r, c);
        if (!item) grid_->setItem(r, c, item = new QTableWidgetItem);
        item->setText(FromDisplay(form_.rows[r][c]));
      }
  }

  OverviewForm& form_;
  QTableWidget* grid_;
};

}  // namespace

bool RunOverviewWindow(QWidget* parent, OverviewForm& form, const HelpCallbacks& help) {
  TForm_preview window(parent, form, help);
  return window.exec() == QDialog::Accepted;
}

}  // namespace kv9
