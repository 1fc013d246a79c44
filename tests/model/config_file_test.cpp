#include "model/config_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <functional>
#include <random>
#include <streambuf>

#include "core/number_format.h"
#include "model/config_test_support.h"
#include "support/test_session.h"

namespace kv9 {
namespace {

using test::CutBefore;
using test::ReadConfigText;
using test::SetAfter;
using test::WrittenConfig;

struct ConfigFile : ::testing::Test {
  test::TestSession writer;  // holds the settings that were written
  test::TestSession reader;  // reads them into defaults
  Session& r = reader.s;
  ConfigFile() { writer.s.cfg = test::UnusualConfig(); }
  std::string written() { return WrittenConfig(writer.s); }
};

TEST_F(ConfigFile, WrittenAndReadBackRestoresEverySetting) {
  ReadConfigText(r, written());
  test::ExpectSameSettings(r.cfg, writer.s.cfg);
  EXPECT_FALSE(r.abort_flag);
}

TEST_F(ConfigFile, LayoutOfTheWrittenFile) {
  std::string text = written();
  EXPECT_EQ(
      text.rfind("kv9 Konfiguration\r\nVersion 2.61\r\nLayer\r\nLage0 \x81\r\nFarbe\r\n10\r\n", 0),
      0u);
  auto lines = test::SplitCrLf(text);
  EXPECT_EQ(lines.size(), 232u);  // 230 for every entry, 2 for the extra plot command lines
  EXPECT_EQ(text.find('\n'), text.find("\r\n") + 1);
  EXPECT_NE(text.find("\r\nAufl\x94sung horizontal\r\n799\r\n"), std::string::npos);
  EXPECT_NE(text.find("\r\nHardcopy um 90\xF8 gedreht ?\r\nN\r\n"), std::string::npos);
  EXPECT_NE(text.find("\r\nTextbreitenfaktor CAD\r\n0.75\r\n"), std::string::npos);  // "." always
  EXPECT_NE(text.find("\r\nZoomfaktor\r\n1.0500000\r\n"), std::string::npos);
  EXPECT_NE(text.find("\r\n3\r\nrixtran a\r\nrixtran b\r\nArchive Flag ?\r\nTRUE\r\n"),
            std::string::npos);
  EXPECT_NE(text.find("\r\n10|20|300|400|\r\n"), std::string::npos);
  EXPECT_EQ(lines.back(), "FALSE");
  writer.s.cfg.view_3d = {0, -2, 0.5L};
  EXPECT_NE(WrittenConfig(writer.s).find("3D - Default x,y,z\r\n0\r\n-2\r\n0.5000000\r\n"),
            std::string::npos);  // whole numbers below 1 in the short form
}

TEST_F(ConfigFile, NumbersInTheFileIgnoreTheNumberSettings) {
  writer.s.cfg.decimals = 1;
  writer.s.cfg.decimal_separator = 2;
  writer.s.cfg.zoom_factor = 1.02L;
  writer.s.cfg.cad_text_width_factor = 0.85L;
  std::string text = written();
  EXPECT_NE(text.find("\r\n1.0200000\r\n"), std::string::npos);
  EXPECT_NE(text.find("\r\n0.85\r\n"), std::string::npos);
  ReadConfigText(r, text);
  EXPECT_EQ(r.cfg.zoom_factor, 1.02L);
  EXPECT_EQ(r.cfg.cad_text_width_factor, 0.85L);
  EXPECT_EQ(r.cfg.decimals, 1);
  EXPECT_EQ(r.cfg.decimal_separator, 2);
}

TEST_F(ConfigFile, EveryValueTheReaderTakesIsWrittenToReadBackAsItself) {
  // The file's own forms would lose these: "0" read back as a default, digits rounded away.
  Config& c = writer.s.cfg;
  c.graphics_aspect_correction = ParseReal("0.000005");
  c.cad_text_width_factor = ParseReal("-3e-7");
  c.cad_text_angle = ParseReal("1.2345");
  c.zoom_factor = ParseReal("1e-11");
  c.pan_factor = ParseReal("4e-8");
  c.print_scale_x = ParseReal("0.123456789");
  c.view_3d = {ParseReal("0.5235987755982988731"), ParseReal("-1e-300"), ParseReal("1e300")};
  c.dimension_factor = ParseReal("1e-9");
  std::string text = written();
  ReadConfigText(r, text);
  test::ExpectSameSettings(r.cfg, c);
  EXPECT_EQ(WrittenConfig(r), text);
  EXPECT_NE(text.find("\r\nGrafikKorrekturFaktor horizontal\r\n5e-06\r\n"), std::string::npos);
}

TEST_F(ConfigFile, FileEndingAfterEntry8KeepsTheLaterDefaults) {
  ReadConfigText(r, CutBefore(written(), "Druckertyp"));
  EXPECT_FALSE(r.abort_flag);
  EXPECT_EQ(r.cfg.layers[4].name, "Lage4 \x81");
  EXPECT_EQ(r.cfg.help_level, 2);
  EXPECT_EQ(r.cfg.printer_port, 3);
  const Config defaults;
  EXPECT_EQ(r.cfg.printer_type, defaults.printer_type);
  EXPECT_EQ(r.cfg.decimals, defaults.decimals);
  EXPECT_EQ(r.cfg.unit_flag, defaults.unit_flag);
  EXPECT_EQ(r.cfg.html_browser, defaults.html_browser);
  EXPECT_EQ(r.cfg.language, defaults.language);
  EXPECT_EQ(r.cfg.client_width, 1024 - 9);  // the screen fills in the missing size
  EXPECT_EQ(r.cfg.client_height, 768 - 91);
}

TEST_F(ConfigFile, EveryEntryMarkedAsAnEndMayEndTheFile) {
  // The label that follows each entry after which the file may end, and a setting of the next
  // entry, which must keep its value.
  const std::pair<const char*, std::function<bool(const Config&)>> ends[] = {
      {"Druckdichte", [](const Config& c) { return c.print_density == 1; }},
      {"Farbgrafik", [](const Config& c) { return c.colour_graphics; }},
      {"EDI Ordner", [](const Config& c) { return c.edi_dir.empty(); }},
      {"RIXTRAN-Kommandozeile", [](const Config& c) { return c.plot_command_line.empty(); }},
      {"Hintergrundfarbe", [](const Config& c) { return c.background_colour == 15; }},
      {"Windows-Druckmodus (1=mono 2=color)",
       [](const Config& c) { return c.windows_print_mode == 1; }},
      {"Layer Monochrom", [](const Config& c) { return !c.layer_monochrome; }},
      {"Textprogramm", [](const Config& c) { return c.text_program == "xdg-open"; }},
      {"Windows Screendump Origin X", [](const Config& c) { return c.print_origin_x == 0; }},
      {"Enter Password ?", [](const Config& c) { return !c.enter_password; }},
      {"RIXTRAN Command lines (n, line 2 .. line n)",
       [](const Config& c) { return c.plot_command_lines_more.empty(); }},
      {"Print Scale Vertical",
       [](const Config& c) { return c.print_scale_y == 1 && c.cad_text_mode == 2; }},
  };
  for (const auto& [label, kept] : ends) {
    test::TestSession fresh;
    ReadConfigText(fresh.s, CutBefore(written(), label));
    EXPECT_FALSE(fresh.s.abort_flag) << label;
    EXPECT_TRUE(kept(fresh.s.cfg)) << label;
  }
}

TEST_F(ConfigFile, FileEndingAfterTheMonochromeSwitchTakesTheCadFont) {
  r.cfg.graphics_font = "Other";
  ReadConfigText(r, CutBefore(written(), "Textbreitenfaktor Grafik"));
  EXPECT_FALSE(r.abort_flag);
  EXPECT_TRUE(r.cfg.layer_monochrome);
  EXPECT_EQ(r.cfg.graphics_text_width_factor, 0.75L);
  EXPECT_EQ(r.cfg.graphics_font, "Arial");
}

TEST_F(ConfigFile, FileEndingAfterTheArchiveFlagReadsTheTrailingEntriesAsEmpty) {
  r.program_dir = "/prog/";
  r.cfg.date_code = 3;
  r.cfg.text_height_factor = 2;
  ReadConfigText(r, CutBefore(written(), "Date Code"));
  EXPECT_FALSE(r.abort_flag);
  EXPECT_TRUE(r.cfg.archive_flag);
  EXPECT_EQ(r.cfg.plot_command_lines_more, writer.s.cfg.plot_command_lines_more);
  EXPECT_EQ(r.cfg.date_code, 3);           // read only while the file goes on
  EXPECT_EQ(r.cfg.text_height_factor, 2);  // likewise
  EXPECT_EQ(r.cfg.decimal_separator, 1);   // read as an empty line, then its rule
  EXPECT_EQ(r.cfg.default_data_dir, "/prog/");
  EXPECT_EQ(r.cfg.html_browser, "");  // an empty line clears it
  EXPECT_EQ(r.cfg.print_scale_y, 1);  // after the end mark: untouched
}

TEST_F(ConfigFile, FileEndingElsewhereIsAReadError) {
  r.program_dir = "/prog/";
  r.cfg.date_code = 3;
  r.cfg.graphics_font = "Other";
  ReadConfigText(r, CutBefore(written(), "Hardcopy um 90° gedreht ?"));
  EXPECT_TRUE(r.abort_flag);
  EXPECT_EQ(r.cfg.print_density, 2);  // read before the end
  // The rest reads as empty lines, then the rules.
  EXPECT_EQ(r.cfg.hardcopy_rotated, 'N');
  EXPECT_EQ(r.cfg.decimals, 3);
  EXPECT_EQ(r.cfg.print_thickness_vertical, 1);
  EXPECT_FALSE(r.cfg.colour_graphics);
  EXPECT_EQ(r.cfg.graphics_aspect_correction, 1);
  EXPECT_EQ(r.cfg.lines_per_page, 66);
  EXPECT_EQ(r.cfg.zoom_factor, 1.02L);
  EXPECT_EQ(r.cfg.pan_factor, 0.01L);
  EXPECT_EQ(r.cfg.graphics_font, "");
  EXPECT_EQ(r.cfg.graphics_text_width_factor, 0.8L);
  EXPECT_EQ(r.cfg.layer_colours_16_31[15], 1);
  EXPECT_EQ(r.cfg.text_program, "");
  EXPECT_EQ(r.cfg.date_code, 3);
  EXPECT_EQ(r.cfg.decimal_separator, 1);
  EXPECT_EQ(r.cfg.default_data_dir, "/prog/");
  EXPECT_EQ(r.cfg.printout_font, "Courier New");
  EXPECT_EQ(r.cfg.printout_size, 10);
  EXPECT_TRUE(r.cfg.edit_3d);
  EXPECT_EQ(r.cfg.cad_decimals, 6);
  EXPECT_EQ(r.cfg.cad_text_mode, 2);  // the mode of a new configuration, as below
  EXPECT_EQ(r.cfg.dialog_element_scale, 100);
  EXPECT_EQ(r.cfg.angle_format, 2);
  EXPECT_EQ(r.cfg.dimension_factor, 1);
  EXPECT_EQ(r.cfg.title_block_hidden[0], false);
}

TEST_F(ConfigFile, FileEndingBetweenALabelAndItsValueIsAReadError) {
  std::string text = CutBefore(written(), "Druckertyp") + "Druckertyp\r\n";
  ReadConfigText(r, text);
  EXPECT_TRUE(r.abort_flag);
  EXPECT_EQ(r.cfg.printer_port, 3);
  ReadConfigText(reader.s, "");
  EXPECT_TRUE(r.abort_flag);
}

constexpr const char* kSeventyF =
    "FFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFFF";

TEST_F(ConfigFile, EveryRuleAfterReading) {
  struct Rule {
    const char* label;
    int offset;
    const char* value;
    std::function<bool(const Config&)> holds;
  };
  const Rule rules[] = {
      {"Textbreitenfaktor CAD", 1, "0", [](auto& c) { return c.cad_text_width_factor == 1; }},
      {"Druckerschnittstelle", 1, "0", [](auto& c) { return c.printer_port == 1; }},
      {"Hardcopy um 90° gedreht ?", 1, "", [](auto& c) { return c.hardcopy_rotated == 'N'; }},
      {"Hardcopy um 90° gedreht ?", 1, "Ja", [](auto& c) { return c.hardcopy_rotated == 'J'; }},
      {"Dezimalstellen", 1, "10", [](auto& c) { return c.decimals == 3; }},
      {"Dezimalstellen", 1, "0", [](auto& c) { return c.decimals == 3; }},
      {"Dezimalstellen", 1, "9", [](auto& c) { return c.decimals == 9; }},
      {"Druckdicke vertikal", 1, "0", [](auto& c) { return c.print_thickness_vertical == 1; }},
      {"Druckdicke vertikal", 1, "5", [](auto& c) { return c.print_thickness_vertical == 1; }},
      {"GrafikKorrekturFaktor horizontal", 1, "0",
       [](auto& c) { return c.graphics_aspect_correction == 1; }},
      {"Druckerschnittstelle Hardcopy", 1, "0", [](auto& c) { return c.hardcopy_port == 1; }},
      {"Mode für Textausdruck 1:* 2:-", 1, "0", [](auto& c) { return c.text_report_mode == 1; }},
      {"Zeilen pro Seite für Drucker", 1, "4", [](auto& c) { return c.lines_per_page == 66; }},
      {"Zeilen pro Seite für Drucker", 1, "5", [](auto& c) { return c.lines_per_page == 5; }},
      {"Zoomfaktor", 1, "0", [](auto& c) { return c.zoom_factor == 1.02L; }},
      {"Pan-Faktor", 1, "x", [](auto& c) { return c.pan_factor == 0.01L; }},
      {"RIXTRAN-Kommandozeile", 1, "", [](auto& c) { return c.plot_command_line == "kept line"; }},
      {"Windows-Druckmodus (1=mono 2=color)", 1, "0",
       [](auto& c) { return c.windows_print_mode == 1; }},
      {"Textbreitenfaktor Grafik", 1, "0",
       [](auto& c) { return c.graphics_text_width_factor == 0.8L; }},
      {"Textstil Grafik", 1, kSeventyF,
       [](auto& c) { return c.graphics_font == std::string(60, 'F'); }},
      {"Color Layer 23", 1, "0", [](auto& c) { return c.layer_colours_16_31[7] == 1; }},
      {"Windows Screendump Scale", 1, "0",
       [](auto& c) { return c.print_scale_x == 1 && c.print_scale_y == 0.8L; }},
      {"Date Code", 1, "0", [](auto& c) { return c.date_code == 1; }},
      {"Date Code", 1, "5", [](auto& c) { return c.date_code == 1; }},
      {"Header Space Lines", 1, "31", [](auto& c) { return c.header_space_lines == 0; }},
      {"Header Space Lines", 1, "30", [](auto& c) { return c.header_space_lines == 30; }},
      {"Text Device", 1, "0", [](auto& c) { return c.text_device == 1; }},
      {"Text Device", 1, "10", [](auto& c) { return c.text_device == 1; }},
      {"Dot=1 Komma=2", 1, "3", [](auto& c) { return c.decimal_separator == 1; }},
      {"Default Data Directory", 1, "", [](auto& c) { return c.default_data_dir == "/prog/"; }},
      {"Text Height Factor", 1, "0.05", [](auto& c) { return c.text_height_factor == 1; }},
      {"Input Window Scale %", 1, "9", [](auto& c) { return c.input_window_scale == 100; }},
      {"Input Window Scale %", 1, "1001", [](auto& c) { return c.input_window_scale == 100; }},
      {"Print Scale Vertical", 1, "0.00001", [](auto& c) { return c.print_scale_y == 0.9L; }},
      {"Line thickness Layer 0..5", 1, "0", [](auto& c) { return c.line_thickness_0_5[0] == 1; }},
      {"Line thickness Layer 0..5", 6, "256", [](auto& c) { return c.line_thickness_0_5[5] == 1; }},
      {"Text window left/top/width/height", 1, "5|6|0|8|",
       [](auto& c) {
         return c.text_window_rect == std::array<int, 4>{1, 2, 3, 4};
       }},
      {"Text window left/top/width/height", 1, "5|6|7|8|",
       [](auto& c) {
         return c.text_window_rect == std::array<int, 4>{5, 6, 7, 8};
       }},
      {"printout with header=1, header page 1 only=2", 1, "3",
       [](auto& c) { return c.printout_header == 1; }},
      {"Text Font Printout", 1, "", [](auto& c) { return c.printout_font == "Courier New"; }},
      {"Text Size Printout", 1, "0", [](auto& c) { return c.printout_size == 10; }},
      {"Edit 3D x,y,z ?", 1, "ja", [](auto& c) { return c.edit_3d; }},
      {"Edit 3D x,y,z ?", 1, "false", [](auto& c) { return !c.edit_3d; }},
      {"Farbgrafik", 1, " true", [](auto& c) { return c.colour_graphics; }},
      {"Farbgrafik", 1, "yes", [](auto& c) { return !c.colour_graphics; }},
      {"3D - Default x,y,z", 5, "0", [](auto& c) { return c.table_decimal_style == 2; }},
      {"Decimals DXF,TXT", 1, "0", [](auto& c) { return c.cad_decimals == 6; }},
      {"Decimals DXF,TXT", 1, "33", [](auto& c) { return c.cad_decimals == 6; }},
      {"CAD Text Mode", 1, "0", [](auto& c) { return c.cad_text_mode == 2; }},
      {"CAD Text Mode", 1, "1", [](auto& c) { return c.cad_text_mode == 1; }},
      {"Strichstärke Layer 16..31", 18, "5", [](auto& c) { return c.dialog_element_scale == 100; }},
      {"Strichstärke Layer 16..31", 19, "3", [](auto& c) { return c.angle_format == 2; }},
      {"Strichstärke Layer 16..31", 20, "0", [](auto& c) { return c.dimension_factor == 1; }},
  };
  for (const Rule& rule : rules) {
    test::TestSession fresh;
    fresh.s.program_dir = "/prog/";
    fresh.s.cfg.plot_command_line = "kept line";
    fresh.s.cfg.text_window_rect = {1, 2, 3, 4};
    ReadConfigText(fresh.s, SetAfter(written(), rule.label, rule.offset, rule.value));
    EXPECT_TRUE(rule.holds(fresh.s.cfg)) << rule.label << " = \"" << rule.value << "\"";
    EXPECT_FALSE(fresh.s.abort_flag) << rule.label;
  }
}

TEST_F(ConfigFile, PlotCommandLinesStayInStep) {
  auto lines = test::SplitCrLf(written());
  std::size_t at = test::LabelIndex(lines, "RIXTRAN Command lines (n, line 2 .. line n)") + 1;
  lines[at] = "7";  // six further lines: the first four are kept
  lines.insert(lines.begin() + static_cast<long>(at) + 3, {"c", "d", "e", "f"});
  ReadConfigText(r, test::JoinCrLf(lines));
  EXPECT_FALSE(r.abort_flag);
  EXPECT_EQ(r.cfg.plot_command_lines_more,
            (std::vector<std::string>{"rixtran a", "rixtran b", "c", "d"}));
  EXPECT_TRUE(r.cfg.archive_flag);
  EXPECT_EQ(r.cfg.date_code, 4);

  test::TestSession huge;  // a count beyond the file ends with the file, as a read error
  ReadConfigText(
      huge.s, SetAfter(written(), "RIXTRAN Command lines (n, line 2 .. line n)", 1, "2000000000"));
  EXPECT_TRUE(huge.s.abort_flag);
  EXPECT_EQ(huge.s.cfg.plot_command_lines_more.size(), 4u);
}

TEST_F(ConfigFile, GarbageReadsAsFarAsItGoes) {
  std::mt19937 rng(7);
  std::string garbage;
  for (int i = 0; i < 200000; ++i) garbage += static_cast<char>(rng() % 256);
  ReadConfigText(r, garbage);
  const Config& c = r.cfg;
  EXPECT_GE(c.decimals, 1);
  EXPECT_LE(c.decimals, 9);
  EXPECT_GE(c.lines_per_page, 5);
  EXPECT_TRUE(c.decimal_separator == 1 || c.decimal_separator == 2);
  EXPECT_GE(c.cad_decimals, 1);
  EXPECT_LE(c.cad_decimals, 32);
  for (const auto& layer : c.layers) EXPECT_LE(layer.name.size(), 32u);
  EXPECT_LE(c.graphics_font.size(), 60u);

  test::TestSession one_line;  // a megabyte without a line end
  ReadConfigText(one_line.s, std::string(1 << 20, 'x'));
  EXPECT_TRUE(one_line.s.abort_flag);
}

TEST_F(ConfigFile, AVeryLongLineIsCutAndTheRestStaysInStep) {
  ReadConfigText(r, SetAfter(written(), "Layer", 1, std::string(3 << 20, 'x')));
  EXPECT_FALSE(r.abort_flag);
  EXPECT_EQ(r.cfg.layers[0].name, std::string(32, 'x'));
  r.cfg.layers[0].name = writer.s.cfg.layers[0].name;
  test::ExpectSameSettings(r.cfg, writer.s.cfg);
}

// A device that hands out its bytes up to a point and then fails.
class FailingBuf : public std::streambuf {
 public:
  FailingBuf(std::string text, std::size_t fail_at) : text_(std::move(text)), fail_at_(fail_at) {}

