#include "core/language.h"

#include <gtest/gtest.h>

#include "support/test_session.h"

namespace kv9 {
namespace {

struct Languages : ::testing::Test {
  test::TestSession t;
  Session& s = t.s;
};

TEST_F(Languages, StartWithGermanAndNoCode) {
  EXPECT_EQ(CurrentLanguage(s), 0);
  EXPECT_EQ(MenuText(s, MenuWord::File), "&Datei");
  EXPECT_EQ(MenuText(s, MenuWord::Open), "\x99&ffnen...");  // code page 850 inside
  EXPECT_EQ(MenuDisplay(s, MenuWord::Open), "Ö&ffnen...");
  EXPECT_EQ(MenuDisplay(s, MenuWord::Menu), "Menü");
  EXPECT_EQ(CalcDisplay(s, CalcWord::Quality), "&Qualität");
  EXPECT_EQ(StatusDisplay(s, StatusWord::CalculationDone), "Berechnung durchgeführt");
  EXPECT_EQ(StatusText(s, StatusWord::NewDataWithVersion), "Neue Werte ab Version");
}

TEST_F(Languages, EnglishThenRomanianKeepsTheEnglishMessages) {
  SetLanguage(s, 2);
  EXPECT_EQ(MenuText(s, MenuWord::File), "&File");
  EXPECT_EQ(MenuText(s, MenuWord::SaveAs), "Save &As...");
  EXPECT_EQ(CalcText(s, CalcWord::Shaft), "Sh&aft");
  EXPECT_EQ(StatusText(s, StatusWord::Loaded), "loaded.");
  SetLanguage(s, 7);
  EXPECT_EQ(CurrentLanguage(s), 7);
  EXPECT_EQ(MenuText(s, MenuWord::File), "&Fisier");
  EXPECT_EQ(MenuText(s, MenuWord::New), "&Fisier nou...");
  EXPECT_EQ(MenuText(s, MenuWord::Menu), "Meniu");
  EXPECT_EQ(CalcText(s, CalcWord::Shaft), "&Arbore");
  EXPECT_EQ(StatusText(s, StatusWord::Loaded), "loaded.");
  EXPECT_EQ(StatusText(s, StatusWord::Current), "actual");
}

TEST_F(Languages, ATableThatDoesNotKnowTheCodeKeepsItsTexts) {
  SetLanguage(s, 2);
  SetLanguage(s, 5);  // Swedish: menu and messages, no calculation words
  EXPECT_EQ(MenuText(s, MenuWord::Open), "&\x99ppna...");
  EXPECT_EQ(StatusDisplay(s, StatusWord::Loaded), "inläst.");
  EXPECT_EQ(CalcText(s, CalcWord::Strength), "S&trength");
  SetLanguage(s, 0);
  SetLanguage(s, 10);
  EXPECT_EQ(CurrentLanguage(s), 10);
  EXPECT_EQ(MenuText(s, MenuWord::Open), "&\x99ppna...");
}

TEST_F(Languages, SwitchingAwayAndBackRestoresTheTables) {
  const LanguageTables german = s.lang;
  for (int code : {2, 3, 4, 5, 6, 7, 8, 9}) {
    SetLanguage(s, code);
    SetLanguage(s, 1);
    EXPECT_EQ(s.lang.menu.texts, german.menu.texts) << code;
    EXPECT_EQ(s.lang.calc.texts, german.calc.texts) << code;
    EXPECT_EQ(s.lang.status.texts, german.status.texts) << code;
    EXPECT_FALSE(s.lang.menu.utf8);
  }
}

TEST_F(Languages, KoreanStaysUtf8AndBypassesTheConversion) {
  SetLanguage(s, 2);
  SetLanguage(s, 8);
  EXPECT_TRUE(s.lang.menu.utf8);
  EXPECT_TRUE(s.lang.calc.utf8);
  EXPECT_EQ(MenuText(s, MenuWord::File), "파일(&F)");
  EXPECT_EQ(MenuDisplay(s, MenuWord::File), "파일(&F)");
  EXPECT_EQ(CalcDisplay(s, CalcWord::Hub), "허브(&H)");
  EXPECT_EQ(MenuDisplay(s, MenuWord::Cad), "&CAD");  // slots without a Korean word
  EXPECT_FALSE(s.lang.status.utf8);                  // messages stay English
  EXPECT_EQ(StatusText(s, StatusWord::Saved), "saved.");
  s.cfg.plain_text_mode = 1;  // no transliteration of UTF-8 bytes either
  EXPECT_EQ(MenuDisplay(s, MenuWord::Help), "도움말(&H)");
}

TEST_F(Languages, EveryLanguageFillsEverySlot) {
  for (int code = 1; code <= 9; ++code) {
    SetLanguage(s, code);
    for (const auto& text : s.lang.menu.texts) EXPECT_FALSE(text.empty()) << code;
    for (const auto& text : s.lang.calc.texts) EXPECT_FALSE(text.empty()) << code;
    for (const auto& text : s.lang.status.texts)
      EXPECT_FALSE(text.find('?') != std::string::npos) << code;
  }
  SetLanguage(s, 9);
  EXPECT_EQ(MenuDisplay(s, MenuWord::Menu), "Menú");
  EXPECT_EQ(StatusDisplay(s, StatusWord::CalculationDone), "hecho el cálculo");
}

}  // namespace
}  // namespace kv9
