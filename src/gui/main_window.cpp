// The main window.
#include "gui/main_window.h"

#include <QCloseEvent>
#include <QGuiApplication>

#include "cad/cad_state.h"
#include "app/data_file_commands.h"
#include "model/data_file.h"
#include "core/file_util.h"
#include "app/recent_files.h"
#include "app/session.h"
#include "core/text.h"
#include "drawings/spline_drawings.h"
#include "gui/dialog_placement.h"
#include "gui/graphics_widget.h"
#include "gui/text_convert.h"

namespace kv9 {

std::string WindowTitleText(const Session& s) {
  std::string title = Cp850ToUtf8(ProgramTitle());
  if (s.current_file.empty()) return title;
  std::string name = s.current_file;
  if (!HasDot(name)) name += std::string(".") + kDataFileExtension;
  return title + "  -  " + name;
}

Thh::Thh(Session& s, QWidget* parent)
    : QMainWindow(parent), s_(s), graphics_(new TFtavigra(s.display, this)) {
  setCentralWidget(graphics_);
  graphics_->setBackgroundColour(s.cfg.background_colour);
  graphics_->setFontFamily(FromDisplay(s.cfg.graphics_font));
  graphics_->setFocusPolicy(Qt::StrongFocus);
  graphics_->setResizedHandler([this] { showDefaultView(); });
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
  WriteRecentFiles(s_);
}

void Thh::buildMenus() {
  // The menu bar comes from the menu table of the commands; until it is bound there is none.
}

void Thh::updateTitle() {
  const QString title = FromDisplay(WindowTitleText(s_));
  setWindowTitle(title);
  while (QGuiApplication::overrideCursor()) QGuiApplication::restoreOverrideCursor();
}

void Thh::showDefaultView() {
  s_.display.Clear();
  s_.display.setClientSize(graphics_->width(), graphics_->height());
  DrawSplineDrawing(s_.drawingContext(), kCadScreen, kDrawBothTables);
  s_.abort_flag = false;
  graphics_->refresh();
}

void Thh::closeEvent(QCloseEvent* event) {
  s_.abort_flag = false;
  AskSaveOrDiscard(s_);
  if (s_.abort_flag) {
    event->ignore();
    return;
  }
  event->accept();
}

}  // namespace kv9
