#include <sys/stat.h>

#include "core/text.h"
#include "support/program_run.h"
#include "tables/dbf_table.h"
#include "tables/table_browser.h"
#include "tables/table_fixture.h"

namespace kv9 {
namespace {

using test::TableTest;

struct DbfTableTest : TableTest {
  DbfTable t;
};

TEST_F(DbfTableTest, AWriteProtectedFolderIsWorkedOnInACopyThatKeepsItsChangesForTheRun) {
  std::string original = printout();
  std::string before = test::ReadBytes(original);
  chmod(dbf.path().c_str(), 0555);

  ASSERT_TRUE(t.openWithWriteCheck(env, "printout"));
  EXPECT_TRUE(t.onTemporaryCopy());
  EXPECT_EQ(t.path(), scratch.file("printout.dbf"));
  TableBrowser(t, env, BrowseMode::Select).start();
  EXPECT_TRUE(ui.texts("note").empty());  // only the edit mode tells
  TableBrowser(t, env, BrowseMode::Edit).start();
  EXPECT_TRUE(
      ui.saw("note", "Kein Schreibrecht für dbf-Ordner !  Bearbeitung im Temporär-Ordner."));

  ASSERT_TRUE(t.setText(env, "name", "Entwurf") && t.append(env));
  EXPECT_EQ(test::ReadBytes(original), before);
  ASSERT_TRUE(t.openWithWriteCheck(env, "printout"));
  EXPECT_EQ(t.recordCount(), 6);  // the copy of this run, with the stored set-up
  EXPECT_FALSE(abort_flag);
}

TEST_F(DbfTableTest, AWritableFolderOpensTheTableInPlaceAndAMissingOneStopsTheCommand) {
  printout();
  ASSERT_TRUE(t.openWithWriteCheck(env, "printout"));
  EXPECT_FALSE(t.onTemporaryCopy());
  EXPECT_EQ(t.path(), dbf.file("printout.dbf"));
  EXPECT_FALSE(std::filesystem::exists(dbf.file("TEST.$$$")));

  EXPECT_FALSE(t.openWithWriteCheck(env, "missing"));
  EXPECT_TRUE(abort_flag);
  EXPECT_TRUE(ui.saw(
      "error", "Datei " + dbf.file("missing.dbf") + " nicht gefunden oder kein Zugriffsrecht !"));
}

TEST_F(DbfTableTest, AReadOnlyTableIsCopiedAndTheCopyIsWritable) {
  std::string original = printout();
  chmod(original.c_str(), 0444);
  ASSERT_TRUE(t.openWithWriteCheck(env, "printout"));
  EXPECT_TRUE(t.onTemporaryCopy());
  struct stat st;
  ASSERT_EQ(stat(t.path().c_str(), &st), 0);
  EXPECT_TRUE(st.st_mode & S_IWUSR);
  EXPECT_FALSE(t.readOnly());
  EXPECT_TRUE(t.setText(env, "name", "Kopie") && t.append(env));
}

TEST_F(DbfTableTest, TheDeliveredPrintoutTableIsWhatItsGeneratorWrites) {
  std::string delivered = std::string(KV9_SOURCE_DIR) + "/data/printout.dbf";
  EXPECT_EQ(test::ReadBytes(printout()), test::ReadBytes(delivered))
      << "regenerate: cmake --build build --target make_printout_dbf && "
         "build/bin/make_printout_dbf data/printout.dbf";
  ASSERT_TRUE(t.open(env, delivered));
  t.goTo(messages, 2);
  EXPECT_EQ(t.readField(1), "A4 Querformat angepasst");
  EXPECT_TRUE(t.readLogical("landscape") && t.readLogical("variable"));
}

TEST_F(DbfTableTest, GoingToARecordOutsideTheTableSelectsTheNearestAndNotesTooHighNumbers) {
  ASSERT_TRUE(t.open(env, table("three.dbf", {"a", "b", "c"})));
  t.goTo(messages, 0);
  EXPECT_EQ(t.recordNumber(), 1);
  EXPECT_TRUE(messages.entries.empty());
  t.goTo(messages, 5);
  EXPECT_EQ(t.recordNumber(), 3);
  EXPECT_EQ(messages.entries, std::vector<std::string>{"DBF #5 not found."});
  EXPECT_EQ(t.readField(1), "c");
}

// What we write reads back, here and in another dBASE reader, with the same fields and values.
TEST_F(DbfTableTest, AppendedValuesReadBackHereAndInPythonDbf) {
  ASSERT_TRUE(t.open(env, printout()));
  ASSERT_TRUE(t.setText(env, "name",
                        "Gr\x94\xE1"
                        "e 1:2 mit einem Namen, der zu lang ist"));
  ASSERT_TRUE(t.setReal(env, "xscale", 0.125L) && t.setReal(env, "yscale", -2.5L));
  ASSERT_TRUE(t.setInteger(env, "xorigin", -12) && t.setInteger(env, "yorigin", 345));
  ASSERT_TRUE(t.setLogical(env, "landscape", true) && t.setLogical(env, "monochrom", false));
  ASSERT_TRUE(t.setLogical(env, "variable", true));
  ASSERT_TRUE(t.setLogical(env, "borderlineX", true));  // the first 10 characters name it
  ASSERT_TRUE(t.append(env));
  EXPECT_EQ(t.recordNumber(), 6);
  EXPECT_EQ(t.readField(1),
            "Gr\x94\xE1"
            "e 1:2 mit einem Namen");  // cut to 25
  EXPECT_EQ(t.readField(2), "0.1250");
  EXPECT_EQ(t.readField(4), "-12");
  EXPECT_TRUE(t.readLogical("landscape") && t.readLogical("BORDERLINE"));
  EXPECT_FALSE(t.readLogical("monochrom"));
  std::string bytes = test::ReadBytes(t.path());
  EXPECT_EQ(bytes.substr(1, 3), std::string("\x7C\x03\x05", 3));  // changed 2024-03-05

  int status = 0;
  std::string script =
      "import dbf, sys\n"
      "t = dbf.Table(sys.argv[1]); t.open()\n"
      "print(t.codepage.name, *t.field_names)\n"
      "r = t[-1]\n"
      "print('|'.join(str(v).strip() for v in r))\n";
  std::string out = test::RunCommand(std::string(KV9_PYTHON) + " -c " + test::Quoted(script) + " " +
                                         test::Quoted(t.path()) + " 2>&1",
                                     status);
  EXPECT_EQ(status, 0) << out;
  EXPECT_EQ(out,
            "cp850 name xscale yscale xorigin yorigin landscape monochrom variable borderline\n"
            "Größe 1:2 mit einem Namen|0.125|-2.5|-12|345|True|False|True|True\n");
}

TEST_F(DbfTableTest, AValueItsFieldCannotHoldIsRefusedAndNothingIsAppended) {
  ASSERT_TRUE(t.open(env, printout()));
  EXPECT_FALSE(t.setInteger(env, "xorigin", 1234567));  // 6 places
  EXPECT_TRUE(abort_flag);
  EXPECT_FALSE(t.setText(env, "landscape", "vielleicht"));
  EXPECT_FALSE(t.setReal(env, "nosuchfield", 1));
  EXPECT_EQ(errors(), 3);
  ASSERT_TRUE(t.append(env));
  EXPECT_EQ(t.readField(4), "");  // the refused values never reached the buffer
}

TEST_F(DbfTableTest, PackRemovesTheMarkedRecordsAndKeepsTheTableReadable) {
  std::string path = table("pack.dbf", {"a", "b", "c", "d"});
  ASSERT_TRUE(t.open(env, path));
  ASSERT_TRUE(t.setDeleted(env, 2, true) && t.setDeleted(env, 4, true));
  EXPECT_TRUE(t.isDeleted(2));
  ASSERT_TRUE(t.pack(env));
  EXPECT_EQ(t.recordCount(), 2);
  EXPECT_EQ(t.fieldText(2, 0), "c");
  DbfTable again;
  ASSERT_TRUE(again.open(env, path));
  EXPECT_EQ(again.recordCount(), 2);
  EXPECT_FALSE(abort_flag);
}

TEST_F(DbfTableTest, TwoOpenTablesOnOneFileKeepEachOthersAppends) {
  std::string path = table("shared.dbf", {"a"});
  DbfTable other;
  ASSERT_TRUE(t.open(env, path) && other.open(env, path));
  ASSERT_TRUE(t.setText(env, "name", "von t") && t.append(env));
  ASSERT_TRUE(other.setText(env, "name", "von other") && other.append(env));
  EXPECT_EQ(other.recordCount(), 3);
  EXPECT_EQ(other.fieldText(2, 0), "von t");
  EXPECT_EQ(other.fieldText(3, 0), "von other");
}

// Broken files: a clear error, the abort flag, and the file exactly as it was.
TEST_F(DbfTableTest, ABrokenTableIsReportedAndLeftUntouched) {
  std::string good = test::ReadBytes(printout());
  auto with = [&](std::size_t at, std::string bytes) {
    return good.substr(0, at) + bytes + good.substr(at + bytes.size());
  };
  const int header = 32 + 9 * 32 + 1, record = 62;
  std::string longer_records;  // every record two bytes longer than the header declares
  longer_records = good.substr(0, header);
  for (int r = 0; r < 5; ++r) longer_records += good.substr(header + r * record, record) + "  ";
  struct Case {
    const char* what;
    std::string bytes;
    const char* problem;
  } cases[] = {
      {"empty", "", "Datei zu kurz"},
      {"cut in the header", good.substr(0, 100), "Kopfl\x84nge"},
      {"cut in a record", good.substr(0, header + 2 * record + 7),
       "Kopf nennt 5 S\x84tze, die Datei h\x84lt nur 2"},
      {"count that lies", with(4, std::string("\x40\x00\x00\x00", 4)), "Kopf nennt 64 S\x84tze"},
      {"no descriptor end", with(header - 1, " "), "ohne Abschluss 0x0D"},
      {"field longer than declared", with(32 + 16, "\x1E"),
       "Feldl\x84ngen (67) passen nicht zur Satzl\x84nge 62"},
      {"records longer than declared", longer_records, "Daten hinter dem letzten Satz"},
      {"bad deletion flag", with(header + 2 * record, "X"), "Satz 3 besch\x84"},
      {"not dBASE", with(0, "\x30"), "keine dBASE-III-Tabelle"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    std::string path = dbf.file("printout.dbf");
    test::WriteBytes(path, c.bytes);
    ui.events.clear();
    abort_flag = false;
    DbfTable broken;
    EXPECT_FALSE(broken.openWithWriteCheck(env, "printout"));
    EXPECT_FALSE(broken.isOpen());
    EXPECT_TRUE(abort_flag);
    ASSERT_EQ(errors(), 1);
    EXPECT_NE(ui.texts("error")[0].find(Cp850ToUtf8(c.problem)), std::string::npos)
        << ui.texts("error")[0];
    EXPECT_EQ(test::ReadBytes(path), c.bytes);
  }
}

}  // namespace
}  // namespace kv9
