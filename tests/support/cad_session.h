// Helpers of the CAD tests: a session with its scratch and temporary folders in a TempDir, and
// outputs opened on a file of that folder through the save dialog.
#pragma once

#include <unistd.h>

#include <filesystem>
#include <string>

#include "cad/cad_driver.h"
#include "support/cad_readers.h"
#include "support/test_session.h"

namespace kv9::test {

struct CadSession : TestSession {
  TempDir dir;
  CadSession() {
    // As at run time: the private scratch folder lies inside the temporary folder.
    std::filesystem::create_directory(dir.file("scratch"));
    s.scratch_dir = dir.file("scratch") + "/";
    s.cfg.temp_dir = dir.path() + "/";
    s.program_dir = dir.path() + "/";
  }
  // Opens kind 1, 2 or 5 on dir/name, answering the save dialog.
  std::string open(int kind, const std::string& name) {
    ui.answer(dir.file(name));
    CadOpen(s.cadContext(), kind);
    return dir.file(name);
  }
  // The usual frame of a drawing around `entities`.
  template <class F>
  void drawing(int layer_set, F entities) {
    CadLimits(s.cadContext(), 0, 0, 210, 297);
    CadTables(s.cadContext(), layer_set);
    CadBlocksBegin(s.cadContext());
    CadSectionEnd(s.cadContext());
    CadEntitiesBegin(s.cadContext());
    entities();
    CadSectionEnd(s.cadContext());
    CadClose(s.cadContext());
  }
};

// DXF text of group pairs: the code right-aligned in three characters.
inline std::string DxfGroups(std::initializer_list<std::pair<int, const char*>> groups) {
  std::string out;
  for (const auto& [code, value] : groups) {
    std::string c = std::to_string(code);
    out += std::string(3 - c.size(), ' ') + c + "\r\n" + value + "\r\n";
  }
  return out;
}

}  // namespace kv9::test
