#include "model/texts_form.h"

#include "core/text.h"
#include "model/spline_data_set.h"

namespace kv9 {

namespace {

std::string Stored(const std::string& shown, int length) {
  return Utf8ToCp850(shown).substr(0, length);
}

}  // namespace

void TextsForm::fill(const SplineDataSet& ds) {
  drawing_name = {Cp850ToUtf8(ds.drawing_name_shaft), Cp850ToUtf8(ds.drawing_name_hub)};
  drawing_number = {Cp850ToUtf8(ds.drawing_number_shaft), Cp850ToUtf8(ds.drawing_number_hub)};
  drawing_name2 = {Cp850ToUtf8(ds.drawing_name2_shaft), Cp850ToUtf8(ds.drawing_name2_hub)};
  info1 = Cp850ToUtf8(ds.info1);
  info2 = Cp850ToUtf8(ds.info2);
}

void TextsForm::accept(SplineDataSet& ds) const {
  ds.drawing_name_shaft = Stored(drawing_name[0], kDrawingNameLength);
  ds.drawing_name_hub = Stored(drawing_name[1], kDrawingNameLength);
  ds.drawing_number_shaft = Stored(drawing_number[0], kDrawingNumberLength);
  ds.drawing_number_hub = Stored(drawing_number[1], kDrawingNumberLength);
  ds.drawing_name2_shaft = Stored(drawing_name2[0], kDrawingName2Length);
  ds.drawing_name2_hub = Stored(drawing_name2[1], kDrawingName2Length);
  ds.info1 = Stored(info1, kInfoLength);
  ds.info2 = Stored(info2, kInfoLength);
}

}  // namespace kv9
