// The CAD drawing settings of a tooth profile as a form model: the number of involute points,
// the polyline switch, the part's drawing profile shift xe with its proposals, the diameters
// and the root trochoid. Fields are what the widgets show (display character set); nothing
// reaches the session before accept().
#pragma once

#include <string>

#include "calc/form_field.h"
#include "toothform/tooth_form_context.h"

namespace kv9 {

class CadSettingsForm {
 public:
  static constexpr int kHelpTopic = 1000;
  // Hint texts of the labels (language text entries).
  static constexpr int kTooltipPoints = 8300, kTooltipPolyline = 8310, kTooltipXe = 8330;
  static constexpr int kMinPoints = 5, kMaxPoints = 200;
  static constexpr const char* kLabelPoints = "Anzahl der Punkte für die Evolvente";
  static constexpr const char* kLabelPolyline = "Evolvente als Polylinie ?";
  static constexpr const char* kLabelXe = "Erzeug.Prof.versch.faktor xe";
  static constexpr const char* kLabelDiameters = "Durchmesser einzeichnen ?";
  static constexpr const char* kLabelTrochoid = "Tooth Root Trochoide";

  // part 1 the shaft, 2 the hub.
  CadSettingsForm(const ToothFormContext& s, int part);

  int part() const { return part_; }
  std::string caption;  // program title + " CAD " + "Welle" / "Nabe"
  int points = 20;
  bool polyline = false;
  NumberField xe;
  bool diameters = false;
  bool trochoid = false;
  bool tooltips = false;

  void proposeXe();     // "<": the part's current drawing shift
  void proposeXeMax();  // "< max": the generating shift of the maximum tooth
  void proposeXeMin();  // "< min": that of the minimum tooth
  void accept();        // "OK": clears the abort flag and stores every field
  void cancel();        // "Abbrechen": sets the abort flag
  void help();          // "&Hilfe": help topic 1000 for the Ui, abort flag cleared

 private:
  void setXe(long double value);
  ToothFormContext s_;
  int part_;
};

// Shows the settings of the part; true when OK was pressed (the values are then stored).
bool ShowCadSettingsForm(const ToothFormContext& s, int part);

}  // namespace kv9
