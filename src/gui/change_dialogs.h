// The change dialog and the drawing information dialog, bound to their form models (UTF-8
// fields; the models convert and cut them for the documentation).
#pragma once

#include "gui/dialog_placement.h"
#include "gui/form_widgets.h"
#include "help/change_records.h"

namespace kv9 {

// True with OK; Cancel leaves the form as it was.
bool RunChangeRecordDialog(QWidget* parent, ChangeRecordForm& form, const HelpCallbacks& help);
bool RunDrawingInfoDialog(QWidget* parent, DrawingInfoForm& form, const HelpCallbacks& help);

}  // namespace kv9
