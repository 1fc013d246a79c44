// The example data files of the repository, by name.
#pragma once

#include <string>
#include <vector>

namespace kv9::test {

inline const std::vector<std::string>& ExampleNames() {
  static const std::vector<std::string> names = {
      "b92_1b_fit_f", "fillet_root_37_5",     "fillet_root_45", "major_diameter_fit", "side_fit_30",
      "start",        "stress_all_selections"};
  return names;
}

inline std::string ExamplePath(const std::string& name) {
  return std::string(KV9_SOURCE_DIR) + "/examples/" + name + ".kv9";
}

}  // namespace kv9::test
