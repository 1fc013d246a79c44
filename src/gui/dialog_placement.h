// Where and how large a dialog opens: its size times the configured "Input Window Scale %",
// centred over the main window and moved 20 pixels down, its contents in the main window's
// font scaled by the dialog-element scale. The main window carries the two settings
// (SetDialogPlacement); dialogs below a window without them open at 100 %.
#pragma once

#include <QDialog>
#include <QRect>

namespace kv9 {

struct PlacementSettings {
  int window_scale_percent = 100;
  int element_scale_percent = 100;
};

// The rule itself: `size` is the dialog's natural size; with `centre` false only the size
// changes and the dialog keeps `own_position`.
QRect PlacedGeometry(const QRect& main_window, QSize size, QPoint own_position,
                     const PlacementSettings& settings, bool centre);

void SetDialogPlacement(QWidget* main_window, const PlacementSettings& settings);

// A dialog that follows the rule: its font is set when it is made, its geometry when it is
// first shown.
class PlacedDialog : public QDialog {
 public:
  // `centre` false: the dialog is only sized.
  explicit PlacedDialog(QWidget* parent, bool centre = true);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QWidget* main_window_ = nullptr;
  PlacementSettings settings_;
  bool centre_;
  bool placed_ = false;
};

}  // namespace kv9
