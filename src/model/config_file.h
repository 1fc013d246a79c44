// The configuration file kv9.cfg: where it lives, reading it with every rule, writing it, and
// the check of the configured folders after start-up.
#pragma once

#include <iosfwd>
#include <string>

namespace kv9 {

struct Config;
struct DialogContext;

// The folder that takes the configuration when the program folder has none:
// $XDG_CONFIG_HOME/kv9/, else ~/.config/kv9/ (with trailing "/").
std::string ConfigFallbackDir();
// config_dir + base name + ".cfg".
std::string ConfigFilePath(const Config& c);
// The temporary folder of the environment: TEMP, else TMPDIR, else /tmp.
std::string TempEnvironmentDir();

// Reads the configuration at start-up: the file in the configuration directory, else the one in
// ConfigFallbackDir() (which then becomes the configuration directory). When neither opens, the
// window sizes come from the screen, the abort flag is set, the configuration directory becomes
// ConfigFallbackDir() and every other setting keeps its value. Returns whether a file was read.
bool ReadConfig(Config& cfg, const std::string& program_dir, const DialogContext& d);
// Reads the settings of another file (the import of the configuration dialog): the location rule
// is applied to `dir` and `base_name` for this one read, then both are restored.
bool ImportConfig(Config& cfg, const std::string& program_dir, const DialogContext& d,
                  const std::string& dir, const std::string& base_name);
// The entries of an open file, in order, with every rule. A file that ends after an entry that
// may end it keeps the later settings; one that ends elsewhere, or a line that cannot be read,
// sets the abort flag and the rest is read as empty lines. Window sizes of 0 or -1 come from
// the screen; folders named relative to the program are read against `program_dir`.
void ReadConfigStream(Config& cfg, const std::string& program_dir, const DialogContext& d,
                      std::istream& in);

// Writes every entry to ConfigFilePath() (creating the configuration directory). The old file
// stays whole when writing fails; a failure shows its message and sets the abort flag.
bool WriteConfig(const Config& cfg, const DialogContext& d);
// The file contents: code page 850 labels, CR LF line ends, "." as decimal separator.
void WriteConfigStream(const Config& cfg, std::ostream& out);

// After reading at start-up: empty folders take their defaults (the temporary folder TEMP, else
// the program folder; DBF, PLT, EDI and data folders the program folder), then each folder is
// checked and an invalid one named in a message; an invalid temporary folder is asked for.
void ValidateFolders(Config& cfg, const std::string& program_dir, const DialogContext& d);

}  // namespace kv9
