// Every question to the user and every platform service the core needs goes through Ui.
// Texts cross this interface in the display character set (UTF-8); the core converts its
// code page 850 texts before it calls (see generic_dialogs.h).
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/ui_forms.h"

namespace kv9 {

class DisplayList;

enum class MessageBoxKind {
  Error,   // caption "Fehler : "
  Note,    // caption "Meldung:"
  Help,    // caption "Hilfe"
  Titled,  // the caller's caption
  Plain,   // the simplest message window
};

enum class YesNoCancel { Yes, No, Cancel };

// Result of starting another program without waiting for it.
struct StartResult {
  enum Kind { Started, NotFound, OutOfMemory, OtherError } kind = Started;
  int error_number = 0;
  bool ok() const { return kind == Started; }
};

struct ScreenSize {
  int width = 1024;
  int height = 768;
  int pixels_per_inch = 96;
};

class Ui {
 public:
  virtual ~Ui() = default;

  // --- generic dialogs ---
  // A choice of one of `choices` (1-based result); `as_list` asks for a list box rather than
  // radio buttons. nullopt = Cancel.
  virtual std::optional<int> chooseFromList(std::string_view prompt,
                                            const std::vector<std::string>& choices,
                                            int preselected, bool as_list) = 0;
  // nullopt = Cancel; true = "Ja".
  virtual std::optional<bool> askYesNo(std::string_view prompt, bool yes_preselected) = 0;
  // nullopt = Cancel.
  virtual std::optional<std::string> inputText(std::string_view prompt, std::string_view text,
                                               int max_length) = 0;
  // nullopt = Cancel.
  virtual std::optional<std::string> chooseDirectory(std::string_view dir) = 0;
  virtual void showScreen(std::string_view title, const std::vector<std::string>& lines) = 0;
  virtual YesNoCancel askYesNoCancel(std::string_view caption, std::string_view question) = 0;
  virtual void showMessage(MessageBoxKind kind, std::string_view caption,
                           std::string_view text) = 0;
  // File choices: `filter` is "description|mask"; the result is the full path, nullopt = Cancel.
  virtual std::optional<std::string> chooseOpenFile(std::string_view dir,
                                                    std::string_view filter) = 0;
  virtual std::optional<std::string> chooseSaveFile(std::string_view dir,
                                                    std::string_view filter) = 0;
  virtual void beep() = 0;
  virtual void setWaitCursor(bool on) = 0;

  // --- forms: true when OK was pressed ---
#define KV9_UI_DECLARE_FORM(Type, method) virtual bool method(Type& form) = 0;
  KV9_UI_FORMS(KV9_UI_DECLARE_FORM)
#undef KV9_UI_DECLARE_FORM

  // --- services ---
  // Starts a program without waiting (posix_spawnp of the split command line, never a shell).
  virtual StartResult startProgram(const std::string& command_line, bool visible);
  // Shows a text file in the text window (UTF-8 file).
  virtual void showTextFile(const std::string& path, std::string_view title) = 0;
  virtual bool openUrl(std::string_view url) = 0;
  virtual bool printTextFile(const std::string& path) = 0;
  virtual bool printDisplayList(const DisplayList& list) = 0;
  virtual void refreshGraphics() = 0;
  virtual ScreenSize screenSize() = 0;
};

}  // namespace kv9
