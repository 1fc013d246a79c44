#include "gui/table_browser_dialog.h"

#include <QAbstractItemDelegate>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "gui/form_widgets.h"
#include "gui/text_convert.h"

namespace kv9 {

TableBrowserDialog::TableBrowserDialog(QWidget* parent, TableBrowser& browser,
                                       const HelpCallbacks& help)
    : PlacedDialog(parent),
      browser_(browser),
      grid_(new QTableWidget(this)),
      counter_(new QLabel(this)) {
  setWindowTitle(FromDisplay(browser.caption()));
  const BrowserControls controls = browser.controls();
  auto* layout = new QVBoxLayout(this);

  auto* menus = new QMenuBar(this);
  QMenu* file = menus->addMenu("&Datei");
  file->addAction("HTML Export ...", this, then_refill([this] { browser_.exportHtml(); }));
  file->addAction("Speichern als Text ...", this,
                  then_refill([this] { browser_.saveDelimited(); }));
  if (controls.append_menu) {
    file->addAction(FromDisplay("Anhängen aus dbf-Datei ..."), this,
                    then_refill([this] { browser_.appendFromDbf(); }));
    file->addAction(FromDisplay("Anhängen aus Text ..."), this,
                    then_refill([this] { browser_.appendFromDelimited(); }));
  }
  file->addAction("Drucken", this, [this] { browser_.print(); });
  file->addAction(FromDisplay("Schließen"), this, &QDialog::reject);
  if (controls.record_menu) {
    QMenu* records = menus->addMenu("Daten&satz");
    records->addAction(FromDisplay("Anhängen"), this,
                       then_refill([this] { browser_.appendRecord(); }));
    records->addAction(FromDisplay("Löschen markieren"), this,
                       then_refill([this] { browser_.toggleDeleted(browser_.currentRow()); }));
    QAction* pack = records->addAction("Packen", this, then_refill([this] { browser_.pack(); }));
    pack->setToolTip(FromCp850(kPackTooltip));
    records->setToolTipsVisible(true);
  }
  QMenu* search = menus->addMenu("S&uchen");
  search->addAction("&Suchen", this, then_refill([this] { browser_.search(); }));
  search->addAction("&Weitersuchen", this, then_refill([this] { browser_.searchNext(); }));
  QMenu* structure = menus->addMenu("&Hilfe");
  structure->addAction(FromDisplay(browser_.structureCaption()), this,
                       [this] { browser_.showStructure(); });
  layout->setMenuBar(menus);

  grid_->setObjectName("DBGrid");
  grid_->setSelectionBehavior(QAbstractItemView::SelectRows);
  grid_->setSelectionMode(QAbstractItemView::SingleSelection);
  if (!controls.edit_menu) grid_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  connect(grid_, &QTableWidget::currentCellChanged, this, [this](int row) {
    if (filling_ || row < 0) return;
    browser_.selectRow(row);
    counter_->setText(FromDisplay(browser_.counterText()));
  });
  connect(grid_, &QTableWidget::itemChanged, this, [this](QTableWidgetItem* item) {
    if (filling_) return;
    browser_.editCell(item->row(), item->column(), ToDisplay(item->text()));
    refill();  // a refused value shows the stored one again
  });
  layout->addWidget(grid_);

  auto* navigator = new QHBoxLayout;
  auto add = [this, navigator](const char* caption, const char* name, const char* tip,
                               std::function<void()> clicked) {
    QPushButton* b = MakeButton(FromDisplay(caption), name, this, std::move(clicked));
    b->setToolTip(FromDisplay(tip));
    b->setMaximumWidth(b->fontMetrics().horizontalAdvance("MMMM"));
    b->setFocusPolicy(Qt::NoFocus);  // a click leaves an open cell editor open
    navigator->addWidget(b);
  };
  const struct {
    const char* caption;
    const char* name;
    const char* tip;
    void (TableBrowser::*move)();
  } moves[] = {{"|<", "Button_first", "Erster Datensatz", &TableBrowser::first},
               {"<", "Button_prior", "Vorheriger Datensatz", &TableBrowser::prior},
               {">", "Button_next", "Nächster Datensatz", &TableBrowser::next},
               {">|", "Button_last", "Letzter Datensatz", &TableBrowser::last}};
  for (const auto& m : moves) {
    auto move = m.move;
    add(m.caption, m.name, m.tip, then_refill([this, move] { (browser_.*move)(); }));
  }
  if (controls.edit_buttons) {
    add("+", "Button_insert", "Datensatz einfügen",
        then_refill([this] { browser_.appendRecord(); }));
    add("-", "Button_delete", "Datensatz löschen",
        then_refill([this] { browser_.deleteCurrent(); }));
    add("^", "Button_edit", "Datensatz bearbeiten", [this] {
      if (QTableWidgetItem* item = grid_->currentItem()) grid_->editItem(item);
    });
    add("✓", "Button_post", "Bearbeitung speichern", [this] {
      closeEditor(true);
      browser_.post();
    });
    add("✗", "Button_revert", "Bearbeitung abbrechen", then_refill([this] {
          closeEditor(false);
          browser_.cancelInsert();
        }));
    add("↻", "Button_refresh", "Daten aktualisieren", then_refill([this] {
          closeEditor(false);
          browser_.reload();
        }));
  }
  counter_->setObjectName("Label_counter");
  navigator->addWidget(counter_);
  navigator->addStretch();
  layout->addLayout(navigator);

  ButtonRow buttons(this);
  buttons.addButton("&Suchen", "Button_search", then_refill([this] { browser_.search(); }));
  buttons.addButton("&Weitersuchen", "Button_search_next",
                    then_refill([this] { browser_.searchNext(); }));
  buttons.addHelpPicture(help);
  buttons.layout()->addStretch();
  layout->addLayout(buttons.layout());
  refill();
  // as wide as all columns, when the screen has room
  const int columns = grid_->verticalHeader()->width() + grid_->horizontalHeader()->length() +
                      2 * grid_->frameWidth() +
                      grid_->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  const QMargins margins = layout->contentsMargins();
  resize(std::clamp(columns + margins.left() + margins.right(), 640, 1200), 420);
}

void TableBrowserDialog::closeEditor(bool commit) {
  // an open cell editor is a direct child of the viewport
  for (QWidget* editor : grid_->viewport()->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (!editor->isVisible()) continue;
    if (commit) emit grid_->itemDelegate()->commitData(editor);
    emit grid_->itemDelegate()->closeEditor(
        editor, commit ? QAbstractItemDelegate::NoHint : QAbstractItemDelegate::RevertModelCache);
  }
}

std::function<void()> TableBrowserDialog::then_refill(std::function<void()> event) {
  return [this, event] {
    event();
    refill();
  };
}

void TableBrowserDialog::refill() {
  filling_ = true;
  const auto columns = browser_.columns();
  grid_->setColumnCount(int(columns.size()));
  grid_->setHorizontalHeaderLabels(FromDisplay(columns));
  grid_->setRowCount(browser_.rowCount());
  for (int r = 0; r < browser_.rowCount(); ++r) {
    const auto cells = browser_.row(r);
    for (int c = 0; c < int(cells.size()); ++c) {
      auto* item = new QTableWidgetItem(FromDisplay(cells[c]));
      if (browser_.rowDeleted(r)) item->setForeground(Qt::gray);
      grid_->setItem(r, c, item);
    }
  }
  grid_->resizeColumnsToContents();
  filling_ = false;
  showCurrent();
}

void TableBrowserDialog::showCurrent() {
  filling_ = true;
  if (browser_.currentRow() >= 0) grid_->setCurrentCell(browser_.currentRow(), 0);
  filling_ = false;
  counter_->setText(FromDisplay(browser_.counterText()));
}

bool RunTableBrowserDialog(QWidget* parent, TableBrowser& browser, const HelpCallbacks& help) {
  TableBrowserDialog dialog(parent, browser, help);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace kv9
