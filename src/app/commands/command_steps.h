// The steps the menu commands share: the input sequence of New and Quick, Changed after an
// input dialog, the refresh of the view after a calculation, and the note of an item whose
// subsystem this build does not have yet. Every step tests and leaves the abort flag as the
// commands expect: a Cancel ends the command quietly.
#pragma once

#include <string_view>

namespace kv9 {

class Session;

// After the dimensions, quality or measurement dialog: unless it was cancelled, the data set is
// modified, calculated and its view shown again.
void Changed(Session& s);

// Text dialog, dimensions, quality, measurement and stress dialogs, with a calculation after
// each accepted step and the message window at the end. A Cancel after the text dialog still
// ends with a calculation; the values accepted so far stay. False when the text dialog was
// cancelled (the abort flag is then set and nothing was calculated).
bool InputSequence(Session& s);

// Shows the result view the configuration chooses (the error-messages item reads its count
// from the message list whenever the window relabels its menu).
void RefreshView(Session& s);

// The note of a menu item whose subsystem comes later: "<what> ist in dieser Version noch
// nicht verfügbar." (`what` in code page 850).
void NotYetAvailable(Session& s, std::string_view what);

}  // namespace kv9
