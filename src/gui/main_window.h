// The main window Thh: the graphics window with the current drawing, the window title and the
// close query. Its menu bar is built from the menu table of the commands (buildMenus).
#pragma once

#include <QMainWindow>
#include <string>

namespace kv9 {

class Session;
class TFtavigra;

// "KV9 - SAE Zahnwellenverbindung", with a current file followed by "  -  " and its name ("."
// and the extension added when the name has none).
std::string WindowTitleText(const Session& s);

class Thh : public QMainWindow {
 public:
  explicit Thh(Session& s, QWidget* parent = nullptr);
  ~Thh() override;

  TFtavigra* graphics() const { return graphics_; }
  void updateTitle();
  // The default view: the shaft and hub tables (drawing 7), drawn for the current client size.
  void showDefaultView();

 protected:
  // The close query: an unsaved data set is saved or discarded first; Cancel keeps the window.
  void closeEvent(QCloseEvent* event) override;

 private:
  // The place of the menu tree: every item bound to its command function through the table.
  void buildMenus();

  Session& s_;
  TFtavigra* graphics_;
};

}  // namespace kv9
