#include "app/recent_files.h"

#include <cerrno>
#include <filesystem>

#include "app/data_file_commands.h"
#include "app/data_file_names.h"
#include "app/session.h"
#include "core/file_util.h"
#include "core/generic_dialogs.h"
#include "core/text.h"
#include "model/data_file.h"

namespace kv9 {

void RecentAdd(Session& s, std::string_view name) {
  std::string full = FullDataFileName(s, name);
  auto& list = s.recent_files;
  for (int i = 0; i < kRecentFileCount;) {
    if (!list[i].empty() && LowerAscii(list[i]) == LowerAscii(full))
      RecentRemove(s, i + 1);
    else
      ++i;
  }
  for (int i = kRecentFileCount - 1; i > 0; --i) list[i] = list[i - 1];
  list[0] = full;
}

void RecentRemove(Session& s, int index) {
  if (index < 1 || index > kRecentFileCount) return;
  auto& list = s.recent_files;
  for (int i = index - 1; i < kRecentFileCount - 1; ++i) list[i] = list[i + 1];
  list[kRecentFileCount - 1].clear();
}

bool RecentOpen(Session& s, int index) {
  if (index < 1 || index > kRecentFileCount) return false;
  AskSaveOrDiscard(s);
  if (s.abort_flag) return false;
  std::string entry = s.recent_files[index - 1];
  if (entry.empty()) return false;
  if (!FileExists(entry)) {
    RecentRemove(s, index);
    ShowError(DialogsOf(s), "File " + Utf8ToCp850(entry) + " not found !");
    return false;
  }
  s.data_dir = DirOf(entry);
  // The current file keeps the real extension when it is not the data-file extension.
  std::string file = FileNamePart(entry);
  std::string name = ExtOf(file) == kDataFileExtension ? NameNoExt(file) : entry;
  if (!LoadDataFile(s, name)) return false;
  s.current_file = name;
  RecentAdd(s, name);
  s.modified = false;
  s.ui->refreshGraphics();
  return true;
}

std::string ShortenRecentName(std::string_view name) {
  if (name.size() < 50) return std::string(name);
  auto first = name.find('/');
  auto last = name.rfind('/');
  if (first == std::string_view::npos || first == last) return std::string(name);
  return std::string(name.substr(0, first + 1)) + "..." + std::string(name.substr(last));
}

std::string RecentMenuText(const Session& s, int index) {
  if (index < 1 || index > kRecentFileCount) return "";
  // A "&" of the name is a character, not the accelerator: menus show "&&" as "&".
  std::string name;
  for (char c : ShortenRecentName(s.recent_files[index - 1])) {
    if (c == '&') name += '&';
    name += c;
  }
  return "&" + std::to_string(index) + " " + name;
}

std::string RecentFilesName(const Session& s) {
  const std::string& dir = s.cfg.config_dir.empty() ? s.program_dir : s.cfg.config_dir;
  return AddBackslash(dir) + kProductNameLower + ".cff";
}

void ReadRecentFiles(Session& s) {
  for (auto& entry : s.recent_files) entry.clear();
  std::string content;
  if (!ReadWholeFile(RecentFilesName(s), content)) return;
  LineReader in(content);
  in.skip();
  for (auto& entry : s.recent_files) in.text(entry, std::string::npos);
}

bool WriteRecentFiles(Session& s) {
  LineWriter w(StyleOf(s.cfg));
  w.text(std::string(kProductNameLower) + "\t Session " + s.data_dir);
  for (const auto& entry : s.recent_files) w.text(entry);
  // The configuration folder is made when missing, as saving the configuration does.
  std::error_code ec;
  if (!s.cfg.config_dir.empty()) std::filesystem::create_directories(s.cfg.config_dir, ec);
  int error = WriteFileReplacing(RecentFilesName(s), w.content());
  if (error == 0) return true;
  // Once, and on: a read-only program folder must not keep the program from ending.
  if (error == EACCES || error == EPERM || error == EROFS)
    ShowError(DialogsOf(s), "Schreibschutz entfernen !");
  else if (error == ENOENT || error == ENOTDIR)
    ShowError(DialogsOf(s), "Programmdiskette einlegen !");
  else
    ShowError(DialogsOf(s), "I/O-Error " + std::to_string(error));
  return false;
}

}  // namespace kv9
