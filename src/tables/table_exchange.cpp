#include "tables/table_exchange.h"

#include <algorithm>
#include <cerrno>

#include "core/file_util.h"
#include "core/text.h"
#include "report/report_formatter.h"

namespace kv9 {
namespace {

using Rows = std::vector<std::vector<std::string>>;

bool Quoted(const DbfField& f) {
  return f.type == 'C' || f.type == 'D' || f.type == 'M';
}

bool Numeric(const DbfField& f) {
  return f.type == 'N' || f.type == 'F';
}

bool WriteUserFile(TableEnv& env, const std::string& path, std::string_view content) {
  WritePhase phase = WritePhase::Create;
  int error = WriteFileReplacing(path, content, &phase);
  if (error == 0) return true;
  std::string file = "Datei " + Utf8ToCp850(path);
  TableError(env, error == ENOSPC ? file + ": Diskette/Platte voll"
                  : phase == WritePhase::Create
                      ? file + " kann nicht erstellt werden"
                      : file + ": Fehler bei Zugriff auf Diskette/Platte");
  return false;
}

// The cells of delimited text: `sep` between fields, double quotes around a field that holds
// the separator, a quote or a line end.
Rows SplitDelimited(std::string_view text, char sep) {
  Rows rows(1);
  std::string cell;
  bool quoted = false, any = false;
  auto endCell = [&] {
    rows.back().push_back(std::move(cell));
    cell.clear();
  };
  for (std::size_t i = 0; i < text.size(); ++i) {
    char c = text[i];
    if (quoted) {
      if (c != '"')
        cell += c;
      else if (i + 1 < text.size() && text[i + 1] == '"')
        cell += text[++i];
      else
        quoted = false;
    } else if (c == '"') {
      quoted = any = true;
    } else if (c == sep) {
      endCell();
      any = true;
    } else if (c == '\n' || c == '\r') {
      if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
      if (any || !cell.empty()) endCell();
      if (!rows.back().empty()) rows.emplace_back();
      any = false;
    } else {
      cell += c;
      any = true;
    }
  }
  if (any || !cell.empty()) endCell();
  if (rows.back().empty()) rows.pop_back();
  return rows;
}

// The separator the first line uses most, outside quotes.
char SeparatorOf(std::string_view text) {
  int counts[3] = {0, 0, 0};
  const char seps[3] = {',', ';', '\t'};
  bool quoted = false;
  for (char c : text) {
    if (c == '"') quoted = !quoted;
    if (!quoted && (c == '\n' || c == '\r')) break;
    for (int k = 0; k < 3; ++k) counts[k] += !quoted && c == seps[k];
  }
  return seps[std::max_element(counts, counts + 3) - counts];
}

bool ValidUtf8(std::string_view text) {
  std::u32string decoded = Utf8Decode(text);
  return decoded.find(U'\uFFFD') == std::u32string::npos ||
         text.find("\xEF\xBF\xBD") != std::string_view::npos;
}

// Which field each column fills: by the names of a header line, else in order.
std::vector<int> ColumnFields(const DbfTable& table, const std::vector<std::string>& first,
                              bool& header) {
  std::vector<int> by_name;
  header = true;
  for (const auto& cell : first) {
    int f = Trim(cell).empty() ? -1 : table.fieldIndex(Trim(cell));
    if (f < 0 && !Trim(cell).empty()) header = false;
    by_name.push_back(f);
  }
  header = header && std::any_of(by_name.begin(), by_name.end(), [](int f) { return f >= 0; });
  if (header) return by_name;
  std::vector<int> in_order;
  for (std::size_t i = 0; i < first.size() || i < table.fields().size(); ++i)
    in_order.push_back(i < table.fields().size() ? static_cast<int>(i) : -1);
  return in_order;
}

// A record from texts for some fields; false with the problem of the first that does not fit.
bool BuildRecord(const DbfTable& table, const std::vector<std::pair<int, std::string>>& values,
                 std::string& record, std::string& problem) {
  record = table.blankRecord();
  for (const auto& [field, text] : values) {
    std::string bytes;
    if (!EncodeText(table.fields()[field], text, bytes, problem)) return false;
    PutField(record, table.fields()[field], bytes);
  }
  return true;
}

std::string Cell(std::string_view text, int width, bool right) {
  std::string c(text.substr(0, width));
  return right ? std::string(width - c.size(), ' ') + c : c + std::string(width - c.size(), ' ');
}

}  // namespace

bool ExportTableHtml(TableEnv& env, const DbfTable& table, std::string_view caption,
                     const std::string& path) {
  std::string title = HtmlText(caption);
  std::string out = "<HTML>\r\n<head><meta charset=\"utf-8\"><title>" + title +
                    "</title></head>\r\n<BODY>\r\n<h4>" + title +
                    "</h4>\r\n<TABLE BORDER = \"2\">\r\n<TR>";
  for (const auto& f : table.fields()) out += "<TH>" + HtmlText(Cp850ToUtf8(f.name)) + "</TH>";
  out += "</TR>\r\n";
  for (int r = 1; r <= table.recordCount(); ++r) {
    if (table.isDeleted(r)) continue;
    out += "<TR>";
    for (std::size_t i = 0; i < table.fields().size(); ++i) {
      out += Numeric(table.fields()[i]) ? "<TD ALIGN=RIGHT>" : "<TD>";
      out += HtmlText(Cp850ToUtf8(table.fieldText(r, static_cast<int>(i)))) + "</TD>";
    }
    out += "</TR>\r\n";
  }
  out += "</TABLE>\r\n</BODY>\r\n</HTML>\r\n";
  return WriteUserFile(env, path, out);
}

bool SaveTableDelimited(TableEnv& env, const DbfTable& table, const std::string& path) {
  auto quote = [](std::string_view t) {
    std::string q = "\"";
    for (char c : t) q += c == '"' ? std::string("\"\"") : std::string(1, c);
    return q + "\"";
  };
  std::string out;
  for (std::size_t i = 0; i < table.fields().size(); ++i)
    out += (i ? "," : "") + quote(Cp850ToUtf8(table.fields()[i].name));
  out += "\r\n";
  for (int r = 1; r <= table.recordCount(); ++r) {
    if (table.isDeleted(r)) continue;
    for (std::size_t i = 0; i < table.fields().size(); ++i) {
      std::string text = Cp850ToUtf8(table.fieldText(r, static_cast<int>(i)));
      out += (i ? "," : "") + (Quoted(table.fields()[i]) ? quote(text) : text);
    }
    out += "\r\n";
  }
  return WriteUserFile(env, path, out);
}

bool AppendFromDelimited(TableEnv& env, DbfTable& table, const std::string& path) {
  std::string content;
  if (!FileReadable(path) || !ReadWholeFile(path, content)) {
    TableError(env, "Datei " + Utf8ToCp850(path) + " nicht gefunden oder kein Zugriffsrecht !");
    return false;
  }
  if (content.starts_with("\xEF\xBB\xBF")) content.erase(0, 3);
  if (ValidUtf8(content)) content = Utf8ToCp850(content);
  Rows rows = SplitDelimited(content, SeparatorOf(content));
  if (rows.empty()) return true;
  bool header = false;
  std::vector<int> columns = ColumnFields(table, rows.front(), header);
  std::vector<std::string> records;
  for (std::size_t line = header ? 1 : 0; line < rows.size(); ++line) {
    std::vector<std::pair<int, std::string>> values;
    for (std::size_t c = 0; c < rows[line].size() && c < columns.size(); ++c)
      if (columns[c] >= 0) values.emplace_back(columns[c], rows[line][c]);
    std::string record, problem;
    if (!BuildRecord(table, values, record, problem)) {
      TableError(env, "Datei " + Utf8ToCp850(path) + ", Satz " + std::to_string(line + 1) + ": " +
                          problem);
      return false;
    }
    records.push_back(std::move(record));
  }
  return table.appendRecords(env, records);
}

bool AppendFromDbf(TableEnv& env, DbfTable& table, const std::string& path) {
  DbfContent source;
  std::string problem;
  if (!LoadDbf(path, source, problem)) {
    TableError(env, problem);
    return false;
  }
  std::vector<std::pair<int, const DbfField*>> common;  // our field, the source's field
  for (const auto& f : source.layout.fields)
    if (int ours = table.fieldIndex(f.name); ours >= 0) common.emplace_back(ours, &f);
  if (common.empty()) {
    TableError(env, "Datei " + Utf8ToCp850(path) + " hat keine Felder dieser Tabelle");
    return false;
  }
  std::vector<std::string> records;
  for (std::size_t r = 0; r < source.records.size(); ++r) {
    if (source.records[r][0] == '*') continue;
    std::vector<std::pair<int, std::string>> values;
    for (const auto& [ours, theirs] : common)
      values.emplace_back(ours, FieldText(*theirs, source.records[r]));
    std::string record;
    if (!BuildRecord(table, values, record, problem)) {
      TableError(env,
                 "Datei " + Utf8ToCp850(path) + ", Satz " + std::to_string(r + 1) + ": " + problem);
      return false;
    }
    records.push_back(std::move(record));
  }
  return table.appendRecords(env, records);
}

bool PrintTable(TableEnv& env, const DbfTable& table, std::string_view caption) {
  constexpr int kWidestColumn = 30;
  constexpr int kHeadLines = 4;
  std::vector<int> widths;
  for (const auto& f : table.fields())
    widths.push_back(std::min(kWidestColumn, std::max<int>(f.width, f.name.size())));
  auto line = [&](auto text_of, bool numbers_right) {
    std::string l;
    for (std::size_t i = 0; i < widths.size(); ++i)
      l +=
          (i ? " " : "") + Cell(text_of(i), widths[i], numbers_right && Numeric(table.fields()[i]));
    while (!l.empty() && l.back() == ' ') l.pop_back();
    return l + "\r\n";
  };
  std::string head = std::string(caption) + "\r\n\r\n" +
                     line([&](std::size_t i) { return table.fields()[i].name; }, false) +
                     line([&](std::size_t i) { return std::string(widths[i], '-'); }, false);
  int per_page = std::max(1, (env.lines_per_page < 5 ? 66 : env.lines_per_page) - kHeadLines);
  std::string out = head;
  int on_page = 0;
  for (int r = 1; r <= table.recordCount(); ++r) {
    if (table.isDeleted(r)) continue;
    if (on_page == per_page) {
      out += "\f\r\n" + head;
      on_page = 0;
    }
    out += line([&](std::size_t i) { return table.fieldText(r, static_cast<int>(i)); }, true);
    ++on_page;
  }
  out += "\f\r\n";
  if (env.scratch_dir.empty()) {
    TableError(env, "Datei $DBF.TXT kann nicht erstellt werden");
    return false;
  }
  std::string file = AddBackslash(env.scratch_dir) + "$DBF.TXT";
  if (!WriteUserFile(env, file, out)) return false;
  bool printed = env.ui.printTextFile(file);
  DeleteIfExists(file);
  return printed;
}

}  // namespace kv9
