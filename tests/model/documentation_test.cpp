#include "model/documentation.h"

#include <gtest/gtest.h>

#include "model/data_file.h"
#include "model/documentation_file.h"
#include "support/test_session.h"

namespace kv9 {
namespace {

using test::TestSession;

Documentation ReadBack(const Documentation& docs, const NumberStyle& st = {}) {
  LineWriter out(st);
  WriteDocumentationSections(docs, out);
  LineReader in(out.content());
  Documentation back;
  ReadDocumentationSections(back, in);
  EXPECT_FALSE(in.failed());
  EXPECT_TRUE(in.atEnd());
  return back;
}

TEST(Documentation, ResetKeepsTheDocumentsAndDatesTheDrawing) {
  TestSession t;
  Documentation& d = t.s.docs;
  d.changes.push_back({"a", "b", "c", "d"});
  d.replaces = "X";
  d.replaced_by = "Y";
  d.grid[kRowChecked] = {"01.01.2024", "Pruefer"};
  d.texts.push_back({1, 2, 3, 4, "t"});
  d.documents[2] = {"viewer", "plan.pdf"};
  ResetDocumentation(t.s.docs, t.s.clock, t.s.cfg.date_code);
  EXPECT_TRUE(d.changes.empty());
  EXPECT_TRUE(d.texts.empty());
  EXPECT_EQ(d.replaces, "");
  EXPECT_EQ(d.replaced_by, "");
  EXPECT_EQ(d.grid[kRowDrawn].date, "05.03.2024");
  EXPECT_EQ(d.grid[kRowDrawn].name, "");
  EXPECT_EQ(d.grid[kRowChecked].date, "");
  EXPECT_EQ(d.documents[2].file, "plan.pdf");
}

TEST(Documentation, DescriptionLineBreaksAndBars) {
  EXPECT_EQ(DescriptionToLine("a\r\nb\nc\rd"), "a|b|c|d");
  EXPECT_EQ(LineToDescription("a|b||"), "a\nb\n\n");
  EXPECT_EQ(DescriptionToLine(""), "");
}

TEST(DocumentationSections, FieldsComeBackAndTheTextsKeepBars) {
  Documentation d;
  d.changes = {{"Index a", "05.03.2024", "MUE", "zwei\nZeilen"}};
  d.replaces = "ALT";
  d.replaced_by = "NEU";
  d.grid = {TitleBlockRow{"1", "Bearb"}, TitleBlockRow{"2", "Gepr"}, TitleBlockRow{"3", "Norm"},
            TitleBlockRow{"4", "Frei"}};
  d.texts = {DrawingText{12.5L, -3, 2.5L, 90, "Text | mit Strich"}};
  d.documents[0] = {"prog", "datei"};
  d.documents[1] = {"okular", "plan.pdf"};
  Documentation b = ReadBack(d);
  ASSERT_EQ(b.changes.size(), 1u);
  EXPECT_EQ(b.changes[0].description, "zwei\nZeilen");
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(b.grid[i].date, d.grid[i].date);
    EXPECT_EQ(b.grid[i].name, d.grid[i].name);
  }
  EXPECT_EQ(b.replaces, "ALT");
  EXPECT_EQ(b.replaced_by, "NEU");
  ASSERT_EQ(b.texts.size(), 1u);
  EXPECT_EQ(b.texts[0].text, "Text | mit Strich");
  EXPECT_EQ(b.texts[0].x, 12.5L);
  EXPECT_EQ(b.texts[0].y, -3);
  EXPECT_EQ(b.texts[0].phi, 90);
  EXPECT_EQ(b.documents[0].program, "prog");
  EXPECT_EQ(b.documents[1].program, "okular");
  EXPECT_EQ(b.documents[1].file, "plan.pdf");

  // A "|" in a grid name would shift the fields: it is written as "/".
  d.grid[kRowStandard].name = "A|B";
  EXPECT_EQ(ReadBack(d).grid[kRowStandard].name, "A/B");
  EXPECT_EQ(ReadBack(d).grid[kRowFourth].name, "Frei");
  // Decimal comma in the text positions.
  EXPECT_EQ(ReadBack(d, NumberStyle{3, 2}).texts[0].x, 12.5L);
}

TEST(DocumentationSections, TruncatedSectionsLeaveTheRestUnchanged) {
  Documentation d;
  d.changes = {{"x", "y", "z", "w"}};
  LineWriter out(NumberStyle{});
  WriteDocumentationSections(d, out);
  std::string cut = out.content().substr(0, out.content().find("w\r\n"));
  LineReader in(cut);
  Documentation back;
  back.replaces = "bleibt";
  ReadDocumentationSections(back, in);
  EXPECT_TRUE(in.failed());
  EXPECT_TRUE(back.changes.empty());
  EXPECT_EQ(back.replaces, "bleibt");
}

}  // namespace
}  // namespace kv9
