// The nine pages of the configuration dialog: every control with the setting it edits.
#pragma once

#include <vector>

#include "model/config_form.h"

namespace kv9 {

std::vector<ConfigPage> BuildConfigPages(const ConfigFormEnvironment& env);

}  // namespace kv9