 protected:
  int_type underflow() override {
    if (served_) throw std::ios_base::failure("device error");
    served_ = true;
    char* begin = text_.data();
    setg(begin, begin, begin + fail_at_);
    return traits_type::to_int_type(*begin);
  }

 private:
  std::string text_;
  std::size_t fail_at_;
  bool served_ = false;
};

TEST_F(ConfigFile, ADeviceFailureIsAReadError) {
  std::string text = written();
  FailingBuf buf(text, text.find("Druckertyp"));
  std::istream in(&buf);
  ReadConfigStream(r.cfg, r.program_dir, DialogsOf(r), in);
  EXPECT_TRUE(r.abort_flag);
  EXPECT_EQ(r.cfg.printer_port, 3);
  EXPECT_EQ(r.cfg.lines_per_page, 66);
}

struct ConfigLocation : ::testing::Test {
  test::TestSession t;
  Session& s = t.s;
  test::TempDir program, xdg;
  test::EnvGuard env{"XDG_CONFIG_HOME", xdg.path().c_str()};
  ConfigLocation() { s.cfg.config_dir = program.dir(); }
  void writeAt(const std::string& dir, int help_level) {
    test::TestSession w;
    w.s.cfg.help_level = help_level;
    mkdir(dir.c_str(), 0700);
    test::WriteBytes(dir + "kv9.cfg", WrittenConfig(w.s));
  }
};

TEST_F(ConfigLocation, TheProgramFolderComesFirst) {
  writeAt(program.dir(), 2);
  writeAt(xdg.dir() + "kv9/", 0);
  EXPECT_TRUE(ReadConfig(s.cfg, s.program_dir, DialogsOf(s)));
  EXPECT_EQ(s.cfg.help_level, 2);
  EXPECT_EQ(s.cfg.config_dir, program.dir());
  EXPECT_FALSE(s.abort_flag);
}

TEST_F(ConfigLocation, TheUserConfigurationFolderTakesOver) {
  writeAt(xdg.dir() + "kv9/", 0);
  EXPECT_EQ(ConfigFallbackDir(), xdg.dir() + "kv9/");
  EXPECT_TRUE(ReadConfig(s.cfg, s.program_dir, DialogsOf(s)));
  EXPECT_EQ(s.cfg.help_level, 0);
  EXPECT_EQ(s.cfg.config_dir, xdg.dir() + "kv9/");
}

TEST_F(ConfigLocation, WithoutAnyFileTheScreenGivesTheSizes) {
  t.ui.screen_size = {1280, 1024, 120};
  EXPECT_FALSE(ReadConfig(s.cfg, s.program_dir, DialogsOf(s)));
  EXPECT_TRUE(s.abort_flag);
  EXPECT_EQ(s.cfg.config_dir, xdg.dir() + "kv9/");
  EXPECT_EQ(s.cfg.client_width, 1271);
  EXPECT_EQ(s.cfg.client_height, 933);
  EXPECT_EQ(s.cfg.text_window_rect[3], 944);
  EXPECT_EQ(s.cfg.input_window_scale, 125);
  EXPECT_EQ(s.cfg.help_level, 1);
  EXPECT_EQ(s.cfg.cad_text_mode, 2);  // Windows-1252, what DXF readers decode

  // The save then creates the folder and the file; the next start reads it.
  s.cfg.date_code = 4;
  s.abort_flag = false;
  EXPECT_TRUE(WriteConfig(s.cfg, DialogsOf(s)));
  EXPECT_EQ(test::ReadBytes(xdg.dir() + "kv9/kv9.cfg"), WrittenConfig(s));
  test::TestSession next;
  next.s.cfg.config_dir = program.dir();
  EXPECT_TRUE(ReadConfig(next.s.cfg, next.s.program_dir, DialogsOf(next.s)));
  EXPECT_EQ(next.s.cfg.date_code, 4);
}

TEST_F(ConfigLocation, WithoutXdgTheHomeFolderIsUsed) {
  test::EnvGuard no_xdg("XDG_CONFIG_HOME", nullptr);
  test::EnvGuard home("HOME", "/home/someone");
  EXPECT_EQ(ConfigFallbackDir(), "/home/someone/.config/kv9/");
}

TEST_F(ConfigLocation, WritingKeepsModeAndLinksAndReportsFailures) {
  std::string target = program.file("real.cfg");
  test::WriteBytes(target, "old");
  chmod(target.c_str(), 0640);
  ASSERT_EQ(symlink(target.c_str(), program.file("kv9.cfg").c_str()), 0);
  EXPECT_TRUE(WriteConfig(s.cfg, DialogsOf(s)));
  struct stat st;
  ASSERT_EQ(lstat(program.file("kv9.cfg").c_str(), &st), 0);
  EXPECT_TRUE(S_ISLNK(st.st_mode));
  ASSERT_EQ(stat(target.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
  EXPECT_EQ(test::ReadBytes(target), WrittenConfig(s));

  s.cfg.config_dir = "/proc/kv9-no-such-folder/";
  EXPECT_FALSE(WriteConfig(s.cfg, DialogsOf(s)));
  EXPECT_TRUE(s.abort_flag);
  EXPECT_EQ(t.ui.texts("error"), std::vector<std::string>{"file write error"});
}

TEST_F(ConfigLocation, ImportReadsAnotherFileAndRestoresTheLocation) {
  test::TempDir other;
  test::TestSession w;
  w.s.cfg.lines_per_page = 50;
  test::WriteBytes(other.file("other.cfg"), WrittenConfig(w.s));
  EXPECT_TRUE(ImportConfig(s.cfg, s.program_dir, DialogsOf(s), other.path(), "other"));
  EXPECT_EQ(s.cfg.lines_per_page, 50);
  EXPECT_EQ(s.cfg.config_dir, program.dir());
  EXPECT_EQ(s.cfg.base_name, "kv9");
  EXPECT_FALSE(ImportConfig(s.cfg, s.program_dir, DialogsOf(s), other.path(), "missing"));
  EXPECT_TRUE(s.abort_flag);
}

struct FolderCheck : ::testing::Test {
  test::TestSession t;
  Session& s = t.s;
  test::TempDir program, temp;
  test::EnvGuard env{"TEMP", temp.path().c_str()};
  FolderCheck() { s.program_dir = program.dir(); }
};

TEST_F(FolderCheck, EmptyFoldersTakeTheirDefaultsWithoutAMessage) {
  ValidateFolders(s.cfg, s.program_dir, DialogsOf(s));
  EXPECT_EQ(s.cfg.temp_dir, temp.path());
  EXPECT_EQ(s.cfg.dbf_dir, program.dir());
  EXPECT_EQ(s.cfg.plt_dir, program.dir());
  EXPECT_EQ(s.cfg.edi_dir, program.dir());
  EXPECT_EQ(s.cfg.default_data_dir, program.dir());
  EXPECT_TRUE(t.ui.events.empty());
}

TEST_F(FolderCheck, TemporaryFolderFallsBackToTmpdirAndTmp) {
  test::EnvGuard no_temp("TEMP", nullptr);
  {
    test::EnvGuard tmpdir("TMPDIR", temp.path().c_str());
    EXPECT_EQ(TempEnvironmentDir(), temp.path());
  }
  test::EnvGuard no_tmpdir("TMPDIR", nullptr);
  EXPECT_EQ(TempEnvironmentDir(), "/tmp");
}

TEST_F(FolderCheck, InvalidFoldersAreNamedAndTheTemporaryOneAskedFor) {
  const std::string gone = program.file("gone");
  s.cfg.cad_dir = s.cfg.dbf_dir = s.cfg.plt_dir = s.cfg.edi_dir = s.cfg.default_data_dir = gone;
  s.cfg.temp_dir = gone;
  t.ui.answer(temp.path());
  ValidateFolders(s.cfg, s.program_dir, DialogsOf(s));
  EXPECT_EQ(t.ui.texts("error"), (std::vector<std::string>{
                                     "ungültiger CAD Ordner konfiguriert",
                                     "ungültiger DBF Ordner konfiguriert",
                                     "ungültiger PLT Ordner konfiguriert",
                                     "ungültiger EDI Ordner konfiguriert",
                                     "ungültiger Data Ordner konfiguriert",
                                     "ungültiger Ordner für temporäre Dateien konfiguriert",
                                 }));
  ASSERT_EQ(t.ui.events.back().kind, "input");
  EXPECT_EQ(t.ui.events.back().text, "Ordner für temporäre Dateien");
  EXPECT_EQ(t.ui.events.back().preselected, 60);
  EXPECT_EQ(s.cfg.temp_dir, temp.path());
}

TEST_F(FolderCheck, TemporaryFolderWithUmlautsComesBackAsTyped) {
  // The prompt holds 60 characters: a short folder, wherever the tests run.
  test::TempDir umlauts("/tmp", "Jürgen-");
  const std::string wanted = umlauts.path();
  ASSERT_FALSE(wanted.empty());
  s.cfg.temp_dir = program.file("gelöscht");
  t.ui.answer(wanted);
  ValidateFolders(s.cfg, s.program_dir, DialogsOf(s));
  ASSERT_EQ(t.ui.events.back().kind, "input");
  EXPECT_EQ(t.ui.events.back().caption, program.file("gelöscht"));  // shown as it is named
  EXPECT_EQ(s.cfg.temp_dir, wanted);
}

TEST_F(FolderCheck, AFolderThatTakesNoFilesIsNoTemporaryFolder) {
  s.cfg.temp_dir = "/proc";  // reachable, but nobody (root included) creates files there
  t.ui.cancel();
  ValidateFolders(s.cfg, s.program_dir, DialogsOf(s));
  EXPECT_EQ(t.ui.texts("input").size(), 1u);
  EXPECT_EQ(s.cfg.temp_dir, "/proc");  // Cancel keeps the folder
}

}  // namespace
}  // namespace kv9
