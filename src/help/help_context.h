// What the help texts, the help pictures and the picture browser need of the program, and the
// few dialogs they ask through the Ui. Texts are code page 850 inside and pass `shown` on their
// way to the Ui; typed texts come back as code page 850.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kv9 {

class Ui;
class DisplayList;

// Code page 850 -> the display set. The plain conversion unless the program's plain-text
// setting asks for its replacements.
using DisplayConversion = std::function<std::string(std::string_view)>;
std::string PlainDisplayConversion(std::string_view text);

// Names of the help files; the program's own files carry its short lower-case name.
inline constexpr const char* kCommonHelpFile = "taviron.hlp";
inline constexpr const char* kOwnHelpFile = "kv9.hlp";
inline constexpr const char* kPictureDatabaseFile = "kv9.dbh";
inline constexpr const char* kPictureBrowserTitle = "KV9 Hilfebilder";

struct HelpContext {
  Ui& ui;
  DisplayList& display;  // the graphics window's list
  std::string& plt_dir;  // "PLT Ordner", "/"-ended; the picture browser may choose another
  bool& abort_flag;
  int& help_topic;  // the current help number, for requests with number 0
  DisplayConversion shown = PlainDisplayConversion;
};

// The lines of a help file (CR LF or LF ends).
std::vector<std::string> HelpFileLines(std::string_view content);
// "Datei <path> nicht gefunden !" (code page 850).
std::string FileNotFoundText(const std::string& path);

// The dialogs of the help, with the conventions of the generic dialogs: Cancel sets the abort
// flag, an answer clears it.
namespace help_dialog {

void Error(HelpContext& h, std::string_view text);  // "Fehler : "
void Note(HelpContext& h, std::string_view text);   // "Meldung:"
// 1-based choice among `items` (more than 7 as a list); 0 on Cancel.
int Choose(HelpContext& h, std::string_view prompt, const std::vector<std::string>& items,
           int current);
std::optional<bool> AskYesNo(HelpContext& h, std::string_view prompt, bool yes);
// The typed text in code page 850, cut to `max_length`.
std::optional<std::string> Input(HelpContext& h, std::string_view prompt, std::string_view text,
                                 int max_length);
// Asks again after the range message until the number lies in low..high.
std::optional<int> InputInt(HelpContext& h, std::string_view prompt, int value, int low,
                            int high);
// The file open dialog on `dir` with the filter mask + "|" + mask: the chosen full name.
std::optional<std::string> ChooseFile(HelpContext& h, const std::string& dir,
                                      std::string_view mask);

}  // namespace help_dialog

}  // namespace kv9
