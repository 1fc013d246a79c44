// The plot program settings dialog as a form model: its fields are the texts and choices the
// widgets show; every change rebuilds the command line from all fields. The Qt form binds to it
// and calls the event methods.
#pragma once

#include <array>
#include <string>
#include <vector>

namespace kv9 {

struct CadContext;
class Ui;

enum class PlotField {
  Program,
  Folder,
  Format,
  Interface,
  Com,
  Lpt,
  Scale,
  FitToPaper,
  Rotate,
  ShiftX,
  ShiftY,
  WidthFactor,
  Font,
};

class PlotSettingsForm {
 public:
  static constexpr const char* kCaption = "RIXTRAN";
  static constexpr const char* kDefaultProgram = "/opt/rixtran/wrixtran";
  // Output formats (dialog items) and their switch codes.
  static const std::array<const char*, 5> kFormatItems;
  static const std::array<const char*, 5> kFormatCodes;
  static const std::array<const char*, 3> kInterfaceItems;  // "seriell", "parallel", "Datei"
  static const std::vector<std::string>&
  PostScriptFonts();  // 35 entries, the last "andere Schriften"
  // Label texts (code page 850).
  static constexpr const char* kLabelProgram = "RIXTRAN Programmverzeichnis";
  static constexpr const char* kLabelFormat = "Ausgabeformat";
  static constexpr const char* kLabelInterface = "Ausgabeschnittstelle";
  static constexpr const char* kLabelScale = "Ma\xE1stab";
  static constexpr const char* kLabelFit = "Ma\xE1stab anpassen ?";
  static constexpr const char* kLabelRotate = "Plot um 90 Grad drehen ?";
  static constexpr const char* kLabelShiftX = "Nullpunktverschiebung in x-Richtung";
  static constexpr const char* kLabelShiftY = "Nullpunktverschiebung in y-Richtung";
  static constexpr const char* kLabelWidthFactor = "Textbreitenfaktor";
  static constexpr const char* kLabelFont = "Postscript-Zeichensatz";
  static constexpr const char* kLabelCommandLine = "Command Line:";
  static constexpr int kHelpTopic = 2055;

  // Opens with the standard values; `stored_line` is the dialog's result until a field changes.
  PlotSettingsForm(const CadContext& s, std::string stored_line);

  // Field values, as the widgets show them.
  std::string program;
  std::string folder;
  int format = 1;     // 1..5
  int interface = 2;  // 1 serial, 2 parallel, 3 file
  std::string com = "1";
  std::string lpt = "1";
  std::string scale = "1";
  bool fit_to_paper = false;
  bool rotate = false;
  std::string shift_x = "0";
  std::string shift_y = "0";
  std::string width_factor = "1";
  std::string font;

  // The dialog's result, and the line the command-line label shows.
  const std::string& commandLine() const { return command_line_; }
  std::string label() const { return Build(); }
  std::string Build() const;

  // --- events ---
  // After the widgets changed a field: the command line becomes the one built from all fields.
  void changed();
  // Setters for tests and simple bindings: set the field, then changed().
  void setText(PlotField field, std::string text);
  void setFormat(int f);
  void setInterface(int i);
  void setFitToPaper(bool on);  // on: the scale becomes "0"
  void setRotate(bool on);
  void chooseProgram(Ui& ui);  // "...": file-open dialog on the program's folder
  void chooseFolder(Ui& ui);   // "Dir..."
  void resetFolder();              // "<": the temporary folder again
  void accept(const CadContext& s);  // "OK": clears the abort flag
  void cancel(const CadContext& s);  // "Abbrechen": sets it

  // --- enabling ---
  bool comEnabled() const { return interface == 1; }
  bool lptEnabled() const { return interface == 2; }
  bool folderEnabled() const { return interface == 3; }
  bool fontEnabled() const { return format == 2; }
  bool scaleEnabled() const { return !fit_to_paper; }

  // Help topic of a field's tooltip, 0 when tooltips are off (help level 0).
  int tooltipTopic(PlotField field) const;

 private:
  std::string temp_dir_;
  int help_level_ = 1;
  std::string command_line_;
};

// Shows the settings dialog for `line`. OK: the dialog's line replaces it and the abort flag is
// cleared; Cancel: the line stays and the abort flag is set. Returns whether OK was pressed.
bool EditPlotCommandLine(const CadContext& s, std::string& line);

}  // namespace kv9
