// The tab-separated layout (for spreadsheets) and the HTML layout.
#include "core/file_util.h"
#include "core/program_info.h"
#include "core/text.h"
#include "model/config.h"
#include "report/report_layout.h"
#include "report/report_output.h"

namespace kv9 {

namespace {

std::string VersionTitle() {
  return ProgramTitle() + " V" + kVersion;
}

}  // namespace

// --- tab-separated ---

void TabLayout::pageHeader(int, int with_columns) {
  if (st_.page == 0) {
    ++st_.page;
    raw(VersionTitle() + "\t" + TodayText(r_.clock, r_.cfg.date_code) + "\t" +
        NowTimeText(r_.clock));
    // The file the user gets: target 9's own file is only a step on the way to its copy.
    std::string shown = st_.target == kTargetTabCopy ? ReportTabCopyName(r_) : st_.file_name;
    raw(Utf8ToCp850(RemoveBlanks(shown)));
    raw(r_.ds.info1);
    raw(r_.ds.info2);
    raw(r_.ds.info3);
    raw(" ");
  }
  if (with_columns == 1) {
    const auto& c = st_.columns;
    raw(c[0] + "\t" + c[1] + "\t" + c[2] + "\t" + c[3] + "\t" + c[4]);
  }
}

void TabLayout::line(std::string_view text, bool line_end) {
  if (text == kNoLine || text == ReportSingleLine(r_) || text == ReportDoubleLine(r_)) return;
  raw(text, line_end);
}

void TabLayout::row(std::string_view label, std::string_view symbol, std::string_view unit,
                    std::string_view value) {
  int style = r_.cfg.table_decimal_style;
  raw(std::string(label) + "\t" + std::string(symbol) + "\t" + std::string(unit) + "\t" +
      TableDecimal(style, value));
}

void TabLayout::row2(std::string_view label, std::string_view symbol, std::string_view unit,
                     std::string_view shaft_value, std::string_view hub_value) {
  int style = r_.cfg.table_decimal_style;
  raw(std::string(label) + "\t" + std::string(symbol) + "\t" + std::string(unit) + "\t" +
      TableDecimal(style, shaft_value) + "\t" + TableDecimal(style, hub_value));
}

void TabLayout::remarks(const std::vector<Remark>& entries) {
  remarksHeading(false);
  for (const auto& e : entries) raw(e.message + "\t" + e.cause + "\t" + e.remedy);
}

// --- HTML ---

void HtmlLayout::raw(std::string_view text, bool line_end) {
  ReportLayout::raw(Cp850ToUtf8(text), line_end);
}

void HtmlLayout::openTable() {
  if (st_.html_table_open) return;
  raw("<TABLE BORDER = \"2\" WIDTH= \"100%\">");
  st_.html_table_open = true;
}

void HtmlLayout::closeTable() {
  if (!st_.html_table_open) return;
  raw("</TABLE>");
  st_.html_table_open = false;
}

void HtmlLayout::columnRow() {
  const auto& c = st_.columns;
  std::string row = "<TR><TD><CENTER>" + HtmlText(c[0]) + "</CENTER></TD>";
  for (int i = 1; i < 5; ++i) row += "<TD>" + HtmlText(c[i]) + "</TD>";
  raw(row + "</TR>");
}

void HtmlLayout::pageHeader(int, int with_columns) {
  if (st_.page == 0) {
    ++st_.page;
    // A file name must not end the comment early.
    std::string name = HtmlText(Utf8ToCp850(RemoveBlanks(st_.file_name)));
    for (auto at = name.find("--"); at != std::string::npos; at = name.find("--"))
      name.replace(at, 2, "- -");
    raw("<!-- " + name + " -->");
    raw("<HTML>");
    raw("<head><meta charset=\"utf-8\"><title>" + HtmlText(VersionTitle()) + "</title></head>");
    raw("<BODY BGCOLOR=\"C0C0C0\">");
    raw("<hr>");
    raw("<h4>" + HtmlText(VersionTitle()) + "</h4>");
    raw("<hr>");
    for (const auto& line : st_.header) raw("<h5>" + HtmlText(line) + "</h5>");
    raw("<hr>");
  }
  if (with_columns == 1) {
    closeTable();
    openTable();
    columnRow();
  }
}

void HtmlLayout::line(std::string_view text, bool line_end) {
  if (text == kNoLine || text == ReportSingleLine(r_) || text == ReportDoubleLine(r_) ||
      text == ReportBoxTop(r_) || text == ReportBoxBottom(r_) || text == ReportBoxMiddle(r_))
    return;
  closeTable();
  raw("<br>" + HtmlText(text), line_end);
}

void HtmlLayout::textRow(std::string_view text) {
  openTable();
  raw("<TR><TD>" + HtmlText(text) + "</TD></TR>");
}

void HtmlLayout::row(std::string_view label, std::string_view symbol, std::string_view unit,
                     std::string_view value) {
  openTable();
  raw("<TR><TD>" + HtmlText(label) + "</TD><TD>" + HtmlText(symbol) + "</TD><TD>" + HtmlText(unit) +
      "</TD><TD><DIV ALIGN=RIGHT>" + HtmlText(value) + "</DIV></TD></TR>");
}

void HtmlLayout::row2(std::string_view label, std::string_view symbol, std::string_view unit,
                      std::string_view shaft_value, std::string_view hub_value) {
  if (!st_.html_table_open) {
    openTable();
    columnRow();
  }
  raw("<TR><TD>" + HtmlText(label) + "</TD><TD>" + HtmlText(symbol) + "</TD><TD>" + HtmlText(unit) +
      "</TD><TD>" + HtmlText(shaft_value) + "</TD><TD>" + HtmlText(hub_value) + "</TD></TR>");
}

void HtmlLayout::remarks(const std::vector<Remark>& entries) {
  remarksHeading(true);
  openTable();
  for (const auto& e : entries) {
    textRow(e.message);
    longText(e.cause);
    longText(e.remedy);
    closeTable();
    line("", true);
    openTable();
  }
  closeTable();
}

void HtmlLayout::finish() {
  closeTable();
  raw("</BODY>");
  raw("</HTML>");
}

}  // namespace kv9
