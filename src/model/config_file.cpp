// Reading and writing kv9.cfg: the line reader with its end-of-file and read-error rules, the
// value formats, and the file's location.
#include "model/config_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <ext/stdio_filebuf.h>

#include <cerrno>
#include <charconv>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "core/file_util.h"
#include "core/generic_dialogs.h"
#include "core/program_info.h"
#include "core/text.h"
#include "model/config_entries.h"

namespace kv9 {

namespace {

using config_detail::VisitEntries;

// Lines longer than this are cut; the rest of such a line is skipped, so a file of garbage
// costs no more memory than this.
constexpr std::size_t kMaxLineLength = 64 * 1024;

// Reads lines (CR LF or LF). After the last line the reader has "ended"; reading on after that
// is a read error unless the caller allows it. A stream failure is a read error too.
class LineReader {
 public:
  explicit LineReader(std::istream& in) : in_(in) {}

  // The next line; at the end an empty line and, unless `at_end_ok`, a read error.
  std::string read(bool at_end_ok = false) {
    std::string line;
    if (!next(line) && !at_end_ok) error_ = true;
    return line;
  }
  bool ended() {
    if (!ended_ && !in_.bad()) {
      auto* buf = in_.rdbuf();
      try {
        if (!buf || buf->sgetc() == std::char_traits<char>::eof()) ended_ = true;
      } catch (...) {
        error_ = ended_ = true;
      }
    }
    if (in_.bad()) error_ = ended_ = true;
    return ended_;
  }
  bool error() const { return error_; }

 private:
  bool next(std::string& line) {
    if (ended()) return false;
    auto* buf = in_.rdbuf();
    using traits = std::char_traits<char>;
    try {
      for (;;) {
        traits::int_type c = buf->sbumpc();
        if (c == traits::eof()) break;
        if (c == '\n') return finish(line);
        if (line.size() < kMaxLineLength) line += traits::to_char_type(c);
      }
    } catch (...) {
      // The device failed under the reader: what was read so far counts, the rest is lost.
      error_ = true;
    }
    ended_ = true;
    return finish(line);
  }
  static bool finish(std::string& line) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    return true;
  }

  std::istream& in_;
  bool ended_ = false;
  bool error_ = false;
};

int ToInt(long long v) {
  return v > INT_MAX ? INT_MAX : (v < INT_MIN ? INT_MIN : static_cast<int>(v));
}

class ConfigReader {
 public:
  static constexpr bool kReading = true;
  ConfigReader(LineReader& lines, std::string start_folder)
      : lines_(lines), start_folder_(std::move(start_folder)) {}

  void label(const std::string&, bool at_end = false) { lines_.read(at_end); }
  void text(std::string& field, int limit = 0, bool at_end = false) {
    field = lines_.read(at_end);
    if (limit > 0 && static_cast<int>(field.size()) > limit) field.resize(limit);
  }
  void integer(int& field, bool at_end = false) { field = ToInt(ParseInt(lines_.read(at_end))); }
  void smart(Real& field) { field = ParseReal(lines_.read()); }
  void longReal(Real& field) { field = ParseReal(lines_.read()); }
  void boolean(bool& field) { field = UpperAscii(Trim(lines_.read())) == "TRUE"; }
  void booleanUnlessFalse(bool& field) { field = UpperAscii(Trim(lines_.read())) != "FALSE"; }
  void character(char& field) {
    std::string line = lines_.read();
    field = line.empty() ? '\0' : line[0];
  }
  // n, then n - 1 further command lines. All of them are read to stay in step; the first four
  // are kept.
  void plotLines(std::vector<std::string>& extra) {
    long long n = ParseInt(lines_.read());
    extra.clear();
    for (long long i = 1; i < n; ++i) {
      if (lines_.ended()) {
        lines_.read();  // the file ends inside the list: a read error
        break;
      }
      std::string line = lines_.read();
      if (static_cast<int>(extra.size()) < config_detail::kMaxPlotLines - 1) extra.push_back(line);
    }
  }
  // "left|top|width|height|", taken only when width and height are not 0.
  void textWindow(std::array<int, 4>& rect) {
    std::string line = lines_.read();
    std::array<int, 4> v = {0, 0, 0, 0};
    std::size_t start = 0;
    for (int i = 0; i < 4 && start <= line.size(); ++i) {
      std::size_t bar = line.find('|', start);
      v[i] = ToInt(ParseInt(line.substr(start, bar == std::string::npos ? bar : bar - start)));
      if (bar == std::string::npos) break;
      start = bar + 1;
    }
    if (v[2] != 0 && v[3] != 0) rect = v;
  }
  bool endsHere() { return lines_.ended() && !lines_.error(); }
  bool more() { return !lines_.ended(); }
  template <class F>
  void rule(F f) {
    f();
  }
  const std::string& startFolder() const { return start_folder_; }

