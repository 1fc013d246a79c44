// Layout of the report formatter: line styles, page headers and breaks, rows, long texts.
#include "report/report_formatter.h"

#include <cerrno>

#include "app/session.h"
#include "core/file_util.h"
#include "core/generic_dialogs.h"
#include "core/number_format.h"
#include "core/text.h"
#include "model/data_file.h"
#include "report/report_output.h"

namespace kv9 {

namespace {

constexpr int kHeaderTextLength = 64;
constexpr int kRowBase = 68;
constexpr int kRowWidth = 72;
constexpr int kBoxLineWidth = 71;
constexpr int kLongTextLimit = 73;
constexpr int kLongTextPiece = 64;

int ClampSpace(int lines) {
  return lines < 0 ? 0 : (lines > 30 ? 30 : lines);
}

int HeaderMode(const Session& s) {
  return s.cfg.printout_header == 2 ? 2 : 1;
}

std::string Repeat(char c, int n) {
  return std::string(n, c);
}

// Overwrites `line` from the 1-based position on, extending it when needed.
void PlaceAt(std::string& line, int pos, std::string_view text) {
  std::size_t at = static_cast<std::size_t>(pos - 1);
  if (line.size() < at + text.size()) line.resize(at + text.size(), ' ');
  line.replace(at, text.size(), text);
}

// Inserts at the 1-based position, pushing the rest of the line to the right.
void InsertAt(std::string& line, int pos, std::string_view text) {
  std::size_t at = static_cast<std::size_t>(pos - 1);
  if (at > line.size()) at = line.size();
  line.insert(at, text);
}

std::string Cut(std::string_view text, std::size_t n) {
  return std::string(text.substr(0, n));
}

bool IsSeparator(const Session& s, std::string_view text) {
  return text == kNoLine || text == ReportSingleLine(s) || text == ReportDoubleLine(s) ||
         text == ReportBoxTop(s) || text == ReportBoxBottom(s) || text == ReportBoxMiddle(s);
}

void PageBreak(Session& s);

void BodyLine(Session& s, std::string_view text, bool line_end) {
  ReportState& r = s.report;
  if (ReportPaged(r.target)) {
    if (text == kNoLine) return;
    // Lines written while a page is being broken never break it again, so a page header
    // longer than the page cannot recurse.
    if (!r.in_page_break && r.line >= ReportLinesPerPage(s)) PageBreak(s);
    ++r.line;
    ReportEmit(s, std::string(kBodyIndent, ' ') + std::string(text), line_end);
  } else if (ReportTabbed(r.target)) {
    if (text == kNoLine || text == ReportSingleLine(s) || text == ReportDoubleLine(s)) return;
    ReportEmit(s, text, line_end);
  } else if (r.target == kTargetHtml) {
    if (IsSeparator(s, text)) return;
    ReportHtmlCloseTable(s);
    ReportEmit(s, "<br>" + HtmlText(text), line_end);
  }
}

void PageBreak(Session& s) {
  ReportState& r = s.report;
  r.in_page_break = true;
  if (HeaderMode(s) == 2) {
    ReportEmit(s, "\f");
    r.line = 0;
  } else {
    ReportPageEnd(s);
    ReportPageHeader(s, 0, r.with_columns);
    BodyLine(s, "", true);
  }
  r.in_page_break = false;
}

std::string BoxLine(const Session& s) {
  std::string line(kBoxLineWidth, ' ');
  line[0] = line[kStyleLineWidth - 1] = ReportSideChar(s);
  return line;
}

// The name of the data file as the header shows it (code page 850).
std::string HeaderFileLine(const Session& s) {
  if (s.current_file.empty()) return "";
  std::string full = Utf8ToCp850(CurrentFullName(s));
  if (static_cast<int>(full.size()) <= kHeaderTextLength) return full;
  return Cut(FileNamePart(full), kHeaderTextLength);
}

void PagedHeader(Session& s, int page_no, int with_columns) {
  ReportState& r = s.report;
  int lpp = ReportLinesPerPage(s);
  if (r.pause) {
    std::string go = AskYesNo(s, "Blatt in Drucker einlegen.  Fortfahren ?", "J");
    if (s.abort_flag || go == "N") {
      s.abort_flag = true;
      return;
    }
  }
  bool was_breaking = r.in_page_break;
  r.in_page_break = true;
  if (HeaderMode(s) == 2 && r.page >= 1) {
    ++r.page;
    BodyLine(s, " ", true);
    r.in_page_break = was_breaking;
    return;
  }
  if (ReportStyle(s) == 4) {
    if (r.page >= 1 && r.line < lpp / 2) {
      r.in_page_break = was_breaking;
      return;
    }
    BodyLine(s, "", true);
  }
  r.page = page_no > 0 ? page_no : r.page + 1;
  r.line = 0;
  int space = ClampSpace(s.cfg.header_space_lines);
  for (int i = 0; i < space; ++i) BodyLine(s, "", true);

  BodyLine(s, ReportBoxTop(s), true);
  std::string title = BoxLine(s);
  PlaceAt(title, 6, r.title);
  if (HeaderMode(s) == 1) {
    if (r.page_total > 0)
      PlaceAt(title, 60, "Bl." + FormatIntRight(r.page, 2) + "/" + FormatIntRight(r.page_total, 2));
    else
      PlaceAt(title, 64, "Bl." + FormatInt(r.page));
  }
  BodyLine(s, title, true);
  std::string date = BoxLine(s);
  PlaceAt(date, 53, TodayText(s));
  PlaceAt(date, 64, NowTimeText(s));
  BodyLine(s, date, true);
  std::string file = BoxLine(s);
  PlaceAt(file, 6, HeaderFileLine(s));
  BodyLine(s, file, true);
  BodyLine(s, ReportBoxMiddle(s), true);
  for (int i = 0; i < 4; ++i) {
    if (i == 3 && r.header[3].empty()) break;
    std::string line = BoxLine(s);
    PlaceAt(line, 6, r.header[i]);
    BodyLine(s, line, true);
  }
  if (with_columns == 1) {
    BodyLine(s, ReportBoxMiddle(s), true);
    std::string columns = BoxLine(s);
    PlaceAt(columns, 35, r.columns[1]);
    PlaceAt(columns, 44, r.columns[2]);
    PlaceAt(columns, 51, r.columns[3]);
    PlaceAt(columns, 62, r.columns[4]);
    BodyLine(s, r.columns[0] + columns, true);
    BodyLine(s, ReportBoxBottom(s), true);
    BodyLine(s, "", true);
  } else {
    BodyLine(s, ReportBoxBottom(s), true);
  }
  r.in_page_break = was_breaking;
}

std::string VersionTitle() {
  return ProgramTitle() + " V" + kVersion;
}

void TabHeader(Session& s, int with_columns) {
  ReportState& r = s.report;
  if (r.page == 0) {
    ++r.page;
    ReportEmit(s, VersionTitle() + "\t" + TodayText(s) + "\t" + NowTimeText(s));
    // The file the user gets: target 9's own file is only a step on the way to its copy.
    std::string shown = r.target == kTargetTabCopy ? ReportTabCopyName(s) : r.file_name;
    ReportEmit(s, Utf8ToCp850(RemoveBlanks(shown)));
    ReportEmit(s, s.ds.info1);
    ReportEmit(s, s.ds.info2);
    ReportEmit(s, s.ds.info3);
    ReportEmit(s, " ");
  }
  if (with_columns == 1) {
    const auto& c = r.columns;
    ReportEmit(s, c[0] + "\t" + c[1] + "\t" + c[2] + "\t" + c[3] + "\t" + c[4]);
  }
}

void HtmlColumnRow(Session& s) {
  const auto& c = s.report.columns;
  std::string row = "<TR><TD><CENTER>" + HtmlText(c[0]) + "</CENTER></TD>";
  for (int i = 1; i < 5; ++i) row += "<TD>" + HtmlText(c[i]) + "</TD>";
  ReportEmit(s, row + "</TR>");
}

void HtmlHeader(Session& s, int with_columns) {
  ReportState& r = s.report;
  if (r.page == 0) {
    ++r.page;
    // A file name must not end the comment early.
    std::string name = HtmlText(Utf8ToCp850(RemoveBlanks(r.file_name)));
    for (auto at = name.find("--"); at != std::string::npos; at = name.find("--"))
      name.replace(at, 2, "- -");
    ReportEmit(s, "<!-- " + name + " -->");
    ReportEmit(s, "<HTML>");
    ReportEmit(
        s, "<head><meta charset=\"utf-8\"><title>" + HtmlText(VersionTitle()) + "</title></head>");
    ReportEmit(s, "<BODY BGCOLOR=\"C0C0C0\">");
    ReportEmit(s, "<hr>");
    ReportEmit(s, "<h4>" + HtmlText(VersionTitle()) + "</h4>");
    ReportEmit(s, "<hr>");
    for (const auto& line : r.header) ReportEmit(s, "<h5>" + HtmlText(line) + "</h5>");
    ReportEmit(s, "<hr>");
  }
  if (with_columns == 1) {
    ReportHtmlCloseTable(s);
    ReportHtmlOpenTable(s);
    HtmlColumnRow(s);
  }
}

}  // namespace

int ReportStyle(const Session& s) {
  int style = s.cfg.text_report_mode;
  return style >= 1 && style <= 4 ? style : 1;
}

int ReportLinesPerPage(const Session& s) {
  return s.cfg.lines_per_page < 5 ? 66 : s.cfg.lines_per_page;
}

bool ReportPaged(int target) {
  return (target >= 1 && target <= 5) || target == kTargetDosFile;
}

bool ReportTabbed(int target) {
  return target == kTargetTabFile || target == kTargetTabCopy;
}

namespace {
// A separator line of the configured style: style 1 repeats `ascii`; style 2 draws the box
// character `fill` between the corners `left` and `right`; style 3 is blank; style 4 has none.
std::string StyleRule(const Session& s, char ascii, char left, char fill, char right) {
  switch (ReportStyle(s)) {
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

std::string ReportSingleLine(const Session& s) {
  return StyleRule(s, '-', '\xC4', '\xC4', '\xC4');
}
std::string ReportDoubleLine(const Session& s) {
  return StyleRule(s, '=', '\xCD', '\xCD', '\xCD');
}
std::string ReportBoxTop(const Session& s) {
  return StyleRule(s, '*', '\xC9', '\xCD', '\xBB');
}
std::string ReportBoxBottom(const Session& s) {
  return StyleRule(s, '*', '\xC8', '\xCD', '\xBC');
}
std::string ReportBoxMiddle(const Session& s) {
  return StyleRule(s, '*', '\xCC', '\xCD', '\xB9');
}

char ReportSideChar(const Session& s) {
  switch (ReportStyle(s)) {
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

void ReportHtmlOpenTable(Session& s) {
  if (s.report.html_table_open) return;
  ReportEmit(s, "<TABLE BORDER = \"2\" WIDTH= \"100%\">");
  s.report.html_table_open = true;
}

void ReportHtmlCloseTable(Session& s) {
  if (!s.report.html_table_open) return;
  ReportEmit(s, "</TABLE>");
  s.report.html_table_open = false;
}

void ReportEmit(Session& s, std::string_view text, bool line_end) {
  ReportState& r = s.report;
  if (!r.out) return;
  std::string line = r.target == kTargetHtml ? Cp850ToUtf8(text) : std::string(text);
  if (line_end) line += "\r\n";
  if (std::fwrite(line.data(), 1, line.size(), r.out) != line.size()) {
    int error = errno;
    if (!r.write_failed) ReportWriteError(s, error == ENOSPC ? 101 : 0);
    r.write_failed = true;
    s.abort_flag = true;
  }
}

void ReportSetHeader(Session& s, std::string_view title, std::string_view line1,
                     std::string_view line2, std::string_view line3, std::string_view line4,
                     int page_total) {
  ReportState& r = s.report;
  r.title = title.empty() ? ProgramTitle() + " " + kVersion : std::string(title);
  r.title = Cut(r.title, kHeaderTextLength);
  std::string_view lines[4] = {line1, line2, line3, line4};
  for (int i = 0; i < 4; ++i) {
    std::string line = Cut(lines[i], kHeaderTextLength);
    line.erase(line.find_last_not_of(' ') + 1);  // the number lines end in blanks
    r.header[i] = line;
  }
  r.page_total = page_total;
  r.line = 0;
  r.page = 0;
}

void ReportSetColumns(Session& s, std::string_view col1, std::string_view col2,
                      std::string_view col3, std::string_view col4, std::string_view col5) {
  auto& c = s.report.columns;
  c = {Cut(col1, 30), Cut(col2, 10), Cut(col3, 10), Cut(col4, 10), Cut(col5, 10)};
}

void ReportPageHeader(Session& s, int page_no, int with_columns) {
  ReportState& r = s.report;
  r.with_columns = with_columns;
  if (ReportPaged(r.target))
    PagedHeader(s, page_no, with_columns);
  else if (ReportTabbed(r.target))
    TabHeader(s, with_columns);
  else if (r.target == kTargetHtml)
    HtmlHeader(s, with_columns);
}

void ReportPageEnd(Session& s) {
  ReportState& r = s.report;
  if (!ReportPaged(r.target)) return;
  if (ReportStyle(s) == 4 && r.line < ReportLinesPerPage(s) / 2) return;
  if (r.target == kTargetScreen || r.target == kTargetWindowsPrinter)
    ReportEmit(s, "\f");
  else if (r.target == kTargetTextPrinter)
    ReportEmit(s, "\f", false);
  r.line = 0;
}

void ReportLine(Session& s, std::string_view text) {
  BodyLine(s, text, true);
}

void ReportLineNoBreak(Session& s, std::string_view text) {
  BodyLine(s, text, false);
}

void ReportTextRow(Session& s, std::string_view text) {
  if (s.report.target == kTargetHtml) {
    ReportHtmlOpenTable(s);
    ReportEmit(s, "<TR><TD>" + HtmlText(text) + "</TD></TR>");
  } else {
    ReportLine(s, text);
  }
}

void ReportLongText(Session& s, std::string_view text) {
  if (text.empty()) return;
  if (!ReportPaged(s.report.target) || static_cast<int>(text.size()) < kLongTextLimit) {
    ReportTextRow(s, text);
    return;
  }
  while (static_cast<int>(text.size()) > kLongTextPiece) {
    // The piece ends at the last blank at or before position 63, the blank included.
    auto blank = text.substr(0, kLongTextPiece - 1).rfind(' ');
    std::size_t length = blank == std::string_view::npos ? kLongTextPiece : blank + 1;
    ReportTextRow(s, text.substr(0, length));
    text.remove_prefix(length);
  }
  if (!text.empty()) ReportTextRow(s, text);
}

void ReportRow(Session& s, std::string_view label, std::string_view symbol, std::string_view unit,
               std::string_view value) {
  int t = s.report.target;
  if (ReportPaged(t)) {
    std::string line(kRowBase, ' ');
    InsertAt(line, 1, label);
    InsertAt(line, 35, symbol);
    InsertAt(line, 44, unit);
    InsertAt(line, 56, value);
    ReportLine(s, Cut(line, kRowWidth));
  } else if (ReportTabbed(t)) {
    ReportEmit(s, std::string(label) + "\t" + std::string(symbol) + "\t" + std::string(unit) +
                      "\t" + TableDecimal(s, value));
  } else if (t == kTargetHtml) {
    ReportHtmlOpenTable(s);
    ReportEmit(s, "<TR><TD>" + HtmlText(label) + "</TD><TD>" + HtmlText(symbol) + "</TD><TD>" +
                      HtmlText(unit) + "</TD><TD><DIV ALIGN=RIGHT>" + HtmlText(value) +
                      "</DIV></TD></TR>");
  }
  ReportLine(s, ReportSingleLine(s));
}

void ReportRow2(Session& s, std::string_view label, std::string_view symbol, std::string_view unit,
                std::string_view shaft_value, std::string_view hub_value) {
  int t = s.report.target;
  if (ReportPaged(t)) {
    std::string line(kRowBase, ' ');
    InsertAt(line, 1, label);
    InsertAt(line, 35, symbol);
    InsertAt(line, 44, unit);
    InsertAt(line, 51, shaft_value);
    InsertAt(line, 62, hub_value);
    ReportLine(s, Cut(line, kRowWidth));
  } else if (ReportTabbed(t)) {
    ReportEmit(s, std::string(label) + "\t" + std::string(symbol) + "\t" + std::string(unit) +
                      "\t" + TableDecimal(s, shaft_value) + "\t" + TableDecimal(s, hub_value));
  } else if (t == kTargetHtml) {
    if (!s.report.html_table_open) {
      ReportHtmlOpenTable(s);
      HtmlColumnRow(s);
    }
    ReportEmit(s, "<TR><TD>" + HtmlText(label) + "</TD><TD>" + HtmlText(symbol) + "</TD><TD>" +
                      HtmlText(unit) + "</TD><TD>" + HtmlText(shaft_value) + "</TD><TD>" +
                      HtmlText(hub_value) + "</TD></TR>");
  }
  ReportLine(s, ReportSingleLine(s));
}

void ReportRaw(Session& s, std::string_view text) {
  ReportEmit(s, text);
}

}  // namespace kv9
