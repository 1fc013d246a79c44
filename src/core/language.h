// The three language tables of the menus and of the file and status messages, and the switch
// between languages. Texts are code page 850, except the Korean ones, which are kept as UTF-8
// and shown without conversion.
#pragma once

#include <array>
#include <string>

namespace kv9 {

// Language codes: 1 German, 2 English, 3 French, 4 Italian, 5 Swedish, 6 Portuguese,
// 7 Romanian, 8 Korean, 9 Spanish; 0 = none chosen.
inline constexpr int kLanguageGerman = 1;
inline constexpr int kLanguageEnglish = 2;
inline constexpr int kLanguageRomanian = 7;
inline constexpr int kLanguageKorean = 8;

// General menu words (file, edit, view, CAD, document and help commands).
enum class MenuWord {
  File,
  New,
  Open,
  Save,
  SaveAs,
  Print,
  PrinterSetup,
  Settings,
  Exit,
  Edit,
  Quick,
  Text,
  View,
  Printout,
  StandardPrintout,
  ExcerptPrintout,
  Drawing,
  ProductionDrawing,
  ErrorMessages,
  Cad,
  Document,
  DrawingData,
  ChangesInfo,
  ChangesPrintout,
  NewChange,
  EditChange,
  DeleteChange,
  DocumentSetup,
  Help,
  HelpPictures,
  Menu,  // the menu word of the language item ("Menü" + " " + "&Sprache")
  Language,
  Homepage,
  Email,
  About,
  Count
};

// Technical words of the menus.
enum class CalcWord {
  Strength,
  Quality,
  Measurement,
  Hub,
  Shaft,
  Toothing,
  ToothContact,
  CuttingTool,
  ToothProfile,
  Dimensions,
  Table,
  Count
};

// The used slots of the file and status message table.
enum class StatusWord {
  Loaded,
  Saved,
  Version,
  NewDataWithVersion,
  CalculationDone,
  Current,
  Count
};

template <class Slot>
struct LanguageTable {
  std::array<std::string, static_cast<std::size_t>(Slot::Count)> texts;
  bool utf8 = false;  // the texts are UTF-8 (Korean), not code page 850
  const std::string& operator[](Slot slot) const { return texts[static_cast<std::size_t>(slot)]; }
};

struct LanguageTables {
  LanguageTables();  // all three tables German, code 0 (no language chosen yet)
  int code = 0;      // current language, 0 = none chosen
  LanguageTable<MenuWord> menu;
  LanguageTable<CalcWord> calc;
  LanguageTable<StatusWord> status;
};

// Stores the code and fills each table that knows it: menu words for 1..9, calculation words
// for 1, 2, 7 and 8, status words for 1..6 and 9. A table that does not know the code keeps
// its texts. Relabelling the menus is the caller's part.
void SetLanguage(LanguageTables& lang, int code);

// The internal text of a slot (code page 850, or UTF-8 for Korean).
const std::string& MenuText(const LanguageTables& lang, MenuWord w);
const std::string& CalcText(const LanguageTables& lang, CalcWord w);
const std::string& StatusText(const LanguageTables& lang, StatusWord w);
// The same texts in the display set (UTF-8): code page 850 texts are converted, Korean texts
// pass unchanged. `plain_text` is the plain-text setting of the display conversion.
std::string MenuDisplay(const LanguageTables& lang, bool plain_text, MenuWord w);
std::string CalcDisplay(const LanguageTables& lang, bool plain_text, CalcWord w);
std::string StatusDisplay(const LanguageTables& lang, bool plain_text, StatusWord w);

}  // namespace kv9
