// The program's generic dialogs and message boxes, over the Ui. Texts come in code page 850 and
// are converted for display; typed texts are converted back. Cancel sets the abort flag.
#pragma once

#include <span>
#include <string>
#include <string_view>

#include "core/file_util.h"
#include "core/real.h"
#include "core/ui.h"

namespace kv9 {

struct NumberStyle;
struct UnitStyle;
class Ui;

// What a dialog needs: the Ui, the plain-text setting of the display conversion, the abort
// flag that Cancel sets, and whether errors are shown (ShowErrorIfAllowed, CheckReadable).
struct DialogContext {
  Ui& ui;
  bool plain_text;
  bool& abort_flag;
  bool show_errors = true;
};

// A choice among `lines` (code page 850; line 1 is choice 1). More than 7 choices use a list,
// otherwise radio buttons. `current` 0 or above the count preselects 1. Returns the chosen
// number; Cancel sets the abort flag and returns `current`.
int ChooseFromList(const DialogContext& d, std::string_view prompt,
                   std::span<const std::string> lines, int current);
// "J" or "N"; "N" preselected when current is "N" or "n". OK clears the abort flag, Cancel sets
// it (and returns current).
std::string AskYesNo(const DialogContext& d, std::string_view prompt, std::string_view current);
bool AskYesNoBool(const DialogContext& d, std::string_view prompt, bool current);
// The typed text in code page 850; Cancel sets the abort flag and returns `text`.
std::string InputText(const DialogContext& d, std::string_view prompt, std::string_view text,
                      int max_length);
// Number dialogs: ask again until the value lies in [low, high]; Cancel keeps `value`. The
// numbers are shown in `st`; lengths in the unit of `u`.
Real InputReal(const DialogContext& d, const NumberStyle& st, std::string_view prompt, Real value,
               Real low, Real high);
Real InputLength(const DialogContext& d, const UnitStyle& u, std::string_view prompt, Real value,
                 Real low, Real high);
long long InputInt(const DialogContext& d, std::string_view prompt, long long value, long long low,
                   long long high);
// OK returns the chosen directory; Cancel returns `dir` and clears the abort flag.
std::string ChooseDirectory(const DialogContext& d, std::string_view dir);
// The text screen with these lines (code page 850).
void ShowScreen(const DialogContext& d, std::span<const std::string> lines);
// True for Yes; Cancel also sets the abort flag.
bool AskYesNoCancel(const DialogContext& d, std::string_view question);
// The same question, with the three answers told apart (Cancel sets the abort flag).
YesNoCancel AskYesNoCancel3(const DialogContext& d, std::string_view question);
void ShowError(const DialogContext& d, std::string_view text);
void ShowErrorIfAllowed(const DialogContext& d, std::string_view text);
void ShowNote(const DialogContext& d, std::string_view text);
void ShowHelpNote(const DialogContext& d, std::string_view text);
void ShowTitled(const DialogContext& d, std::string_view caption, std::string_view text);
void ShowPlain(const DialogContext& d, std::string_view text);
// When the file cannot be opened for reading: the error (while errors are allowed) and the
// abort flag. Returns whether it is readable.
bool CheckReadable(const DialogContext& d, const std::string& name);
// Code page 850 lines (CR LF or LF) in the display set (Cp850ToDisplay), each ended by LF.
std::string DisplayText(bool plain_text, std::string_view content);
// Copies a code page 850 text file to a display-set one line by line; the target is created
// without following a symbolic link. Failures set the abort flag.
bool ConvertTextFile(const DialogContext& d, const std::string& source, const std::string& target);

// Messages of writers that report their own file errors (each also sets the abort flag).
void ReportWriteError(const DialogContext& d, int error_number);
void ReportCloseError(const DialogContext& d, int error_number);
void ReportCreateError(const DialogContext& d, int error_number);
// The same messages naming the file (a platform name): "Datei NAME kann nicht erstellt werden"
// when it could not be created, else "Datei NAME: " and what went wrong while writing or
// closing. `error` is an errno.
void ReportFileError(const DialogContext& d, const std::string& name, WritePhase phase, int error);
// An output that must not be replaced: "Datei NAME ist schreibgeschützt".
void ReportReadOnlyFile(const DialogContext& d, const std::string& name);

}  // namespace kv9
