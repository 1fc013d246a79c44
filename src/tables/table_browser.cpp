#include "tables/table_browser.h"

#include <fmt/format.h>

#include <algorithm>

#include "core/file_util.h"
#include "core/text.h"
#include "tables/table_exchange.h"

namespace kv9 {

TableBrowser::TableBrowser(DbfTable& table, TableEnv& env, BrowseMode mode)
    : table_(table), env_(env), mode_(mode) {
  refresh();
  // Start on the table's current record, or the next row shown after it.
  auto at = std::lower_bound(rows_.begin(), rows_.end(), table_.recordNumber());
  current_ = rows_.empty() ? -1 : std::min<int>(at - rows_.begin(), rowCount() - 1);
}

void TableBrowser::start() {
  if (mode_ == BrowseMode::Edit && table_.onTemporaryCopy())
    TableNote(env_, "Kein Schreibrecht f\x81r dbf-Ordner !  Bearbeitung im Tempor\x84r-Ordner.");
}

std::string TableBrowser::caption() const {
  std::string title = Cp850ToUtf8(table_.title()), subtitle = Cp850ToUtf8(table_.subtitle());
  if (mode_ == BrowseMode::Select) return title + "   " + subtitle;
  return title + "  " + subtitle + "  (" + table_.path() + ")";
}

BrowserControls TableBrowser::controls() const {
  bool edit = mode_ == BrowseMode::Edit;
  return {edit, edit, edit, edit, edit};
}

void TableBrowser::refresh() {
  int record = currentRecord();
  rows_.clear();
  for (int r = 1; r <= table_.recordCount(); ++r)
    if (mode_ == BrowseMode::Edit || !table_.isDeleted(r)) rows_.push_back(r);
  auto at = std::find(rows_.begin(), rows_.end(), record);
  current_ = rows_.empty()       ? -1
             : at != rows_.end() ? static_cast<int>(at - rows_.begin())
                                 : std::clamp(current_, 0, rowCount() - 1);
}

std::vector<std::string> TableBrowser::columns() const {
  std::vector<std::string> names;
  for (const auto& f : table_.fields()) names.push_back(Cp850ToUtf8(f.name));
  return names;
}

std::vector<std::string> TableBrowser::row(int row) const {
  std::vector<std::string> cells;
  if (row < 0 || row >= rowCount()) return cells;
  for (std::size_t i = 0; i < table_.fields().size(); ++i)
    cells.push_back(Cp850ToUtf8(table_.fieldText(rows_[row], static_cast<int>(i))));
  return cells;
}

bool TableBrowser::rowDeleted(int row) const {
  return row >= 0 && row < rowCount() && table_.isDeleted(rows_[row]);
}

int TableBrowser::currentRecord() const {
  return current_ >= 0 && current_ < rowCount() ? rows_[current_] : 0;
}

std::string TableBrowser::counterText() const {
  return std::to_string(currentRecord()) + "/" + std::to_string(table_.recordCount());
}

void TableBrowser::selectRow(int row) {
  if (rows_.empty()) return;
  current_ = std::clamp(row, 0, rowCount() - 1);
  if (currentRecord() != inserted_) post();  // leaving the new record keeps it
}

bool TableBrowser::found(int from) {
  std::string wanted = LowerAscii(search_text_);
  for (int row = std::max(from, 0); row < rowCount(); ++row) {
    for (std::size_t i = 0; i < table_.fields().size(); ++i) {
      if (LowerAscii(table_.fieldText(rows_[row], static_cast<int>(i))).find(wanted) !=
          std::string::npos) {
        current_ = row;
        return true;
      }
    }
  }
  TableNote(env_, search_text_ + " nicht gefunden");
  return false;
}

void TableBrowser::search() {
  auto typed = env_.ui.inputText("Suchbegriff eingeben", Cp850ToUtf8(search_text_), 60);
  if (!typed) return;
  search_text_ = DisplayToCp850(*typed);
  found(current_);
}

void TableBrowser::searchNext() {
  if (search_text_.empty())
    search();
  else
    found(current_ + 1);
}

bool TableBrowser::editCell(int row, int column, std::string_view display_text) {
  if (mode_ != BrowseMode::Edit || row < 0 || row >= rowCount()) return false;
  bool ok = table_.writeField(env_, rows_[row], column, DisplayToCp850(display_text));
  refresh();
  return ok;
}

bool TableBrowser::toggleDeleted(int row) {
  if (mode_ != BrowseMode::Edit || row < 0 || row >= rowCount()) return false;
  bool ok = table_.setDeleted(env_, rows_[row], !table_.isDeleted(rows_[row]));
  refresh();
  return ok;
}

bool TableBrowser::appendRecord() {
  if (mode_ != BrowseMode::Edit) return false;
  bool ok = table_.appendRecords(env_, {table_.blankRecord()});
  refresh();
  if (ok) {
    last();
    inserted_ = currentRecord();
  }
  return ok;
}

bool TableBrowser::cancelInsert() {
  // Only the last record can be the pending one: a pack or a reload has posted it.
  if (mode_ != BrowseMode::Edit || inserted_ == 0 || inserted_ != table_.recordCount()) {
    post();
    return false;
  }
  const int record = inserted_;
  post();
  bool ok = table_.remove(env_, record);
  refresh();
  if (ok) last();
  return ok;
}

bool TableBrowser::deleteCurrent() {
  if (mode_ != BrowseMode::Edit || current_ < 0) return false;
  if (env_.ui.askYesNo("Datensatz löschen?", false) != true) return false;
  bool ok = table_.setDeleted(env_, rows_[current_], true);
  refresh();
  return ok;
}

bool TableBrowser::reload() {
  post();
  bool ok = table_.reload(env_);
  refresh();
  return ok;
}

bool TableBrowser::pack() {
  if (mode_ != BrowseMode::Edit) return false;
  post();
  bool ok = table_.pack(env_);
  refresh();
  return ok;
}

void TableBrowser::exportHtml() {
  if (auto path = env_.ui.chooseSaveFile(AddBackslash(env_.dbf_dir), "*.htm|*.htm"))
    ExportTableHtml(env_, table_, caption(), *path);
}

void TableBrowser::saveDelimited() {
  if (auto path = env_.ui.chooseSaveFile(AddBackslash(env_.dbf_dir), "*.txt|*.txt"))
    SaveTableDelimited(env_, table_, *path);
}

void TableBrowser::appendFromDbf() {
  if (mode_ != BrowseMode::Edit) return;
  if (auto path = env_.ui.chooseOpenFile(AddBackslash(env_.dbf_dir), "*.dbf|*.dbf")) {
    AppendFromDbf(env_, table_, *path);
    refresh();
  }
}

void TableBrowser::appendFromDelimited() {
  if (mode_ != BrowseMode::Edit) return;
  if (auto path = env_.ui.chooseOpenFile(AddBackslash(env_.dbf_dir), "*.txt|*.txt")) {
    AppendFromDelimited(env_, table_, *path);
    refresh();
  }
}

void TableBrowser::print() {
  PrintTable(env_, table_, DisplayToCp850(caption()));
}

std::string TableBrowser::structureCaption() const {
  return Cp850ToUtf8(table_.subtitle().empty() ? table_.title() : table_.subtitle());
}

std::vector<std::string> TableBrowser::structureLines() const {
  std::vector<std::string> lines{"Feld        Typ  Breite  Dez."};
  for (const auto& f : table_.fields())
    lines.push_back(fmt::format("{:<10}  {:<3}  {:>6}  {:>4}", Cp850ToUtf8(f.name), f.type, f.width,
                                f.decimals));
  return lines;
}

void TableBrowser::showStructure() {
  env_.ui.showScreen(structureCaption(), structureLines());
}

void TableBrowser::accept() {
  post();
  env_.abort_flag = false;
  if (int record = currentRecord(); record > 0) table_.goTo(env_.messages, record);
}

void TableBrowser::cancel() {
  env_.abort_flag = true;
}

bool Browse(DbfTable& table, TableEnv& env, BrowseMode mode,
            const std::function<bool(TableBrowser&)>& show) {
  TableBrowser browser(table, env, mode);
  browser.start();
  if (!show(browser)) {
    browser.cancel();
    return false;
  }
  browser.accept();
  return true;
}

}  // namespace kv9
