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

#include "core/clock.h"
#include "core/file_util.h"
#include "core/program_info.h"
#include "core/text.h"
#include "model/config.h"
#include "model/documentation.h"
#include "model/documentation_file.h"
#include "model/spline_data_set.h"

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

std::string DataFileContent(const SplineDataSet& ds, const Documentation& docs, const Config& cfg,
                            const Clock& clock) {
  const SplineDataSet& d = ds;
  const CarriedValues& c = d.carried;
  NumberStyle st = StyleOf(cfg);
  LineWriter w(st);
  w.text(kRule65);
  w.text(ProgramTitle());
  w.text(std::string("Version ") + kVersion);
  w.text(TodayText(clock, cfg.date_code) + "  " + NowTimeText(clock));
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

  WriteDocumentationSections(docs, w);

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

DataReadResult ReadDataFileContent(SplineDataSet& ds, Documentation& docs, bool& abort_flag,
                                   std::string_view content) {
  SplineDataSet& d = ds;
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
  ReadDocumentationSections(docs, in);
  if (in.failed()) {
    abort_flag = true;
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

// --- commands ---

}  // namespace kv9
