#include "gui/config_dialog.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QEvent>
#include <QFileDialog>
#include <QFontDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QStyle>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/palette.h"
#include "gui/display_painter_qt.h"
#include "gui/text_convert.h"

namespace kv9 {

namespace {

using Kind = ConfigControl::Kind;

const char* Name(const std::string& name) {
  return name.c_str();
}

// The font style bits of the settings: bold 1, italic 2, underline 4, strike-out 8.
int StyleBits(const QFont& font) {
  return (font.bold() ? 1 : 0) | (font.italic() ? 2 : 0) | (font.underline() ? 4 : 0) |
         (font.strikeOut() ? 8 : 0);
}

QFont FontOf(const ConfigControl& c) {
  QFont font(FromDisplay(c.text));
  font.setBold(c.value & 1);
  font.setItalic(c.value & 2);
  font.setUnderline(c.value & 4);
  font.setStrikeOut(c.value & 8);
  return font;
}

bool IsWindowSize(const ConfigControl& c) {
  return c.name == "Edit_window_x" || c.name == "Edit_window_y";
}

// Runs `act` on a double-click into the watched widget.
class DoubleClick : public QObject {
 public:
  DoubleClick(QWidget* watched, std::function<void()> act)
      : QObject(watched), act_(std::move(act)) {
    watched->installEventFilter(this);
  }
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() != QEvent::MouseButtonDblClick) return false;
    act_();
    return true;
  }

 private:
  std::function<void()> act_;
};

// The background colour on a panel shaped like the screen, the screen's size as its text.
QLabel* ScreenPanel(QWidget* parent, const ScreenSize& screen) {
  auto* panel = new QLabel(parent);
  constexpr int kWidth = 100;
  const int height = screen.width > 0 ? kWidth * screen.height / screen.width : kWidth * 3 / 4;
  panel->setFixedSize(kWidth, std::clamp(height, 20, 2 * kWidth));
  panel->setAlignment(Qt::AlignCenter);
  panel->setFrameShape(QFrame::Box);
  const QString size = QString("%1 × %2").arg(screen.width).arg(screen.height);
  panel->setText(size);
  panel->setToolTip(size);
  panel->setAutoFillBackground(true);
  return panel;
}

void ShowPanelColour(QLabel* panel, int palette) {
  // A style sheet, as a label inside a table would not paint a palette's window colour.
  const QColor background = PaletteColour(palette);
  panel->setStyleSheet(
      QString("QLabel { background-color: %1; color: %2; }")
          .arg(background.name(), qGray(background.rgb()) < 128 ? "white" : "black"));
}

// A colour of a layer 16..31 followed by its line thickness: one row of the colour grid.
bool IsLayerColourRow(const std::vector<ConfigControl>& controls, std::size_t i) {
  return i + 1 < controls.size() && controls[i].kind == Kind::Colour &&
         controls[i].caption.rfind("Farbe für Layer ", 0) == 0 &&
         controls[i + 1].kind == Kind::Number;
}

}  // namespace

Tconfig::Tconfig(QWidget* parent, ConfigForm& form, const HelpCallbacks& help)
    : PlacedDialog(parent), form_(form), help_(help), tabs_(new QTabWidget(this)) {
  setWindowTitle(FromDisplay(form.caption));
  tabs_->setObjectName("PageControl");
  // All nine tabs in view: the tab bar's full width is the dialog's least width.
  tabs_->setUsesScrollButtons(false);
  for (auto& page : form_.pages) tabs_->addTab(makePage(page), FromDisplay(page.title));
  tabs_->setCurrentIndex(form_.first_page);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tabs_);
  ButtonRow buttons(this);
  buttons.addButton("&Speichern", "Button_save", then_refill([this] { form_.save(); }));
  buttons.addButton("Import..", "Button_import", then_refill([this] { form_.importFile(); }));
  if (help_.help_text)
    buttons.addButton("&Hilfe", "Button_help", [this] {
      if (form_.help(tabs_->currentIndex())) help_.help_text();
    });
  buttons.layout()->addStretch();
  layout->addLayout(buttons.layout());
  resize(sizeHint().width(), 560);  // most pages without scrolling
  refill();
}

