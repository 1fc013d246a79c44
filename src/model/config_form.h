// The configuration dialog Tconfig as a form model: nine pages of controls, each bound to one
// setting by a load and a store rule, the "<" proposals, and the buttons. The controls show
// texts in the display set (UTF-8); nothing reaches the settings before accept() or save().
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/palette.h"
#include "core/ui.h"
#include "model/config.h"

namespace kv9 {

// The colour names of the CAD colour numbers 1..16, shown as "n (name)".
std::string ColourName(int colour);
std::string ColourLabel(int colour);

// The colour chooser TForm_selectcolor: the 16 colours, the current one selected.
class SelectColorForm {
 public:
  explicit SelectColorForm(int colour);
  std::string caption = "Select Color";
  std::vector<std::string> items;  // "1 (rot)" .. "16 (schwarz)"
  int colour;                      // 1..16
  bool abort_flag = false;
  void accept() { abort_flag = false; }
  void cancel() { abort_flag = true; }
};

class ConfigForm;

struct ConfigControl {
  enum class Kind {
    Text,        // edit field
    Number,      // spin field min..max
    Check,       // value 0 / 1
    Choice,      // radio group (or list) of `options`, value = 0-based position
    Colour,      // CAD colour number 1..16, "Farbe..." opens the colour chooser
    Background,  // screen palette colour 0..15 through the colour chooser, shown at once
    Folder,      // edit field with "..." (folder browser)
    Program,     // edit field with "..." (file choice)
    Font,        // font name in `text`, style bits in `value`, "Font..." opens the font dialog
    Label,       // read-only text
    Button,      // a button without value (press())
  };
  Kind kind = Kind::Text;
  std::string name;     // the widget's object name, unique in the form
  std::string caption;  // UTF-8
  std::string text;
  int value = 0;
  int min = 0, max = 0;
  std::vector<std::string> options;
  bool hidden = false;
  bool beside = false;  // a Button standing in the row of the control before it
  int max_length = 0;   // of a Text, 0 = any
  // A real keeps the value it was filled with while its text stays as shown, so a value the
  // text shows rounded (or in degrees) goes back unchanged.
  Real exact = 0;
  std::string shown_text;
  int help_topic = 0;  // tooltip text when the help level is not 0

  // What the control shows of the settings, and how OK stores it (with the rules).
  std::function<void(const Config&, ConfigControl&)> load;
  std::function<void(const ConfigControl&, Config&)> store;
  // The "<" button (empty: the control has none), or what a Button does.
  std::function<void(ConfigForm&, ConfigControl& self)> proposal;
  std::function<void(ConfigForm&)> action;
};

struct ConfigPage {
  std::string title;
  int help_topic = 0;  // "&Hilfe", 0 = none
  std::vector<ConfigControl> controls;
};

// What the dialog needs of its surroundings.
struct ConfigFormEnvironment {
  Ui* ui = nullptr;  // file choice and colour chooser; may be null (tests of the rules)
  ScreenSize screen;
  int frame_dx = 0, frame_dy = 0;  // main window size minus client size
  int screen_dialog_scale = 100;   // the dialog scale the screen resolution asks for
  std::string temp_env;            // TEMP, empty when not set
  std::string user_name;
  std::string working_dir;
  std::string current_file;                 // data file name, for the title-block switch
  std::string now_text;                     // current date and time, for the title-block switch
  std::vector<std::string> output_formats;  // the report targets offered in the list
  int* help_topic = nullptr;                // the topic the next help button shows
  // Resizes the main window's client area at once (leaving a window size edit).
  std::function<void(int width, int height)> resize_window;
  // The plot program settings dialog for a command line (code page 850); false on Cancel, when
  // the line stays.
  std::function<bool(std::string& line)> configure_plot_line;
  // Repaints the main window's graphics in a background palette colour at once.
  std::function<void(int palette)> show_background;
  // Writes the settings as the configuration file; false when that failed.
  std::function<bool(const Config&)> write;
  // Reads the configuration file `path` over `settings`; false when it could not be read.
  std::function<bool(Config& settings, const std::string& path)> read;
};

class ConfigForm {
 public:
  static constexpr const char* kImportFilter = "*.cfg|*.cfg";

  ConfigForm(Config& settings, ConfigFormEnvironment env);

  std::string caption;  // program title + " Konfiguration"
  std::vector<ConfigPage> pages;
  int first_page = 1;  // "Grafik"

  ConfigControl* find(const std::string& name);
  const ConfigControl* find(const std::string& name) const;

  void fill(const Config& c);  // every control from `c`
  void copyBack(Config& c) const;

  // Events.
  void propose(const std::string& name);  // "<"
  void press(const std::string& name);    // a Button control
  void windowSizeLeft();                  // a window size edit lost the focus
  // "Farbe...": the colour chooser for a Colour or Background control; Cancel keeps the old
  // colour. A background is applied to the settings and the graphics at once.
  void chooseColour(const std::string& name);

  // "&Hilfe" of page `page`: its help text becomes the topic; false for a page without one.
  bool help(int page);

  void accept();  // "OK": copy back
  void cancel();  // "Abbrechen": nothing is copied; an applied background is undone
  bool save();    // "&Speichern": copy back and write the file; the dialog stays open
  // "Import..": a file choice in the configuration directory; the chosen file is read over the
  // current control values and refills the controls. Nothing happens without a choice.
  void importFile();

  const ConfigFormEnvironment& env() const { return env_; }
  // The window side fills in what only it knows: the main window's frame and its resizing.
  void setMainWindow(int frame_dx, int frame_dy, std::function<void(int, int)> resize,
                     std::function<void(int)> show_background = {});

 private:
  void showBackground(int palette);

  Config& settings_;
  ConfigFormEnvironment env_;
  int kept_background_;  // what "Abbrechen" goes back to
};

}  // namespace kv9
