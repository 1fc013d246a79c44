// The tooth-form configuration list.
#include "toothform/tooth_form_config.h"

#include <string>

#include "cad/cad_state.h"
#include "core/generic_dialogs.h"
#include "core/number_format.h"
#include "model/config.h"
#include "toothform/cad_settings_form.h"
#include "toothform/tooth_form_context.h"

namespace kv9 {

namespace {

// Texts in code page 850.
constexpr const char* kToothTexts[4] = {"Nennma\xE1 (x)", "Toleranzmitte", "Spiel min. (xe max)",
                                        "Spiel max. (xe min)"};
constexpr int kEntries = 9;

std::string YesNo(bool on) {
  return on ? "Ja" : "Nein";
}

Real ShiftOf(const ToothFormContext& s, DrawnTooth tooth, int i) {
  const auto& ds = s.ds;
  switch (tooth) {
    case DrawnTooth::Mean:
      return (ds.xemin[i] + ds.xemax[i]) / 2;
    case DrawnTooth::MinBacklash:
      return ds.xemax[i];
    case DrawnTooth::MaxBacklash:
      return ds.xemin[i];
    default:
      return ds.x[i];
  }
}

std::string ToothText(const ToothFormContext& s) {
  const DrawnTooth tooth = CurrentDrawnTooth(s);
  if (tooth == DrawnTooth::Other)
    return "xe1 = " + FormatDecimals(StyleOf(s.cfg), 4, s.toothform.xe[0]) +
           ", xe2 = " + FormatDecimals(StyleOf(s.cfg), 4, s.toothform.xe[1]);
  return kToothTexts[static_cast<int>(tooth)];
}

void ChooseDrawnTooth(const ToothFormContext& s) {
  const std::vector<std::string> teeth(std::begin(kToothTexts), std::end(kToothTexts));
  const DrawnTooth current = CurrentDrawnTooth(s);
  const int pre = current == DrawnTooth::Other ? 1 : static_cast<int>(current) + 1;
  const int chosen = ChooseFromList(DialogsOf(s), "Erzeug.Prof.versch.faktor xe", teeth, pre);
  if (!s.abort_flag) SetDrawnTooth(s, static_cast<DrawnTooth>(chosen - 1));
}

}  // namespace

DrawnTooth CurrentDrawnTooth(const ToothFormContext& s) {
  for (DrawnTooth tooth :
       {DrawnTooth::Nominal, DrawnTooth::Mean, DrawnTooth::MinBacklash, DrawnTooth::MaxBacklash})
    if (s.toothform.xe[0] == ShiftOf(s, tooth, 0) && s.toothform.xe[1] == ShiftOf(s, tooth, 1))
      return tooth;
  return DrawnTooth::Other;
}

void SetDrawnTooth(const ToothFormContext& s, DrawnTooth tooth) {
  if (tooth == DrawnTooth::Other) return;
  for (int i = 0; i < 2; ++i) s.toothform.xe[i] = ShiftOf(s, tooth, i);
}

void ToothFormConfig(const ToothFormContext& s) {
  int current = 1;
  for (;;) {
    auto& t = s.toothform;
    const std::string lines[kEntries] = {
        "Erzeug.Prof.versch.faktor xe: " + ToothText(s),
        "Drehwinkel Rad 1 [Grad]: " + FormatShort(StyleOf(s.cfg), t.shaft_angle),
        "Durchmesser einzeichnen ?  " + YesNo(t.showDiameters()),
        "Tooth Root Trochoide  " + YesNo(t.trochoid),
        "Evolvente als Polylinie ?  " + YesNo(s.cad.polyline_output),
        "Anzahl der Punkte f\x81r die Evolvente: " + std::to_string(s.ds.involute_points),
        "Trochoide: Schritte je Teilung: " + std::to_string(t.trochoid_steps),
        "Datentexte im Zahneingriff  " + YesNo(t.meshing_texts),
        "zur\x81"
        "ck ..",
    };
    const int chosen = ChooseFromList(DialogsOf(s), "Config", lines, current);
    if (s.abort_flag || chosen == kEntries) return;
    current = chosen;
    switch (chosen) {
      case 1:
        ChooseDrawnTooth(s);
        break;
      case 2:
        t.shaft_angle = InputReal(DialogsOf(s), StyleOf(s.cfg), "Drehwinkel Rad 1 [Grad]",
                                  t.shaft_angle, -180, 180);
        break;
      case 3:
        t.diameters_shown = t.showDiameters() ? 1 : 2;
        break;
      case 4:
        t.trochoid = !t.trochoid;
        break;
      case 5:
        s.cad.polyline_output = !s.cad.polyline_output;
        break;
      case 6:
        s.ds.involute_points = static_cast<int>(
            InputInt(DialogsOf(s), "Anzahl der Punkte f\x81r die Evolvente", s.ds.involute_points,
                     CadSettingsForm::kMinPoints, CadSettingsForm::kMaxPoints));
        break;
      case 7:
        t.trochoid_steps = static_cast<int>(
            InputInt(DialogsOf(s), "Trochoide: Schritte je Teilung", t.trochoid_steps, 1, 500));
        break;
      case 8:
        t.meshing_texts = !t.meshing_texts;
        break;
      default:
        break;
    }
  }
}

}  // namespace kv9
