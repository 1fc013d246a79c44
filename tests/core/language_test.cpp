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
  EXPECT_EQ(s.lang.code, 0);
  EXPECT_EQ(MenuText(s.lang, MenuWord::File), "&Datei");
  EXPECT_EQ(MenuText(s.lang, MenuWord::Open), "\x99&ffnen...");  // code page 850 inside
  EXPECT_EQ(MenuDisplay(s.lang, PlainText(s.cfg), MenuWord::Open), "Ö&ffnen...");
  EXPECT_EQ(MenuDisplay(s.lang, PlainText(s.cfg), MenuWord::Menu), "Menü");
  EXPECT_EQ(CalcDisplay(s.lang, PlainText(s.cfg), CalcWord::Quality), "&Qualität");
  EXPECT_EQ(StatusDisplay(s.lang, PlainText(s.cfg), StatusWord::CalculationDone),
            "Berechnung durchgeführt");
  EXPECT_EQ(StatusText(s.lang, StatusWord::NewDataWithVersion), "Neue Werte ab Version");
}

TEST_F(Languages, EnglishThenRomanianKeepsTheEnglishMessages) {
  SetLanguage(s.lang, 2);
  EXPECT_EQ(MenuText(s.lang, MenuWord::File), "&File");
  EXPECT_EQ(MenuText(s.lang, MenuWord::SaveAs), "Save &As...");
  EXPECT_EQ(CalcText(s.lang, CalcWord::Shaft), "Sh&aft");
  EXPECT_EQ(StatusText(s.lang, StatusWord::Loaded), "loaded.");
  SetLanguage(s.lang, 7);
  EXPECT_EQ(s.lang.code, 7);
  EXPECT_EQ(MenuText(s.lang, MenuWord::File), "&Fisier");
  EXPECT_EQ(MenuText(s.lang, MenuWord::New), "&Fisier nou...");
  EXPECT_EQ(MenuText(s.lang, MenuWord::Menu), "Meniu");
  EXPECT_EQ(CalcText(s.lang, CalcWord::Shaft), "&Arbore");
  EXPECT_EQ(StatusText(s.lang, StatusWord::Loaded), "loaded.");
  EXPECT_EQ(StatusText(s.lang, StatusWord::Current), "actual");
}

TEST_F(Languages, ATableThatDoesNotKnowTheCodeKeepsItsTexts) {
  SetLanguage(s.lang, 2);
  SetLanguage(s.lang, 5);  // Swedish: menu and messages, no calculation words
  EXPECT_EQ(MenuText(s.lang, MenuWord::Open), "&\x99ppna...");
  EXPECT_EQ(StatusDisplay(s.lang, PlainText(s.cfg), StatusWord::Loaded), "inläst.");
  EXPECT_EQ(CalcText(s.lang, CalcWord::Strength), "S&trength");
  SetLanguage(s.lang, 0);
  SetLanguage(s.lang, 10);
  EXPECT_EQ(s.lang.code, 10);
  EXPECT_EQ(MenuText(s.lang, MenuWord::Open), "&\x99ppna...");
}

TEST_F(Languages, SwitchingAwayAndBackRestoresTheTables) {
  const LanguageTables german = s.lang;
  for (int code : {2, 3, 4, 5, 6, 7, 8, 9}) {
    SetLanguage(s.lang, code);
    SetLanguage(s.lang, 1);
    EXPECT_EQ(s.lang.menu.texts, german.menu.texts) << code;
    EXPECT_EQ(s.lang.calc.texts, german.calc.texts) << code;
    EXPECT_EQ(s.lang.status.texts, german.status.texts) << code;
    EXPECT_FALSE(s.lang.menu.utf8);
  }
}

TEST_F(Languages, KoreanStaysUtf8AndBypassesTheConversion) {
  SetLanguage(s.lang, 2);
  SetLanguage(s.lang, 8);
  EXPECT_TRUE(s.lang.menu.utf8);
  EXPECT_TRUE(s.lang.calc.utf8);
  EXPECT_EQ(MenuText(s.lang, MenuWord::File), "파일(&F)");
  EXPECT_EQ(MenuDisplay(s.lang, PlainText(s.cfg), MenuWord::File), "파일(&F)");
  EXPECT_EQ(CalcDisplay(s.lang, PlainText(s.cfg), CalcWord::Hub), "허브(&H)");
  EXPECT_EQ(MenuDisplay(s.lang, PlainText(s.cfg), MenuWord::Cad),
            "&CAD");                                 // slots without a Korean word
  EXPECT_FALSE(s.lang.status.utf8);                  // messages stay English
  EXPECT_EQ(StatusText(s.lang, StatusWord::Saved), "saved.");
  s.cfg.plain_text_mode = 1;  // no transliteration of UTF-8 bytes either
  EXPECT_EQ(MenuDisplay(s.lang, PlainText(s.cfg), MenuWord::Help), "도움말(&H)");
}

TEST_F(Languages, EveryLanguageFillsEverySlot) {
  for (int code = 1; code <= 9; ++code) {
    SetLanguage(s.lang, code);
    for (const auto& text : s.lang.menu.texts) EXPECT_FALSE(text.empty()) << code;
    for (const auto& text : s.lang.calc.texts) EXPECT_FALSE(text.empty()) << code;
    for (const auto& text : s.lang.status.texts)
      EXPECT_FALSE(text.find('?') != std::string::npos) << code;
  }
  SetLanguage(s.lang, 9);
  EXPECT_EQ(MenuDisplay(s.lang, PlainText(s.cfg), MenuWord::Menu), "Menú");
  EXPECT_EQ(StatusDisplay(s.lang, PlainText(s.cfg), StatusWord::CalculationDone),
            "hecho el cálculo");
}

}  // namespace
}  // namespace kv9
