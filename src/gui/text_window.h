// The text window: a finished report (a UTF-8 file) read only, with print, export, select all
// and copy. It opens at the size and place it had when it was last closed.
#pragma once

#include <QDialog>
#include <array>
#include <functional>
#include <string>
#include <string_view>

class QPlainTextEdit;

namespace kv9 {

struct TextWindowSettings {
  // the printout font: its style is the set of bold (1), italic (2), underline (4), strike-out (8)
  QString font_family = "Courier New";
  int font_size = 10;
  int font_style = 0;
  std::array<int, 4> rect = {0, 0, 0, 0};  // left, top, width, height; stored on closing
};

struct TextWindowActions {
  std::function<void()> print;           // "&Drucken...": prints the report file
  std::function<void()> export_notepad;  // "Export &Notepad"
};

class TextWindow : public QDialog {
 public:
  TextWindow(QWidget* parent, const std::string& display_file, std::string_view product_name,
             TextWindowSettings& settings, const TextWindowActions& actions);
  QPlainTextEdit* text() const { return text_; }
  bool loaded() const { return loaded_; }

 protected:
  void done(int result) override;  // every way of closing stores the geometry

 private:
  TextWindowSettings& settings_;
  QPlainTextEdit* text_;
  bool loaded_ = false;
};

// Opens the window modally; a missing file shows its name + " not found !" and an empty window.
void RunTextWindow(QWidget* parent, const std::string& display_file, std::string_view product_name,
                   TextWindowSettings& settings, const TextWindowActions& actions);

}  // namespace kv9