 private:
  LineReader& lines_;
  std::string start_folder_;
};

class ConfigWriter {
 public:
  static constexpr bool kReading = false;
  explicit ConfigWriter(std::ostream& out) : out_(out) {}

  void label(const std::string& text, bool = false) { line(Utf8ToCp850(text)); }
  void text(const std::string& field, int = 0, bool = false) { line(field); }
  void integer(int field, bool = false) { line(std::to_string(field)); }
  void smart(Real field) { line(ReadingBackAs(FormatShort(kFileStyle, field), field)); }
  // Whole numbers below 1 in the short form, every other value with 7 decimals.
  void longReal(Real field) {
    bool whole = field < 1 && std::fabs(field - std::nearbyint(field)) < 1e-10L;
    line(ReadingBackAs(
        whole ? FormatShort(kFileStyle, field) : FormatFixed(kFileStyle, 0, 7, field), field));
  }
  void boolean(bool field) { line(field ? "TRUE" : "FALSE"); }
  void booleanUnlessFalse(bool field) { boolean(field); }
  void character(char field) { line(field ? std::string(1, field) : std::string()); }
  void plotLines(const std::vector<std::string>& extra) {
    line(std::to_string(extra.size() + 1));
    for (const auto& l : extra) line(l);
  }
  void textWindow(const std::array<int, 4>& rect) {
    std::string l;
    for (int v : rect) l += std::to_string(v) + "|";
    line(l);
  }
  bool endsHere() { return false; }
  bool more() { return true; }
  template <class F>
  void rule(F) {}
  std::string startFolder() const { return ""; }

 private:
  // Numbers in the file never depend on the user's number settings: the decimals setting would
  // otherwise round factors away (1.02 with one decimal is "1").
  static constexpr NumberStyle kFileStyle{3, 1};
  // The file's own number form when it reads back as the value itself, else the shortest text
  // that does: a save must change no setting (a small factor would otherwise be written as "0"
  // and read back as its default, 1.2345 as 1.235).
  static std::string ReadingBackAs(std::string text, Real field) {
    if (ParseReal(text) == field) return text;
    char buffer[64];
    auto res = std::to_chars(buffer, buffer + sizeof buffer, field);
    return res.ec == std::errc() ? std::string(buffer, res.ptr) : text;
  }
  void line(const std::string& text) { out_ << text << "\r\n"; }
  std::ostream& out_;
};

// The screen fills in a window size of 0 or -1.
void ApplyScreenSizes(Config& cfg, Ui& ui) {
  ScreenSize screen = ui.screenSize();
  if (cfg.client_width == 0 || cfg.client_width == -1) cfg.client_width = screen.width - 9;
  if (cfg.client_height == 0 || cfg.client_height == -1) cfg.client_height = screen.height - 91;
}

// Without any configuration file: sizes from the screen. The dialog scale follows the screen
// resolution; the main window does not exist yet, so its frame is taken as the standard 46
// pixels above the client area (ratio 1).
void ApplyNoFileDefaults(Config& cfg, Ui& ui) {
  ScreenSize screen = ui.screenSize();
  cfg.client_width = screen.width - 9;
  cfg.client_height = screen.height - 91;
  cfg.text_window_rect[3] = screen.height - 80;
  cfg.input_window_scale =
      static_cast<int>(std::nearbyint((100.0 + 0.009) * screen.pixels_per_inch / 96.0));
}

void ReportNotAFile(const DialogContext& d, const std::string& path) {
  ShowError(d, "Datei " + Utf8ToCp850(path) +
                   " ist keine gew\x94hnliche Datei, es gelten die Voreinstellungen");
}

// Only a regular file is read: a FIFO would hold the start for ever and a device never end.
// Anything else under the name is reported and counts as no file. The file is opened without
// waiting and checked again once open, so nothing put in its place meanwhile can block.
bool ReadFile(Config& cfg, const std::string& program_dir, const DialogContext& d,
              const std::string& path) {
  struct stat st;
  if (NameHasNul(path) || stat(path.c_str(), &st) != 0) return false;
  if (!S_ISREG(st.st_mode)) {
    ReportNotAFile(d, path);
    return false;
  }
  int fd = open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return false;
  if (fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
    close(fd);
    ReportNotAFile(d, path);
    return false;
  }
  __gnu_cxx::stdio_filebuf<char> file(fd, std::ios::in | std::ios::binary);  // closes fd
  std::istream in(&file);
  ReadConfigStream(cfg, program_dir, d, in);
  return true;
}

}  // namespace

