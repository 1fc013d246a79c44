// The main window Thh: the graphics window with the current drawing, the menu bar built from the
// menu table of the commands, the window title and the close query.
#pragma once

#include <QMainWindow>
#include <string>
#include <vector>

class QAction;

namespace kv9 {

class Session;
class TFtavigra;
struct MenuItem;

class Thh : public QMainWindow {
 public:
  explicit Thh(Session& s, QWidget* parent = nullptr);
  ~Thh() override;

  TFtavigra* graphics() const { return graphics_; }
  void updateTitle();
  // Every caption (in the current language), enabling and visibility asked again of the table.
  void updateMenus();
  // Runs a menu item as its activation does: its command, then the captions, the title and the
  // graphics view follow.
  void runItem(const MenuItem& item);
  // The action bound to the item `id` ("mi_fileNew"), nullptr when there is none.
  QAction* action(const char* id) const;

 protected:
  // The close query: an unsaved data set is saved or discarded first; Cancel keeps the window.
  void closeEvent(QCloseEvent* event) override;

 private:
  void buildMenus();
  // The view shown now, drawn again for the current client size.
  void redrawView();

  struct BoundItem {
    const MenuItem* item;
    QAction* action;
  };

  Session& s_;
  TFtavigra* graphics_;
  std::vector<BoundItem> items_;
  // What the window shows: the last view item run, or (after a command that showed the result
  // view) the view the configuration chooses; the shaft and hub tables at start.
  void (*view_)(Session&) = nullptr;
  bool running_ = false;  // a menu command is running
  bool resized_while_running_ = false;
};

}  // namespace kv9
