#include "core/text.h"

#include <gtest/gtest.h>

#include "support/test_session.h"

namespace kv9 {
namespace {

struct Texts : ::testing::Test {
  test::TestSession t;
  Session& s = t.s;
};

TEST_F(Texts, EveryCodePage850CharacterRoundTripsThroughTheDisplay) {
  for (int c = 0; c < 256; ++c) {
    std::string one(1, static_cast<char>(c));
    std::string shown = Cp850ToDisplay(PlainText(s.cfg), one);
    EXPECT_EQ(Utf8Decode(shown).size(), 1u) << c;
    EXPECT_EQ(DisplayToCp850(shown), one) << c;
  }
  EXPECT_EQ(Cp850ToDisplay(PlainText(s.cfg),
                           "Gr\x94\xE1"
                           "e 30\xF8 \xE6m"),
            "Größe 30° µm");
  EXPECT_EQ(DisplayToCp850("Außenteil"),
            "Au\xE1"
            "enteil");
}

TEST_F(Texts, CharactersCodePage850LacksBecomeQuestionMarks) {
  EXPECT_EQ(DisplayToCp850("5 €"), "5 ?");
  EXPECT_EQ(DisplayToCp850("축"), "?");
  EXPECT_EQ(DisplayToCp850("\xC0\x80"), "??");       // an overlong form is no character
  EXPECT_EQ(DisplayToCp850("\xED\xA0\x80"), "???");  // nor is a surrogate
  EXPECT_EQ(DisplayToCp850("a\xC3"), "a?");          // a cut sequence
}

TEST_F(Texts, LongTextsConvertWhole) {
  // A change description of 300 characters must not come back empty.
  std::string long_cp850(300, '\x84');
  std::string shown = Cp850ToDisplay(PlainText(s.cfg), long_cp850);
  EXPECT_EQ(Utf8Length(shown), 300u);
  EXPECT_EQ(DisplayToCp850(shown), long_cp850);
  std::string ascii(100000, 'x');
  EXPECT_EQ(DisplayToCp850(Cp850ToDisplay(PlainText(s.cfg), ascii)), ascii);
  s.cfg.cad_text_mode = 2;
  EXPECT_EQ(CadTextConvert(s.cfg.cad_text_mode, PlainText(s.cfg), std::string(255, '\x81')),
            std::string(255, '\xFC'));
}

TEST(Transliterate, ReplacesUmlautsAndSigns) {
  EXPECT_EQ(Transliterate("\x81\x82\x84\x8E\x94\x99\x9A\xA0\xA3\xA4"), "ueeaeAeoeOeUeaun");
  EXPECT_EQ(Transliterate("\xC4\xCD\xE1\xE6\xF1\xF8\xFD"), "--ssu+/-deg2");
  EXPECT_EQ(Transliterate("\x87|\x86 x"), "\x87|\x86 x");  // ç, "|" and å stay
}

TEST_F(Texts, PlainTextModeTransliteratesThenReplaces) {
  s.cfg.plain_text_mode = 1;
  EXPECT_EQ(Cp850ToDisplay(PlainText(s.cfg), "\x81\xF8"), "uedeg");  // Transliterate came first
  EXPECT_EQ(Cp850ToDisplay(PlainText(s.cfg), "\x86\x8F\xA1\xA2"), "åÅíó");
  EXPECT_EQ(Cp850ToDisplay(PlainText(s.cfg), "\xB3\xBA\xD7"), "|||");
  EXPECT_EQ(Cp850ToDisplay(PlainText(s.cfg), "\xDA\xC8\xBF"), "+++");
  EXPECT_EQ(Cp850ToDisplay(PlainText(s.cfg), "\xFC"), "³");
  EXPECT_EQ(Cp850ToDisplay(PlainText(s.cfg), "a|b"),
            "a|b");  // "|" separates data-file fields: it stays
  EXPECT_EQ(Cp850ToDisplay(PlainText(s.cfg), "\x87"),
            "ç");  // outside the table: the plain conversion
}

TEST_F(Texts, CadTextConvertFollowsTheMode) {
  const std::string text = "\x81 \xF8 \xB3 \x9E";  // ü ° │ ×
  s.cfg.cad_text_mode = 1;
  EXPECT_EQ(CadTextConvert(s.cfg.cad_text_mode, PlainText(s.cfg), text), text);
  s.cfg.cad_text_mode = 2;
  EXPECT_EQ(CadTextConvert(s.cfg.cad_text_mode, PlainText(s.cfg), text),
            "\xFC \xB0 ? \xD7");  // Windows-1252 bytes
  EXPECT_EQ(CadTextConvert(s.cfg.cad_text_mode, PlainText(s.cfg), "\xC4"),
            "-");  // a dash Windows-1252 lacks, transliterated
  s.cfg.cad_text_mode = 3;
  EXPECT_EQ(CadTextConvert(s.cfg.cad_text_mode, PlainText(s.cfg), text), "ue deg \xB3 \x9E");
  s.cfg.cad_text_mode = 7;
  EXPECT_EQ(CadTextConvert(s.cfg.cad_text_mode, PlainText(s.cfg), text), text);
  EXPECT_EQ(Cp850ToWin1252("\x81\xC4\xB3"), "\xFC-?");
}

TEST_F(Texts, TableDecimalFollowsTheStyle) {
  s.cfg.table_decimal_style = 1;
  EXPECT_EQ(TableDecimal(s.cfg.table_decimal_style, "1,5;2,5"), "1.5;2.5");
  s.cfg.table_decimal_style = 2;
  EXPECT_EQ(TableDecimal(s.cfg.table_decimal_style, "1.5;2.5"), "1,5;2,5");
}

TEST(StringHelpers, CaseBlanksAndShortening) {
  EXPECT_EQ(UpperAscii("ab\x84z"), "AB\x84Z");
  EXPECT_EQ(LowerAscii("AB\x8EZ"), "ab\x8Ez");
  EXPECT_EQ(Trim("  a b  "), "a b");
  EXPECT_EQ(Trim("   "), "");
  EXPECT_EQ(RemoveBlanks(" a b c "), "abc");
  EXPECT_EQ(ReplaceChar("a.b.c", '.', ','), "a,b,c");
  EXPECT_EQ(ShortenMiddle("abcdefghijklmnopqrstuvwxyz", 16), "abcde ... uvwxyz");
  EXPECT_EQ(ShortenMiddle("short", 16), "short");
  EXPECT_EQ(ShortenMiddle("abcdefghij", 2), " ... j");
}

}  // namespace
}  // namespace kv9
