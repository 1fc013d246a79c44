// Change records and drawing information: the "Änderungen" actions, the form models of the
// change dialog and the drawing information dialog, and the change list report. The records
// live in the data set's documentation; the forms hold UTF-8 texts as the widgets show them.
#pragma once

#include <array>
#include <string>

#include "core/number_format.h"
#include "model/documentation.h"
#include "report/report_context.h"

namespace kv9 {

inline constexpr int kChangeRecordsHelpTopic = 2600;

// What the change records need of the program.
struct ChangeRecordsContext {
  ReportContext report;  // dialogs, settings, clock, the abort flag and the report itself
  Documentation& docs;
  bool& modified;
};

// The change dialog "Änderung n".
class ChangeRecordForm {
 public:
  static constexpr int kHelpTopic = 3000;
  std::string caption;  // "Änderung 3"
  std::string today;    // the date the "<" button writes
  std::string change_text, date, editor;
  std::string description;  // lines separated by "\n"

  void fill(const AendRecord& record, int number, std::string today_cp850);
  void takeToday() { date = today; }
  // OK: the fields, converted and cut to their lengths, replace the record's texts.
  void accept(AendRecord& record) const;
};

// The drawing information dialog "Zeichnungsinfo".
class DrawingInfoForm {
 public:
  static constexpr int kHelpTopic = 3010;
  static constexpr const char* kCaption = "Zeichnungsinfo";
  enum TextColumn { kX, kY, kH, kPhi, kText, kTextColumns };

  std::string today;
  std::string replaces, replaced_by;
  std::array<std::string, 4> row_labels;  // "Bearb.", "Gepr.", "Norm", the configured fourth
  std::array<std::string, 4> dates, names;
  std::array<std::array<std::string, kTextColumns>, kMaxDrawingTexts> texts;

  void fill(const Documentation& d, const std::string& fourth_label_cp850, const NumberStyle& st,
            std::string today_cp850);
  void takeToday(int row) { dates.at(row) = today; }
  // OK: the texts and the grid, then the free texts up to the first row after which the next
  // row's text is empty (at least one row is stored).
  void accept(Documentation& d) const;
};

// Actions of the "Änderungen" choice: 1 "neu", 2 "ändern", 3 "löschen", 4 "anzeigen",
// 5 "Ausdruck", 6 "Zeichnungsinfo", 7 "zurück...."; 0 asks for one.
enum ChangeAction {
  kChangeAsk = 0,
  kChangeNew = 1,
  kChangeEdit = 2,
  kChangeDelete = 3,
  kChangeShow = 4,
  kChangePrint = 5,
  kChangeDrawingInfo = 6,
  kChangeBack = 7,
};
void ChangeRecordsMenu(ChangeRecordsContext& c, int action);

// The change list through the report formatter: target 1 the screen, 0 the formatter's choice.
void ChangeListReport(ChangeRecordsContext& c, int target);

}  // namespace kv9
