// The related documents of a data set: starting one with its program, and the "Document Setup"
// form model over the five slots. Program and file names are the platform's bytes (UTF-8).
#pragma once

#include <array>
#include <string>

#include "model/documentation.h"

namespace kv9 {

class Ui;

class DocumentSetupForm {
 public:
  static constexpr const char* kCaption = "Document Setup";
  static constexpr int kHelpTopic = 2730;
  static constexpr int kProgramTooltip = 2710;
  static constexpr int kFileTooltip = 2720;

  std::array<std::string, kDocumentCount> program, file;

  void fill(const Documentation& d);
  // "..." beside slot `slot` (0-based): a file choice starting from the field's value; the
  // chosen name replaces the field. Programs are offered as any file (no ".exe" here).
  void chooseProgram(Ui& ui, int slot);
  void chooseFile(Ui& ui, int slot);
  // OK: every field, cut to 50 characters, replaces its slot.
  void accept(Documentation& d) const;
};

// Starts document `n` (1..5): the slot's program + " " + its file, visible, without waiting.
// The start result is not looked at: the program shows its own complaint.
void OpenDocument(Ui& ui, const Documentation& d, int n);

// The setup dialog. OK stores the slots and marks the data set modified, Cancel sets the abort
// flag; true with OK.
bool DocumentSetup(Ui& ui, Documentation& d, bool& abort_flag, bool& modified, int& help_topic);

}  // namespace kv9