std::function<void()> Tconfig::then_refill(std::function<void()> event) {
  return [this, event] {
    event();
    refill();
  };
}

QWidget* Tconfig::makePage(ConfigPage& page) {
  auto* inner = new QWidget;
  auto* grid = new QGridLayout(inner);
  int row = 0;
  auto& controls = page.controls;
  for (std::size_t i = 0; i < controls.size(); ++i) {
    if (IsLayerColourRow(controls, i)) {
      std::size_t end = i;
      while (IsLayerColourRow(controls, end)) end += 2;
      addColourGrid(grid, row++, std::span(controls).subspan(i, end - i));
      i = end - 1;
      continue;
    }
    ConfigControl& control = controls[i];
    const bool beside = control.beside && row > 0;
    addRow(grid, beside ? row - 1 : row, control);
    if (!beside) ++row;
  }
  grid->setRowStretch(row, 1);
  auto* scroll = new QScrollArea;
  scroll->setObjectName(FromDisplay("Page_" + page.title));
  scroll->setWidgetResizable(true);
  scroll->setWidget(inner);
  // Pages scroll down only: every column of a page stays in view.
  scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  scroll->setMinimumWidth(inner->sizeHint().width() +
                          scroll->style()->pixelMetric(QStyle::PM_ScrollBarExtent) +
                          2 * scroll->frameWidth());
  return scroll;
}

void Tconfig::addColourGrid(QGridLayout* grid, int row, std::span<ConfigControl> pairs) {
  QWidget* parent = grid->parentWidget();
  const int rows = static_cast<int>(pairs.size() / 2);
  auto* table = new QTableWidget(rows, 2, parent);
  table->setObjectName("Grid_colours");
  table->setHorizontalHeaderLabels({"Farbe", FromDisplay("Strichstärke")});
  table->setSelectionBehavior(QAbstractItemView::SelectRows);
  table->setSelectionMode(QAbstractItemView::SingleSelection);
  table->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
  std::vector<ConfigControl*> colours;
  for (int r = 0; r < rows; ++r) {
    ConfigControl* colour = &pairs[2 * r];
    ConfigControl* thickness = &pairs[2 * r + 1];
    colours.push_back(colour);
    auto* header = new QTableWidgetItem;
    table->setVerticalHeaderItem(r, header);
    auto* shown = new QLabel(table);
    shown->setObjectName(Name(colour->name));
    shown->setAutoFillBackground(true);
    shown->setContentsMargins(4, 0, 4, 0);
    table->setCellWidget(r, 0, shown);
    // A double-click on the colour opens the colour chooser for its layer.
    new DoubleClick(shown, then_refill([this, colour] { form_.chooseColour(colour->name); }));
    QSpinBox* spin =
        MakeSpin(table, Name(thickness->name), thickness->min, thickness->max, &thickness->value);
    table->setCellWidget(r, 1, spin);
    refills_.push_back([header, shown, spin, colour, thickness] {
      header->setText(FromDisplay(colour->caption.substr(0, colour->caption.find(" (")) + " (" +
                                  ColourName(colour->value) + ")"));
      shown->setText(FromDisplay(ColourLabel(colour->value)));
      ShowPanelColour(shown, PaletteOfColour(colour->value));
      ShowNumber(spin, thickness->value);
    });
  }
  table->setCurrentCell(0, 0);
  table->resizeColumnToContents(1);
  table->setMinimumHeight(table->horizontalHeader()->height() + 8 * table->rowHeight(0));
  grid->addWidget(table, row, 0, 1, 3);
  auto* choose =
      MakeButton("Farbe...", "Button_colour_choose", parent, then_refill([this, table, colours] {
                   const int r = table->currentRow();
                   if (r >= 0 && r < int(colours.size())) form_.chooseColour(colours[r]->name);
                 }));
  grid->addWidget(choose, row, 3, Qt::AlignTop);
}

