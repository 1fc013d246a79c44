// Fuzz target of the configuration reader: any bytes read as kv9.cfg must neither crash nor
// misbehave, and the settings the reader made of them must survive a write and a second read.
#include <cstddef>
#include <cstdint>
#include <sstream>
#include <string>

#include "app/session.h"
#include "core/scripted_ui.h"
#include "model/config_file.h"

namespace {

std::string ReadAndWrite(const std::string& content) {
  kv9::ScriptedUi ui;
  kv9::Session s(ui);
  std::istringstream in(content);
  kv9::ReadConfigStream(s.cfg, s.program_dir, DialogsOf(s), in);
  std::ostringstream out;
  kv9::WriteConfigStream(s.cfg, out);
  return out.str();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string input(reinterpret_cast<const char*>(data), size);
  std::string first = ReadAndWrite(input);
  std::string second = ReadAndWrite(first);
  if (first != second) __builtin_trap();
  return 0;
}
