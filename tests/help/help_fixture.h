// A help context over a ScriptedUi, a display list and a temporary "PLT Ordner".
#pragma once

#include <string>
#include <vector>

#include "core/scripted_ui.h"
#include "help/help_context.h"
#include "screen/display_list.h"
#include "support/test_files.h"

namespace kv9::test {

struct HelpFixture {
  TempDir dir;
  ScriptedUi ui;
  DisplayList display;
  std::string plt = dir.dir();
  bool abort_flag = true;
  int topic = 0;
  HelpContext h{ui, display, plt, abort_flag, topic};

  void write(const std::string& name, const std::string& bytes) { WriteBytes(dir.file(name), bytes); }
  // The recorded commands of one kind ("4;" lines ...).
  std::vector<std::string> commands(const std::string& code) const {
    std::vector<std::string> out;
    for (const auto& c : display.commands())
      if (c.rfind(code, 0) == 0) out.push_back(c);
    return out;
  }
};

}  // namespace kv9::test
