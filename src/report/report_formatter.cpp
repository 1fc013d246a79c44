// The report operations: each runs on the layout of the report's target; separator lines of
// the configured style.
#include "report/report_formatter.h"

#include "core/file_util.h"
#include "core/generic_dialogs.h"
#include "core/number_format.h"
#include "core/program_info.h"
#include "core/text.h"
#include "model/config.h"
#include "model/data_file.h"
#include "report/report_layout.h"
#include <cerrno>
#include "report/report_output.h"

namespace kv9 {

namespace {

constexpr int kHeaderTextLength = 64;
constexpr int kRowWidth = 72;

std::string Cut(std::string_view text, std::size_t n) {
  return std::string(text.substr(0, n));
}

std::string Repeat(char c, int n) {
  return std::string(n, c);
}

// A separator line of the configured style: style 1 repeats `ascii`; style 2 draws the box
// character `fill` between the corners `left` and `right`; style 3 is blank; style 4 has none.
std::string StyleRule(const ReportContext& r, char ascii, char left, char fill, char right) {
  switch (ReportStyle(r)) {
    case 1:
      return Repeat(ascii, kStyleLineWidth);
    case 2:
      return left + Repeat(fill, kStyleLineWidth - 2) + right;
    case 3:
      return Repeat(' ', kStyleLineWidth);
    default:
      return kNoLine;
  }
}

}  // namespace

int ReportStyle(const ReportContext& r) {
  int style = r.cfg.text_report_mode;
  return style >= 1 && style <= 4 ? style : 1;
}

int ReportLinesPerPage(const ReportContext& r) {
  return r.cfg.lines_per_page < 5 ? 66 : r.cfg.lines_per_page;
}

bool ReportPaged(int target) {
  return (target >= 1 && target <= 5) || target == kTargetCp850File;
}

bool ReportTabbed(int target) {
  return target == kTargetTabFile || target == kTargetTabCopy;
}

std::string ReportSingleLine(const ReportContext& r) {
  return StyleRule(r, '-', '\xC4', '\xC4', '\xC4');
}
std::string ReportDoubleLine(const ReportContext& r) {
  return StyleRule(r, '=', '\xCD', '\xCD', '\xCD');
}
std::string ReportBoxTop(const ReportContext& r) {
  return StyleRule(r, '*', '\xC9', '\xCD', '\xBB');
}
std::string ReportBoxBottom(const ReportContext& r) {
  return StyleRule(r, '*', '\xC8', '\xCD', '\xBC');
}
std::string ReportBoxMiddle(const ReportContext& r) {
  return StyleRule(r, '*', '\xCC', '\xCD', '\xB9');
}

char ReportSideChar(const ReportContext& r) {
  switch (ReportStyle(r)) {
    case 1:
      return '*';
    case 2:
      return '\xBA';
    default:
      return ' ';
  }
}

std::string ReportNumberLine(std::string_view text, std::string_view number) {
  std::string line(kRowWidth, ' ');
  PlaceAt(line, 1, text);
  PlaceAt(line, 40, "Nr.: " + std::string(number));
  return Cut(line, kRowWidth);
}

std::string HtmlText(std::string_view text) {
  std::string out;
  for (char c : text) {
    switch (c) {
      case '&':
        out += "&amp;";
        break;
      case '<':
        out += "&lt;";
        break;
      case '>':
        out += "&gt;";
        break;
      default:
        out += c;
    }
  }
  return out;
}

void ReportSetHeader(const ReportContext& r, std::string_view title, std::string_view line1,
                     std::string_view line2, std::string_view line3, std::string_view line4,
                     int page_total) {
  ReportState& st = r.state;
  st.title = title.empty() ? ProgramTitle() + " " + kVersion : std::string(title);
  st.title = Cut(st.title, kHeaderTextLength);
  std::string_view lines[4] = {line1, line2, line3, line4};
  for (int i = 0; i < 4; ++i) {
    std::string line = Cut(lines[i], kHeaderTextLength);
    line.erase(line.find_last_not_of(' ') + 1);  // the number lines end in blanks
    st.header[i] = line;
  }
  st.page_total = page_total;
  st.line = 0;
  st.page = 0;
}

void ReportSetColumns(const ReportContext& r, std::string_view col1, std::string_view col2,
                      std::string_view col3, std::string_view col4, std::string_view col5) {
  r.state.columns = {Cut(col1, 30), Cut(col2, 10), Cut(col3, 10), Cut(col4, 10), Cut(col5, 10)};
}

void ReportPageHeader(const ReportContext& r, int page_no, int with_columns) {
  r.state.with_columns = with_columns;
  ReportWrite(r, [&](ReportLayout& l) { l.pageHeader(page_no, with_columns); });
}

void ReportPageEnd(const ReportContext& r) {
  ReportWrite(r, [&](ReportLayout& l) { l.pageEnd(); });
}

void ReportLine(const ReportContext& r, std::string_view text) {
  ReportWrite(r, [&](ReportLayout& l) { l.line(text, true); });
}

void ReportLineNoBreak(const ReportContext& r, std::string_view text) {
  ReportWrite(r, [&](ReportLayout& l) { l.line(text, false); });
}

void ReportTextRow(const ReportContext& r, std::string_view text) {
  ReportWrite(r, [&](ReportLayout& l) { l.textRow(text); });
}

void ReportLongText(const ReportContext& r, std::string_view text) {
  ReportWrite(r, [&](ReportLayout& l) { l.longText(text); });
}

void ReportRow(const ReportContext& r, std::string_view label, std::string_view symbol,
               std::string_view unit, std::string_view value) {
  ReportWrite(r, [&](ReportLayout& l) {
    l.row(label, symbol, unit, value);
    l.line(ReportSingleLine(r), true);
  });
}

void ReportRow2(const ReportContext& r, std::string_view label, std::string_view symbol,
                std::string_view unit, std::string_view shaft_value, std::string_view hub_value) {
  ReportWrite(r, [&](ReportLayout& l) {
    l.row2(label, symbol, unit, shaft_value, hub_value);
    l.line(ReportSingleLine(r), true);
  });
}

void ReportRaw(const ReportContext& r, std::string_view text) {
  ReportWrite(r, [&](ReportLayout& l) { l.raw(text); });
}

void ReportRemarks(const ReportContext& r, const std::vector<Remark>& entries) {
  ReportWrite(r, [&](ReportLayout& l) { l.remarks(entries); });
}

}  // namespace kv9
