// The report formatter: every text output of the program is laid out here for one of nine
// targets, in one of three layouts (paged fixed-width text with box headers, tab-separated,
// HTML). Calling order: ReportSetHeader, ReportSetColumns, ReportOpen, ReportCreate,
// ReportPageHeader, rows and lines, ReportMessages, ReportPageEnd, ReportClose.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "report/report_context.h"

namespace kv9 {

inline constexpr const char* kNoLine = "$!$";  // style 4: "no separator line wanted"
inline constexpr int kBodyIndent = 7;
inline constexpr int kStyleLineWidth = 70;

// --- opening and closing (report_output.cpp) ---

// Target 0: the configured default target, chosen from "Ausgabe auf .." when "Text Device
// Window ?" is on (Cancel sets the abort flag). Target 90 only fills the choice texts into the
// screen lines. `file_name` (default: the data file name) names the copy of target 9, with
// ".txt" in place of a data-file extension.
void ReportOpen(const ReportContext& r, int target, std::string_view file_name = "");
// Creates the output file of the opened report. A failure shows its message and sets the abort
// flag.
bool ReportCreate(const ReportContext& r);
// Ends the report and hands it to its target (window, printer, program, copies).
void ReportClose(const ReportContext& r);
// A report given up half-way (the abort flag): its file is closed and, where it is a
// temporary file that ReportClose would have deleted after use, deleted. Nothing is shown.
void ReportAbandon(const ReportContext& r);
int ReportTarget(const ReportContext& r);
// The names of the choice list "Ausgabe auf ..", targets 1..7.
const std::array<std::string, 7>& ReportTargetNames();

// --- header ---

void ReportSetHeader(const ReportContext& r, std::string_view title, std::string_view line1,
                     std::string_view line2, std::string_view line3, std::string_view line4,
                     int page_total);
void ReportSetColumns(const ReportContext& r, std::string_view col1, std::string_view col2,
                      std::string_view col3, std::string_view col4, std::string_view col5);
// page_no 0 = the next page; with_columns 1 = with the column header.
void ReportPageHeader(const ReportContext& r, int page_no, int with_columns);
void ReportPageEnd(const ReportContext& r);

// --- body ---

void ReportLine(const ReportContext& r, std::string_view text);
void ReportLineNoBreak(const ReportContext& r, std::string_view text);
void ReportTextRow(const ReportContext& r, std::string_view text);
void ReportLongText(const ReportContext& r, std::string_view text);
void ReportRow(const ReportContext& r, std::string_view label, std::string_view symbol,
               std::string_view unit, std::string_view value);
void ReportRow2(const ReportContext& r, std::string_view label, std::string_view symbol,
                std::string_view unit, std::string_view shaft_value, std::string_view hub_value);
void ReportRaw(const ReportContext& r, std::string_view text);

// One calculation message of the remarks section with its cause and remedy (code page 850).
struct Remark {
  std::string message, cause, remedy;
};
// The remarks section: its heading and one entry per message.
void ReportRemarks(const ReportContext& r, const std::vector<Remark>& entries);

// Separator lines of the current style ("$!$" in style 4).
std::string ReportSingleLine(const ReportContext& r);
std::string ReportDoubleLine(const ReportContext& r);
std::string ReportBoxTop(const ReportContext& r);
std::string ReportBoxBottom(const ReportContext& r);
std::string ReportBoxMiddle(const ReportContext& r);
char ReportSideChar(const ReportContext& r);
// A 72-character line: the text at position 1, "Nr.: " + number at position 40.
std::string ReportNumberLine(std::string_view text, std::string_view number);

// --- helpers shared by the formatter files ---

int ReportStyle(const ReportContext& r);         // 1..4
int ReportLinesPerPage(const ReportContext& r);  // 5 and more
bool ReportPaged(int target);                    // 1-5, 8
bool ReportTabbed(int target);                   // 6, 9
// Text placed into HTML: "&", "<" and ">" escaped (code page 850 stays code page 850).
std::string HtmlText(std::string_view text);

}  // namespace kv9
