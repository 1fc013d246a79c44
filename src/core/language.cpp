// The language tables and the switch between languages. The tables are written here in UTF-8
// for reading; SetLanguage stores them in code page 850 (Korean stays UTF-8: code page 850
// cannot hold it).
#include "core/language.h"

#include "core/text.h"

namespace kv9 {

namespace {

constexpr std::size_t kMenuSlots = static_cast<std::size_t>(MenuWord::Count);
constexpr std::size_t kCalcSlots = static_cast<std::size_t>(CalcWord::Count);
constexpr std::size_t kStatusSlots = static_cast<std::size_t>(StatusWord::Count);

// Slot order of MenuWord. A nullptr takes the English word.
using MenuRow = std::array<const char*, kMenuSlots>;

constexpr MenuRow kMenuGerman = {"&Datei",
                                 "&Neu...",
                                 "Ö&ffnen...",
                                 "&Speichern...",
                                 "Speichern &Unter...",
                                 "&Drucken...",
                                 "Druckereinstellung",
                                 "E&instellungen",
                                 "&Beenden",
                                 "&Bearbeiten",
                                 "&Quick",
                                 "Te&xt",
                                 "&Ansicht",
                                 "&Ausdruck",
                                 "&Standardausdruck",
                                 "&Auszug",
                                 "&Zeichnung",
                                 "&Fertigungszeichnung",
                                 "&Fehlermeldungen",
                                 "&CAD",
                                 "D&okument",
                                 "&Zeichnungsdaten",
                                 "Änderungen - &Info",
                                 "Änderungen - &Ausdruck",
                                 "&Neue Änderung",
                                 "Letzte Änderung &bearbeiten",
                                 "Letzte Änderung &löschen",
                                 "Dokument &Setup",
                                 "&Hilfe",
                                 "&Hilfebild",
                                 "Menü",
                                 "&Sprache",
                                 "&TAVIRON Homepage",
                                 "&E-Mail an TAVIRON",
                                 "&KV9"};

constexpr MenuRow kMenuEnglish = {"&File",
                                  "&New...",
                                  "&Open...",
                                  "&Save...",
                                  "Save &As...",
                                  "&Print...",
                                  "Printer Setup",
                                  "Se&ttings",
                                  "E&xit",
                                  "&Edit",
                                  "&Quick",
                                  "Te&xt",
                                  "&View",
                                  "&Printout",
                                  "&Standard Printout",
                                  "&Excerpt Printout",
                                  "&Drawing",
                                  "&Production drawing",
                                  "&Error messages",
                                  "&CAD",
                                  "D&ocument",
                                  "&Drawing data",
                                  "Modifications - &Info",
                                  "Modifications - &Printout",
                                  "Modification - &New",
                                  "&Edit previous modification",
                                  "&Delete previous modification",
                                  "Document &Setup",
                                  "&Help",
                                  "&Auxiliary images",
                                  "Menu",
                                  "&Language",
                                  "&TAVIRON Homepage",
                                  "&E-Mail to TAVIRON",
                                  "&KV9"};

// The other languages name the main commands; the rest of their menus stays English.
constexpr MenuRow MenuRowOf(const char* file, const char* new_, const char* open, const char* save,
                            const char* save_as, const char* print, const char* settings,
                            const char* exit, const char* edit, const char* view,
                            const char* document, const char* help, const char* menu,
                            const char* language) {
  MenuRow r{};
  r[static_cast<std::size_t>(MenuWord::File)] = file;
  r[static_cast<std::size_t>(MenuWord::New)] = new_;
  r[static_cast<std::size_t>(MenuWord::Open)] = open;
  r[static_cast<std::size_t>(MenuWord::Save)] = save;
  r[static_cast<std::size_t>(MenuWord::SaveAs)] = save_as;
  r[static_cast<std::size_t>(MenuWord::Print)] = print;
  r[static_cast<std::size_t>(MenuWord::Settings)] = settings;
  r[static_cast<std::size_t>(MenuWord::Exit)] = exit;
  r[static_cast<std::size_t>(MenuWord::Edit)] = edit;
  r[static_cast<std::size_t>(MenuWord::View)] = view;
  r[static_cast<std::size_t>(MenuWord::Document)] = document;
  r[static_cast<std::size_t>(MenuWord::Help)] = help;
  r[static_cast<std::size_t>(MenuWord::Menu)] = menu;
  r[static_cast<std::size_t>(MenuWord::Language)] = language;
  return r;
}

constexpr MenuRow kMenuFrench = MenuRowOf(
    "&Fichier", "&Nouveau...", "&Ouvrir...", "&Enregistrer", "Enregistrer &sous...", "&Imprimer...",
    "&Paramètres", "&Quitter", "&Edition", "&Affichage", "D&ocument", "&Aide", "Menu", "&Langue");
constexpr MenuRow kMenuItalian = MenuRowOf(
    "&File", "&Nuovo...", "&Apri...", "&Salva", "Salva &con nome...", "&Stampa...", "&Impostazioni",
    "&Esci", "&Modifica", "&Visualizza", "D&ocumento", "&Aiuto", "Menu", "&Lingua");
constexpr MenuRow kMenuSwedish = MenuRowOf(
    "&Arkiv", "&Nytt...", "&Öppna...", "&Spara", "Spara s&om...", "Skriv &ut...", "&Inställningar",
    "A&vsluta", "&Redigera", "&Visa", "D&okument", "&Hjälp", "Meny", "&Språk");
constexpr MenuRow kMenuPortuguese = MenuRowOf(
    "&Arquivo", "&Novo...", "&Abrir...", "&Salvar", "Salvar &como...", "&Imprimir...",
    "&Configurações", "Sai&r", "&Editar", "E&xibir", "D&ocumento", "A&juda", "Menu", "&Idioma");
constexpr MenuRow kMenuRomanian = MenuRowOf(
    "&Fisier", "&Fisier nou...", "&Deschide...", "&Salveaza", "Salveaza &ca...", "&Tipareste...",
    "&Setari", "I&esire", "&Editare", "&Vizualizare", "D&ocument", "&Ajutor", "Meniu", "&Limba");
constexpr MenuRow kMenuSpanish = MenuRowOf(
    "&Archivo", "&Nuevo...", "&Abrir...", "&Guardar", "Guardar &como...", "&Imprimir...",
    "&Configuración", "&Salir", "&Edición", "&Ver", "D&ocumento", "A&yuda", "Menú", "&Idioma");
// Korean writes the accelerator as "(&" + letter + ")" behind the word.
constexpr MenuRow kMenuKorean =
    MenuRowOf("파일(&F)", "새로 만들기(&N)...", "열기(&O)...", "저장(&S)...",
              "다른 이름으로 저장(&A)...", "인쇄(&P)...", "설정(&T)", "끝내기(&X)", "편집(&E)",
              "보기(&V)", "문서(&O)", "도움말(&H)", "메뉴", "언어(&L)");

using CalcRow = std::array<const char*, kCalcSlots>;
constexpr CalcRow kCalcGerman = {"&Festigkeit", "&Qualität",    "&Messen",       "&Nabe",
                                 "&Welle",      "&Verzahnung",  "Zahn&eingriff", "&Bezugsprofil",
                                 "Zahn&form",   "&Abmessungen", "&Tabelle"};
constexpr CalcRow kCalcEnglish = {
    "S&trength",      "&Quality",      "Me&asurement",   "&Hub",        "Sh&aft", "&Toothing",
    "Tooth &contact", "C&utting Tool", "&Tooth Profile", "&Dimensions", "&Table"};
constexpr CalcRow kCalcRomanian = {"&Rezistenta",   "&Calitate",   "&Masurare",  "&Butuc",
                                   "&Arbore",       "&Dantura",    "&Angrenare", "&Scula",
                                   "&Profil dinte", "&Dimensiuni", "&Tabel"};
constexpr CalcRow kCalcKorean = {"강도(&T)",      "품질(&Q)", "측정(&A)",    "허브(&H)",
                                 "축(&A)",        "치형(&T)", "치 접촉(&C)", "절삭 공구(&U)",
                                 "치형 윤곽(&T)", "치수(&D)", "표(&T)"};

using StatusRow = std::array<const char*, kStatusSlots>;
constexpr StatusRow kStatusGerman = {
    "geladen", "gespeichert", "Version", "Neue Werte ab Version", "Berechnung durchgeführt",
    "aktuell"};
constexpr StatusRow kStatusEnglish = {
    "loaded.", "saved.", "Version", "new data with version", "calculation done", "actual"};
constexpr StatusRow kStatusFrench = {
    "charger", "enregistrer", "Version", "new donnée avec version", "Calcul effectué", "actuel"};
constexpr StatusRow kStatusItalian = {"caricato.",          "salvato.",
                                      "Versione",           "nuova data con versione",
                                      "calcolo effettuato", "attuale"};
constexpr StatusRow kStatusSwedish = {
    "inläst.", "sparad.", "Version", "nya data med version", "beräkning slutförd", "aktuell"};
constexpr StatusRow kStatusPortuguese = {
    "carregado", "salvo", "Versao", "novos dados a partir da versao", "calculo realizado", "atual"};
constexpr StatusRow kStatusSpanish = {
    "leer.", "ahorrare.", "Version", "Los Datos Nuevos con la version", "hecho el cálculo",
    "actual"};

const MenuRow* MenuRowFor(int code) {
  switch (code) {
    case 1:
      return &kMenuGerman;
    case 2:
      return &kMenuEnglish;
    case 3:
      return &kMenuFrench;
    case 4:
      return &kMenuItalian;
    case 5:
      return &kMenuSwedish;
    case 6:
      return &kMenuPortuguese;
    case 7:
      return &kMenuRomanian;
    case 8:
      return &kMenuKorean;
    case 9:
      return &kMenuSpanish;
    default:
      return nullptr;
  }
}

const CalcRow* CalcRowFor(int code) {
  switch (code) {
    case 1:
      return &kCalcGerman;
    case 2:
      return &kCalcEnglish;
    case 7:
      return &kCalcRomanian;
    case 8:
      return &kCalcKorean;
    default:
      return nullptr;
  }
}

const StatusRow* StatusRowFor(int code) {
  switch (code) {
    case 1:
      return &kStatusGerman;
    case 2:
      return &kStatusEnglish;
    case 3:
      return &kStatusFrench;
    case 4:
      return &kStatusItalian;
    case 5:
      return &kStatusSwedish;
    case 6:
      return &kStatusPortuguese;
    case 9:
      return &kStatusSpanish;
    default:
      return nullptr;
  }
}

// Fills a table from a row; empty slots take the English word.
template <class Slot, std::size_t N>
void Fill(LanguageTable<Slot>& table, const std::array<const char*, N>& row,
          const std::array<const char*, N>& english, bool utf8) {
  for (std::size_t i = 0; i < N; ++i) {
    const char* text = row[i] ? row[i] : english[i];
    table.texts[i] = utf8 ? std::string(text) : Utf8ToCp850(text);
  }
  table.utf8 = utf8;
}

template <class Slot>
std::string Display(bool plain_text, const LanguageTable<Slot>& table, Slot slot) {
  return table.utf8 ? table[slot] : Cp850ToDisplay(plain_text, table[slot]);
}

}  // namespace

LanguageTables::LanguageTables() {
  Fill(menu, kMenuGerman, kMenuEnglish, false);
  Fill(calc, kCalcGerman, kCalcEnglish, false);
  Fill(status, kStatusGerman, kStatusEnglish, false);
}

void SetLanguage(LanguageTables& lang, int code) {
  lang.code = code;
  bool korean = code == kLanguageKorean;
  if (const MenuRow* row = MenuRowFor(code)) Fill(lang.menu, *row, kMenuEnglish, korean);
  if (const CalcRow* row = CalcRowFor(code)) Fill(lang.calc, *row, kCalcEnglish, korean);
  if (const StatusRow* row = StatusRowFor(code)) Fill(lang.status, *row, kStatusEnglish, false);
}

const std::string& MenuText(const LanguageTables& lang, MenuWord w) {
  return lang.menu[w];
}
const std::string& CalcText(const LanguageTables& lang, CalcWord w) {
  return lang.calc[w];
}
const std::string& StatusText(const LanguageTables& lang, StatusWord w) {
  return lang.status[w];
}

std::string MenuDisplay(const LanguageTables& lang, bool plain_text, MenuWord w) {
  return Display(plain_text, lang.menu, w);
}
std::string CalcDisplay(const LanguageTables& lang, bool plain_text, CalcWord w) {
  return Display(plain_text, lang.calc, w);
}
std::string StatusDisplay(const LanguageTables& lang, bool plain_text, StatusWord w) {
  return Display(plain_text, lang.status, w);
}

}  // namespace kv9
