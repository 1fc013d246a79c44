#include "app/commands/menu_table.h"

#include "app/commands/cad_commands.h"
#include "app/commands/document_commands.h"
#include "app/commands/edit_commands.h"
#include "app/commands/exchange_commands.h"
#include "app/commands/file_commands.h"
#include "app/commands/help_commands.h"
#include "app/commands/view_commands.h"
#include "app/commands/window_texts.h"
#include "app/recent_files.h"
#include "app/session.h"

namespace kv9 {

namespace {

using Caption = std::vector<CaptionPart>;
using Action = void (*)(Session&);

CaptionPart W(MenuWord w) {
  return {CaptionPart::MenuVocabulary, w, CalcWord::Strength, ""};
}
CaptionPart C(CalcWord w) {
  return {CaptionPart::CalcVocabulary, MenuWord::File, w, ""};
}
CaptionPart T(const char* text) {
  return {CaptionPart::Fixed, MenuWord::File, CalcWord::Strength, text};
}

MenuItem Menu(const char* id, const char* parent, Caption caption) {
  return {.id = id, .parent = parent, .kind = MenuItemKind::Menu, .caption = std::move(caption)};
}
MenuItem Item(const char* id, const char* parent, Caption caption, Action action,
              const char* shortcut = "") {
  return {.id = id,
          .parent = parent,
          .caption = std::move(caption),
          .shortcut = shortcut,
          .action = action};
}

// An item that only shows a drawing or a tooth-form view on the screen.
MenuItem View(const char* id, const char* parent, Caption caption, Action action) {
  MenuItem item = Item(id, parent, std::move(caption), action);
  item.draws_view = true;
  return item;
}

template <int Index>
std::string RecentCaption(const Session& s) {
  return RecentMenuText(s, Index);
}
template <int Index>
bool RecentShown(const Session& s) {
  return !s.recent_files[Index - 1].empty();
}
MenuItem Recent(const char* id, Action action, std::string (*caption)(const Session&),
                bool (*shown)(const Session&), const char* shortcut) {
  MenuItem item = Item(id, "mi_file", {}, action, shortcut);
  item.caption_of = caption;
  item.visible = shown;
  return item;
}
#define KV9_RECENT(n) \
  Recent("mi_file" #n, CmdRecent<n>, RecentCaption<n>, RecentShown<n>, "Shift+F" #n)

bool Never(const Session&) {
  return false;
}

std::vector<MenuItem> BuildMainMenu() {
  const CaptionPart both[] = {C(CalcWord::Shaft), T(" + "), C(CalcWord::Hub)};
  const Caption shaft_and_hub(std::begin(both), std::end(both));
  const Caption shaft = {C(CalcWord::Shaft)}, hub = {C(CalcWord::Hub)};

  MenuItem separator_before_exit = Item("mi_fileExitSeparator", "mi_file", {}, nullptr);
  separator_before_exit.kind = MenuItemKind::Separator;
  separator_before_exit.visible = RecentShown<1>;  // shown once there is a recent file
  MenuItem exit = Item("mi_fileexit", "mi_file", {W(MenuWord::Exit)}, nullptr);
  exit.closes_window = true;
  MenuItem error_messages = Item("mi_viewErrorMessages", "mi_View", {}, CmdViewErrorMessages);
  error_messages.caption_of = ErrorMessagesCaption;
  error_messages.enabled = ErrorMessagesEnabled;
  // Export and import follow "Start Excel".
  MenuItem export_sheet =
      Item("mi_oleExportExcel", "mi_OLE", {T("Export KV9 -> Excel")}, CmdExportSpreadsheet);
  export_sheet.enabled = SpreadsheetStarted;
  MenuItem import_sheet =
      Item("mi_oleImportExcel", "mi_OLE", {T("Import Excel -> KV9")}, CmdImportSpreadsheet);
  import_sheet.enabled = SpreadsheetStarted;
  MenuItem french =
      Item("mi_helpSpracheFrancais", "mi_helpSprache", {T("&Francais")}, CmdLanguage<3>);
  french.visible = Never;

  return {
      Menu("mi_file", "", {W(MenuWord::File)}),
      Item("mi_fileNew", "mi_file", {W(MenuWord::New)}, CmdNew, "Ctrl+N"),
      Item("mi_fileOpen", "mi_file", {W(MenuWord::Open)}, CmdOpen, "Ctrl+O"),
      Item("mi_fileOpenTable", "mi_file", {W(MenuWord::Open), T(" ("), C(CalcWord::Table), T(")")},
           CmdOpenTable),
      Item("mi_FileSave", "mi_file", {W(MenuWord::Save)}, CmdSave, "Ctrl+S"),
      Item("mi_FileSaveAs", "mi_file", {W(MenuWord::SaveAs)}, CmdSaveAs),
      Item("mi_fileprint", "mi_file", {W(MenuWord::Print)}, CmdPrint, "Ctrl+P"),
      Item("mi_fileprintersetup", "mi_file", {W(MenuWord::PrinterSetup)}, CmdPrinterSetup),
      Item("mi_fileConfig", "mi_file", {W(MenuWord::Settings)}, CmdSettings),
      KV9_RECENT(1),
      KV9_RECENT(2),
      KV9_RECENT(3),
      KV9_RECENT(4),
      separator_before_exit,
      exit,

      Menu("mi_Edit", "", {W(MenuWord::Edit)}),
      Item("mi_editquick", "mi_Edit", {W(MenuWord::Quick)}, CmdQuick),
      Item("mi_EditText", "mi_Edit", {W(MenuWord::Text)}, CmdText),
      Item("mi_editabmessungen", "mi_Edit", {C(CalcWord::Dimensions)}, CmdDimensions),
      Item("mi_editqualitaet", "mi_Edit", {C(CalcWord::Quality)}, CmdQuality),
      Item("mi_editMessen", "mi_Edit", {C(CalcWord::Measurement)}, CmdMeasurement),
      Item("mi_EditFestigkeit", "mi_Edit", {C(CalcWord::Strength)}, CmdStrength),

      Menu("mi_View", "", {W(MenuWord::View)}),
      Menu("mi_viewausdruck", "mi_View", {W(MenuWord::Printout)}),
      View("mi_viewausdruckstandard", "mi_viewausdruck", {W(MenuWord::StandardPrintout)},
           CmdStandardPrintout),
      Item("mi_viewausdruckauszug", "mi_viewausdruck", {W(MenuWord::ExcerptPrintout)},
           CmdExcerptPrintout),
      View("mi_viewquick", "mi_View", {W(MenuWord::Quick)}, CmdViewDrawing<7>),
      Menu("mi_viewtabelle", "mi_View", {C(CalcWord::Table)}),
      View("mi_viewtabellebeide", "mi_viewtabelle", shaft_and_hub, CmdViewDrawing<7>),
      View("mi_viewtabellewelle", "mi_viewtabelle", shaft, CmdViewDrawing<3>),
      View("mi_viewtabellenabe", "mi_viewtabelle", hub, CmdViewDrawing<4>),
      Menu("mi_viewzeichnung", "mi_View", {W(MenuWord::Drawing)}),
      View("mi_viewzeichnungwelle", "mi_viewzeichnung", shaft, CmdViewDrawing<1>),
      View("mi_viewzeichnungnabe", "mi_viewzeichnung", hub, CmdViewDrawing<2>),
      Menu("mi_viewfertigungszeichnung", "mi_View", {W(MenuWord::ProductionDrawing)}),
      View("mi_viewfertigungbeide", "mi_viewfertigungszeichnung", shaft_and_hub, CmdViewDrawing<8>),
      View("mi_viewfertigungwelle", "mi_viewfertigungszeichnung", shaft, CmdViewDrawing<5>),
      View("mi_viewfertigungnabe", "mi_viewfertigungszeichnung", hub, CmdViewDrawing<6>),
      Menu("mi_viewzahnprofil", "mi_View", {C(CalcWord::Toothing)}),
      View("mi_viewzahnprofilbeide", "mi_viewzahnprofil", shaft_and_hub, CmdViewToothForm<3>),
      View("mi_viewzahnprofilwelle", "mi_viewzahnprofil", shaft, CmdViewToothForm<1>),
      View("mi_viewzahnprofilnabe", "mi_viewzahnprofil", hub, CmdViewToothForm<2>),
      Menu("mi_viewwerkzeug", "mi_View", {C(CalcWord::CuttingTool)}),
      View("mi_viewwerkzeugwelle", "mi_viewwerkzeug", shaft, CmdViewToothForm<4>),
      View("mi_viewwerkzeugnabe", "mi_viewwerkzeug", hub, CmdViewToothForm<5>),
      View("mi_viewzahneingriff", "mi_View", {C(CalcWord::ToothContact)}, CmdViewToothForm<6>),
      error_messages,

      Menu("mi_CAD", "", {W(MenuWord::Cad)}),
      Item("mi_cadfertigungszeichnung", "mi_CAD", {W(MenuWord::ProductionDrawing), T("...")},
           CmdCadProductionDrawing),
      Item("mi_cadzahnform", "mi_CAD", {C(CalcWord::ToothProfile), T("...")}, CmdCadToothForm),
      Item("mi_cadzeichnung1", "mi_CAD", {W(MenuWord::Drawing), T(" &1")}, CmdCadDrawing1),
      Item("mi_cadzeichnung2", "mi_CAD", {W(MenuWord::Drawing), T(" &2")}, CmdCadDrawing2),
      Item("mi_cadzahnprofilwelle", "mi_CAD",
           {C(CalcWord::ToothProfile), T(" "), C(CalcWord::Shaft)}, CmdCadToothProfileShaft),
      Item("mi_cadzahnprofilnabe", "mi_CAD", {C(CalcWord::ToothProfile), T(" "), C(CalcWord::Hub)},
           CmdCadToothProfileHub),

      Menu("mi_documentation", "", {W(MenuWord::Document)}),
      Item("mi_docdrawinginfo", "mi_documentation", {W(MenuWord::DrawingData)}, CmdDrawingInfo),
      Item("mi_docuShowChanges1", "mi_documentation", {W(MenuWord::ChangesInfo)}, CmdShowChanges),
      Item("mi_docuPrintChanges", "mi_documentation", {W(MenuWord::ChangesPrintout)},
           CmdPrintChanges),
      Item("mi_docuNewChange", "mi_documentation", {W(MenuWord::NewChange)}, CmdNewChange),
      Item("mi_docuModifyChanges", "mi_documentation", {W(MenuWord::EditChange)}, CmdModifyChange),
      Item("mi_docudeleteChange", "mi_documentation", {W(MenuWord::DeleteChange)}, CmdDeleteChange),
      Item("mi_Document1", "mi_documentation", {W(MenuWord::Document), T(" &1")}, CmdDocument<1>),
      Item("mi_Document2", "mi_documentation", {W(MenuWord::Document), T(" &2")}, CmdDocument<2>),
      Item("mi_Document3", "mi_documentation", {W(MenuWord::Document), T(" &3")}, CmdDocument<3>),
      Item("mi_Document4", "mi_documentation", {W(MenuWord::Document), T(" &4")}, CmdDocument<4>),
      Item("mi_Document5", "mi_documentation", {W(MenuWord::Document), T(" &5")}, CmdDocument<5>),
      Item("mi_DocumentSetup", "mi_documentation", {W(MenuWord::DocumentSetup)}, CmdDocumentSetup),

      Menu("mi_OLE", "", {T("&OLE")}),
      Item("mi_oleStartExcel", "mi_OLE", {T("Start Excel")}, CmdStartSpreadsheet),
      export_sheet,
      import_sheet,
      Item("mi_olePrintoutExcel", "mi_OLE", {T("Printout -> Excel")}, CmdPrintoutSpreadsheet),

      Menu("mi_Help", "", {W(MenuWord::Help)}),
      Item("mi_HelpHilfebild", "mi_Help", {W(MenuWord::HelpPictures)}, CmdHelpPictures),
      Item("mi_helpErrorMessages", "mi_Help", {W(MenuWord::ErrorMessages)}, CmdHelpErrorMessages),
      Menu("mi_helpSprache", "mi_Help", {W(MenuWord::Menu), T(" "), W(MenuWord::Language)}),
      Item("mi_helpspracheDeutsch", "mi_helpSprache", {T("&Deutsch")},
           CmdLanguage<kLanguageGerman>),
      Item("mi_helpSpracheEnglish", "mi_helpSprache", {T("&English")},
           CmdLanguage<kLanguageEnglish>),
      french,
      Item("mi_helpspracheRoman", "mi_helpSprache", {T("&Roman")}, CmdLanguage<kLanguageRomanian>),
      Item("mi_helpspracheKorea", "mi_helpSprache", {T("&Korea")}, CmdLanguage<kLanguageKorean>),
      Item("mi_helpwww", "mi_Help", {W(MenuWord::Homepage)}, CmdHomepage),
      Item("mi_helpemail", "mi_Help", {W(MenuWord::Email)}, CmdEmail),
      Item("mi_HelpAbout", "mi_Help", {W(MenuWord::About)}, CmdAbout),
  };
}

}  // namespace

const std::vector<MenuItem>& MainMenu() {
  static const std::vector<MenuItem> menu = BuildMainMenu();
  return menu;
}

const MenuItem* FindMenuItem(std::string_view id) {
  for (const MenuItem& item : MainMenu())
    if (id == item.id) return &item;
  return nullptr;
}

std::string MenuCaption(const Session& s, const MenuItem& item) {
  if (item.caption_of) return item.caption_of(s);
  std::string caption;
  for (const CaptionPart& part : item.caption) {
    switch (part.kind) {
      case CaptionPart::MenuVocabulary:
        caption += MenuDisplay(s.lang, PlainText(s.cfg), part.menu_word);
        break;
      case CaptionPart::CalcVocabulary:
        caption += CalcDisplay(s.lang, PlainText(s.cfg), part.calc_word);
        break;
      case CaptionPart::Fixed:
        caption += part.text;
        break;
    }
  }
  return caption;
}

bool MenuItemEnabled(const Session& s, const MenuItem& item) {
  return !item.enabled || item.enabled(s);
}

bool MenuItemVisible(const Session& s, const MenuItem& item) {
  return !item.visible || item.visible(s);
}

}  // namespace kv9
