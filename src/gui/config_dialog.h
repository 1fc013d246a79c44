// The configuration dialog Tconfig: one tab per page of the configuration form model, one row
// per control. Widgets write into the model's controls; after every model event the widgets
// are refilled from it.
#pragma once

#include <functional>
#include <span>
#include <vector>

#include "gui/dialog_placement.h"
#include "gui/form_widgets.h"
#include "model/config_form.h"

class QGridLayout;
class QTabWidget;

namespace kv9 {

class Tconfig : public PlacedDialog {
 public:
  Tconfig(QWidget* parent, ConfigForm& form, const HelpCallbacks& help);
  void accept() override;
  void reject() override;

 private:
  QWidget* makePage(ConfigPage& page);
  void addRow(QGridLayout* grid, int row, ConfigControl& control);
  // The colours of layers 16..31 with their line thicknesses as one grid, "Farbe..." beside it.
  void addColourGrid(QGridLayout* grid, int row, std::span<ConfigControl> pairs);
  void refill();
  // A slot that runs `event` on the model, then refills.
  std::function<void()> then_refill(std::function<void()> event);

  ConfigForm& form_;
  HelpCallbacks help_;
  QTabWidget* tabs_;
  std::vector<std::function<void()>> refills_;
};

bool RunConfigDialog(QWidget* parent, ConfigForm& form, const HelpCallbacks& help);

}  // namespace kv9
