#include "gui/dialog_placement.h"

#include <QVariant>
#include <algorithm>

namespace kv9 {

namespace {

constexpr const char* kWindowScaleProperty = "kv9_dialog_window_scale";
constexpr const char* kElementScaleProperty = "kv9_dialog_element_scale";
constexpr int kMoveDown = 20;

// The outermost window above `widget` that carries the settings: the main window.
QWidget* MainWindowOf(QWidget* widget, PlacementSettings& settings) {
  QWidget* found = nullptr;
  for (QWidget* w = widget; w; w = w->parentWidget()) {
    QVariant scale = w->property(kWindowScaleProperty);
    if (!scale.isValid()) continue;
    found = w;
    settings.window_scale_percent = scale.toInt();
    settings.element_scale_percent = w->property(kElementScaleProperty).toInt();
  }
  return found ? found : (widget ? widget->window() : nullptr);
}

int Scaled(int length, int percent) {
  return static_cast<int>(static_cast<long long>(length) * percent / 100);
}

}  // namespace

QRect PlacedGeometry(const QRect& main_window, QSize size, QPoint own_position,
                     const PlacementSettings& settings, bool centre) {
  const int w = Scaled(size.width(), settings.window_scale_percent);
  const int h = Scaled(size.height(), settings.window_scale_percent);
  if (!centre) return {own_position, QSize(w, h)};
  // half the difference, toward zero and never negative
  const int left = main_window.left() + std::max(0, (main_window.width() - w) / 2);
  const int top = main_window.top() + std::max(0, (main_window.height() - h) / 2) + kMoveDown;
  return {left, top, w, h};
}

void SetDialogPlacement(QWidget* main_window, const PlacementSettings& settings) {
  main_window->setProperty(kWindowScaleProperty, settings.window_scale_percent);
  main_window->setProperty(kElementScaleProperty, settings.element_scale_percent);
}

PlacedDialog::PlacedDialog(QWidget* parent, bool centre) : QDialog(parent), centre_(centre) {
  main_window_ = MainWindowOf(parent, settings_);
  QFont font = main_window_ ? main_window_->font() : this->font();
  if (settings_.element_scale_percent > 0 && settings_.element_scale_percent != 100) {
    if (font.pointSizeF() > 0)
      font.setPointSizeF(font.pointSizeF() * settings_.element_scale_percent / 100);
    else
      font.setPixelSize(std::max(1, Scaled(font.pixelSize(), settings_.element_scale_percent)));
  }
  setFont(font);
}

void PlacedDialog::showEvent(QShowEvent* event) {
  if (!placed_) {
    placed_ = true;
    const QRect main = main_window_ ? main_window_->frameGeometry() : QRect();
    QSize natural = size().expandedTo(sizeHint());
    PlacementSettings settings = settings_;
    if (settings.window_scale_percent <= 0) settings.window_scale_percent = 100;
    QRect g = PlacedGeometry(main, natural, pos(), settings, centre_ && main_window_);
    resize(g.size().expandedTo(minimumSizeHint()));
    if (centre_ && main_window_) move(g.topLeft());
  }
  QDialog::showEvent(event);
}

}  // namespace kv9
