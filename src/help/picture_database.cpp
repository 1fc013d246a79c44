#include "help/picture_database.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>

#include "core/file_util.h"
#include "core/text.h"
#include "core/ui.h"
#include "help/help_texts.h"

namespace kv9 {

namespace {

// One quoted field, after an optional leading comma; false when it does not start with a quote.
bool ReadQuoted(const std::string& line, std::size_t& pos, std::string& field) {
  if (pos < line.size() && line[pos] == ',') ++pos;
  const bool quoted = pos < line.size() && line[pos] == '"';
  if (quoted) ++pos;
  auto close = std::min(line.find('"', pos), line.size());
  field = line.substr(pos, close - pos);
  pos = std::min(close + 1, line.size());
  return quoted;
}

bool WriteAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n <= 0) return false;
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

}  // namespace

PictureDatabase ParsePictureDatabase(std::string_view content) {
  PictureDatabase db;
  db.lines = HelpFileLines(content);
  for (std::size_t i = 0; i < db.lines.size() && db.entries.size() < kMaxPictureEntries; ++i) {
    const std::string& line = db.lines[i];
    if (Trim(line).empty()) continue;
    PictureEntry e;
    std::size_t pos = 0;
    bool name_quoted = ReadQuoted(line, pos, e.name);
    bool description_quoted = ReadQuoted(line, pos, e.description);
    if (!name_quoted || !description_quoted) db.field_error = true;
    db.entries.push_back(e);
    db.entry_lines.push_back(i);
  }
  return db;
}

std::string PictureDatabaseLine(const PictureEntry& entry) {
  return "\"" + entry.name + "\",\"" + entry.description + "\"";
}

std::vector<std::string> PictureItems(const std::vector<PictureEntry>& entries) {
  std::vector<std::string> items;
  for (const auto& e : entries) {
    std::string name = e.name;
    if (name.size() < kPictureNameLength) name.resize(kPictureNameLength, ' ');
    items.push_back(name + ": " + e.description.substr(0, kPictureItemDescriptionLength));
  }
  return items;
}

std::string RawPortDevice(int port) {
  const std::string n = std::to_string(port > 0 ? port - 1 : 0);
  const std::string usb = "/dev/usb/lp" + n;
  return access(usb.c_str(), W_OK) == 0 ? usb : "/dev/lp" + n;
}

HelpPictureBrowser::HelpPictureBrowser(HelpContext& h, std::string scratch_dir,
                                       std::string raw_device)
    : h_(h), scratch_dir_(std::move(scratch_dir)), raw_device_(std::move(raw_device)) {}

std::string HelpPictureBrowser::databasePath() const {
  return FindFileNoCase(h_.plt_dir, kPictureDatabaseFile);
}

bool HelpPictureBrowser::open() {
  if (!FileReadable(databasePath())) {
    auto chosen = help_dialog::ChooseFile(h_, AddBackslash(h_.plt_dir), "*.plt");
    if (!chosen) return false;
    h_.plt_dir = DirOf(*chosen);
    ShowPictureFile(h_, *chosen);
    return false;
  }
  reload();
  current_ = db_.entries.empty() ? -1 : 0;
  draw();
  return true;
}

void HelpPictureBrowser::reload() {
  std::string content;
  ReadWholeFile(databasePath(), content);
  db_ = ParsePictureDatabase(content);
  if (db_.field_error) help_dialog::Error(h_, "DBH file error");
  current_ = std::min(current_, pictureCount() - 1);
  if (current_ < 0 && pictureCount() > 0) current_ = 0;
}

void HelpPictureBrowser::draw() {
  if (current_ < 0) return;
  ShowPictureFile(h_, HelpPicturePath(h_.plt_dir, db_.entries[current_].name));
}

std::vector<std::string> HelpPictureBrowser::items() const {
  std::vector<std::string> shown;
  for (const auto& item : PictureItems(db_.entries)) shown.push_back(h_.shown(item));
  for (const char* action : kPictureActionItems) shown.push_back(h_.shown(action));
  return shown;
}

void HelpPictureBrowser::choose(int item) {
  if (item >= 0 && item < pictureCount()) {
    current_ = item;
    draw();
    return;
  }
  switch (item - pictureCount()) {
    case 0:
      return append();
    case 1:
      return remove();
    case 2:
      return change();
    case 3:
      return insert();
    case 4:
      return print();
    default:
      return;
  }
}

void HelpPictureBrowser::previous() {
  if (current_ > 0) --current_;
  draw();
}

void HelpPictureBrowser::next() {
  if (current_ + 1 < pictureCount()) ++current_;
  draw();
}

void HelpPictureBrowser::help() {
  ShowHelp(h_, kHelpTopic, kHelpTextOnly);
}

