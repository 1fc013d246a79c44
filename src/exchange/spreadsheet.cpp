#include "exchange/spreadsheet.h"

#include <strings.h>
#include <xlsxwriter.h>
#include <zip.h>

#include <pugixml.hpp>

#include "core/file_util.h"

namespace kv9 {

bool WriteSpreadsheet(const std::string& path, const SheetCells& cells) {
  lxw_workbook* book = workbook_new(path.c_str());
  if (!book) return false;
  lxw_worksheet* sheet = workbook_add_worksheet(book, nullptr);
  bool ok = sheet != nullptr;
  for (std::size_t r = 0; ok && r < cells.size(); ++r)
    for (std::size_t c = 0; ok && c < cells[r].size(); ++c) {
      if (cells[r][c].empty()) continue;  // an empty text is an empty cell
      ok = worksheet_write_string(sheet, static_cast<lxw_row_t>(r), static_cast<lxw_col_t>(c),
                                  cells[r][c].c_str(), nullptr) == LXW_NO_ERROR;
    }
  return workbook_close(book) == LXW_NO_ERROR && ok;
}

namespace {

std::optional<std::string> ZipEntry(zip_t* archive, const std::string& name) {
  zip_stat_t st;
  if (zip_stat(archive, name.c_str(), 0, &st) != 0 || !(st.valid & ZIP_STAT_SIZE)) return {};
  zip_file_t* file = zip_fopen(archive, name.c_str(), 0);
  if (!file) return {};
  std::string content(st.size, '\0');
  zip_int64_t got = zip_fread(file, content.data(), st.size);
  zip_fclose(file);
  if (got != static_cast<zip_int64_t>(st.size)) return {};
  return content;
}

// The texts of a shared string or an inline string: every <t> below it.
std::string StringItem(const pugi::xml_node& item) {
  std::string text;
  for (const pugi::xpath_node& t : item.select_nodes(".//*[local-name()='t']"))
    text += t.node().text().get();
  return text;
}

// The worksheet part of the first sheet the workbook lists.
std::string FirstSheetPart(zip_t* archive) {
  const std::string fallback = "xl/worksheets/sheet1.xml";
  auto workbook = ZipEntry(archive, "xl/workbook.xml");
  auto rels = ZipEntry(archive, "xl/_rels/workbook.xml.rels");
  if (!workbook || !rels) return fallback;
  pugi::xml_document wb, rel;
  if (!wb.load_string(workbook->c_str()) || !rel.load_string(rels->c_str())) return fallback;
  pugi::xml_node sheet = wb.select_node("//*[local-name()='sheet']").node();
  std::string id;
  for (const pugi::xml_attribute& a : sheet.attributes()) {
    std::string name = a.name();
    if (name.size() >= 3 && name.compare(name.size() - 3, 3, ":id") == 0) id = a.value();
  }
  for (const pugi::xpath_node& r : rel.select_nodes("//*[local-name()='Relationship']")) {
    if (id != r.node().attribute("Id").value()) continue;
    std::string target = r.node().attribute("Target").value();
    if (!target.empty() && target[0] == '/') return target.substr(1);
    return "xl/" + target;
  }
  return fallback;
}

// "A12" -> column letters "A" and row 12.
bool SplitReference(const std::string& ref, std::string& letters, long& row) {
  std::size_t i = 0;
  while (i < ref.size() && ref[i] >= 'A' && ref[i] <= 'Z') ++i;
  letters = ref.substr(0, i);
  row = i < ref.size() ? std::strtol(ref.c_str() + i, nullptr, 10) : 0;
  return !letters.empty() && row > 0;
}

std::optional<std::vector<std::string>> ReadXlsxColumn1(const std::string& path) {
  int error = 0;
  zip_t* archive = zip_open(path.c_str(), ZIP_RDONLY, &error);
  if (!archive) return {};
  std::vector<std::string> shared;
  if (auto strings = ZipEntry(archive, "xl/sharedStrings.xml")) {
    pugi::xml_document doc;
    if (doc.load_string(strings->c_str()))
      for (const pugi::xpath_node& si : doc.select_nodes("//*[local-name()='si']"))
        shared.push_back(StringItem(si.node()));
  }
  auto part = ZipEntry(archive, FirstSheetPart(archive));
  zip_close(archive);
  pugi::xml_document sheet;
  if (!part || !sheet.load_string(part->c_str())) return {};

  std::vector<std::string> column;
  long next_row = 1;
  for (const pugi::xpath_node& row_node : sheet.select_nodes("//*[local-name()='row']")) {
    const pugi::xml_node row = row_node.node();
    long row_number = row.attribute("r").as_int(static_cast<int>(next_row));
    next_row = row_number + 1;
    for (const pugi::xml_node& cell : row.children()) {
      if (std::string(cell.name()).find('c') == std::string::npos) continue;
      std::string letters;
      long cell_row = row_number;
      const char* ref = cell.attribute("r").value();
      if (*ref && !SplitReference(ref, letters, cell_row)) continue;
      if (*ref && letters != "A") continue;
      const std::string type = cell.attribute("t").value();
      const pugi::xml_node value = cell.select_node("*[local-name()='v']").node();
      std::string text;
      if (type == "s") {
        std::size_t index = static_cast<std::size_t>(value.text().as_ullong(~0ull));
        if (index < shared.size()) text = shared[index];
      } else if (type == "inlineStr") {
        text = StringItem(cell.select_node("*[local-name()='is']").node());
      } else {
        text = value.text().get();
      }
      if (cell_row < 1) continue;
      if (static_cast<long>(column.size()) < cell_row) column.resize(cell_row);
      column[cell_row - 1] = text;
      break;  // the first cell of a row without reference is column A
    }
  }
  return column;
}

// The first field of each line; a quoted field may hold the separator and doubled quotes.
std::vector<std::string> CsvColumn1(std::string_view text) {
  std::vector<std::string> column;
  std::size_t i = 0;
  while (i < text.size()) {
    std::string field;
    if (text[i] == '"') {
      ++i;
      while (i < text.size()) {
        if (text[i] == '"') {
          if (i + 1 < text.size() && text[i + 1] == '"') {
            field += '"';
            i += 2;
            continue;
          }
          ++i;
          break;
        }
        field += text[i++];
      }
    }
    while (i < text.size() && text[i] != '\n' && text[i] != '\r' && text[i] != ',' &&
           text[i] != ';' && text[i] != '\t')
      field += text[i++];
    column.push_back(field);
    while (i < text.size() && text[i] != '\n') ++i;  // the other fields of the line
    ++i;
  }
  return column;
}

}  // namespace

std::optional<std::vector<std::string>> ReadSpreadsheetColumn1(const std::string& path) {
  if (path.size() > 4 && strcasecmp(path.c_str() + path.size() - 4, ".csv") == 0) {
    std::string content;
    if (!ReadWholeFile(path, content)) return {};
    return CsvColumn1(content);
  }
  return ReadXlsxColumn1(path);
}

std::vector<std::string> TextLines(std::string_view text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find('\n', start);
    if (end == std::string_view::npos) end = text.size();
    std::string_view line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.emplace_back(line);
    start = end + 1;
  }
  return lines;
}

SheetCells TabSeparatedCells(std::string_view text) {
  SheetCells rows;
  for (const std::string& line : TextLines(text)) {
    std::vector<std::string> cells;
    std::size_t from = 0;
    for (;;) {
      const std::size_t tab = line.find('\t', from);
      cells.push_back(line.substr(from, tab == std::string::npos ? tab : tab - from));
      if (tab == std::string::npos) break;
      from = tab + 1;
    }
    rows.push_back(std::move(cells));
  }
  return rows;
}

}  // namespace kv9
