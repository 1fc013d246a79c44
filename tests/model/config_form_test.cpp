#include "model/config_form.h"

#include <gtest/gtest.h>

#include "core/scripted_ui.h"
#include "model/config_test_support.h"

namespace kv9 {
namespace {

ConfigControl& Control(ConfigForm& form, const std::string& name) {
  ConfigControl* c = form.find(name);
  if (!c) ADD_FAILURE() << "no control " << name;
  static ConfigControl none;
  return c ? *c : none;
}

struct ConfigFormTest : ::testing::Test {
  ScriptedUi ui;
  Config settings = test::UnusualConfig();
  ConfigFormEnvironment env() {
    ConfigFormEnvironment e;
    e.ui = &ui;
    e.screen = {1280, 1024, 96};
    e.frame_dx = 8;
    e.frame_dy = 40;
    e.screen_dialog_scale = 125;
    e.output_formats = {"Bildschirm", "Textdrucker", "Datei", "Windows-Drucker",
                        "ext",        "TXT",         "HTML"};
    return e;
  }
};

TEST_F(ConfigFormTest, HasTheNinePagesAndStartsOnGrafik) {
  ConfigForm form(settings, env());
  std::vector<std::string> titles;
  for (const auto& p : form.pages) titles.push_back(p.title);
  EXPECT_EQ(titles, (std::vector<std::string>{"Directories", "Grafik", "CAD", "Farbe", "Drucker",
                                              "Ausdruck", "Einstellungen", "Extern", "Zeichnung"}));
  EXPECT_EQ(form.pages[form.first_page].title, "Grafik");
  EXPECT_EQ(form.caption, "KV9 - SAE Zahnwellenverbindung Konfiguration");
}

TEST_F(ConfigFormTest, HelpButtonsShowTheHelpTextOfTheirPage) {
  int topic = 0;
  ConfigFormEnvironment e = env();
  e.help_topic = &topic;
  ConfigForm form(settings, e);
  EXPECT_TRUE(form.help(1));
  EXPECT_EQ(topic, 1940);  // Grafik
  EXPECT_TRUE(form.help(3));
  EXPECT_EQ(topic, 1555);      // Farbe
  EXPECT_FALSE(form.help(0));  // Directories has none
  EXPECT_EQ(topic, 1555);
}

// Every control shows its setting and OK stores it back: copying the controls of an unusual
// configuration onto the defaults gives the unusual one again, apart from the settings the
// dialog has no control for.
TEST_F(ConfigFormTest, EveryControlFillsFromAndCopiesBackToItsSetting) {
  ConfigForm form(settings, env());
  EXPECT_EQ(Control(form, "Edit_window_x").text, "800");  // client size, the file keeps - 1
  EXPECT_EQ(Control(form, "Radio_colour").value, 1);      // monochrom
  EXPECT_EQ(Control(form, "Edit_layer_1").text, "Lage4 ü");
  EXPECT_EQ(Control(form, "Check_title_1").value, 0);  // hidden in the settings
  Config copied;
  form.copyBack(copied);
  const Config& u = settings;
  copied.printer_type = u.printer_type;
  copied.print_density = u.print_density;
  copied.hardcopy_rotated = u.hardcopy_rotated;
  copied.print_thickness_vertical = u.print_thickness_vertical;
  copied.graphics_aspect_correction = u.graphics_aspect_correction;
  copied.graphics_mode = u.graphics_mode;
  copied.graphics_driver = u.graphics_driver;
  copied.hardcopy_port = u.hardcopy_port;
  copied.database_mode = u.database_mode;
  copied.external_database = u.external_database;
  copied.small_online_window = u.small_online_window;
  copied.edit_3d = u.edit_3d;
  copied.kept_int = u.kept_int;
  copied.language = u.language;
  copied.line_thickness_0_5[0] = u.line_thickness_0_5[0];  // layer 0 has no row
  test::ExpectSameSettings(copied, u);
}

TEST_F(ConfigFormTest, CancelChangesNothingAndOkAppliesTheRules) {
  const Config before = settings;
  {
    ConfigForm form(settings, env());
    Control(form, "Edit_zoom").text = "0";
    Control(form, "Spin_lines").value = 12;
    form.cancel();
  }
  test::ExpectSameSettings(settings, before);

  ConfigForm form(settings, env());
  Control(form, "Edit_zoom").text = "0";
  Control(form, "Edit_text_width").text = "0";
  Control(form, "Edit_text_height").text = "0";
  Control(form, "Edit_dim_factor").text = "0.005";
  Control(form, "Spin_dialog_scale").value = 0;
  Control(form, "Spin_element_scale").value = 0;
  Control(form, "Edit_window_x").text = "0";
  Control(form, "Edit_window_y").text = "9999";
  Control(form, "Edit_3d_x").text = "90";
  Control(form, "Edit_scale_x").text = "1,5";
  form.accept();
  EXPECT_EQ(settings.zoom_factor, 1.0L);  // the file's reader would make it 1.02
  EXPECT_EQ(settings.graphics_text_width_factor, 1.0L);
  EXPECT_EQ(settings.text_height_factor, 1.0L);
  EXPECT_EQ(settings.dimension_factor, 1.0L);
  EXPECT_EQ(settings.input_window_scale, 100);
  EXPECT_EQ(settings.dialog_element_scale, 100);
  EXPECT_EQ(settings.client_width, 1280 + 8 - 1);
  EXPECT_EQ(settings.client_height, 5000);
  EXPECT_NEAR(static_cast<double>(settings.view_3d[0]), 1.5707963, 1e-6);
  EXPECT_EQ(settings.view_3d[1], before.view_3d[1]);  // untouched text: exact value kept
  EXPECT_EQ(settings.print_scale_x, 1.5L);
}

TEST_F(ConfigFormTest, ProposalButtons) {
  ConfigForm form(settings, env());
  for (const char* name : {"Edit_zoom", "Edit_pan", "Edit_text_width", "Edit_release",
                           "Edit_dim_factor", "Edit_scale_x", "Edit_window_x", "Spin_dialog_scale",
                           "Spin_cad_decimals", "Edit_layer_1", "Edit_layer_5"})
    form.propose(name);
  EXPECT_EQ(Control(form, "Edit_zoom").text, "1.02");
  EXPECT_EQ(Control(form, "Edit_pan").text, "0.02");
  EXPECT_EQ(Control(form, "Edit_text_width").text, "0.8");
  EXPECT_EQ(Control(form, "Edit_release").text, "Frei");
  EXPECT_EQ(Control(form, "Edit_window_x").text, "1288");
  EXPECT_EQ(Control(form, "Edit_window_y").text, "1090");  // 1024 + 1.65 x 40
  EXPECT_EQ(Control(form, "Spin_dialog_scale").value, 125);
  EXPECT_EQ(Control(form, "Spin_cad_decimals").value, 6);
  EXPECT_EQ(Control(form, "Edit_layer_1").text, "5");
  EXPECT_EQ(Control(form, "Colour_layer_1").value, 1);
  EXPECT_EQ(Control(form, "Spin_layer_thickness_1").value, 3);
  EXPECT_EQ(Control(form, "Edit_layer_5").text, "1");
  EXPECT_EQ(Control(form, "Colour_layer_5").value, 2);

  Control(form, "Edit_scale_x").text = "2.5";
  form.propose("Edit_scale_y");
  EXPECT_EQ(Control(form, "Edit_scale_y").text, "2.5");
  form.propose("Spin_element_scale");  // 100 x 125 / 125
  EXPECT_EQ(Control(form, "Spin_element_scale").value, 100);

  Control(form, "Spin_printout_size").value = 12;
  form.propose("Spin_textwin_l");
  EXPECT_EQ(Control(form, "Spin_textwin_l").value, 10);
  EXPECT_EQ(Control(form, "Spin_textwin_t").value, 40);
  EXPECT_EQ(Control(form, "Spin_textwin_w").value, 840);
  EXPECT_EQ(Control(form, "Spin_textwin_h").value, 1070);
  Control(form, "Edit_window_x").text = "640";
  form.propose("Spin_textwin_l");
  EXPECT_EQ(Control(form, "Spin_textwin_w").value, 620);

  form.press("Button_thickness_3");
  for (int layer = 16; layer <= 31; ++layer)
    EXPECT_EQ(Control(form, "Spin_thickness_" + std::to_string(layer)).value, 3);
}

TEST_F(ConfigFormTest, TemporaryFolderProposalOnlyWithTemp) {
  ConfigFormEnvironment e = env();
  EXPECT_FALSE(ConfigForm(settings, e).find("Edit_temp")->proposal);
  e.temp_env = "/var/tmp/";
  ConfigForm form(settings, e);
  form.propose("Edit_temp");
  EXPECT_EQ(Control(form, "Edit_temp").text, "/var/tmp/");
}

TEST_F(ConfigFormTest, WindowSizeEditResizesAtOnceEvenWhenCancelled) {
  ConfigFormEnvironment e = env();
  std::vector<std::pair<int, int>> sizes;
  e.resize_window = [&](int w, int h) { sizes.push_back({w, h}); };
  const int before = settings.client_width;
  ConfigForm form(settings, e);
  Control(form, "Edit_window_x").text = "1000";
  form.windowSizeLeft();
  form.cancel();
  EXPECT_EQ(sizes, (std::vector<std::pair<int, int>>{{1000, 600}}));
  EXPECT_EQ(settings.client_width, before);
}

TEST_F(ConfigFormTest, ColourChooserTakesTheChoiceAndCancelKeepsTheColour) {
  ConfigForm form(settings, env());
  int offered = 0;
  ui.on_selectColorForm = [&](SelectColorForm& chooser) {
    offered = chooser.colour;
    EXPECT_EQ(chooser.items.size(), 16u);
    EXPECT_EQ(chooser.items[15], "16 (schwarz)");
    chooser.colour = 9;
    chooser.accept();
    return true;
  };
  Control(form, "Colour_16").value = 4;
  form.chooseColour("Colour_16");
  EXPECT_EQ(offered, 4);
  EXPECT_EQ(Control(form, "Colour_16").value, 9);
  ui.on_selectColorForm = [](SelectColorForm& chooser) {
    chooser.colour = 2;
    chooser.cancel();
    return false;
  };
  form.chooseColour("Colour_16");
  EXPECT_EQ(Control(form, "Colour_16").value, 9);
}

// The background is a screen palette colour, the chooser offers CAD colour numbers: white is
// palette 15 and colour 7, black palette 0 and colour 16.
TEST_F(ConfigFormTest, BackgroundChoiceIsShownAtOnceAndCancelTakesItBack) {
  ConfigFormEnvironment e = env();
  std::vector<int> shown;
  e.show_background = [&shown](int palette) { shown.push_back(palette); };
  settings.background_colour = 15;
  ConfigForm form(settings, e);
  int offered = 0;
  ui.on_selectColorForm = [&offered](SelectColorForm& chooser) {
    offered = chooser.colour;
    chooser.colour = 16;
    return true;
  };
  form.chooseColour("Colour_background");
  EXPECT_EQ(offered, 7);
  EXPECT_EQ(Control(form, "Colour_background").value, 0);
  EXPECT_EQ(settings.background_colour, 0);
  form.chooseColour("Colour_background");
  EXPECT_EQ(offered, 16);
  form.cancel();
  EXPECT_EQ(shown, (std::vector<int>{0, 0, 15}));
  EXPECT_EQ(settings.background_colour, 15);
}

TEST_F(ConfigFormTest, UnknownWindowSizeShowsTheScreen) {
  settings.client_width = 0;
  settings.client_height = -1;
  ConfigForm form(settings, env());
  EXPECT_EQ(Control(form, "Edit_window_x").text, "1288");
  EXPECT_EQ(Control(form, "Edit_window_y").text, "1064");
}

}  // namespace
}  // namespace kv9
