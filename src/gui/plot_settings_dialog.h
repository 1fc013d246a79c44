// The plot settings dialog TForm_confrixtran, bound to the plot settings form model: every
// change of a field goes to the model, which rebuilds the command line the label shows.
#pragma once

#include "cad/plot_settings_form.h"
#include "gui/form_widgets.h"

class QWidget;

namespace kv9 {

class Ui;

// True with OK. The "..." and "Dir..." choices ask through `ui`.
bool RunPlotSettingsDialog(QWidget* parent, PlotSettingsForm& form, Ui& ui,
                           const HelpCallbacks& help);

}  // namespace kv9
