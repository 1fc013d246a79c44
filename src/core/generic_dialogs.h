// The program's generic dialogs and message boxes, over the Ui. Texts come in code page 850 and
// are converted for display; typed texts are converted back. Cancel sets the abort flag.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/file_util.h"
#include "core/real.h"
#include "core/ui.h"

namespace kv9 {

class Session;
class Ui;

// What a dialog needs: the Ui, the plain-text setting of the display conversion and the abort
// flag that Cancel sets. The functions below taking the Session use its own.
struct DialogContext {
  Ui& ui;
  bool plain_text;
  bool& abort_flag;
};
DialogContext DialogsOf(Session& s);

// A choice among `lines` (code page 850; more than 7 use a list), as ChooseFromList below.
int ChooseFromList(const DialogContext& d, std::string_view prompt,
                   const std::vector<std::string>& lines, int current);
std::string AskYesNo(const DialogContext& d, std::string_view prompt, std::string_view current);
bool AskYesNoBool(const DialogContext& d, std::string_view prompt, bool current);
void ShowError(const DialogContext& d, std::string_view text);
void ShowNote(const DialogContext& d, std::string_view text);
void ShowTitled(const DialogContext& d, std::string_view caption, std::string_view text);
std::string DisplayText(bool plain_text, std::string_view content);
bool ConvertTextFile(const DialogContext& d, const std::string& source, const std::string& target);
void ReportWriteError(const DialogContext& d, int error_number);
void ReportCloseError(const DialogContext& d, int error_number);
void ReportCreateError(const DialogContext& d, int error_number);
void ReportFileError(const DialogContext& d, const std::string& name, WritePhase phase, int error);
void ReportReadOnlyFile(const DialogContext& d, const std::string& name);

// A choice among the first n lines of ScreenLines (line 1 = title line is choice 1). More than 7
// choices use a list, otherwise radio buttons. `current` 0 or above n preselects 1. Returns the
// chosen number; Cancel sets the abort flag and returns `current`.
int ChooseFromList(Session& s, std::string_view prompt, int n, int current);
// "J" or "N"; "N" preselected when current is "N" or "n". OK clears the abort flag, Cancel sets
// it (and returns current).
std::string AskYesNo(Session& s, std::string_view prompt, std::string_view current);
bool AskYesNoBool(Session& s, std::string_view prompt, bool current);
// The typed text in code page 850; Cancel sets the abort flag and returns `text`.
std::string InputText(Session& s, std::string_view prompt, std::string_view text, int max_length);
// Number dialogs: ask again until the value lies in [low, high]; Cancel keeps `value`.
Real InputReal(Session& s, std::string_view prompt, Real value, Real low, Real high);
Real InputLength(Session& s, std::string_view prompt, Real value, Real low, Real high);
long long InputInt(Session& s, std::string_view prompt, long long value, long long low,
                   long long high);
// OK returns the chosen directory; Cancel returns `dir` and clears the abort flag.
std::string ChooseDirectory(Session& s, std::string_view dir);
void ShowScreen(Session& s);  // all 22 lines
void ShowScreen(Session& s,
                int line_count);  // the first line_count lines (the usage screen has 21)
// True for Yes; Cancel also sets the abort flag.
bool AskYesNoCancel(Session& s, std::string_view question);
// The same question, with the three answers told apart (Cancel sets the abort flag).
YesNoCancel AskYesNoCancel3(Session& s, std::string_view question);
void ShowError(Session& s, std::string_view text);
void ShowErrorIfAllowed(Session& s, std::string_view text);
void ShowNote(Session& s, std::string_view text);
void ShowHelpNote(Session& s, std::string_view text);
void ShowTitled(Session& s, std::string_view caption, std::string_view text);
void ShowPlain(Session& s, std::string_view text);
// When the file cannot be opened for reading: the error (while errors are allowed) and the
// abort flag. Returns whether it is readable.
bool CheckReadable(Session& s, const std::string& name);
// Code page 850 lines (CR LF or LF) in the display set (Cp850ToDisplay), each ended by LF.
std::string DisplayText(const Session& s, std::string_view content);
// Copies a code page 850 text file to a display-set one line by line; the target is created
// without following a symbolic link. Failures set the abort flag.
bool ConvertTextFile(Session& s, const std::string& source, const std::string& target);

// Messages of writers that report their own file errors (each also sets the abort flag).
void ReportWriteError(Session& s, int error_number);
void ReportCloseError(Session& s, int error_number);
void ReportCreateError(Session& s, int error_number);
// The same messages naming the file (a platform name): "Datei NAME kann nicht erstellt werden"
// when it could not be created, else "Datei NAME: " and what went wrong while writing or
// closing. `error` is an errno.
void ReportFileError(Session& s, const std::string& name, WritePhase phase, int error);
// An output that must not be replaced: "Datei NAME ist schreibgeschützt".
void ReportReadOnlyFile(Session& s, const std::string& name);

}  // namespace kv9
