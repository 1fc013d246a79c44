// The logic of the four input dialogs of the calculation (dimensions, quality, measurement,
// stress) as plain models: filled from the data set, their fields are what the widgets show
// (display character set), their methods the events. Nothing reaches the data set before
// accept(); cancel() only sets the abort flag. The unit toggles change the unit setting at
// once, as a setting and not as data.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "calc/calc_context.h"
#include "calc/form_field.h"
#include "core/real.h"

namespace kv9 {

class Ui;
struct Config;

// What the input forms work on: the calculation's data set, messages and flags (the proposal
// buttons calculate), and the settings, whose unit toggles change the unit setting at once.
// OK clears the abort flag, Cancel sets it.
struct FormContext : CalcContext {
  Config& cfg;
};

// A selection list: its items and the chosen position (0-based).
struct FormChoice {
  std::vector<std::string> items;
  int pos = 0;
  bool enabled = true;
};

// "Abmessungen": pressure angle, pitch, fit, number of teeth, face widths, OD, Din.
class DimensionsForm {
 public:
  static constexpr int kHelpTopic = 5030;
  static constexpr int kMinTeeth = 6, kMaxTeeth = 600;
  // tooltips of the labels (help texts), shown when the help level is not 0
  static constexpr int kTooltipAngle = 5080, kTooltipTeeth = 5110, kTooltipWidths = 5120,
                       kTooltipOd = 5130, kTooltipDin = 5140;

  explicit DimensionsForm(const FormContext& s);

  std::string caption;
  FormChoice alpha, pitch, fit;
  int teeth = 38;
  std::string d_text;  // pitch diameter in the display unit
  NumberField b1, b2, b, od, din;
  std::string length_unit, degree_unit;
  std::string unit_button;  // "inch" in mm mode, "mm" in inch mode
  bool tooltips = false;

  void onAlphaChanged(int pos);  // 37.5° and 45° force the fillet root fit
  void onPitchChanged(int pos);
  void onTeethChanged(int n);  // kept within 6 .. 600
  void proposeB1();            // "<" at b1: 0.4 d
  void proposeAllWidths();     // second "<" at b1: b1, b2 and b all 0.4 d
  void proposeB2();            // b2 = b1
  void proposeB();             // b = min(b1, b2)
  void proposeOd();            // OD derived by a calculation on a copy of the data set
  void proposeDin();           // Din = 0
  void onUnitToggle();
  void accept();  // clears the abort flag and writes the fields into the data set
  void cancel();  // sets the abort flag

 private:
  void fill(const SplineDataSet& ds);
  void takeOver(SplineDataSet& ds) const;
  Real pitchDiameter() const;  // mm, of the current pitch and number of teeth
  void updatePitchDiameter();
  FormContext s_;
};

// The quality dialog: standard, runouts (always inches), class, fit class, involute points.
class QualityForm {
 public:
  static constexpr int kHelpTopic = 5200;
  static constexpr int kTooltipPoints = 8300;
  static constexpr int kMinPoints = 5, kMaxPoints = 200;

  explicit QualityForm(const FormContext& s);

  std::string caption;
  FormChoice standard, tolerance_class, fit_class;
  NumberField coe, coi;  // inches
  std::string d_label;   // "D = " + the pitch diameter of the last calculation in inches
  int points = 20;
  bool tooltips = false;

  void onStandardChanged(int pos);  // ANSI B92.1 forces fit class h
  void proposePoints();             // 20
  void accept();
  void cancel();

 private:
  FormContext s_;
};

// The measurement dialog: span counts and ball diameters of shaft and hub.
class MeasurementForm {
 public:
  static constexpr int kHelpTopic = 9020;

  explicit MeasurementForm(const FormContext& s);

  std::string caption;
  std::array<std::string, 2> k_text;  // span counts, integers
  std::array<NumberField, 2> dm;      // ball diameters in the display unit
  std::string unit_button;            // the current unit: "in" or "mm"

  void proposeSpanCounts();  // "<" at k: the proposals for the minimum tooth
  void proposeBall();        // "<" at DM: the rounded proposals for the minimum tooth
  void onUnitToggle();
  void accept();
  void cancel();

 private:
  void fill(const Pair<int>& k, const Pair<Real>& dm_mm);
  void takeOver(Pair<int>& k, Pair<Real>& dm_mm) const;
  FormContext s_;
};

// "Material Data": the nine selections and the torque, stresses and factors they fill.
class StressForm {
 public:
  static constexpr int kHelpTopic = 5500;

  explicit StressForm(const FormContext& s);

  std::string caption;
  FormChoice spline, material, revolutions, torque_cycles, cycle_type, power_source, load,
      misalignment, face_width;
  NumberField torque, sas, sac, lw, lf, ko, km;
  std::string torque_unit, stress_unit;
  std::string unit_button = "mm <--> inch";

  // After the widget changed a selection's pos: the tables are applied again.
  void onSelectionChanged();
  void choose(FormChoice& choice, int pos);  // sets pos (kept within the list) and applies
  void onUnitToggle();
  void accept();
  void cancel();

 private:
  struct Values {
    Real torque, sas, sac, lw, lf, ko, km;
  };
  void fillValues(const Values& v);
  Values takeOverValues() const;
  void applyTables();
  FormContext s_;
};

// The dialogs themselves: the form is filled, shown through the Ui, and on OK written into the
// data set (true); on Cancel the abort flag is set (false). The help topic of the dialog is
// set first.
bool ShowDimensionsForm(const FormContext& s, Ui& ui, int& help_topic);
bool ShowQualityForm(const FormContext& s, Ui& ui, int& help_topic);
bool ShowMeasurementForm(const FormContext& s, Ui& ui, int& help_topic);
bool ShowStressForm(const FormContext& s, Ui& ui, int& help_topic);

}  // namespace kv9
