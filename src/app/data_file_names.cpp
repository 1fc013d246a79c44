#include "app/data_file_names.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "app/session.h"
#include "core/file_util.h"
#include "core/generic_dialogs.h"
#include "core/text.h"
#include "model/data_file.h"

namespace kv9 {

void ArchiveRefusal(Session& s) {
  ShowError(DialogsOf(s),
            "File- und User- Befehle sind im Archivierungsmodus nicht m\x94"
            "glich.");
  s.abort_flag = true;
}

namespace {

// The name a chosen file is kept under: without folder and extension when the extension is
// the expected one, else the full name (which is then used unchanged).
std::string ChosenName(const std::string& chosen, std::string_view ext) {
  std::string file = FileNamePart(chosen);
  if (!HasDot(file)) return file;
  if (ExtOf(file) == ext) return NameNoExt(file);
  return chosen;
}

}  // namespace

std::string FullDataFileName(const Session& s, std::string_view name, std::string_view ext) {
  if (HasDot(name)) return std::string(name);
  return AddBackslash(s.data_dir) + std::string(name) + "." + std::string(ext);
}

std::string CurrentFullName(const Session& s) {
  return s.cmdline_file ? s.current_file : FullDataFileName(s, s.current_file);
}

std::string TemplateFileName(const Session& s) {
  return AddBackslash(s.data_dir) + kTemplateName + "." + kDataFileExtension;
}

bool ArchiveMode(const Session& s) {
  return s.cmdline_file && s.cfg.archive_flag;
}

std::string ChooseFile(Session& s, std::string& dir, std::string_view mask) {
  std::string m(mask);
  auto chosen = s.ui->chooseOpenFile(AddBackslash(dir), m + "|" + m);
  if (!chosen || chosen->empty()) {
    s.abort_flag = true;
    return "";
  }
  dir = DirOf(*chosen);
  return ChosenName(*chosen, ExtOf(mask));
}

std::string ChooseFileFrom(Session& s, std::string_view current, std::string_view mask) {
  std::string m(mask);
  auto chosen = s.ui->chooseOpenFile(AddBackslash(DirOf(Trim(current))), m + "|" + m);
  if (!chosen || chosen->empty()) {
    s.abort_flag = true;
    return std::string(current);
  }
  return *chosen;
}

bool WriteCheck(Session& s, const std::string& full_name) {
  if (FileExists(full_name) && full_name.find(kCurrentWord) == std::string::npos &&
      s.save_confirm_overwrite) {
    std::string question = NameText(full_name) +
                           " existiert bereits.   \x81"
                           "berschreiben ?";
    if (AskYesNoCancel3(DialogsOf(s), question) != YesNoCancel::Yes) {
      s.abort_flag = true;
      return false;
    }
  }
  // The old file is never emptied here: a name that exists is checked for write permission
  // and its folder for a file that can be created; a new name is created and deleted again.
  std::string target = FollowLinks(full_name);
  struct stat st;
  bool ok;
  if (NameHasNul(target))
    ok = false;
  else if (stat(target.c_str(), &st) == 0)
    ok = !S_ISDIR(st.st_mode) && access(target.c_str(), W_OK) == 0 && DirWritable(DirOf(target));
  else {
    int fd = target.empty() ? -1 : open(target.c_str(), O_WRONLY | O_CREAT | O_EXCL, 0600);
    ok = fd >= 0;
    if (ok) {
      close(fd);
      ok = unlink(target.c_str()) == 0;
    }
  }
  if (!ok) {
    ShowError(DialogsOf(s), "Ung\x81ltiger Dateiname \"" + NameText(full_name) + "\" !");
    s.abort_flag = true;
  }
  return ok;
}

std::string ResolveSaveName(Session& s, std::string_view name, std::string_view ext) {
  if (ArchiveMode(s)) {
    if (name != kCurrentWord) {
      ArchiveRefusal(s);
      return "";
    }
  } else {
    s.cmdline_file = false;
  }
  if (!name.empty()) {
    std::string full = FullDataFileName(s, name, ext);
    return WriteCheck(s, full) ? full : "";
  }
  std::string e(ext);
  auto chosen = s.ui->chooseSaveFile(AddBackslash(s.data_dir), "*." + e + "|*." + e);
  if (!chosen || chosen->empty()) {
    s.abort_flag = true;
    return "";
  }
  s.data_dir = DirOf(*chosen);
  std::string new_name = ChosenName(*chosen, ext);
  std::string full = FullDataFileName(s, new_name, ext);
  if (!WriteCheck(s, full)) return "";
  s.current_file = new_name;
  return full;
}

}  // namespace kv9
