// Fuzz target of the table reader: the input is a table file. Opening must not crash; a refused
// file gets one error and the abort flag; opening never changes the file; an opened table gives
// every field of every record, and a record appended to it is there when it is opened again.
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/scripted_ui.h"
#include "support/test_files.h"
#include "tables/dbf_table.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static kv9::test::TempDir folder;  // one folder for the whole run
  std::string path = folder.file("fuzz.dbf");
  std::string bytes(reinterpret_cast<const char*>(data), size);
  kv9::test::WriteBytes(path, bytes);

  kv9::ScriptedUi ui;
  kv9::MessageList messages;
  bool abort_flag = false;
  kv9::TableEnv env{ui, messages, abort_flag, true, folder.dir(), folder.dir(), {2024, 3, 5}};
  kv9::DbfTable table;
  bool opened = table.open(env, path);
  if (kv9::test::ReadBytes(path) != bytes) __builtin_trap();
  if (!opened) {
    if (!abort_flag || ui.texts("error").size() != 1) __builtin_trap();
    return 0;
  }
  std::size_t characters = 0;
  for (int r = 1; r <= table.recordCount(); ++r)
    for (int f = 0; f < static_cast<int>(table.fields().size()); ++f)
      characters += table.fieldText(r, f).size();
  if (characters > size) __builtin_trap();

  int count = table.recordCount();
  if (!table.append(env) || table.recordCount() != count + 1) __builtin_trap();
  kv9::DbfTable again;
  if (!again.open(env, path) || again.recordCount() != count + 1) __builtin_trap();
  return 0;
}
