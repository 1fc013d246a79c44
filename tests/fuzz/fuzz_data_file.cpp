// Fuzz target of the data-file reader: any bytes read as a data file must neither crash nor
// misbehave, and what the reader made of them must survive a write and a second read unchanged.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "app/session.h"
#include "core/scripted_ui.h"
#include "model/data_file.h"

namespace {

std::string ReadAndWrite(std::string_view content) {
  kv9::ScriptedUi ui;
  kv9::Session s(ui);
  s.clock.fix({2024, 3, 5, 9, 7});
  kv9::ReadDataFileContent(s.ds, s.docs, s.abort_flag, content);
  return kv9::DataFileContent(s.ds, s.docs, s.cfg, s.clock);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::string_view input(reinterpret_cast<const char*>(data), size);
  std::string first = ReadAndWrite(input);
  std::string second = ReadAndWrite(first);
  if (first != second) __builtin_trap();
  return 0;
}
