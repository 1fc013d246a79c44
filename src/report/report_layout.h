// The three layouts of a report: paged fixed-width text with box headers, tab-separated, and
// HTML. A layout writes the lines of one report operation to a stream; the report output
// decides which layout a target uses and where the written text goes.
#pragma once

#include <memory>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

#include "report/report_context.h"
#include "report/report_formatter.h"

namespace kv9 {

class ReportLayout {
 public:
  ReportLayout(const ReportContext& r, std::ostream& out) : r_(r), st_(r.state), out_(out) {}
  virtual ~ReportLayout() = default;

  // page_no 0 = the next page; with_columns 1 = with the column header.
  virtual void pageHeader(int page_no, int with_columns) = 0;
  virtual void pageEnd() {}
  // A body line; separator lines the layout has no use for are dropped.
  virtual void line(std::string_view text, bool line_end) = 0;
  virtual void textRow(std::string_view text) { line(text, true); }
  // A text of any length; only the paged layout wraps it.
  virtual void longText(std::string_view text);
  // Rows of label, symbol, unit and one value, or the shaft and the hub value.
  virtual void row(std::string_view label, std::string_view symbol, std::string_view unit,
                   std::string_view value) = 0;
  virtual void row2(std::string_view label, std::string_view symbol, std::string_view unit,
                    std::string_view shaft_value, std::string_view hub_value) = 0;
  // The remarks section: the heading and one entry per message.
  virtual void remarks(const std::vector<Remark>& entries);
  // The text as it stands, as one line (or without line end).
  virtual void raw(std::string_view text, bool line_end = true);
  // The end of the report, before its file is closed.
  virtual void finish() {}

 protected:
  void remarksHeading(bool with_rules);

  const ReportContext& r_;
  ReportState& st_;
  std::ostream& out_;
};

class PagedLayout : public ReportLayout {
 public:
  using ReportLayout::ReportLayout;
  void pageHeader(int page_no, int with_columns) override;
  void pageEnd() override;
  void line(std::string_view text, bool line_end) override;
  void longText(std::string_view text) override;
  void row(std::string_view label, std::string_view symbol, std::string_view unit,
           std::string_view value) override;
  void row2(std::string_view label, std::string_view symbol, std::string_view unit,
            std::string_view shaft_value, std::string_view hub_value) override;
  void finish() override;

 private:
  void pageBreak();
  std::string boxLine() const;
};

class TabLayout : public ReportLayout {
 public:
  using ReportLayout::ReportLayout;
  void pageHeader(int page_no, int with_columns) override;
  void line(std::string_view text, bool line_end) override;
  void row(std::string_view label, std::string_view symbol, std::string_view unit,
           std::string_view value) override;
  void row2(std::string_view label, std::string_view symbol, std::string_view unit,
            std::string_view shaft_value, std::string_view hub_value) override;
  void remarks(const std::vector<Remark>& entries) override;
};

// Writes UTF-8: the code page 850 texts are converted on their way out.
class HtmlLayout : public ReportLayout {
 public:
  using ReportLayout::ReportLayout;
  void pageHeader(int page_no, int with_columns) override;
  void line(std::string_view text, bool line_end) override;
  void textRow(std::string_view text) override;
  void row(std::string_view label, std::string_view symbol, std::string_view unit,
           std::string_view value) override;
  void row2(std::string_view label, std::string_view symbol, std::string_view unit,
            std::string_view shaft_value, std::string_view hub_value) override;
  void remarks(const std::vector<Remark>& entries) override;
  void raw(std::string_view text, bool line_end = true) override;
  void finish() override;

 private:
  void openTable();
  void closeTable();
  void columnRow();
};

// The layout of the report's target, writing to `out`.
std::unique_ptr<ReportLayout> MakeLayout(const ReportContext& r, std::ostream& out);

// Overwrites `line` from the 1-based position on, extending it when needed.
void PlaceAt(std::string& line, int pos, std::string_view text);

}  // namespace kv9