void Tconfig::addRow(QGridLayout* grid, int row, ConfigControl& c) {
  QWidget* parent = grid->parentWidget();
  const bool tooltips = form_.find("Radio_help") && form_.find("Radio_help")->value != 0;
  auto label = [&](const std::string& text) {
    auto* l = new QLabel(FromDisplay(text), parent);
    grid->addWidget(l, row, 0);
    SetTooltip(help_, tooltips, c.help_topic, l);
    return l;
  };
  QWidget* main = nullptr;
  auto add_button = [&](int column, const QString& caption, const std::string& name,
                        std::function<void()> clicked) {
    QPushButton* b = MakeButton(caption, Name(name), parent, then_refill(std::move(clicked)));
    grid->addWidget(b, row, column);
    return b;
  };
  ConfigControl* control = &c;
  switch (c.kind) {
    case Kind::Text:
    case Kind::Folder:
    case Kind::Program:
    case Kind::Font: {
      if (c.kind != Kind::Font) label(c.caption);
      QLineEdit* edit = MakeEdit(parent, Name(c.name), &c.text);
      if (c.max_length > 0) edit->setMaxLength(c.max_length);
      if (IsWindowSize(c))
        connect(edit, &QLineEdit::editingFinished, this, [this] { form_.windowSizeLeft(); });
      refills_.push_back([edit, control] { ShowText(edit, control->text); });
      main = edit;
      if (c.kind == Kind::Folder)
        add_button(3, "...", c.name + "_browse", [this, control] {
          QString dir =
              QFileDialog::getExistingDirectory(this, QString(), FromDisplay(control->text));
          if (!dir.isEmpty()) control->text = ToDisplay(dir) + (dir.endsWith('/') ? "" : "/");
        });
      if (c.kind == Kind::Program)
        add_button(3, "...", c.name + "_browse", [this, control] {
          QString file = QFileDialog::getOpenFileName(this, QString(), FromDisplay(control->text));
          if (!file.isEmpty()) control->text = ToDisplay(file);
        });
      if (c.kind == Kind::Font) {
        QPushButton* b = add_button(0, FromDisplay(c.caption), c.name + "_choose", [this, control] {
          bool ok = false;
          QFont font = QFontDialog::getFont(&ok, FontOf(*control), this);
          if (!ok) return;
          control->text = ToDisplay(font.family());
          control->value = StyleBits(font);
        });
        SetTooltip(help_, tooltips, c.help_topic, b);
      }
      break;
    }
    case Kind::Number: {
      label(c.caption);
      QSpinBox* spin = MakeSpin(parent, Name(c.name), c.min, c.max, &c.value);
      refills_.push_back([spin, control] { ShowNumber(spin, control->value); });
      main = spin;
      break;
    }
    case Kind::Check: {
      auto* box = new QCheckBox(FromDisplay(c.caption), parent);
      box->setObjectName(Name(c.name));
      connect(box, &QCheckBox::toggled, this, [control](bool on) { control->value = on; });
      refills_.push_back([box, control] {
        QSignalBlocker block(box);
        box->setChecked(control->value != 0);
      });
      SetTooltip(help_, tooltips, c.help_topic, box);
      main = box;
      break;
    }
    case Kind::Choice: {
      if (c.name.rfind("List_", 0) == 0) {
        label(c.caption);
        auto* combo = new QComboBox(parent);
        combo->setObjectName(Name(c.name));
        for (const auto& o : c.options) combo->addItem(FromDisplay(o));
        connect(combo, &QComboBox::currentIndexChanged, this,
                [control](int i) { control->value = i; });
        refills_.push_back([combo, control] {
          QSignalBlocker block(combo);
          combo->setCurrentIndex(control->value);
        });
        main = combo;
        break;
      }
      auto* box = new QGroupBox(FromDisplay(c.caption), parent);
      box->setObjectName(Name(c.name));
      auto* group = new QButtonGroup(box);
      auto* column = new QVBoxLayout(box);
      for (int i = 0; i < int(c.options.size()); ++i) {
        auto* radio = new QRadioButton(FromDisplay(c.options[i]), box);
        radio->setObjectName(FromDisplay(c.name + "_" + std::to_string(i)));
        group->addButton(radio, i);
        column->addWidget(radio);
      }
      connect(group, &QButtonGroup::idClicked, this, [control](int i) { control->value = i; });
      refills_.push_back([group, control] {
        if (QAbstractButton* b = group->button(control->value)) {
          QSignalBlocker block(group);
          b->setChecked(true);
        }
      });
      SetTooltip(help_, tooltips, c.help_topic, box);
      grid->addWidget(box, row, 0, 1, 2);
      if (c.proposal)
        add_button(2, "<", c.name + "_propose", [this, control] { form_.propose(control->name); });
      return;
    }
    case Kind::Colour: {
      QLabel* caption = label(c.caption);
      auto* shown = new QLabel(parent);
      shown->setObjectName(Name(c.name));
      refills_.push_back([shown, caption, control] {
        shown->setText(FromDisplay(ColourLabel(control->value)));
        if (control->caption.rfind("Farbe für Layer ", 0) == 0)
          caption->setText(FromDisplay(control->caption.substr(0, control->caption.find(" (")) +
                                       " (" + ColourName(control->value) + ")"));
      });
      main = shown;
      add_button(3, "Farbe...", c.name + "_choose",
                 [this, control] { form_.chooseColour(control->name); });
      break;
    }
    case Kind::Background: {
      QPushButton* b = add_button(0, FromDisplay(c.caption), c.name + "_choose",
                                  [this, control] { form_.chooseColour(control->name); });
      SetTooltip(help_, tooltips, c.help_topic, b);
      QLabel* panel = ScreenPanel(parent, form_.env().screen);
      panel->setObjectName(Name(c.name));
      refills_.push_back([panel, control] { ShowPanelColour(panel, control->value); });
      main = panel;
      break;
    }
    case Kind::Label: {
      label(c.caption);
      auto* text = new QLabel(FromDisplay(c.text), parent);
      text->setObjectName(Name(c.name));
      text->setTextInteractionFlags(Qt::TextSelectableByMouse);
      main = text;
      break;
    }
    case Kind::Button: {
      int column = 1;
      if (c.beside) {
        column = 2;
        while (grid->itemAtPosition(row, column)) ++column;
      }
      QPushButton* b = add_button(column, FromDisplay(c.caption), c.name,
                                  [this, control] { form_.press(control->name); });
      // A double-click into the control does what the first button beside it does.
      QLayoutItem* item = grid->itemAtPosition(row, 1);
      if (c.beside && column == 2 && item && qobject_cast<QLineEdit*>(item->widget()))
        new DoubleClick(item->widget(), [b] { b->click(); });
      return;
    }
  }
  grid->addWidget(main, row, 1);
  if (c.proposal)
    add_button(2, "<", c.name + "_propose", [this, control] { form_.propose(control->name); });
  if (c.hidden) {
    main->hide();
    for (int col = 0; col < grid->columnCount(); ++col)
      if (QLayoutItem* item = grid->itemAtPosition(row, col); item && item->widget())
        item->widget()->hide();
  }
}

void Tconfig::refill() {
  for (auto& refill : refills_) refill();
}

void Tconfig::accept() {
  form_.accept();
  QDialog::accept();
}

void Tconfig::reject() {
  form_.cancel();
  QDialog::reject();
}

bool RunConfigDialog(QWidget* parent, ConfigForm& form, const HelpCallbacks& help) {
  Tconfig dialog(parent, form, help);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace kv9
