// The help picture window: a tool window over the picture browser model with the list of
// pictures and actions, the arrows and the buttons of the browser. Each choice draws into the
// graphics window behind it.
#pragma once

#include "gui/form_widgets.h"
#include "help/picture_database.h"

class QWidget;

namespace kv9 {

// Shows the window until "OK" or closing; always true.
bool RunHelpPictureBrowser(QWidget* parent, HelpPictureBrowser& browser);

}  // namespace kv9
