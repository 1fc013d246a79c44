// What the layouts share, the paged layout, and the choice of layout by target.
#include "report/report_layout.h"

#include "core/file_util.h"
#include "core/number_format.h"
#include "core/program_info.h"
#include "core/text.h"
#include "model/config.h"

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

int HeaderMode(const ReportContext& r) {
  return r.cfg.printout_header == 2 ? 2 : 1;
}

// Inserts at the 1-based position, pushing the rest of the line to the right.
void InsertAt(std::string& line, int pos, std::string_view text) {
  std::size_t at = static_cast<std::size_t>(pos - 1);
  if (at > line.size()) at = line.size();
  line.insert(at, text);
}

// The name of the data file as the header shows it (code page 850).
std::string HeaderFileLine(const ReportContext& r) {
  if (r.data_file.empty()) return "";
  std::string full = Utf8ToCp850(r.data_file_full);
  if (static_cast<int>(full.size()) <= kHeaderTextLength) return full;
  return FileNamePart(full).substr(0, kHeaderTextLength);
}

// Label, symbol and unit at 1, 35 and 44, the values at their columns, cut to the row width.
std::string FixedRow(std::string_view label, std::string_view symbol, std::string_view unit,
                     std::initializer_list<std::pair<int, std::string_view>> values) {
  std::string line(kRowBase, ' ');
  InsertAt(line, 1, label);
  InsertAt(line, 35, symbol);
  InsertAt(line, 44, unit);
  for (const auto& [pos, value] : values) InsertAt(line, pos, value);
  return line.substr(0, kRowWidth);
}

}  // namespace

void PlaceAt(std::string& line, int pos, std::string_view text) {
  std::size_t at = static_cast<std::size_t>(pos - 1);
  if (line.size() < at + text.size()) line.resize(at + text.size(), ' ');
  line.replace(at, text.size(), text);
}

std::unique_ptr<ReportLayout> MakeLayout(const ReportContext& r, std::ostream& out) {
  int t = r.state.target;
  if (ReportTabbed(t)) return std::make_unique<TabLayout>(r, out);
  if (t == kTargetHtml) return std::make_unique<HtmlLayout>(r, out);
  return std::make_unique<PagedLayout>(r, out);
}

// --- shared ---

void ReportLayout::longText(std::string_view text) {
  if (!text.empty()) textRow(text);
}

void ReportLayout::raw(std::string_view text, bool line_end) {
  out_ << text;
  if (line_end) out_ << "\r\n";
}

void ReportLayout::remarksHeading(bool with_rules) {
  raw("");
  line("BEMERKUNGEN, WARNUNGEN, FEHLERMELDUNGEN", true);
  if (!with_rules) return;
  line(ReportDoubleLine(r_), true);
  raw("");
  line(ReportSingleLine(r_), true);
}

void ReportLayout::remarks(const std::vector<Remark>& entries) {
  remarksHeading(true);
  for (const auto& e : entries) {
    textRow(e.message);
    longText(e.cause);
    longText(e.remedy);
    line(ReportSingleLine(r_), true);
  }
}

// --- paged ---

void PagedLayout::line(std::string_view text, bool line_end) {
  if (text == kNoLine) return;
  // Lines written while a page is being broken never break it again, so a page header
  // longer than the page cannot recurse.
  if (!st_.in_page_break && st_.line >= ReportLinesPerPage(r_)) pageBreak();
  ++st_.line;
  raw(std::string(kBodyIndent, ' ') + std::string(text), line_end);
}

void PagedLayout::pageBreak() {
  st_.in_page_break = true;
  if (HeaderMode(r_) == 2) {
    raw("\f");
    st_.line = 0;
  } else {
    pageEnd();
    pageHeader(0, st_.with_columns);
    line("", true);
  }
  st_.in_page_break = false;
}

std::string PagedLayout::boxLine() const {
  std::string line(kBoxLineWidth, ' ');
  line[0] = line[kStyleLineWidth - 1] = ReportSideChar(r_);
  return line;
}

