// Help texts: every dialog and choice carries a help number; its entry in the help text files
// of the "PLT Ordner" is shown as a message box, with the help picture the entry names, and as
// tooltips. Numbers below 4000 live in the common file, the others in the program's own.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "help/help_context.h"

namespace kv9 {

inline constexpr int kFirstOwnHelpNumber = 4000;
inline constexpr int kHelpEntryLines = 5;

// ShowHelp modes.
inline constexpr int kHelpTextAndPicture = 0;
inline constexpr int kHelpTextOnly = 1;
inline constexpr int kHelpPictureOnly = 2;

struct HelpEntry {
  bool found = false;
  std::vector<std::string> lines;  // code page 850; a missing file or entry gives its message
  std::string picture;             // name without ".plt"; empty when the entry names none
};

// The help file of number n in `plt_dir`, its name matched without regard to case.
std::string HelpFilePath(const std::string& plt_dir, int n);
// Entry n of a help file's content; not found: no lines.
HelpEntry FindHelpEntry(std::string_view content, int n);
// Entry n from its file, or the message of a missing file or entry.
HelpEntry LookupHelp(const std::string& plt_dir, int n);

void SetHelpNumber(HelpContext& h, int n);
// n = 0 means the current help number. Mode 1 shows the text in a message box titled
// "HILFETEXT Nr.<n>", mode 2 the picture in the graphics window, mode 0 both. Help never
// cancels the dialog that asked for it: the abort flag is clear afterwards.
void ShowHelp(HelpContext& h, int n, int mode);
// Draws a help picture file into the graphics window and refreshes it; a missing file shows
// its error message over an empty window.
void ShowPictureFile(HelpContext& h, const std::string& file);
// The picture file of a picture name in the "PLT Ordner" (name matched without regard to case).
std::string HelpPicturePath(const std::string& plt_dir, const std::string& name);
// The entry's lines in the display set joined by single blanks, for tooltips.
std::string HelpText(const std::string& plt_dir, int n,
                     const DisplayConversion& shown = PlainDisplayConversion);

}  // namespace kv9
