#include "model/data_file.h"
#include "app/data_file_names.h"

#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <random>

#include "app/data_file_commands.h"
#include "core/file_util.h"
#include "core/message_list.h"
#include "support/report_support.h"
#include "support/test_session.h"

namespace kv9 {
namespace {

using test::Lines;
using test::ReadBytes;
using test::TempDir;
using test::TestSession;
using test::WriteBytes;

// Gives every stored field a value other than its start value.
void FillStoredFields(Session& s) {
  SplineDataSet& d = s.ds;
  d.info1 = "Erste Zeile";
  d.info2 = "Zweite Zeile \x81";
  d.info3 = "Dritte";
  d.drawing_name_shaft = "Welle W1";
  d.drawing_number_shaft = "123-456";
  d.drawing_name2_shaft = "zweite Zeile Welle";
  d.drawing_name_hub = "Nabe N1";
  d.drawing_number_hub = "789";
  d.drawing_name2_hub = "zweite Zeile Nabe";
  d.phi_d = 37.5L;
  d.mn = 2.54L;
  d.b = 22.5L;
  d.b1 = 30;
  d.b2 = 25.25L;
  d.N = 27;
  d.carried = {
      {9, 8, 7, 6}, 4,  {3, 2}, {601, 5001, 0.5L, -0.25L, 0.2L}, {1.5L, 2.5L}, {3.5L, 4.5L}, 11,
      12.75L,       13, 14};
  d.material[0] = {"42CrMo4", 1, 1100, 1.25L};
  d.material[1] = {"C45", 1, 650, 0.75L};
  d.reference_diameter = 74.3L;
  d.dm1 = 4.064L;
  d.k1 = 5;
  d.dm2 = 3.658L;
  d.k2 = -4;
  d.hap0_mn = {1.2L, 1.3L};
  d.pitch_index = 7;
  d.alpha_index = 2;
  d.fit_index = 3;
  d.tolerance_class = 3;
  d.coi = 0.025L;
  d.coe = 0.02L;
  d.fit_class = 2;
  d.quality_standard = 2;
  d.sac = 137.9L;
  d.sas = 344.74L;
  d.lw = 0.7L;
  d.lf = 0.4L;
  d.ko = 1.3L;
  d.km = 1.5L;
  d.mat_index = 4;
  d.spline_index = 2;
  d.revolution_index = 7;
  d.powersource_index = 3;
  d.load_index = 4;
  d.misalign_index = 3;
  d.facewidth_index = 4;
  d.torques_index = 5;
  d.cycletype_index = 1;
  d.torque = 450;
  d.od = 95;
  d.din = 12.5L;
  Documentation& doc = s.docs;
  doc.changes = {{"Erstausgabe", "05.03.2024", "MUE", "neu"},
                 {"Index b", "06.03.2024", "SCH", "erste Zeile\nzweite Zeile\ndritte"}};
  doc.grid = {TitleBlockRow{"05.03.2024", "Mueller"}, TitleBlockRow{"06.03.2024", "Schmidt"},
              TitleBlockRow{"07.03.2024", "Norm"}, TitleBlockRow{"08.03.2024", "Vierte"}};
  doc.replaces = "ALT-1";
  doc.replaced_by = "NEU-2";
  doc.texts = {DrawingText{10, 20, 3.5L, 0, "Text eins"}, DrawingText{-5, 7.5L, 2, 90, "a|b"}};
  doc.documents[0] = {"/usr/bin/xdg-open", "lastenheft.pdf"};
  doc.documents[4] = {"viewer", "/data/zeichnung.pdf"};
}

void ExpectSameStoredFields(const Session& a, const Session& b) {
  const SplineDataSet& x = a.ds;
  const SplineDataSet& y = b.ds;
  EXPECT_EQ(x.info1, y.info1);
  EXPECT_EQ(x.info2, y.info2);
  EXPECT_EQ(x.info3, y.info3);
  EXPECT_EQ(x.drawing_name_shaft, y.drawing_name_shaft);
  EXPECT_EQ(x.drawing_number_shaft, y.drawing_number_shaft);
  EXPECT_EQ(x.drawing_name2_shaft, y.drawing_name2_shaft);
  EXPECT_EQ(x.drawing_name_hub, y.drawing_name_hub);
  EXPECT_EQ(x.drawing_number_hub, y.drawing_number_hub);
  EXPECT_EQ(x.drawing_name2_hub, y.drawing_name2_hub);
  for (auto [p, q] : {std::pair{x.b, y.b},
                      {x.b1, y.b1},
                      {x.b2, y.b2},
                      {x.dm1, y.dm1},
                      {x.dm2, y.dm2},
                      {x.coi, y.coi},
                      {x.coe, y.coe},
                      {x.sac, y.sac},
                      {x.sas, y.sas},
                      {x.lw, y.lw},
                      {x.lf, y.lf},
                      {x.ko, y.ko},
                      {x.km, y.km},
                      {x.torque, y.torque},
                      {x.od, y.od},
                      {x.din, y.din}})
    EXPECT_EQ(p, q);
  EXPECT_EQ(x.N, y.N);
  EXPECT_EQ(x.k1, y.k1);
  EXPECT_EQ(x.k2, y.k2);
  for (auto [p, q] : {std::pair{x.pitch_index, y.pitch_index},
                      {x.alpha_index, y.alpha_index},
                      {x.fit_index, y.fit_index},
                      {x.tolerance_class, y.tolerance_class},
                      {x.fit_class, y.fit_class},
                      {x.quality_standard, y.quality_standard},
                      {x.mat_index, y.mat_index},
                      {x.spline_index, y.spline_index},
                      {x.revolution_index, y.revolution_index},
                      {x.powersource_index, y.powersource_index},
                      {x.load_index, y.load_index},
                      {x.misalign_index, y.misalign_index},
                      {x.facewidth_index, y.facewidth_index},
                      {x.torques_index, y.torques_index},
                      {x.cycletype_index, y.cycletype_index}})
    EXPECT_EQ(p, q);
  for (int m = 0; m < 2; ++m) {
    EXPECT_EQ(x.material[m].designation, y.material[m].designation);
    EXPECT_EQ(x.material[m].strength, y.material[m].strength);
    EXPECT_EQ(x.material[m].carried, y.material[m].carried);
  }
  const CarriedValues& c = x.carried;
  const CarriedValues& e = y.carried;
  for (int i = 0; i < 4; ++i) EXPECT_EQ(c.ints4[i], e.ints4[i]);
  for (int i = 0; i < 5; ++i) EXPECT_EQ(c.reals5[i], e.reals5[i]);
  for (int i = 0; i < 2; ++i) {
    EXPECT_EQ(c.ints2[i], e.ints2[i]);
    EXPECT_EQ(c.reals2a[i], e.reals2a[i]);
    EXPECT_EQ(c.reals2b[i], e.reals2b[i]);
  }
  EXPECT_EQ(c.int5, e.int5);
  EXPECT_EQ(c.int_a, e.int_a);
  EXPECT_EQ(c.real_a, e.real_a);
  EXPECT_EQ(c.int_b, e.int_b);
  EXPECT_EQ(c.last, e.last);

  const Documentation& d = a.docs;
  const Documentation& f = b.docs;
  ASSERT_EQ(d.changes.size(), f.changes.size());
  for (std::size_t i = 0; i < d.changes.size(); ++i) {
    EXPECT_EQ(d.changes[i].change_text, f.changes[i].change_text);
    EXPECT_EQ(d.changes[i].date, f.changes[i].date);
    EXPECT_EQ(d.changes[i].editor, f.changes[i].editor);
    EXPECT_EQ(d.changes[i].description, f.changes[i].description);
  }
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(d.grid[i].date, f.grid[i].date);
    EXPECT_EQ(d.grid[i].name, f.grid[i].name);
  }
  EXPECT_EQ(d.replaces, f.replaces);
  EXPECT_EQ(d.replaced_by, f.replaced_by);
  ASSERT_EQ(d.texts.size(), f.texts.size());
  for (std::size_t i = 0; i < d.texts.size(); ++i) {
    EXPECT_EQ(d.texts[i].x, f.texts[i].x);
    EXPECT_EQ(d.texts[i].y, f.texts[i].y);
    EXPECT_EQ(d.texts[i].h, f.texts[i].h);
    EXPECT_EQ(d.texts[i].phi, f.texts[i].phi);
    EXPECT_EQ(d.texts[i].text, f.texts[i].text);
  }
  for (int i = 0; i < kDocumentCount; ++i) {
    EXPECT_EQ(d.documents[i].program, f.documents[i].program);
    EXPECT_EQ(d.documents[i].file, f.documents[i].file);
  }
}

// The values the calculation derives but the file also stores.
void ExpectSameDerivedFields(const Session& a, const Session& b) {
  EXPECT_EQ(a.ds.phi_d, b.ds.phi_d);
  EXPECT_EQ(a.ds.mn, b.ds.mn);
  EXPECT_EQ(a.ds.reference_diameter, b.ds.reference_diameter);
  EXPECT_EQ(a.ds.hap0_mn, b.ds.hap0_mn);
}

TEST(DataRealWriter, ShortFormOnlyForWholeNumbersBelowOne) {
  NumberStyle st;
  EXPECT_EQ(FormatDataReal(st, 30), "30.0000000");
  EXPECT_EQ(FormatDataReal(st, 0.45L), "0.4500000");
  EXPECT_EQ(FormatDataReal(st, 0), "0");
  EXPECT_EQ(FormatDataReal(st, -2), "-2");
  EXPECT_EQ(FormatDataReal(st, 1), "1.0000000");
  EXPECT_EQ(FormatDataReal(st, -0.5L), "-0.5000000");
  EXPECT_EQ(FormatDataReal(st, 3e-11L), "0");
  EXPECT_EQ(FormatDataReal(st, 3e-8L), "0");  // what the 7 decimals make of it
  EXPECT_EQ(FormatDataReal(st, -1.99999999L), "-2");
  EXPECT_EQ(FormatDataReal(st, 1.0L / 0.0L), "0");
  EXPECT_EQ(FormatDataReal(NumberStyle{5, 1}, 30), "30.000000000");
  EXPECT_EQ(FormatDataReal(NumberStyle{3, 2}, 0.45L), "0,4500000");
}

TEST(LineReader, ReadsCrLfAndLfAndFailsPastTheEnd) {
  LineReader in("12\r\n3,5\nabc\n99999999999\nlast");
  int i = -1;
  Real r = -1;
  std::string t;
  EXPECT_TRUE(in.integer(i));
  EXPECT_EQ(i, 12);
  EXPECT_TRUE(in.real(r));
  EXPECT_EQ(r, 3.5L);
  EXPECT_TRUE(in.real(r));
  EXPECT_EQ(r, 0);  // not a number
  EXPECT_TRUE(in.integer(i));
  EXPECT_EQ(i, 0);  // beyond 32 bits
  EXPECT_TRUE(in.text(t, 2));
  EXPECT_EQ(t, "la");
  EXPECT_FALSE(in.failed());
  i = 7;
  EXPECT_FALSE(in.integer(i));
  EXPECT_EQ(i, 7);
  EXPECT_TRUE(in.failed());
}

TEST(LineReader, NonFiniteNumbersReadAsZero) {
  LineReader in("inf\nnan\n1e99999\n-1,5e2\n");
  Real r = 1;
  for (Real expected : {0.0L, 0.0L, 0.0L, -150.0L}) {
    ASSERT_TRUE(in.real(r));
    EXPECT_EQ(r, expected);
  }
}

TEST(DataFileLayout, StartValuesGiveTheFixedLinesInOrder) {
  TestSession t;
  std::string content = DataFileContent(t.s.ds, t.s.docs, t.s.cfg, t.s.clock);
  EXPECT_EQ(test::Count(content, "\r\n"), 105);
  EXPECT_EQ(content.find('\n'), content.find("\r\n") + 1);
  auto lines = Lines(content);
  ASSERT_EQ(lines.size(), 105u);
  EXPECT_EQ(lines[0], std::string(65, '-'));
  EXPECT_EQ(lines[1], "KV9 - SAE Zahnwellenverbindung");
  EXPECT_EQ(lines[2], "Version 2.61");
  EXPECT_EQ(lines[4], std::string(65, '-'));
  EXPECT_EQ(lines[7], "");  // empty info3 still gives line 8
  EXPECT_EQ(lines[8], "Zahnwelle");
  EXPECT_EQ(lines[9], "000000");
  EXPECT_EQ(lines[12], "30.0000000");  // phi D
  EXPECT_EQ(lines[14], "0");           // b
  EXPECT_EQ(lines[17], "38");          // N
  EXPECT_EQ(lines[23], "30CrMoV9");
  EXPECT_EQ(lines[28], "6.0000000");  // dm1
  EXPECT_EQ(lines[38], "0.1000000");
  EXPECT_EQ(lines[43], " 1050");
  EXPECT_EQ(lines[44], "  230");
  EXPECT_EQ(lines[49], "1.2500000");
  EXPECT_EQ(lines[50],
            "\x8E"
            "NDERUNGEN");
  EXPECT_EQ(lines[51], "0");
  EXPECT_EQ(lines[52], std::string(20, '-'));
  EXPECT_EQ(lines[53], "||||||0||");  // six empty grid fields, the count, an empty field
  EXPECT_EQ(lines[58], "Dokumente");
  EXPECT_EQ(lines[59], "5");
  EXPECT_EQ(lines[104], "0");
}

TEST(DataFileLayout, DescriptionLineBreaksBecomeBars) {
  TestSession t;
  t.s.docs.changes = {{"A", "01.01.2024", "X", "eins\r\nzwei\ndrei"}};
  auto lines = Lines(DataFileContent(t.s.ds, t.s.docs, t.s.cfg, t.s.clock));
  EXPECT_EQ(lines[56], "eins|zwei|drei");
  TestSession back;
  ASSERT_EQ(ReadDataFileContent(back.s.ds, back.s.docs, back.s.abort_flag,
                                DataFileContent(t.s.ds, t.s.docs, t.s.cfg, t.s.clock)),
            DataReadResult::Complete);
  EXPECT_EQ(back.s.docs.changes.at(0).description, "eins\nzwei\ndrei");
}

TEST(DataFileRoundTrip, EveryStoredFieldComesBack) {
  TestSession a;
  FillStoredFields(a.s);
  a.s.ds.phi_d = 45;
  a.s.ds.hap0_mn = {1.1L, 1.35L};
  TestSession b;
  ASSERT_EQ(ReadDataFileContent(b.s.ds, b.s.docs, b.s.abort_flag,
                                DataFileContent(a.s.ds, a.s.docs, a.s.cfg, a.s.clock)),
            DataReadResult::Complete);
  EXPECT_FALSE(b.s.abort_flag);
  ExpectSameStoredFields(a.s, b.s);
  ExpectSameDerivedFields(a.s, b.s);
}

TEST(DataFileRoundTrip, DecimalCommaIsWrittenAndReadBack) {
  TestSession a;
  a.s.cfg.decimal_separator = 2;
  FillStoredFields(a.s);
  std::string content = DataFileContent(a.s.ds, a.s.docs, a.s.cfg, a.s.clock);
  auto lines = Lines(content);
  EXPECT_EQ(lines[14], "22,5000000");
  EXPECT_EQ(content.find("22.5"), std::string::npos);
  TestSession b;  // reads with the point setting
  ASSERT_EQ(ReadDataFileContent(b.s.ds, b.s.docs, b.s.abort_flag, content),
            DataReadResult::Complete);
  ExpectSameStoredFields(a.s, b.s);
}

TEST(DataFileRoundTrip, LfOnlyFilesAreRead) {
  TestSession a;
  FillStoredFields(a.s);
  std::string content = DataFileContent(a.s.ds, a.s.docs, a.s.cfg, a.s.clock);
  std::string lf;
  for (char c : content)
    if (c != '\r') lf += c;
  TestSession b;
  ASSERT_EQ(ReadDataFileContent(b.s.ds, b.s.docs, b.s.abort_flag, lf), DataReadResult::Complete);
  ExpectSameStoredFields(a.s, b.s);
}

TEST(DataFileReader, IndexesOutsideTheirTablesTakeTheStartValue) {
  TestSession a;
  a.s.ds.pitch_index = 0;  // keep P: stays 0
  a.s.ds.alpha_index = 9;
  a.s.ds.fit_index = 0;
  a.s.ds.quality_standard = 3;
  a.s.ds.mat_index = 5;
  a.s.ds.revolution_index = -1;
  a.s.ds.cycletype_index = 2;
  TestSession b;
  ReadDataFileContent(b.s.ds, b.s.docs, b.s.abort_flag,
                      DataFileContent(a.s.ds, a.s.docs, a.s.cfg, a.s.clock));
  EXPECT_EQ(b.s.ds.pitch_index, 0);
  EXPECT_EQ(b.s.ds.alpha_index, 1);
  EXPECT_EQ(b.s.ds.fit_index, 1);
  EXPECT_EQ(b.s.ds.quality_standard, 1);
  EXPECT_EQ(b.s.ds.mat_index, 0);
  EXPECT_EQ(b.s.ds.revolution_index, 0);
  EXPECT_EQ(b.s.ds.cycletype_index, 2);
}

TEST(DataFileReader, CountsAboveTheLimitsAreReadThroughAndCut) {
  TestSession a;
  for (int i = 0; i < 30; ++i) a.s.docs.changes.push_back({"C" + std::to_string(i), "", "", "d"});
  for (int i = 0; i < 10; ++i) a.s.docs.texts.push_back({Real(i), 0, 1, 0, "T"});
  a.s.ds.torque = 123;
  a.s.ds.din = 7;
  TestSession b;
  ASSERT_EQ(ReadDataFileContent(b.s.ds, b.s.docs, b.s.abort_flag,
                                DataFileContent(a.s.ds, a.s.docs, a.s.cfg, a.s.clock)),
            DataReadResult::Complete);
  ASSERT_EQ(b.s.docs.changes.size(), 25u);
  EXPECT_EQ(b.s.docs.changes.back().change_text, "C24");
  ASSERT_EQ(b.s.docs.texts.size(), 8u);
  EXPECT_EQ(b.s.docs.texts.back().x, 7);
  EXPECT_EQ(b.s.ds.torque, 123);  // still in step after the skipped records
  EXPECT_EQ(b.s.ds.din, 7);
}

TEST(DataFileReader, LongTextsAreCutToTheirFields) {
  TestSession a;
  a.s.ds.drawing_number_shaft = std::string(30, '7');
  a.s.docs.documents[1].program = std::string(60, 'p');
  a.s.docs.changes = {{std::string(25, 'c'), "01.01.2024xx", "ABCDEFG", "x"}};
  TestSession b;
  ReadDataFileContent(b.s.ds, b.s.docs, b.s.abort_flag,
                      DataFileContent(a.s.ds, a.s.docs, a.s.cfg, a.s.clock));
  EXPECT_EQ(b.s.ds.drawing_number_shaft, std::string(18, '7'));
  EXPECT_EQ(b.s.docs.documents[1].program, std::string(50, 'p'));
  EXPECT_EQ(b.s.docs.changes.at(0).change_text, std::string(20, 'c'));
  EXPECT_EQ(b.s.docs.changes.at(0).date, "01.01.2024");
  EXPECT_EQ(b.s.docs.changes.at(0).editor, "ABCDE");
}

TEST(DataFileReader, OlderLayoutKeepsTheMissingTrailingFields) {
  TestSession a;
  FillStoredFields(a.s);
  auto lines = Lines(DataFileContent(a.s.ds, a.s.docs, a.s.cfg, a.s.clock));
  // The trailing block holds the last 29 lines; an older file has only its first four.
  std::string older;
  const std::size_t keep = lines.size() - 29 + 4;
  for (std::size_t i = 0; i < keep; ++i) older += lines[i] + "\r\n";
  TestSession b;
  b.s.ds.torque = 77;
  EXPECT_EQ(ReadDataFileContent(b.s.ds, b.s.docs, b.s.abort_flag, older),
            DataReadResult::OlderLayout);
  EXPECT_FALSE(b.s.abort_flag);
  EXPECT_EQ(b.s.ds.drawing_name2_hub, a.s.ds.drawing_name2_hub);
  EXPECT_EQ(b.s.ds.alpha_index, a.s.ds.alpha_index);
  EXPECT_EQ(b.s.ds.torque, 77);  // not in the older file
  EXPECT_EQ(b.s.docs.documents[4].file, "/data/zeichnung.pdf");
}

TEST(DataFileReader, FileEndingBeforeTheTrailingBlockFails) {
  TestSession a;
  FillStoredFields(a.s);
  auto lines = Lines(DataFileContent(a.s.ds, a.s.docs, a.s.cfg, a.s.clock));
  std::string cut;
  for (int i = 0; i < 20; ++i) cut += lines[i] + "\r\n";
  TestSession b;
  EXPECT_EQ(ReadDataFileContent(b.s.ds, b.s.docs, b.s.abort_flag, cut), DataReadResult::Failed);
  EXPECT_TRUE(b.s.abort_flag);
  EXPECT_EQ(b.s.ds.info1, "Erste Zeile");  // read as far as it goes
  EXPECT_EQ(b.s.ds.N, 27);
  EXPECT_EQ(b.s.ds.dm1, 6.0L);  // beyond the end: unchanged
}

TEST(DataFileReader, GarbageNeverCrashes) {
  std::mt19937 rng(7);
  for (int round = 0; round < 200; ++round) {
    std::string junk(rng() % 3000, '\0');
    for (char& c : junk) c = static_cast<char>(rng() % 7 == 0 ? '\n' : rng() % 256);
    TestSession b;
    DataReadResult r = ReadDataFileContent(b.s.ds, b.s.docs, b.s.abort_flag, junk);
    EXPECT_EQ(r == DataReadResult::Failed, b.s.abort_flag);
  }
  TestSession empty;
  EXPECT_EQ(ReadDataFileContent(empty.s.ds, empty.s.docs, empty.s.abort_flag, ""),
            DataReadResult::Failed);
}

class DataFileOnDisk : public ::testing::Test {
 protected:
  void SetUp() override { t.s.data_dir = dir.path() + "/"; }
  TempDir dir;
  TestSession t;
};

TEST_F(DataFileOnDisk, SaveAndLoadByNameWithoutExtension) {
  FillStoredFields(t.s);
  t.s.modified = true;
  ASSERT_TRUE(SaveDataFile(t.s, "probe"));
  EXPECT_FALSE(t.s.modified);
  EXPECT_EQ(ReadBytes(dir.file("probe.kv9")),
            DataFileContent(t.s.ds, t.s.docs, t.s.cfg, t.s.clock));

  TestSession b;
  b.s.data_dir = dir.path() + "/";
  MessageAdd(b.s.messages, "Warnung: alt");  // the calculation after the read starts a new list
  b.s.modified = true;
  ASSERT_TRUE(LoadDataFile(b.s, "probe"));
  EXPECT_EQ(b.s.current_file, "probe");
  EXPECT_FALSE(b.s.modified);
  EXPECT_FALSE(b.s.abort_flag);
  for (const auto& m : b.s.messages.entries) EXPECT_NE(m, "Warnung: alt");
  ExpectSameStoredFields(t.s, b.s);
}

TEST_F(DataFileOnDisk, OlderFileLoadsWithTheVersionNote) {
  auto lines = Lines(DataFileContent(t.s.ds, t.s.docs, t.s.cfg, t.s.clock));
  std::string older;
  for (std::size_t i = 0; i < lines.size() - 29; ++i) older += lines[i] + "\r\n";
  WriteBytes(dir.file("old.kv9"), older);
  EXPECT_TRUE(LoadDataFile(t.s, dir.file("old.kv9")));
  EXPECT_FALSE(t.s.abort_flag);
  EXPECT_TRUE(t.ui.saw("note", "Neue Werte ab Version 2.61"));
}

TEST_F(DataFileOnDisk, MissingFileSetsAbortAndClearsTheCurrentName) {
  t.s.current_file = "vorher";
  EXPECT_FALSE(LoadDataFile(t.s, "fehlt"));
  EXPECT_TRUE(t.s.abort_flag);
  EXPECT_EQ(t.s.current_file, "");
  ASSERT_EQ(t.ui.texts("error").size(), 1u);
  EXPECT_NE(t.ui.texts("error")[0].find("nicht gefunden oder kein Zugriffsrecht !"),
            std::string::npos);

  t.s.current_file = "bleibt";
  t.s.abort_flag = false;
  EXPECT_FALSE(LoadDataFile(t.s, dir.file("fehlt.kv9")));  // the caller's full name
  EXPECT_EQ(t.s.current_file, "bleibt");
}

TEST_F(DataFileOnDisk, TruncatedFileFailsWithAbort) {
  WriteBytes(dir.file("kurz.kv9"), "----\r\nKV9\r\nVersion 2.61\r\n");
  EXPECT_FALSE(LoadDataFile(t.s, dir.file("kurz.kv9")));
  EXPECT_TRUE(t.s.abort_flag);
}

TEST_F(DataFileOnDisk, ExistingFileAsksBeforeOverwritingExceptAktuellAndSave) {
  WriteBytes(dir.file("da.kv9"), "alt");
  t.ui.answer("N");
  EXPECT_FALSE(SaveDataFile(t.s, "da"));
  EXPECT_TRUE(t.s.abort_flag);
  EXPECT_EQ(ReadBytes(dir.file("da.kv9")), "alt");
  ASSERT_EQ(t.ui.texts("yesnocancel").size(), 1u);
  EXPECT_NE(t.ui.texts("yesnocancel")[0].find("existiert bereits.   \xC3\xBC"
                                              "berschreiben ?"),
            std::string::npos);

  WriteBytes(dir.file("aktuell.kv9"), "alt");
  EXPECT_TRUE(SaveDataFile(t.s, "aktuell"));
  t.s.current_file = "da";
  EXPECT_TRUE(SaveCurrentFile(t.s));
  EXPECT_EQ(t.ui.texts("yesnocancel").size(), 1u);  // no further question
  EXPECT_EQ(ReadBytes(dir.file("da.kv9")), DataFileContent(t.s.ds, t.s.docs, t.s.cfg, t.s.clock));
  EXPECT_TRUE(t.s.save_confirm_overwrite);
}

TEST_F(DataFileOnDisk, SaveDialogSetsTheCurrentFileAndCancelAborts) {
  t.ui.cancel();
  EXPECT_FALSE(SaveDataFile(t.s, ""));
  EXPECT_TRUE(t.s.abort_flag);

  std::string other = dir.path() + "/sub";
  mkdir(other.c_str(), 0755);
  t.ui.answer(other + "/neu.kv9");
  EXPECT_TRUE(SaveDataFile(t.s, ""));
  EXPECT_EQ(t.s.current_file, "neu");
  EXPECT_EQ(t.s.data_dir, other + "/");
  EXPECT_TRUE(test::ReadBytes(other + "/neu.kv9").size() > 0);

  // A chosen file keeps a differing extension.
  t.ui.answer(other + "/GROSS.KV9");
  EXPECT_TRUE(SaveDataFile(t.s, ""));
  EXPECT_EQ(t.s.current_file, other + "/GROSS.KV9");
  EXPECT_EQ(CurrentFullName(t.s), other + "/GROSS.KV9");
}

TEST_F(DataFileOnDisk, InvalidNameIsRefused) {
  EXPECT_FALSE(SaveDataFile(t.s, dir.path() + "/gibtsnicht/x.kv9"));
  EXPECT_TRUE(t.s.abort_flag);
  ASSERT_EQ(t.ui.texts("error").size(), 1u);
  EXPECT_NE(t.ui.texts("error")[0].find("Ung\xC3\xBCltiger Dateiname \""), std::string::npos);
}

TEST_F(DataFileOnDisk, FailedWriteKeepsTheOldFileAndTheModifiedFlag) {
  std::string name = dir.file("gross.kv9");
  WriteBytes(name, "alter Inhalt");
  t.s.modified = true;
  t.s.save_confirm_overwrite = false;
  // A file size limit makes the write fail part-way, even for root.
  auto old_handler = std::signal(SIGXFSZ, SIG_IGN);
  rlimit old_limit;
  getrlimit(RLIMIT_FSIZE, &old_limit);
  rlimit small = old_limit;
  small.rlim_cur = 200;
  setrlimit(RLIMIT_FSIZE, &small);
  bool saved = SaveDataFile(t.s, name);
  setrlimit(RLIMIT_FSIZE, &old_limit);
  std::signal(SIGXFSZ, old_handler);
  EXPECT_FALSE(saved);
  EXPECT_TRUE(t.s.abort_flag);
  EXPECT_TRUE(t.s.modified);
  EXPECT_EQ(ReadBytes(name), "alter Inhalt");
  EXPECT_EQ(test::CountFiles(dir.path()), 1);  // no temporary file left behind
}

TEST_F(DataFileOnDisk, SaveKeepsPermissionsAndFollowsLinks) {
  std::string real = dir.file("echt.kv9");
  std::string link = dir.file("link.kv9");
  WriteBytes(real, "alt");
  chmod(real.c_str(), 0640);
  ASSERT_EQ(symlink("echt.kv9", link.c_str()), 0);
  t.s.save_confirm_overwrite = false;
  ASSERT_TRUE(SaveDataFile(t.s, link));
  struct stat st;
  ASSERT_EQ(lstat(link.c_str(), &st), 0);
  EXPECT_TRUE(S_ISLNK(st.st_mode));
  ASSERT_EQ(stat(real.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
  EXPECT_EQ(ReadBytes(real), DataFileContent(t.s.ds, t.s.docs, t.s.cfg, t.s.clock));
}

TEST_F(DataFileOnDisk, ArchiveModeRefusesFileCommands) {
  t.s.cmdline_file = true;
  t.s.cfg.archive_flag = true;
  t.s.current_file = dir.file("arch.kv9");
  EXPECT_FALSE(SaveCurrentFile(t.s));
  EXPECT_FALSE(LoadDataFile(t.s, "x"));
  EXPECT_EQ(t.ui.texts("error").size(), 2u);
  EXPECT_TRUE(t.s.cmdline_file);
  t.s.abort_flag = false;
  EXPECT_TRUE(SaveDataFile(t.s, "aktuell"));
  // Outside archive mode a resolved name ends the command-line file state.
  t.s.cfg.archive_flag = false;
  EXPECT_TRUE(SaveDataFile(t.s, "frei"));
  EXPECT_FALSE(t.s.cmdline_file);
}

TEST_F(DataFileOnDisk, SaveOrDiscardQuestion) {
  t.s.modified = true;
  t.ui.answer("N");  // "Bisherige Eingaben verwerfen ?" -> No keeps them
  AskSaveOrDiscard(t.s);
  EXPECT_TRUE(t.s.abort_flag);
  EXPECT_TRUE(t.s.modified);

  t.s.abort_flag = false;
  t.s.current_file = "frage";
  t.ui.answer("Y");
  AskSaveOrDiscard(t.s);
  EXPECT_FALSE(t.s.abort_flag);
  EXPECT_FALSE(t.s.modified);
  EXPECT_TRUE(FileExists(dir.file("frage.kv9")));
  EXPECT_EQ(t.ui.texts("yesnocancel").back(), "Datei speichern (" + dir.file("frage.kv9") + ") ?");

  t.s.modified = true;
  t.ui.cancel();
  AskSaveOrDiscard(t.s);
  EXPECT_TRUE(t.s.abort_flag);
  EXPECT_TRUE(t.s.modified);

  t.s.abort_flag = false;
  int asked = static_cast<int>(t.ui.events.size());
  t.s.modified = false;
  AskSaveOrDiscard(t.s);
  EXPECT_EQ(static_cast<int>(t.ui.events.size()), asked);
}

TEST_F(DataFileOnDisk, TemplateIsReadWithoutBecomingTheCurrentFile) {
  EXPECT_FALSE(ReadTemplate(t.s));
  TestSession a;
  a.s.ds.N = 44;
  a.s.data_dir = t.s.data_dir;
  ASSERT_TRUE(SaveDataFile(a.s, "null"));
  t.s.current_file = "irgendwas";
  EXPECT_TRUE(ReadTemplate(t.s));
  EXPECT_EQ(t.s.ds.N, 44);
  EXPECT_EQ(t.s.current_file, "");
}

TEST(FileChoice, ChosenFileSetsTheFolderAndKeepsForeignExtensions) {
  TestSession t;
  std::string dir = "/start/";
  t.ui.answer("/daten/welle.kv9");
  EXPECT_EQ(ChooseFile(t.s, dir, "*.kv9"), "welle");
  EXPECT_EQ(dir, "/daten/");
  EXPECT_EQ(t.ui.events.back().caption, "*.kv9|*.kv9");
  t.ui.answer("/daten/WELLE.KV9");
  EXPECT_EQ(ChooseFile(t.s, dir, "*.kv9"), "/daten/WELLE.KV9");
  t.ui.cancel();
  EXPECT_EQ(ChooseFile(t.s, dir, "*.kv9"), "");
  EXPECT_TRUE(t.s.abort_flag);

  t.s.abort_flag = false;
  t.ui.cancel();
  EXPECT_EQ(ChooseFileFrom(t.s, " /prog/alt.exe ", "*.exe"), " /prog/alt.exe ");
  EXPECT_TRUE(t.s.abort_flag);
  EXPECT_EQ(t.ui.events.back().text, "/prog/");
}

}  // namespace
}  // namespace kv9
