// The data file: one data set as a line-oriented text file (code page 850, CR LF), its line
// format (shared with the program's other small files), file-name resolution and the question
// before overwriting.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/number_format.h"
#include "core/real.h"

namespace kv9 {

class Clock;
struct Config;
struct Documentation;
struct SplineDataSet;

// --- line format ---

// The real writer: values below 1 within 1e-10 of a whole number in the short form, all others
// in fixed point with 7 decimals (shifted by the decimals setting).
std::string FormatDataReal(const NumberStyle& st, Real x);

// Collects lines, each ended by CR LF.
class LineWriter {
 public:
  explicit LineWriter(const NumberStyle& st) : style_(st) {}
  // A text line; a line break inside the text would split the layout, so it becomes a blank.
  void text(std::string_view t);
  void integer(long long n);
  void real(Real x);
  // A "|" line: every field followed by "|". A "|" inside a field becomes "/".
  void fields(const std::vector<std::string>& f);
  // A line written as it is (the caller made sure it holds no line break).
  void raw(std::string_view line);
  const std::string& content() const { return out_; }
  const NumberStyle& style() const { return style_; }

 private:
  NumberStyle style_;
  std::string out_;
};

// Reads lines ended by CR LF or LF. Once a line is missing every later read fails too and
// leaves its target unchanged.
class LineReader {
 public:
  explicit LineReader(std::string_view content) : rest_(content) {}
  // The line, cut to max_length characters.
  bool text(std::string& out, std::size_t max_length = kMaxLineLength);
  // A real line: every "," read as "."; a line that is not a finite number gives 0.
  bool real(Real& out);
  // An integer line: a line that is not a whole number of 32 bits gives 0.
  bool integer(int& out);
  bool skip(int lines = 1);
  bool failed() const { return failed_; }
  bool atEnd() const { return rest_.empty(); }
  int lineNumber() const { return line_number_; }

  static constexpr std::size_t kMaxLineLength = 255;

 private:
  bool next(std::string_view& line);
  std::string_view rest_;
  bool failed_ = false;
  int line_number_ = 0;
};

// Splits a "|" line into its fields (the terminator of the last field removed).
std::vector<std::string> SplitFields(std::string_view line);

// --- the data file layout ---

inline constexpr const char* kTemplateName = "null";
inline constexpr const char* kCurrentWord = "aktuell";

// Every line of the data file for the data set and its documentation; the header line holds
// the date (in the configured format) and time of `clock`.
std::string DataFileContent(const SplineDataSet& ds, const Documentation& docs, const Config& cfg,
                            const Clock& clock);

enum class DataReadResult {
  Complete,     // every line was there
  OlderLayout,  // the file ended inside the trailing field block: the rest kept its values
  Failed,       // the file ended earlier; the abort flag is set
};
// Reads the lines into the data set and the documentation (no calculation, no note). A file
// that ends early sets the abort flag.
DataReadResult ReadDataFileContent(SplineDataSet& ds, Documentation& docs, bool& abort_flag,
                                   std::string_view content);

// --- file names ---

// A file name inside a message: the platform's bytes (UTF-8) become code page 850.
std::string NameText(std::string_view name);

}  // namespace kv9
