// The data-file overview table TForm_preview: one row of main inputs and results per data file
// of the data folder, sorted by a header click, a row click opens its file. The texts are in
// the display character set (UTF-8); the window shows them and calls the events below.
#pragma once

#include <array>
#include <functional>
#include <string>
#include <vector>

#include "core/number_format.h"

namespace kv9 {

struct SplineDataSet;

inline constexpr int kOverviewColumns = 18;
using OverviewRow = std::array<std::string, kOverviewColumns>;

// Widths of the columns that have one of their own; the others use the default width.
inline constexpr int kOverviewDefaultWidth = 48;
int OverviewColumnWidth(int column);

OverviewRow OverviewHeader(const UnitStyle& u);
// The row of a data set read from `file_name` (with extension) dated `file_time` (Unix time).
OverviewRow OverviewRowOf(const SplineDataSet& ds, const UnitStyle& u, const std::string& file_name,
                          long long file_time);

// The regular files "*.kv9" of `dir` (extension without regard to case) in the order the
// directory listing gives them, with their modification times.
struct OverviewFile {
  std::string name;
  long long time = 0;
};
std::vector<OverviewFile> OverviewFiles(const std::string& dir);

// Ascending by the column's text compared byte by byte: a quicksort with the middle element
// as pivot, not stable. Numbers are right-aligned in fixed widths, so they sort as numbers.
void SortOverviewRows(std::vector<OverviewRow>& rows, int column);

class OverviewForm {
 public:
  static constexpr int kHelpTopic = 3400;
  static constexpr const char* kExportItem = "Export Excel";

  std::string caption;  // the product name, two blanks and the data folder
  OverviewRow header;
  std::vector<OverviewRow> rows;

  // A press on the header cell of `column`.
  void sortBy(int column) { SortOverviewRows(rows, column); }
  // A click into data row `row` (0-based): true when the window is to close and open its file
  // (not for the row clicked last).
  bool clickRow(int row);
  // The file of the row that closed the window.
  const std::string& chosenFile() const { return chosen_file_; }
  // Every cell, the header row first: what the export writes.
  std::vector<std::vector<std::string>> cells() const;
  // "Export Excel": hands the cells to the program's export (the table stays open).
  std::function<void(const OverviewForm&)> export_cells;
  void exportTable() const {
    if (export_cells) export_cells(*this);
  }

 private:
  int last_clicked_ = -1;
  std::string chosen_file_;
};

}  // namespace kv9
