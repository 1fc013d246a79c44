// The main window.
#include "gui/main_window.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QMenu>
#include <QMenuBar>
#include <map>

#include "app/commands/command_steps.h"
#include "app/commands/file_commands.h"
#include "app/commands/menu_table.h"
#include "app/commands/view_commands.h"
#include "app/commands/window_texts.h"
#include "app/session.h"
#include "gui/dialog_placement.h"
#include "gui/graphics_widget.h"
#include "gui/text_convert.h"

namespace kv9 {

namespace {

// Tells whether a command drew something: the number of display commands and the last one.
struct DisplayMark {
  std::size_t count = 0;
  std::string last;
  explicit DisplayMark(const DisplayList& list) : count(list.commands().size()) {
    if (count) last = list.commands().back();
  }
  bool operator==(const DisplayMark&) const = default;
};

}  // namespace

Thh::Thh(Session& s, QWidget* parent)
    : QMainWindow(parent),
      s_(s),
      graphics_(new TFtavigra(s.display, this)),
      view_(CmdViewDrawing<7>) {
  setCentralWidget(graphics_);
  graphics_->setBackgroundColour(s.cfg.background_colour);
  graphics_->setFontFamily(FromDisplay(s.cfg.graphics_font));
  graphics_->setFocusPolicy(Qt::StrongFocus);
  graphics_->setResizedHandler([this] { redrawView(); });
  SetDialogPlacement(this, {s.cfg.input_window_scale, s.cfg.dialog_element_scale});
  buildMenus();
  // Client size from the configuration (its values are one less than the size); top left at 0, 0.
  if (s.cfg.client_width > 0 && s.cfg.client_height > 0)
    resize(s.cfg.client_width + 1, s.cfg.client_height + 1);
  else
    resize(1024, 768);
  move(0, 0);
  updateTitle();
}

Thh::~Thh() {
  WindowClosed(s_);
}

void Thh::buildMenus() {
  std::map<std::string, QMenu*> menus;
  for (const MenuItem& item : MainMenu()) {
    QMenu* parent = nullptr;
    if (*item.parent) {
      auto found = menus.find(item.parent);
      if (found == menus.end()) continue;  // the table names its menus before their items
      parent = found->second;
    }
    QAction* action = nullptr;
    switch (item.kind) {
      case MenuItemKind::Menu: {
        QMenu* menu = parent ? parent->addMenu(QString()) : menuBar()->addMenu(QString());
        menus[item.id] = menu;
        action = menu->menuAction();
        break;
      }
      case MenuItemKind::Separator:
        if (!parent) continue;
        action = parent->addSeparator();
        break;
      case MenuItemKind::Command:
        if (!parent) continue;
        action = parent->addAction(QString());
        if (*item.shortcut) action->setShortcut(QKeySequence(QString::fromLatin1(item.shortcut)));
        QObject::connect(action, &QAction::triggered, this, [this, &item] { runItem(item); });
        break;
    }
    action->setObjectName(QString::fromLatin1(item.id));
    items_.push_back({&item, action});
  }
  updateMenus();
}

void Thh::updateMenus() {
  for (const BoundItem& bound : items_) {
    if (bound.item->kind != MenuItemKind::Separator)
      bound.action->setText(FromDisplay(MenuCaption(s_, *bound.item)));
    bound.action->setEnabled(MenuItemEnabled(s_, *bound.item));
    bound.action->setVisible(MenuItemVisible(s_, *bound.item));
  }
}

QAction* Thh::action(const char* id) const {
  for (const BoundItem& bound : items_)
    if (std::string_view(bound.item->id) == id) return bound.action;
  return nullptr;
}

void Thh::runItem(const MenuItem& item) {
  if (item.closes_window) {
    close();
    return;
  }
  if (!item.action) return;
  // A Cancel of an earlier command must not stop this one.
  s_.abort_flag = false;
  const DisplayMark before(s_.display);
  running_ = true;
  item.action(s_);
  running_ = false;
  if (item.draws_view)
    view_ = item.action;
  else if (!(DisplayMark(s_.display) == before))
    view_ = RefreshView;  // a command shows the view the configuration chooses
  if (resized_while_running_) {
    resized_while_running_ = false;
    redrawView();
  }
  updateMenus();
  updateTitle();
  graphics_->setBackgroundColour(s_.cfg.background_colour);  // the settings may have changed it
  graphics_->refresh();
}

void Thh::updateTitle() {
  setWindowTitle(FromDisplay(WindowTitle(s_)));
  while (QGuiApplication::overrideCursor()) QGuiApplication::restoreOverrideCursor();
}

void Thh::redrawView() {
  // A calculation that failed shows its messages instead of a drawing, when a command asks
  // for one; a resize only keeps what is shown.
  if (s_.fatal_flag) return;
  // The window can be resized while a command's dialog is open or its drawing is being made:
  // the list is the command's until it ends.
  if (running_) {
    resized_while_running_ = true;
    return;
  }
  s_.display.Clear();
  s_.display.setClientSize(graphics_->width(), graphics_->height());
  s_.abort_flag = false;
  view_(s_);
  s_.abort_flag = false;
  graphics_->refresh();
}

void Thh::closeEvent(QCloseEvent* event) {
  if (!CloseQuery(s_)) {
    event->ignore();
    return;
  }
  event->accept();
}

}  // namespace kv9
