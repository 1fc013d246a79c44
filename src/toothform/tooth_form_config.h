// The tooth-form configuration ("Config" of the view list): a list of the settings with their
// values; choosing one changes it, "zurück .." or Cancel leaves.
#pragma once

namespace kv9 {

struct ToothFormContext;

// Which tooth the drawing shifts describe, for both members at once.
enum class DrawnTooth {
  Nominal,      // the calculated x
  Mean,         // the middle of the tolerance, (xemin + xemax) / 2
  MinBacklash,  // the maximum tooth, xemax
  MaxBacklash,  // the minimum tooth, xemin
  Other,        // set for one member in the CAD drawing settings
};
DrawnTooth CurrentDrawnTooth(const ToothFormContext& s);
void SetDrawnTooth(const ToothFormContext& s, DrawnTooth tooth);

void ToothFormConfig(const ToothFormContext& s);

}  // namespace kv9
