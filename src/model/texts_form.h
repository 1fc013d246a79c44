// The model of the text dialog: the drawing names and numbers of shaft and hub and the two info
// texts. The fields are UTF-8 as the widgets show them; the data set keeps code page 850.
#pragma once

#include <array>
#include <string>

namespace kv9 {

struct SplineDataSet;

class TextsForm {
 public:
  // [0] the shaft, [1] the hub
  std::array<std::string, 2> drawing_name, drawing_number, drawing_name2;
  std::string info1, info2;

  void fill(const SplineDataSet& ds);
  // OK: the fields replace the data set's texts, converted and cut to the data set's lengths.
  void accept(SplineDataSet& ds) const;
};

}  // namespace kv9