std::string ConfigFallbackDir() {
  const char* xdg = std::getenv("XDG_CONFIG_HOME");
  if (xdg && *xdg) return AddBackslash(xdg) + "kv9/";
  const char* home = std::getenv("HOME");
  return AddBackslash(home && *home ? home : ".") + ".config/kv9/";
}

std::string ConfigFilePath(const Config& c) {
  return c.config_dir + c.base_name + ".cfg";
}

std::string TempEnvironmentDir() {
  for (const char* name : {"TEMP", "TMPDIR"})
    if (const char* v = std::getenv(name); v && *v) return v;
  return "/tmp";
}

void ReadConfigStream(Config& cfg, const std::string& program_dir, const DialogContext& d,
                      std::istream& in) {
  Config& c = cfg;
  c.graphics_aspect_correction = 1.0;
  LineReader lines(in);
  lines.read();  // base name + " Konfiguration"
  lines.read();  // "Version " + version
  ConfigReader reader(lines, program_dir);
  VisitEntries(reader, c);
  if (lines.error()) d.abort_flag = true;
  ApplyScreenSizes(cfg, d.ui);
}

bool ReadConfig(Config& cfg, const std::string& program_dir, const DialogContext& d) {
  Config& c = cfg;
  if (ReadFile(cfg, program_dir, d, ConfigFilePath(c))) return true;
  std::string fallback = ConfigFallbackDir();
  if (ReadFile(cfg, program_dir, d, fallback + c.base_name + ".cfg")) {
    c.config_dir = fallback;
    return true;
  }
  c.config_dir = fallback;  // where a later save creates the file
  ApplyNoFileDefaults(cfg, d.ui);
  d.abort_flag = true;
  return false;
}

bool ImportConfig(Config& cfg, const std::string& program_dir, const DialogContext& d,
                  const std::string& dir, const std::string& base_name) {
  std::string saved_dir = cfg.config_dir, saved_base = cfg.base_name;
  cfg.config_dir = AddBackslash(dir);
  cfg.base_name = base_name;
  bool read = ReadFile(cfg, program_dir, d, ConfigFilePath(cfg));
  if (!read) d.abort_flag = true;
  cfg.config_dir = saved_dir;
  cfg.base_name = saved_base;
  return read;
}

void WriteConfigStream(const Config& cfg, std::ostream& out) {
  Config c = cfg;  // the visitor takes a mutable Config; the writer changes nothing
  out << c.base_name << " Konfiguration\r\n";
  out << "Version " << kVersion << "\r\n";
  ConfigWriter writer(out);
  VisitEntries(writer, c);
}

bool WriteConfig(const Config& cfg, const DialogContext& d) {
  std::string path = ConfigFilePath(cfg);
  std::error_code ec;
  if (!cfg.config_dir.empty()) std::filesystem::create_directories(cfg.config_dir, ec);
  std::ostringstream text;
  WriteConfigStream(cfg, text);
  // Written to a new file and renamed over the old one, so a full disk never leaves half a
  // configuration behind; a symbolic link keeps pointing at the file it names.
  WritePhase phase = WritePhase::Create;
  int error = WriteFileReplacing(path, text.str(), &phase);
  if (error == 0) return true;
  if (error == ENOSPC) error = 101;
  if (phase == WritePhase::Create)
    ReportCreateError(d, error);
  else if (phase == WritePhase::Write)
    ReportWriteError(d, error);
  else
    ReportCloseError(d, error);
  return false;
}

}  // namespace kv9
