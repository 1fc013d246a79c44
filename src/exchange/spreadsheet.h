// Spreadsheet files for the exchange with a spreadsheet program: an .xlsx written with every
// cell as text, and column 1 of the first sheet of an .xlsx (or the first field of each line of
// a .csv) read back. Texts are UTF-8.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace kv9 {

using SheetCells = std::vector<std::vector<std::string>>;  // rows of cells, from row 1

// The cells into the first sheet of a new file at `path` (replaced when it exists). False when
// the file cannot be written.
bool WriteSpreadsheet(const std::string& path, const SheetCells& cells);

// Column 1 from row 1 to the last row that has a cell in it; rows without a cell in column 1
// give empty texts. nullopt when the file cannot be read as a sheet.
std::optional<std::vector<std::string>> ReadSpreadsheetColumn1(const std::string& path);

// The lines of a text (CR LF or LF ends; no empty line after the last end).
std::vector<std::string> TextLines(std::string_view text);

// The cells of a tab-separated text (CR LF or LF line ends), as the spreadsheet program opens a
// tab-separated report.
SheetCells TabSeparatedCells(std::string_view text);

}  // namespace kv9
