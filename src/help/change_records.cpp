#include "help/change_records.h"

#include <string_view>

#include "core/file_util.h"
#include "core/program_info.h"
#include "core/text.h"
#include "core/ui.h"
#include "drawings/drawing_frame.h"
#include "model/config.h"
#include "report/report_formatter.h"

namespace kv9 {

namespace {

std::string Stored(const std::string& shown, int length) {
  return Utf8ToCp850(shown).substr(0, length);
}

std::string Today(const ChangeRecordsContext& c) {
  return TodayText(c.report.clock, c.report.cfg.date_code);
}

constexpr std::array<const char*, 4> kGridLabels = {"Bearb.", "Gepr.", "Norm", ""};

}  // namespace

// --- change dialog ---

void ChangeRecordForm::fill(const AendRecord& record, int number, std::string today_cp850) {
  caption = Cp850ToUtf8("\x8Enderung " + std::to_string(number));
  today = Cp850ToUtf8(today_cp850);
  change_text = Cp850ToUtf8(record.change_text);
  date = Cp850ToUtf8(record.date);
  editor = Cp850ToUtf8(record.editor);
  description = Cp850ToUtf8(record.description);
}

void ChangeRecordForm::accept(AendRecord& record) const {
  record.change_text = Stored(change_text, kChangeTextLength);
  record.date = Stored(date, kChangeDateLength);
  record.editor = Stored(editor, kChangeEditorLength);
  // The data file keeps a description on one line: "|" is its line break, so a typed "|" or
  // carriage return would not come back as the user typed it.
  std::string text = Stored(description, kChangeDescriptionLength);
  std::string clean;
  for (char ch : text)
    if (ch != '\r') clean += ch;
  record.description = clean;
}

// --- drawing information dialog ---

void DrawingInfoForm::fill(const Documentation& d, const std::string& fourth_label_cp850,
                           const NumberStyle& st, std::string today_cp850) {
  today = Cp850ToUtf8(today_cp850);
  replaces = Cp850ToUtf8(d.replaces);
  replaced_by = Cp850ToUtf8(d.replaced_by);
  for (int row = 0; row < 4; ++row) {
    row_labels[row] = Cp850ToUtf8(row == kRowFourth ? fourth_label_cp850 : kGridLabels[row]);
    dates[row] = Cp850ToUtf8(d.grid[row].date);
    names[row] = Cp850ToUtf8(d.grid[row].name);
  }
  for (auto& row : texts) row = {};
  for (std::size_t i = 0; i < d.texts.size() && i < texts.size(); ++i) {
    const DrawingText& t = d.texts[i];
    texts[i] = {FormatShort(st, t.x), FormatShort(st, t.y), FormatShort(st, t.h),
                FormatShort(st, t.phi), Cp850ToUtf8(t.text)};
  }
}

void DrawingInfoForm::accept(Documentation& d) const {
  d.replaces = Stored(replaces, kReplacementLength);
  d.replaced_by = Stored(replaced_by, kReplacementLength);
  for (int row = 0; row < 4; ++row) {
    d.grid[row].date = Stored(dates[row], kGridDateLength);
    d.grid[row].name = Stored(names[row], kGridNameLength);
  }
  d.texts.clear();
  for (std::size_t i = 0; i < texts.size(); ++i) {
    const auto& row = texts[i];
    d.texts.push_back({ParseReal(row[kX]), ParseReal(row[kY]), ParseReal(row[kH]),
                       ParseReal(row[kPhi]), Stored(row[kText], kDrawingTextLength)});
    if (i + 1 < texts.size() && RemoveBlanks(texts[i + 1][kText]).empty()) break;
  }
}

// --- actions ---

namespace {

void EditRecord(ChangeRecordsContext& c, int number) {
  ChangeRecordForm form;
  AendRecord& record = c.docs.changes[number - 1];
  form.fill(record, number, Today(c));
  c.report.help_topic = ChangeRecordForm::kHelpTopic;
  if (!c.report.ui.changeRecordForm(form)) {
    c.report.abort_flag = true;
    return;
  }
  c.report.abort_flag = false;
  form.accept(record);
  c.modified = true;
}

void NewRecord(ChangeRecordsContext& c) {
  if (static_cast<int>(c.docs.changes.size()) >= kMaxChangeRecords) {
    ShowError(c.report.dialogs(),
              "Max. \x8E"
              "nderungen = " +
                  std::to_string(kMaxChangeRecords) + " !");
    return;
  }
  AendRecord record;
  record.date = Today(c);
  c.docs.changes.push_back(record);
  c.modified = true;
  EditRecord(c, static_cast<int>(c.docs.changes.size()));
  // A cancelled dialog still leaves the new record, dated today, as the list then shows.
  c.report.abort_flag = false;
  ChangeListReport(c, kTargetScreen);
}

void DrawingInfo(ChangeRecordsContext& c) {
  DrawingInfoForm form;
  form.fill(c.docs, c.report.cfg.release_text, UnitsOf(c.report.cfg).number, Today(c));
  c.report.help_topic = DrawingInfoForm::kHelpTopic;
  if (!c.report.ui.drawingInfoForm(form)) {
    c.report.abort_flag = true;
    return;
  }
  c.report.abort_flag = false;
  form.accept(c.docs);
  c.modified = true;
}

}  // namespace

void ChangeRecordsMenu(ChangeRecordsContext& c, int action) {
  if (action == kChangeAsk) {
    c.report.help_topic = kChangeRecordsHelpTopic;
    const std::vector<std::string> choices{"neu",       "\x84ndern",      "l\x94schen",
                                           "anzeigen",  "Ausdruck",       "Zeichnungsinfo",
                                           "zur\x81" "ck...."};
    action = ChooseFromList(c.report.dialogs(), "\x8E" "nderungen", choices, 1);
    if (c.report.abort_flag) return;
  }
  const int count = static_cast<int>(c.docs.changes.size());
  switch (action) {
    case kChangeNew:
      NewRecord(c);
      break;
    case kChangeEdit:
      if (count == 0) return;
      EditRecord(c, count);
      if (!c.report.abort_flag) ChangeListReport(c, kTargetScreen);
      break;
    case kChangeDelete:
      if (count > 0) {
        c.docs.changes.pop_back();
        c.modified = true;
      }
      ChangeListReport(c, kTargetScreen);
      break;
    case kChangeShow:
      ChangeListReport(c, kTargetScreen);
      break;
    case kChangePrint:
      ChangeListReport(c, 0);
      break;
    case kChangeDrawingInfo:
      DrawingInfo(c);
      break;
    default:
      break;
  }
}

// --- the change list ---

void ChangeListReport(ChangeRecordsContext& c, int target) {
  const ReportContext& r = c.report;
  const Documentation& d = c.docs;
  ReportSetHeader(r, ProgramTitle() + " V" + kVersion,
                  "\x8E"
                  "nderungsprotokoll",
                  r.ds.info1, r.ds.info2, r.ds.info3, 0);
  ReportOpen(r, target, r.data_file);
  if (r.abort_flag || !ReportCreate(r)) return;
  if (target != kTargetScreen) ReportPageHeader(r, 0, 0);
  if (r.abort_flag) return ReportAbandon(r);
  const TitleBlockRow& drawn = d.grid[kRowDrawn];
  ReportLine(r, "");
  ReportLine(r, "Erstellungsdatum: " + drawn.date + "     Erstellt von: " + drawn.name);
  if (!d.replaces.empty()) {
    ReportLine(r, "");
    ReportLine(r, "Ersatz f\x81r: " + TextLeft(d.replaces, 15));
  }
  if (!d.replaced_by.empty()) {
    ReportLine(r, "");
    ReportLine(r, "Ersetzt durch: " + TextLeft(d.replaced_by, 15));
  }
  ReportLine(r, "");
  ReportLine(r, TextLeft("Index", 6) + "  " + TextLeft("Datum", 10) + "   " +
                    TextLeft("Bearb.", 6) + "   " +
                    TextLeft("\x8E"
                             "nderung",
                             20));
  ReportLine(r, ReportDoubleLine(r));
  for (std::size_t i = 0; i < d.changes.size(); ++i) {
    const AendRecord& record = d.changes[i];
    // The symbol of the drawing frame's revision rows, so the list and the title block agree.
    const std::string index = RevisionSymbol(r.cfg.change_index_style, static_cast<int>(i) + 1);
    ReportLine(r, "  " + index + "     " + TextLeft(record.date, 10) + "   " +
                      TextLeft(record.editor, 6) + "   " + TextLeft(record.change_text, 20));
    // A description of several lines keeps them, each indented as its first.
    std::string_view rest = record.description;
    for (;;) {
      const std::size_t end = rest.find('\n');
      ReportLine(r, " " + std::string(rest.substr(0, end)));
      if (end == std::string_view::npos) break;
      rest.remove_prefix(end + 1);
    }
    ReportLine(r, ReportSingleLine(r));
  }
  ReportClose(r);
  r.ui.setWaitCursor(false);
}

}  // namespace kv9
