// The "Document Setup" dialog: five program and file fields with their "..." choices, bound to
// the document setup form model.
#pragma once

#include "gui/form_widgets.h"
#include "help/documents.h"

class QWidget;

namespace kv9 {

class Ui;

// True with OK; Cancel leaves the form as it was. The "..." choices ask through `ui`.
bool RunDocumentSetupDialog(QWidget* parent, DocumentSetupForm& form, Ui& ui,
                            const HelpCallbacks& help);

}  // namespace kv9
