#include "model/texts_form.h"

#include <gtest/gtest.h>

#include "model/spline_data_set.h"

namespace kv9 {
namespace {

TEST(TextsForm, ShowsCodePage850AsUtf8AndStoresItBackCut) {
  SplineDataSet ds;
  ds.drawing_name_hub = "Au\xE1" "enteil";  // code page 850: 0xE1 is ß
  TextsForm form;
  form.fill(ds);
  EXPECT_EQ(form.drawing_name[1], "Außenteil");
  EXPECT_EQ(form.drawing_name[0], "Zahnwelle");

  form.drawing_name[1] = "Nabe für Ölpumpe";
  form.drawing_number[0] = std::string(30, '7');
  form.info2 = "zwei";
  form.accept(ds);
  EXPECT_EQ(ds.drawing_name_hub, "Nabe f\x81r \x99lpumpe");
  EXPECT_EQ(ds.drawing_number_shaft, std::string(kDrawingNumberLength, '7'));
  EXPECT_EQ(ds.info2, "zwei");
  EXPECT_EQ(ds.drawing_name_shaft, "Zahnwelle");
}

}  // namespace
}  // namespace kv9