void PagedLayout::pageHeader(int page_no, int with_columns) {
  int lpp = ReportLinesPerPage(r_);
  if (st_.pause) {
    std::string go = AskYesNo(r_.dialogs(), "Blatt in Drucker einlegen.  Fortfahren ?", "J");
    if (r_.abort_flag || go == "N") {
      r_.abort_flag = true;
      return;
    }
  }
  bool was_breaking = st_.in_page_break;
  st_.in_page_break = true;
  if (HeaderMode(r_) == 2 && st_.page >= 1) {
    ++st_.page;
    line(" ", true);
    st_.in_page_break = was_breaking;
    return;
  }
  if (ReportStyle(r_) == 4) {
    if (st_.page >= 1 && st_.line < lpp / 2) {
      st_.in_page_break = was_breaking;
      return;
    }
    line("", true);
  }
  st_.page = page_no > 0 ? page_no : st_.page + 1;
  st_.line = 0;
  int space = ClampSpace(r_.cfg.header_space_lines);
  for (int i = 0; i < space; ++i) line("", true);

  line(ReportBoxTop(r_), true);
  std::string title = boxLine();
  PlaceAt(title, 6, st_.title);
  if (HeaderMode(r_) == 1) {
    if (st_.page_total > 0)
      PlaceAt(title, 60,
              "Bl." + FormatIntRight(st_.page, 2) + "/" + FormatIntRight(st_.page_total, 2));
    else
      PlaceAt(title, 64, "Bl." + FormatInt(st_.page));
  }
  line(title, true);
  std::string date = boxLine();
  PlaceAt(date, 53, TodayText(r_.clock, r_.cfg.date_code));
  PlaceAt(date, 64, NowTimeText(r_.clock));
  line(date, true);
  std::string file = boxLine();
  PlaceAt(file, 6, HeaderFileLine(r_));
  line(file, true);
  line(ReportBoxMiddle(r_), true);
  for (int i = 0; i < 4; ++i) {
    if (i == 3 && st_.header[3].empty()) break;
    std::string text = boxLine();
    PlaceAt(text, 6, st_.header[i]);
    line(text, true);
  }
  if (with_columns == 1) {
    line(ReportBoxMiddle(r_), true);
    std::string columns = boxLine();
    PlaceAt(columns, 35, st_.columns[1]);
    PlaceAt(columns, 44, st_.columns[2]);
    PlaceAt(columns, 51, st_.columns[3]);
    PlaceAt(columns, 62, st_.columns[4]);
    line(st_.columns[0] + columns, true);
    line(ReportBoxBottom(r_), true);
    line("", true);
  } else {
    line(ReportBoxBottom(r_), true);
  }
  st_.in_page_break = was_breaking;
}

void PagedLayout::pageEnd() {
  if (ReportStyle(r_) == 4 && st_.line < ReportLinesPerPage(r_) / 2) return;
  if (st_.target == kTargetScreen || st_.target == kTargetPrintDialog)
    raw("\f");
  else if (st_.target == kTargetTextPrinter)
    raw("\f", false);
  st_.line = 0;
}

void PagedLayout::longText(std::string_view text) {
  if (static_cast<int>(text.size()) < kLongTextLimit) return ReportLayout::longText(text);
  while (static_cast<int>(text.size()) > kLongTextPiece) {
    // The piece ends at the last blank at or before position 63, the blank included.
    auto blank = text.substr(0, kLongTextPiece - 1).rfind(' ');
    std::size_t length = blank == std::string_view::npos ? kLongTextPiece : blank + 1;
    textRow(text.substr(0, length));
    text.remove_prefix(length);
  }
  if (!text.empty()) textRow(text);
}

void PagedLayout::row(std::string_view label, std::string_view symbol, std::string_view unit,
                      std::string_view value) {
  line(FixedRow(label, symbol, unit, {{56, value}}), true);
}

void PagedLayout::row2(std::string_view label, std::string_view symbol, std::string_view unit,
                       std::string_view shaft_value, std::string_view hub_value) {
  line(FixedRow(label, symbol, unit, {{51, shaft_value}, {62, hub_value}}), true);
}

void PagedLayout::finish() {
  int t = st_.target;
  if ((t == kTargetScreen || t == kTargetTextPrinter || t == kTargetPrintDialog) &&
      (r_.cfg.printout_header == 2 || ReportStyle(r_) == 4) && st_.line > 0)
    raw("\f", false);
}

}  // namespace kv9