std::string HelpPictureBrowser::askNewLine() {
  auto file = help_dialog::ChooseFile(h_, AddBackslash(h_.plt_dir), "*.plt");
  if (!file) return "";
  auto info = help_dialog::Input(h_, "Information zum Hilfebild", "", kPictureDescriptionLength);
  if (!info) return "";
  return PictureDatabaseLine({NameNoExt(*file), *info});
}

void HelpPictureBrowser::append() {
  std::string line = askNewLine();
  if (line.empty()) return;
  std::vector<std::string> lines = db_.lines;
  lines.push_back(line);
  rewrite(lines);
}

void HelpPictureBrowser::insert() {
  std::size_t at = db_.lines.size();
  if (pictureCount() > 0) {
    int before = help_dialog::Choose(h_, "Vor welche Zeile einf\x81gen ?", PictureItems(db_.entries),
                                     current_ + 1);
    if (before == 0) return;
    at = db_.entry_lines[before - 1];
  }
  std::string line = askNewLine();
  if (line.empty()) return;
  std::vector<std::string> lines = db_.lines;
  lines.insert(lines.begin() + static_cast<std::ptrdiff_t>(at), line);
  rewrite(lines);
}

void HelpPictureBrowser::change() {
  if (current_ < 0) return;
  const PictureEntry& e = db_.entries[current_];
  auto name = help_dialog::Input(h_, "Dateiname (ohne Endung .plt)", e.name, kPictureNameLength);
  if (!name) return;
  auto info = help_dialog::Input(h_, "Information zum Hilfebild", e.description,
                                 kPictureDescriptionLength);
  if (!info) return;
  std::vector<std::string> lines = db_.lines;
  lines[db_.entry_lines[current_]] = PictureDatabaseLine({*name, *info});
  rewrite(lines);
}

void HelpPictureBrowser::remove() {
  if (current_ < 0) return;
  auto confirmed = help_dialog::AskYesNo(h_, "L\x94schen ?", true);
  if (!confirmed) return;
  int entry = current_;
  if (!*confirmed) {
    int chosen = help_dialog::Choose(h_, "Zu l\x94schende Zeile w\x84hlen...",
                                     PictureItems(db_.entries), current_ + 1);
    if (chosen == 0) return;
    entry = chosen - 1;
  }
  std::vector<std::string> lines = db_.lines;
  lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(db_.entry_lines[entry]));
  rewrite(lines);
}

void HelpPictureBrowser::rewrite(const std::vector<std::string>& lines) {
  std::string content;
  for (const auto& line : lines) content += line + "\r\n";
  const std::string scratch = AddBackslash(scratch_dir_) + kPictureScratchFile;
  const std::string target = databasePath();
  std::string copied;
  if (WriteFileReplacing(scratch, content) != 0 || !ReadWholeFile(scratch, copied)) {
    help_dialog::Error(h_, "Datei " + Utf8ToCp850(scratch) + " kann nicht erstellt werden");
    h_.abort_flag = true;
  } else if (WriteFileReplacing(target, copied) != 0) {
    help_dialog::Error(h_, "Datei " + Utf8ToCp850(target) + " kann nicht erstellt werden");
    h_.abort_flag = true;
  }
  DeleteIfExists(scratch);
  reload();
  draw();
}

void HelpPictureBrowser::print() {
  if (current_ < 0) return;
  int picture = help_dialog::Choose(h_, "Welches Bild ausdrucken ?", PictureItems(db_.entries),
                                    current_ + 1);
  if (picture == 0) return;
  auto port = help_dialog::InputInt(
      h_, "Druckerschnittstelle (max = " + std::to_string(kMaxPrinterPort) + ", default=1)", 1, 1,
      kMaxPrinterPort);
  if (!port) return;
  auto control = help_dialog::AskYesNo(
      h_, "Steuersequenz f\x81r HP-GL/2-Laserdrucker vorausschicken ?", true);
  if (!control) return;
  const std::string file = HelpPicturePath(h_.plt_dir, db_.entries[picture - 1].name);
  std::string bytes;
  if (!ReadWholeFile(file, bytes)) {
    help_dialog::Error(h_, FileNotFoundText(file));
    h_.abort_flag = true;
    return;
  }
  help_dialog::Note(h_, "Hilfebild wird ausgegeben ..");
  if (*control) bytes = "\x1B" "E\x1B%0B" + bytes + "\x1B%0A\x1B" "E";
  const std::string device = raw_device_.empty() ? RawPortDevice(*port) : raw_device_;
  int fd = ::open(device.c_str(), O_WRONLY | O_TRUNC | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) {
    help_dialog::Error(h_, "Datei " + Utf8ToCp850(device) + " kann nicht ge\x94" "ffnet werden");
    h_.abort_flag = true;
    return;
  }
  bool written = WriteAll(fd, bytes);
  if (::close(fd) != 0) written = false;
  if (!written) {
    help_dialog::Error(h_, "Fehler bei Zugriff auf Diskette/Platte");
    h_.abort_flag = true;
  }
}

}  // namespace kv9
