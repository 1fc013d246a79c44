#include "model/data_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <climits>
#include <cmath>
#include <fstream>
#include <sstream>

#include "app/session.h"
#include "core/file_util.h"
#include "core/generic_dialogs.h"
#include "core/text.h"
#include "model/documentation_file.h"

namespace kv9 {

// --- line format ---

std::string FormatDataReal(const NumberStyle& st, Real x) {
  if (!std::isfinite(x)) return "0";
  // The rule looks at the value as written, so that a value that the decimals round to a whole
  // number below 1 (5e-9 -> "0.0000000") is written in the short form as that number would be.
  std::string fixed = FormatFixed(st, 0, 7, x);
  Real written = x;
  TryParseReal(ReplaceChar(fixed, ',', '.'), written);
  if (written < 1 && std::fabs(written - std::nearbyint(written)) < 1e-10L)
    return FormatShort(st, std::nearbyint(written));
  return fixed;
}

void LineWriter::text(std::string_view t) {
  raw(SingleLineText(std::string(t)));
}

void LineWriter::integer(long long n) {
  raw(FormatInt(n));
}

void LineWriter::real(Real x) {
  raw(FormatDataReal(style_, x));
}

void LineWriter::fields(const std::vector<std::string>& f) {
  std::string line;
  for (const std::string& field : f) {
    std::string clean = SingleLineText(field);
    for (char& c : clean)
      if (c == '|') c = '/';
    line += clean + "|";
  }
  raw(line);
}

void LineWriter::raw(std::string_view line) {
  out_ += line;
  out_ += "\r\n";
}

bool LineReader::next(std::string_view& line) {
  if (failed_ || rest_.empty()) {
    failed_ = true;
    return false;
  }
  auto end = rest_.find('\n');
  if (end == std::string_view::npos) {
    line = rest_;
    rest_ = {};
  } else {
    line = rest_.substr(0, end);
    rest_.remove_prefix(end + 1);
  }
  if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
  ++line_number_;
  return true;
}

bool LineReader::text(std::string& out, std::size_t max_length) {
  std::string_view line;
  if (!next(line)) return false;
  out.assign(line.substr(0, max_length));
  return true;
}

bool LineReader::real(Real& out) {
  std::string_view line;
  if (!next(line)) return false;
  std::string t = ReplaceChar(line, ',', '.');
  Real v = 0;
  out = TryParseReal(t, v) && std::isfinite(v) ? v : 0;
  return true;
}

bool LineReader::integer(int& out) {
  std::string_view line;
  if (!next(line)) return false;
  long long v = 0;
  out = TryParseInt(line, v) && v >= INT_MIN && v <= INT_MAX ? static_cast<int>(v) : 0;
  return true;
}

bool LineReader::skip(int lines) {
  std::string_view line;
  for (int i = 0; i < lines; ++i)
    if (!next(line)) return false;
  return true;
}

std::vector<std::string> SplitFields(std::string_view line) {
  std::vector<std::string> fields;
  if (!line.empty() && line.back() == '|') line.remove_suffix(1);
  std::size_t start = 0;
  for (;;) {
    auto bar = line.find('|', start);
    fields.emplace_back(line.substr(start, bar == std::string_view::npos ? bar : bar - start));
    if (bar == std::string_view::npos) break;
    start = bar + 1;
  }
  return fields;
}

// --- the data file layout ---

namespace {

const std::string kRule65(65, '-');

// A selection index read from a file that lies outside its table becomes its start value.
int IndexIn(int value, int low, int high, int start) {
  return value >= low && value <= high ? value : start;
}

void CheckIndexes(SplineDataSet& d) {
  d.pitch_index = IndexIn(d.pitch_index, 0, 17, 1);
  d.alpha_index = IndexIn(d.alpha_index, 0, 3, 1);
  d.fit_index = IndexIn(d.fit_index, 1, 3, 1);
  d.tolerance_class = IndexIn(d.tolerance_class, 1, 4, 1);
  d.fit_class = IndexIn(d.fit_class, 1, 4, 1);
  d.quality_standard = IndexIn(d.quality_standard, 1, 2, 1);
  d.mat_index = IndexIn(d.mat_index, 0, 4, 0);
  d.spline_index = IndexIn(d.spline_index, 0, 2, 0);
  d.revolution_index = IndexIn(d.revolution_index, 0, 7, 0);
  d.powersource_index = IndexIn(d.powersource_index, 0, 3, 0);
  d.load_index = IndexIn(d.load_index, 0, 4, 0);
  d.misalign_index = IndexIn(d.misalign_index, 0, 4, 0);
  d.facewidth_index = IndexIn(d.facewidth_index, 0, 4, 0);
  d.torques_index = IndexIn(d.torques_index, 0, 5, 0);
  d.cycletype_index = IndexIn(d.cycletype_index, 0, 2, 0);
}

}  // namespace

std::string DataFileContent(const Session& s) {
  const SplineDataSet& d = s.ds;
  const CarriedValues& c = d.carried;
  NumberStyle st = StyleOf(s);
  LineWriter w(st);
  w.text(kRule65);
  w.text(ProgramTitle());
  w.text(std::string("Version ") + kVersion);
  w.text(TodayText(s) + "  " + NowTimeText(s));
  w.text(kRule65);
  w.text(d.info1);
  w.text(d.info2);
  w.text(d.info3);
  w.text(d.drawing_name_shaft);
  w.text(d.drawing_number_shaft);
  w.text(d.drawing_name_hub);
  w.text(d.drawing_number_hub);
  w.real(d.phi_d);
  w.real(d.mn);
  w.real(d.b);
  w.real(d.b1);
  w.real(d.b2);
  w.integer(d.N);
  for (int v : c.ints4) w.integer(v);
  w.integer(c.int5);
  for (const MaterialRecord& m : d.material) {
    w.text(m.designation);
    w.real(m.carried);
  }
  w.real(d.reference_diameter);
  w.real(d.dm1);
  w.integer(d.k1);
  w.real(d.dm2);
  w.integer(d.k2);
  for (int v : c.ints2) w.integer(v);
  for (Real v : c.reals5) w.real(v);
  for (Real v : c.reals2a) w.real(v);
  for (Real v : c.reals2b) w.real(v);
  for (const MaterialRecord& m : d.material) w.text(FormatFixed(st, 5, 0, m.strength));
  w.integer(c.int_a);
  w.real(c.real_a);
  w.integer(c.int_b);
  w.real(d.hap0_mn[0]);
  w.real(d.hap0_mn[1]);

  WriteDocumentationSections(s.docs, w);

  w.text(d.drawing_name2_shaft);
  w.text(d.drawing_name2_hub);
  for (int v : {d.pitch_index, d.alpha_index, d.fit_index, d.tolerance_class}) w.integer(v);
  w.real(d.coi);
  w.real(d.coe);
  w.integer(d.fit_class);
  w.integer(d.quality_standard);
  for (Real v : {d.sac, d.sas, d.lw, d.lf, d.ko, d.km}) w.real(v);
  for (int v : {d.mat_index, d.spline_index, d.revolution_index, d.powersource_index, d.load_index,
                d.misalign_index, d.facewidth_index, d.torques_index, d.cycletype_index})
    w.integer(v);
  w.real(d.torque);
  w.real(d.od);
  w.real(d.din);
  w.integer(c.last);
  return w.content();
}

DataReadResult ReadDataFileContent(Session& s, std::string_view content) {
  SplineDataSet& d = s.ds;
  CarriedValues& c = d.carried;
  LineReader in(content);
  in.skip(5);
  in.text(d.info1, kInfoLength);
  in.text(d.info2, kInfoLength);
  in.text(d.info3, kInfoLength);
  in.text(d.drawing_name_shaft, kDrawingNameLength);
  in.text(d.drawing_number_shaft, kDrawingNumberLength);
  in.text(d.drawing_name_hub, kDrawingNameLength);
  in.text(d.drawing_number_hub, kDrawingNumberLength);
  in.real(d.phi_d);
  in.real(d.mn);
  in.real(d.b);
  in.real(d.b1);
  in.real(d.b2);
  in.integer(d.N);
  for (int& v : c.ints4) in.integer(v);
  in.integer(c.int5);
  for (MaterialRecord& m : d.material) {
    in.text(m.designation);
    in.real(m.carried);
  }
  in.real(d.reference_diameter);
  in.real(d.dm1);
  in.integer(d.k1);
  in.real(d.dm2);
  in.integer(d.k2);
  for (int& v : c.ints2) in.integer(v);
  for (Real& v : c.reals5) in.real(v);
  for (Real& v : c.reals2a) in.real(v);
  for (Real& v : c.reals2b) in.real(v);
  for (MaterialRecord& m : d.material) in.real(m.strength);
  in.integer(c.int_a);
  in.real(c.real_a);
  in.integer(c.int_b);
  in.real(d.hap0_mn[0]);
  in.real(d.hap0_mn[1]);
  ReadDocumentationSections(s.docs, in);
  if (in.failed()) {
    s.abort_flag = true;
    return DataReadResult::Failed;
  }

  // Older versions wrote fewer fields from here on; what is missing keeps its value.
  in.text(d.drawing_name2_shaft, kDrawingName2Length);
  in.text(d.drawing_name2_hub, kDrawingName2Length);
  for (int* v : {&d.pitch_index, &d.alpha_index, &d.fit_index, &d.tolerance_class}) in.integer(*v);
  in.real(d.coi);
  in.real(d.coe);
  in.integer(d.fit_class);
  in.integer(d.quality_standard);
  for (Real* v : {&d.sac, &d.sas, &d.lw, &d.lf, &d.ko, &d.km}) in.real(*v);
  for (int* v :
       {&d.mat_index, &d.spline_index, &d.revolution_index, &d.powersource_index, &d.load_index,
        &d.misalign_index, &d.facewidth_index, &d.torques_index, &d.cycletype_index})
    in.integer(*v);
  in.real(d.torque);
  in.real(d.od);
  in.real(d.din);
  in.integer(c.last);
  CheckIndexes(d);
  return in.failed() ? DataReadResult::OlderLayout : DataReadResult::Complete;
}

// --- file names ---

std::string NameText(std::string_view name) {
  return Utf8ToCp850(name);
}

void ArchiveRefusal(Session& s) {
  ShowError(s,
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
    if (AskYesNoCancel3(s, question) != YesNoCancel::Yes) {
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
    ShowError(s, "Ung\x81ltiger Dateiname \"" + NameText(full_name) + "\" !");
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

// --- commands ---

}  // namespace kv9
