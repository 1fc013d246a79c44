// The user settings of the configuration file kv9.cfg, in file order. Defaults are the values the
// program has before (or without) a configuration file.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/number_format.h"
#include "core/real.h"

namespace kv9 {

struct CadLayerSetting {
  std::string name;  // at most 32 characters
  int colour = 1;
};

// The CAD text mode of a configuration that stores none: Windows-1252, what DXF readers decode.
inline constexpr int kNewCadTextMode = 2;

struct Config {
  // Where the file lives: configuration directory + base name + ".cfg".
  std::string config_dir;         // with trailing "/"; initially the program folder
  std::string base_name = "kv9";  // at most 25 characters

  // 1..4
  std::array<CadLayerSetting, 5> layers = {CadLayerSetting{"1", 2}, CadLayerSetting{"2", 2},
                                           CadLayerSetting{"3", 2}, CadLayerSetting{"4", 3},
                                           CadLayerSetting{"5", 1}};
  std::string cad_text_font = "TXT8";
  Real cad_text_width_factor = 1.0;
  Real cad_text_angle = 0;
  // 5..13
  std::string cad_dir;
  std::string dbf_dir;
  int help_level = 1;
  int printer_port = 1;  // LPT1..LPT4
  int printer_type = 3;
  int print_density = 1;
  char hardcopy_rotated = 'J';
  int decimals = 3;  // "Dezimalstellen"
  int print_thickness_vertical = 1;
  // 14..21
  bool colour_graphics = true;
  Real graphics_aspect_correction = 1.0;
  int graphics_mode = 0;
  int graphics_driver = 0;
  int client_width = 0;   // "Auflösung horizontal": main window client width - 1
  int client_height = 0;  // "Auflösung vertikal"
  std::string temp_dir;
  int hardcopy_port = 1;
  // 22..31
  std::string edi_dir;
  std::string plt_dir;       // help pictures, help texts and kv9.err
  int text_report_mode = 2;  // separator style 1..4 of text reports
  int lines_per_page = 66;
  Real zoom_factor = 1.02L;
  Real pan_factor = 0.01L;
  std::string maker_program_dir;
  std::string plot_command_line;  // first plot command line
  int background_colour = 15;
  int windows_print_mode = 1;  // 1 mono, 2 colour
  // 32..35
  bool layer_monochrome = false;
  Real graphics_text_width_factor = 0.8L;
  std::string graphics_font = "Arial";  // at most 60 characters
  std::array<int, 16> layer_colours_16_31 = {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 1, 2};
  // 36..43
  std::string text_program = "xdg-open";
  int database_mode = 1;
  std::string external_database;
  int print_origin_x = 0;
  int print_origin_y = 0;
  Real print_scale_x = 1.0;
  bool print_border = false;
  bool enter_password = false;
  // 44..51
  std::vector<std::string> plot_command_lines_more;  // plot command lines 2..n
  bool archive_flag = false;
  int date_code = 1;
  int header_space_lines = 0;
  int text_device = 1;  // default report target
  bool text_device_window = false;
  bool small_online_window = false;
  bool enter_diagram_limits = false;
  // 52..60
  int decimal_separator = 1;  // 1 ".", 2 ","
  std::string default_data_dir;
  Real text_height_factor = 1.0;
  int input_window_scale = 102;
  std::string html_browser = "xdg-open";
  Real print_scale_y = 1.0;
  std::array<int, 6> line_thickness_0_5 = {1, 1, 1, 1, 1, 1};
  bool graphic_printout_dialog = true;
  std::array<int, 4> text_window_rect = {0, 0, 0, 0};  // left, top, width, height
  // 61..68
  int unit_flag = 1;  // 0 metric, 1 inch
  int printout_header = 1;
  std::string printout_font = "Courier New";
  int printout_size = 10;
  int printout_style = 0;
  int graphics_font_style = 0;
  int printer_orientation = 1;
  bool edit_3d = true;
  // 69
  std::array<Real, 3> view_3d = {0, 0, 0};  // radians
  int change_index_style = 0;
  int table_decimal_style = 2;  // Excel / table-file separator: 1 "x.xx", 2 "x,xx"
  std::string release_text;
  // 70..72
  int cad_decimals = 6;  // "Decimals DXF,TXT"
  // 1 OEM (code page 850), 2 ANSI (Windows-1252), 3 transliterated.
  int cad_text_mode = kNewCadTextMode;
  std::array<int, 16> line_thickness_16_31 = {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
  int plain_text_mode = 0;  // special characters: 0 "²  µ  °", 1 "2  u  deg"
  int dialog_element_scale = 100;
  int angle_format = 2;  // 1 decimal degrees, 2 degrees-minutes-seconds
  Real dimension_factor = 1.0;
  int kept_int = 0;
  int language = 0;  // language code of the menus, 0 = none chosen
  int result_graphic = 0;
  std::array<bool, 4> title_block_hidden = {false, false, false, false};
};

// The number and unit formats the settings ask for.
inline NumberStyle StyleOf(const Config& c) {
  return {c.decimals, c.decimal_separator};
}
// The style with the separator forced to "." (configuration file).
inline NumberStyle PointStyle(const Config& c) {
  return {c.decimals, 1};
}
inline UnitStyle UnitsOf(const Config& c) {
  return {StyleOf(c), c.unit_flag == 1, c.plain_text_mode == 1};
}
// Special characters written plainly ("2  u  deg") in the display conversion.
inline bool PlainText(const Config& c) {
  return c.plain_text_mode == 1;
}
inline bool InchMode(const Config& c) {
  return c.unit_flag == 1;
}

}  // namespace kv9
