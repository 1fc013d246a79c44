// The data-file overview window TForm_preview: the table of the overview form model in a grid
// with a fixed header row; a header press sorts, a row click closes the window to open the file.
#pragma once

#include "exchange/overview.h"
#include "gui/form_widgets.h"

class QWidget;

namespace kv9 {

// True when a row click closed the window (the form then names the file); false for "Exit" or
// closing the window.
bool RunOverviewWindow(QWidget* parent, OverviewForm& form, const HelpCallbacks& help);

}  // namespace kv9
