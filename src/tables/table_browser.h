// The table browser's rules, without a window: the caption, which buttons and menus show, the
// rows of the grid as display texts, the current record and its counter, search, editing,
// appending, packing and the file menus. The window binds a grid and buttons to it; Browse runs
// it modally through a show function (the Ui's browser window).
#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "tables/dbf_table.h"

namespace kv9 {

enum class BrowseMode { Select, Edit };

inline constexpr const char* kPackTooltip = "Markierte Datens\x84tze l\x94schen";  // code page 850

// What the window shows besides the grid and "OK", "Abbrechen", "&Suchen", "&Weitersuchen",
// "Hilfe&bild" and the first/prior/next/last buttons, which always show.
struct BrowserControls {
  bool edit_buttons = false;     // the navigator's insert, delete, edit, post, cancel, refresh
  bool record_menu = false;      // append a record; pack (tooltip kPackTooltip)
  bool append_menu = false;      // append from another dbf file or from delimited text
  bool edit_menu = false;        // editing the cells
  bool deleted_records = false;  // rows of records marked deleted
};

class TableBrowser {
 public:
  TableBrowser(DbfTable& table, TableEnv& env, BrowseMode mode);

  // Before the window shows: in edit mode on a copy in the temporary folder, the note that the
  // DBF folder takes no changes.
  void start();
  std::string caption() const;  // display text
  BrowserControls controls() const;

  std::vector<std::string> columns() const;  // field names, display texts
  int rowCount() const { return static_cast<int>(rows_.size()); }
  std::vector<std::string> row(int row) const;  // 0-based; display texts
  bool rowDeleted(int row) const;
  int currentRow() const { return current_; }  // -1 without rows
  int currentRecord() const;                   // 0 without rows
  std::string counterText() const;             // "3/7"
  void selectRow(int row);
  void first() { selectRow(0); }
  void prior() { selectRow(current_ - 1); }
  void next() { selectRow(current_ + 1); }
  void last() { selectRow(rowCount() - 1); }

  // "&Suchen" asks for the text ("Suchbegriff eingeben") and looks from the current row on;
  // "&Weitersuchen" looks from the row after it. A field containing the text (letters in any
  // case) matches; without a match the note "<text> nicht gefunden" shows.
  void search();
  void searchNext();

  // Edit mode only.
  bool editCell(int row, int column, std::string_view display_text);
  bool toggleDeleted(int row);
  // A record appended stays pending until it is posted or left: cancelInsert() removes it
  // again.
  bool appendRecord();
  void post() { inserted_ = 0; }
  bool cancelInsert();
  // Asks "Datensatz löschen?" and marks the current record deleted.
  bool deleteCurrent();
  bool pack();
  // Re-reads the table from its file.
  bool reload();

  // The file menus: each asks for the file, then works (table_exchange.h).
  void exportHtml();
  void saveDelimited();
  void appendFromDbf();
  void appendFromDelimited();
  void print();
  // Help on the table structure: its entry's caption, and one line per field.
  std::string structureCaption() const;
  std::vector<std::string> structureLines() const;  // display texts
  void showStructure();

  // "OK": the abort flag cleared and the table on the chosen record; "Abbrechen": the flag set.
  void accept();
  void cancel();

 private:
  void refresh();
  bool found(int from);

  DbfTable& table_;
  TableEnv& env_;
  BrowseMode mode_;
  std::vector<int> rows_;  // the record number of each row
  int current_ = -1;
  std::string search_text_;  // code page 850
  int inserted_ = 0;         // the record appended and not yet posted
};

// The browser over the open table, shown by `show` (true for "OK"). Returns whether a record
// was chosen; afterwards the table's current record is the chosen one.
bool Browse(DbfTable& table, TableEnv& env, BrowseMode mode,
            const std::function<bool(TableBrowser&)>& show);

}  // namespace kv9
