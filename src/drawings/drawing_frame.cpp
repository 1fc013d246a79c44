#include "drawings/drawing_frame.h"

#include <algorithm>

#include "cad/cad_driver.h"
#include "cad/drawing_context.h"
#include "core/file_util.h"
#include "core/program_info.h"
#include "core/text.h"
#include "model/config.h"
#include "model/data_file.h"
#include "model/documentation.h"

namespace kv9 {

namespace {

// The protection notice, English lines from y = 10 and German lines from y = 200 (code page
// 850), each line at its own x.
constexpr Real kNoticeX[5] = {4, 6.7L, 9.4L, 12.1L, 14.8L};
constexpr const char* kNoticeEnglish[5] = {
    "Copying of this document and giving it to other and the use",
    "or communication of the contents therof, are forbidden with-",
    "out express authority. Offenders are liable to the payment",
    "of damages. All rights are reserved in the event of the grant",
    "of a patent or the registration of a utility model or design."};
constexpr const char* kNoticeGerman[5] = {
    "Weitergabe sowie Vervielf\x84ltigung dieser Unterlage, Ver-",
    "wertung und Mitteilung ihres Inhalts nicht gestattet, soweit",
    "nicht ausdr\x81"
    "cklich zugestanden. Zuwiderhandlungen verpflich-",
    "ten zu Schadensersatz. Alle Rechte f\x81r den Fall der Patent-",
    "erteilung oder Gebrauchsmuster-Eintragung vorbehalten."};

// Rows of the title-block grid: label y, entry y.
constexpr Real kGridLabelY[4] = {35.6L, 31.4L, 27.2L, 23.2L};
constexpr Real kGridEntryY[4] = {35.6L, 31.2L, 27.0L, 23.0L};
constexpr const char* kGridLabels[3] = {"Bearb.", "Gepr.", "Norm"};

// The switches of the configuration, in their order: maker line, file name, date and time,
// logo. Set means hidden.
enum FrameSwitch { kHideMaker = 0, kHideFileName = 1, kHideDateTime = 2, kHideLogo = 3 };

bool Hidden(const DrawingContext& s, FrameSwitch which) {
  return s.cfg.title_block_hidden[which];
}

void Rulings(const DrawingContext& s) {
  CadLayer(s, 5);
  CadRectangle(s, 18, 5, 205, 292);
  CadLine(s, 18, 43, 205, 43);

  CadLayer(s, 4);
  for (Real x : {73.0L, 116.0L, 52.0L, 65.0L}) CadLine(s, x, 5, x, 43);
  for (Real x : {82.0L, 98.0L}) CadLine(s, x, 22, x, 43);
  CadLine(s, 192, 9.4L, 192, 22);
  CadLine(s, 73, 22, 205, 22);
  CadLine(s, 73, 9.4L, 205, 9.4L);
  CadLine(s, 192, 14, 205, 14);
  CadLine(s, 160, 5, 160, 9.4L);
  CadLine(s, 0, 148.5L, 15, 148.5L);  // punching mark

  CadLayer(s, 3);
  CadRectangle(s, 0, 0, kSheetWidth, kSheetHeight);
}

void Labels(const DrawingContext& s) {
  CadTextStyle(s, 2, 0, 1.6L, 1.3L);
  CadText(s, "Zust.", 19, 6);
  CadText(s,
          "\x8E"
          "nderung",
          30, 6);  // "Änderung"
  CadText(s, "Datum", 54, 6);
  CadText(s, "Name", 65.6L, 6);

  CadTextStyle(s, 2, 0, 1.8L, 1.5L);
  CadText(s, "Datum", 85, 39.8L);
  CadText(s, "Name", 100, 39.8L);
  for (int row = 0; row < 3; ++row) CadText(s, kGridLabels[row], 74, kGridLabelY[row]);
  CadText(s, s.cfg.release_text, 74, kGridLabelY[3]);
}

void ProtectionNotice(const DrawingContext& s) {
  CadTextStyle(s, 2, 90, 1.8L, 1.5L);
  for (int i = 0; i < 5; ++i) CadText(s, kNoticeEnglish[i], kNoticeX[i], 10);
  for (int i = 0; i < 5; ++i) CadText(s, kNoticeGerman[i], kNoticeX[i], 200);
}

void Entries(const DrawingContext& s) {
  const Documentation& d = s.docs;
  CadTextStyle(s, 2, 0, 1.8L, 1.5L);
  for (int row = 0; row < 4; ++row) {
    CadText(s, d.grid[row].date, 83.5L, kGridEntryY[row]);
    CadText(s, d.grid[row].name, 100, kGridEntryY[row]);
  }
  CadText(s, "Blatt", 194, 18);
  CadText(s, "Bl.", 200, 10.4L);
  if (!d.replaces.empty()) CadText(s, "Ersatz f\x81r " + d.replaces, 118, 6.5L);
  if (!d.replaced_by.empty()) CadText(s, "Ersetzt durch " + d.replaced_by, 162, 6.5L);
}

void FreeTexts(const DrawingContext& s) {
  for (const DrawingText& t : s.docs.texts) {
    if (t.h > 0) CadTextStyle(s, 2, t.phi, t.h, 0.8L * t.h);
    CadText(s, t.text, t.x, t.y);
  }
}

void Names(const DrawingContext& s, const std::string& name, const std::string& name2,
           const std::string& number) {
  CadLayer(s, 5);
  CadTextStyle(s, 2, 0, 5, 4);
  CadText(s, name, 120, 32.5L);
  CadText(s, number, 120, 12);
  CadTextStyle(s, 2, 0, 3.5L, 2.8L);
  CadText(s, name2, 120, 25);
}

// The company line (no setting of this program names one, so it stays empty), the data file
// name, the date and time, the maker line and the logo.
void Footer(const DrawingContext& s) {
  CadTextStyle(s, 2, 0, 1.5L, 1.2L);
  const std::string company;
  CadText(s, company, 75, 6.5L);
  if (!Hidden(s, kHideFileName) && !s.current_file.empty())
    CadText(s, Utf8ToCp850(s.report.data_file_full).substr(0, 150), 18, 1);
  if (!Hidden(s, kHideDateTime))
    CadText(s, TodayText(s.clock, s.cfg.date_code) + " " + NowTimeText(s.clock), 186, 1);

  if (!Hidden(s, kHideMaker)) {
    CadTextStyle(s, 2, 0, 3.5L, 3.0L);
    CadText(s, std::string("TAVIRON   ") + ProgramTitle() + "  V" + kVersion, 1, 300);
  }
  bool logo_kind = s.cad.kind == kCadScreen || s.cad.kind == kCadPlot;
  if (!Hidden(s, kHideLogo) && logo_kind && FileReadable(CadBlockFilePath(s, "logo_1")))
    CadInsert(s, "logo_1", 75, 10, 0, 1, 1);
}

}  // namespace

std::string RevisionSymbol(int style, int number) {
  if (style == 1 || number < 1 || number > 26) return std::to_string(number);
  char first = style == 2 ? 'A' : 'a';
  return std::string(1, static_cast<char>(first + number - 1));
}

void DrawChangeRecords(const DrawingContext& s) {
  const auto& records = s.docs.changes;
  int c = static_cast<int>(records.size());
  if (c == 0) return;
  CadLayer(s, 3);
  CadTextStyle(s, 2, 0, 1.7L, 1.3L);
  int first = c >= 9 ? c - 7 : 1;
  for (int number = first, k = 1; number <= c; ++number, ++k) {
    const AendRecord& r = records[number - 1];
    Real y = 6.5L + 4.2L * k;
    CadText(s, RevisionSymbol(s.cfg.change_index_style, number), 21, y);
    CadText(s, r.change_text, 27, y);
    CadText(s, r.date, 52.5L, y);
    CadText(s, r.editor, 66, y);
  }
}

void DrawFrame(const DrawingContext& s, const std::string& name, const std::string& name2,
               const std::string& number) {
  if (s.abort_flag) return;
  Rulings(s);
  Labels(s);
  ProtectionNotice(s);
  Entries(s);
  DrawChangeRecords(s);
  FreeTexts(s);
  Names(s, name, name2, number);
  Footer(s);
}

}  // namespace kv9
