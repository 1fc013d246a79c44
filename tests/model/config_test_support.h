// Helpers of the configuration tests: a configuration with every setting off its default, a
// field-by-field comparison, and editing of written files by label.
#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "app/session.h"
#include "core/text.h"
#include "model/config.h"
#include "model/config_file.h"

namespace kv9::test {

inline Config UnusualConfig() {
  Config c;
  for (int i = 0; i < 5; ++i) c.layers[i] = {"Lage" + std::to_string(i) + " \x81", 10 + i};
  c.cad_text_font = "ROMANS";
  c.cad_text_width_factor = 0.75L;
  c.cad_text_angle = 12.5L;
  c.cad_dir = "/cad/";
  c.dbf_dir = "/dbf/";
  c.help_level = 2;
  c.printer_port = 3;
  c.printer_type = 7;
  c.print_density = 2;
  c.hardcopy_rotated = 'N';
  c.decimals = 5;
  c.print_thickness_vertical = 4;
  c.colour_graphics = false;
  c.graphics_aspect_correction = 1.25L;
  c.graphics_mode = 4;
  c.graphics_driver = 9;
  c.client_width = 799;
  c.client_height = 599;
  c.temp_dir = "/scratch/";
  c.hardcopy_port = 2;
  c.edi_dir = "/edi/";
  c.plt_dir = "/plt/";
  c.text_report_mode = 3;
  c.lines_per_page = 72;
  c.zoom_factor = 1.05L;
  c.pan_factor = 0.025L;
  c.maker_program_dir = "/opt/maker/";
  c.plot_command_line = "wrixtran in /X";
  c.background_colour = 7;
  c.windows_print_mode = 2;
  c.layer_monochrome = true;
  c.graphics_text_width_factor = 0.9L;
  c.graphics_font = "DejaVu Sans";
  for (int i = 0; i < 16; ++i) c.layer_colours_16_31[i] = 20 + i;
  c.text_program = "mousepad";
  c.database_mode = 3;
  c.external_database = "/opt/db";
  c.print_origin_x = 11;
  c.print_origin_y = -12;
  c.print_scale_x = 0.9L;
  c.print_border = true;
  c.enter_password = true;
  c.plot_command_lines_more = {"rixtran a", "rixtran b"};
  c.archive_flag = true;
  c.date_code = 4;
  c.header_space_lines = 3;
  c.text_device = 7;
  c.text_device_window = true;
  c.small_online_window = true;
  c.enter_diagram_limits = true;
  c.decimal_separator = 2;
  c.default_data_dir = "/data/";
  c.text_height_factor = 1.5L;
  c.input_window_scale = 120;
  c.html_browser = "firefox";
  c.print_scale_y = 0.8L;
  c.line_thickness_0_5 = {1, 2, 3, 4, 5, 255};
  c.graphic_printout_dialog = false;
  c.text_window_rect = {10, 20, 300, 400};
  c.unit_flag = 0;
  c.printout_header = 2;
  c.printout_font = "DejaVu Sans Mono";
  c.printout_size = 9;
  c.printout_style = 3;
  c.graphics_font_style = 1;
  c.printer_orientation = 2;
  c.edit_3d = false;
  c.view_3d = {0.5L, -0.25L, 1.125L};
  c.change_index_style = 3;
  c.table_decimal_style = 1;
  c.release_text = "Freigabe";
  c.cad_decimals = 8;
  c.cad_text_mode = 3;
  for (int i = 0; i < 16; ++i) c.line_thickness_16_31[i] = 1 + i;
  c.plain_text_mode = 1;
  c.dialog_element_scale = 90;
  c.angle_format = 1;
  c.dimension_factor = 2.5L;
  c.kept_int = 42;
  c.language = 2;
  c.result_graphic = 3;
  c.title_block_hidden = {true, false, true, false};
  return c;
}

// Every setting the file stores.
inline void ExpectSameSettings(const Config& a, const Config& b) {
#define KV9_SAME(field) EXPECT_EQ(a.field, b.field) << #field
  for (int i = 0; i < 5; ++i) {
    KV9_SAME(layers[i].name);
    KV9_SAME(layers[i].colour);
  }
  KV9_SAME(cad_text_font);
  KV9_SAME(cad_text_width_factor);
  KV9_SAME(cad_text_angle);
  KV9_SAME(cad_dir);
  KV9_SAME(dbf_dir);
  KV9_SAME(help_level);
  KV9_SAME(printer_port);
  KV9_SAME(printer_type);
  KV9_SAME(print_density);
  KV9_SAME(hardcopy_rotated);
  KV9_SAME(decimals);
  KV9_SAME(print_thickness_vertical);
  KV9_SAME(colour_graphics);
  KV9_SAME(graphics_aspect_correction);
  KV9_SAME(graphics_mode);
  KV9_SAME(graphics_driver);
  KV9_SAME(client_width);
  KV9_SAME(client_height);
  KV9_SAME(temp_dir);
  KV9_SAME(hardcopy_port);
  KV9_SAME(edi_dir);
  KV9_SAME(plt_dir);
  KV9_SAME(text_report_mode);
  KV9_SAME(lines_per_page);
  KV9_SAME(zoom_factor);
  KV9_SAME(pan_factor);
  KV9_SAME(maker_program_dir);
  KV9_SAME(plot_command_line);
  KV9_SAME(background_colour);
  KV9_SAME(windows_print_mode);
  KV9_SAME(layer_monochrome);
  KV9_SAME(graphics_text_width_factor);
  KV9_SAME(graphics_font);
  KV9_SAME(layer_colours_16_31);
  KV9_SAME(text_program);
  KV9_SAME(database_mode);
  KV9_SAME(external_database);
  KV9_SAME(print_origin_x);
  KV9_SAME(print_origin_y);
  KV9_SAME(print_scale_x);
  KV9_SAME(print_border);
  KV9_SAME(enter_password);
  KV9_SAME(plot_command_lines_more);
  KV9_SAME(archive_flag);
  KV9_SAME(date_code);
  KV9_SAME(header_space_lines);
  KV9_SAME(text_device);
  KV9_SAME(text_device_window);
  KV9_SAME(small_online_window);
  KV9_SAME(enter_diagram_limits);
  KV9_SAME(decimal_separator);
  KV9_SAME(default_data_dir);
  KV9_SAME(text_height_factor);
  KV9_SAME(input_window_scale);
  KV9_SAME(html_browser);
  KV9_SAME(print_scale_y);
  KV9_SAME(line_thickness_0_5);
  KV9_SAME(graphic_printout_dialog);
  KV9_SAME(text_window_rect);
  KV9_SAME(unit_flag);
  KV9_SAME(printout_header);
  KV9_SAME(printout_font);
  KV9_SAME(printout_size);
  KV9_SAME(printout_style);
  KV9_SAME(graphics_font_style);
  KV9_SAME(printer_orientation);
  KV9_SAME(edit_3d);
  KV9_SAME(view_3d);
  KV9_SAME(change_index_style);
  KV9_SAME(table_decimal_style);
  KV9_SAME(release_text);
  KV9_SAME(cad_decimals);
  KV9_SAME(cad_text_mode);
  KV9_SAME(line_thickness_16_31);
  KV9_SAME(plain_text_mode);
  KV9_SAME(dialog_element_scale);
  KV9_SAME(angle_format);
  KV9_SAME(dimension_factor);
  KV9_SAME(kept_int);
  KV9_SAME(language);
  KV9_SAME(result_graphic);
  KV9_SAME(title_block_hidden);
#undef KV9_SAME
}

inline std::string WrittenConfig(const Session& s) {
  std::ostringstream out;
  WriteConfigStream(s.cfg, out);
  return out.str();
}

inline void ReadConfigText(Session& s, const std::string& text) {
  std::istringstream in(text);
  ReadConfigStream(s.cfg, s.program_dir, DialogsOf(s), in);
}

inline std::vector<std::string> SplitCrLf(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < text.size()) {
    std::size_t end = text.find("\r\n", start);
    if (end == std::string::npos) end = text.size();
    lines.push_back(text.substr(start, end - start));
    start = end + 2;
  }
  return lines;
}

inline std::string JoinCrLf(const std::vector<std::string>& lines) {
  std::string text;
  for (const auto& l : lines) text += l + "\r\n";
  return text;
}

// Index of the label line (given in UTF-8) in the written lines.
inline std::size_t LabelIndex(const std::vector<std::string>& lines, const std::string& label) {
  std::string wanted = Utf8ToCp850(label);
  for (std::size_t i = 0; i < lines.size(); ++i)
    if (lines[i] == wanted) return i;
  ADD_FAILURE() << "no label " << label;
  return lines.size();
}

// The text up to (not including) the label line: a file that ends after the entry before it.
inline std::string CutBefore(const std::string& text, const std::string& label) {
  auto lines = SplitCrLf(text);
  lines.resize(LabelIndex(lines, label));
  return JoinCrLf(lines);
}

// The text with the value line `offset` lines below the label replaced.
inline std::string SetAfter(const std::string& text, const std::string& label, int offset,
                            const std::string& value) {
  auto lines = SplitCrLf(text);
  lines.at(LabelIndex(lines, label) + offset) = value;
  return JoinCrLf(lines);
}

}  // namespace kv9::test
