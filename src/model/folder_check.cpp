// The check of the configured folders after the configuration was read at start-up.
#include "core/file_util.h"
#include "core/generic_dialogs.h"
#include "core/text.h"
#include "model/config.h"
#include "model/config_file.h"

namespace kv9 {

void ValidateFolders(Config& c, const std::string& program_dir, const DialogContext& d) {
  if (c.temp_dir.empty()) c.temp_dir = TempEnvironmentDir();
  if (c.temp_dir.empty()) c.temp_dir = program_dir;
  for (std::string* dir : {&c.dbf_dir, &c.plt_dir, &c.edi_dir, &c.default_data_dir})
    if (dir->empty()) *dir = program_dir;

  // No CAD folder configured means the current folder; only a named one can be wrong.
  if (!c.cad_dir.empty() && !DirReachable(c.cad_dir))
    ShowError(d, "ung\x81ltiger CAD Ordner konfiguriert");
  if (!DirReachable(c.dbf_dir)) ShowError(d, "ung\x81ltiger DBF Ordner konfiguriert");
  if (!DirReachable(c.plt_dir)) ShowError(d, "ung\x81ltiger PLT Ordner konfiguriert");
  if (!DirReachable(c.edi_dir)) ShowError(d, "ung\x81ltiger EDI Ordner konfiguriert");
  if (!DirReachable(c.default_data_dir)) ShowError(d, "ung\x81ltiger Data Ordner konfiguriert");
  if (!DirReachable(c.temp_dir) || !DirWritable(c.temp_dir)) {
    ShowError(d, "ung\x81ltiger Ordner f\x81r tempor\x84re Dateien konfiguriert");
    // The folder is a platform name (UTF-8); the dialog works in code page 850.
    std::string typed =
        InputText(d, "Ordner f\x81r tempor\x84re Dateien", Utf8ToCp850(c.temp_dir), 60);
    if (!d.abort_flag) c.temp_dir = Cp850ToUtf8(typed);
  }
}

}  // namespace kv9
