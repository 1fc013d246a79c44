// The entries of kv9.cfg in file order, visited by the reader and by the writer alike so that
// both always agree on the order. An `Io` offers:
//   label(text [, at_end])          the label line (skipped on reading)
//   text(field [, limit] [, at_end]), integer(field [, at_end]), smart(real), longReal(real),
//   boolean(field), booleanUnlessFalse(field), character(field)
//   endsHere()   reading: the file ended cleanly here (the later settings keep their values)
//   more()       reading: the file has not ended yet; writing: always true
//   rule(f)      reading only: applies a rule after the value was read
// and kReading. "at_end" values are read as empty lines at the end of the file, without error.
#pragma once

#include <string>

#include "core/number_format.h"
#include "model/config.h"

namespace kv9::config_detail {

inline constexpr int kLayerNameLength = 32;
inline constexpr int kFontNameLength = 32;
inline constexpr int kLongFontNameLength = 60;
inline constexpr int kMaxPlotLines = 5;  // the first plot command line and four more

// Replaces values outside [lo, hi] by `replacement`.
inline void OutsideGives(int& v, int lo, int hi, int replacement) {
  if (v < lo || v > hi) v = replacement;
}

template <class Io>
void VisitEntries(Io& io, Config& c) {
  const bool reading = Io::kReading;
  for (auto& layer : c.layers) {
    io.label("Layer");
    io.text(layer.name, kLayerNameLength);
    io.label("Farbe");
    io.integer(layer.colour);
  }
  io.label("Textstil CAD");
  io.text(c.cad_text_font, kFontNameLength);
  io.label("Textbreitenfaktor CAD");
  io.smart(c.cad_text_width_factor);
  io.rule([&] {
    if (c.cad_text_width_factor == 0) c.cad_text_width_factor = 1.0;
  });
  io.label("Textwinkel");
  io.smart(c.cad_text_angle);
  io.label("CAD Ordner");
  io.text(c.cad_dir);
  io.label("DBF Ordner");
  io.text(c.dbf_dir);
  io.label("Hilfegrad");
  io.integer(c.help_level);
  io.label("Druckerschnittstelle");
  io.integer(c.printer_port);
  io.rule([&] { OutsideGives(c.printer_port, 1, 4, 1); });
  if (io.endsHere()) return;
  io.label("Druckertyp");
  io.integer(c.printer_type);
  if (io.endsHere()) return;
  io.label("Druckdichte");
  io.integer(c.print_density);
  io.label("Hardcopy um 90° gedreht ?");
  io.character(c.hardcopy_rotated);
  io.rule([&] {
    if (c.hardcopy_rotated == '\0') c.hardcopy_rotated = 'N';
  });
  io.label("Dezimalstellen");
  io.integer(c.decimals);
  io.rule([&] { OutsideGives(c.decimals, 1, 9, 3); });
  io.label("Druckdicke vertikal");
  io.integer(c.print_thickness_vertical);
  io.rule([&] { OutsideGives(c.print_thickness_vertical, 1, 4, 1); });
  if (io.endsHere()) return;
  io.label("Farbgrafik");
  io.boolean(c.colour_graphics);
  io.label("GrafikKorrekturFaktor horizontal");
  io.smart(c.graphics_aspect_correction);
  io.rule([&] {
    if (c.graphics_aspect_correction == 0) c.graphics_aspect_correction = 1.0;
  });
  io.label("Grafik-Mode");
  io.integer(c.graphics_mode);
  io.label("Grafik-Treiber");
  io.integer(c.graphics_driver);
  io.label("Auflösung horizontal");
  io.integer(c.client_width);
  io.label("Auflösung vertikal");
  io.integer(c.client_height);
  io.label("Ordner für temporäre Dateien");
  io.text(c.temp_dir);
  io.label("Druckerschnittstelle Hardcopy");
  io.integer(c.hardcopy_port);
  io.rule([&] { OutsideGives(c.hardcopy_port, 1, 4, 1); });
  if (io.endsHere()) return;
  io.label("EDI Ordner");
  io.text(c.edi_dir);
  io.label("PLT Ordner");
  io.text(c.plt_dir);
  io.label("Mode für Textausdruck 1:* 2:-");
  io.integer(c.text_report_mode);
  io.rule([&] { OutsideGives(c.text_report_mode, 1, 4, 1); });
  io.label("Zeilen pro Seite für Drucker");
  io.integer(c.lines_per_page);
  io.rule([&] {
    if (c.lines_per_page < 5) c.lines_per_page = 66;
  });
  io.label("Zoomfaktor");
  io.longReal(c.zoom_factor);
  io.rule([&] {
    if (c.zoom_factor == 0) c.zoom_factor = 1.02L;
  });
  io.label("Pan-Faktor");
  io.longReal(c.pan_factor);
  io.rule([&] {
    if (c.pan_factor == 0) c.pan_factor = 0.01L;
  });
  io.label("TAVIRON-Programmverzeichnis");
  io.text(c.maker_program_dir);
  if (io.endsHere()) return;
  io.label("RIXTRAN-Kommandozeile");
  {
    std::string line = c.plot_command_line;
    io.text(line);
    if (!reading || !line.empty()) c.plot_command_line = line;  // an empty line keeps it
  }
  if (io.endsHere()) return;
  io.label("Hintergrundfarbe");
  io.integer(c.background_colour);
  if (io.endsHere()) return;
  io.label("Windows-Druckmodus (1=mono 2=color)");
  io.integer(c.windows_print_mode);
  io.rule([&] { OutsideGives(c.windows_print_mode, 1, 2, 1); });
  if (io.endsHere()) return;
  io.label("Layer Monochrom");
  io.boolean(c.layer_monochrome);
  if (io.endsHere()) {
    // Files of this length predate the graphics font settings.
    c.graphics_text_width_factor = c.cad_text_width_factor;
    c.graphics_font = "Arial";
    return;
  }
  io.label("Textbreitenfaktor Grafik");
  io.longReal(c.graphics_text_width_factor);
  io.rule([&] {
    if (c.graphics_text_width_factor == 0) c.graphics_text_width_factor = 0.8L;
  });
  io.label("Textstil Grafik");
  io.text(c.graphics_font, kLongFontNameLength);
  if (io.endsHere()) return;
  for (int i = 0; i < 16; ++i) {
    io.label("Color Layer " + std::to_string(16 + i));
    io.integer(c.layer_colours_16_31[i]);
    io.rule([&] {
      if (c.layer_colours_16_31[i] == 0) c.layer_colours_16_31[i] = 1;
    });
  }
  if (io.endsHere()) return;
  io.label("Textprogramm");
  io.text(c.text_program);
  io.label("Datenbank mode");
  io.integer(c.database_mode);
  io.label("externe Datenbank");
  io.text(c.external_database);
  if (io.endsHere()) return;
  io.label("Windows Screendump Origin X");
  io.integer(c.print_origin_x);
  io.label("Windows Screendump Origin Y");
  io.integer(c.print_origin_y);
  io.label("Windows Screendump Scale");
  io.longReal(c.print_scale_x);
  io.rule([&] {
    if (c.print_scale_x == 0) c.print_scale_x = c.print_scale_y = 1.0;
  });
  io.label("Windows Screendump Border ?");
  io.boolean(c.print_border);
  if (io.endsHere()) return;
  io.label("Enter Password ?");
  io.boolean(c.enter_password);
  if (io.endsHere()) return;
  io.label("RIXTRAN Command lines (n, line 2 .. line n)");
  io.plotLines(c.plot_command_lines_more);
  io.label("Archive Flag ?");
  io.boolean(c.archive_flag);
  if (io.more()) {
    io.label("Date Code");
    io.integer(c.date_code);
    io.rule([&] { OutsideGives(c.date_code, 1, 4, 1); });
  }
  if (io.more()) {
    io.label("Header Space Lines");
    io.integer(c.header_space_lines);
    io.rule([&] {
      if (c.header_space_lines > 30) c.header_space_lines = 0;
    });
  }
  if (io.more()) {
    io.label("Text Device");
    io.integer(c.text_device);
    io.rule([&] { OutsideGives(c.text_device, 1, 9, 1); });
    io.label("Text Device Window ?");
    io.boolean(c.text_device_window);
  }
  if (io.more()) {
    io.label("Small Online Window ?");
    io.boolean(c.small_online_window);
  }
  if (io.more()) {
    io.label("Enter Diagram Limits ?");
    io.boolean(c.enter_diagram_limits);
  }
  io.label("Dot=1 Komma=2", true);
  io.integer(c.decimal_separator, true);
  io.rule([&] { OutsideGives(c.decimal_separator, 1, 2, 1); });
  io.label("Default Data Directory", true);
  io.text(c.default_data_dir, 0, true);
  io.rule([&] {
    if (c.default_data_dir.empty()) c.default_data_dir = io.startFolder();
  });
  if (io.more()) {
    io.label("Text Height Factor");
    io.longReal(c.text_height_factor);
  }
  io.rule([&] {
    if (c.text_height_factor < 0.1L) c.text_height_factor = 1.0;
  });
  if (io.more()) {
    io.label("Input Window Scale %");
    io.integer(c.input_window_scale);
  }
  io.rule([&] { OutsideGives(c.input_window_scale, 10, 1000, 100); });
  io.label("HTML Browser", true);
  io.text(c.html_browser, 0, true);  // an empty line clears it
  if (io.endsHere()) return;
  io.label("Print Scale Vertical");
  io.longReal(c.print_scale_y);
  io.rule([&] {
    if (c.print_scale_y < 0.0001L) c.print_scale_y = c.print_scale_x;
  });
  io.label("Line thickness Layer 0..5");
  for (int& t : c.line_thickness_0_5) {
    io.integer(t);
    io.rule([&] { OutsideGives(t, 1, 255, 1); });
  }
  io.label("Graphic Printout Dialog Box ?");
  io.boolean(c.graphic_printout_dialog);
  io.label("Text window left/top/width/height");
  io.textWindow(c.text_window_rect);
  io.label("Metric Units=0,  English units=1");
  io.integer(c.unit_flag);
  io.label("printout with header=1, header page 1 only=2");
  io.integer(c.printout_header);
  io.rule([&] { OutsideGives(c.printout_header, 1, 2, 1); });
  io.label("Text Font Printout");
  io.text(c.printout_font, kLongFontNameLength);
  io.rule([&] {
    if (c.printout_font.empty()) c.printout_font = "Courier New";
  });
  io.label("Text Size Printout");
  io.integer(c.printout_size);
  io.rule([&] {
    if (c.printout_size == 0) c.printout_size = 10;
  });
  io.label("Text Style Printout");
  io.integer(c.printout_style);
  io.label("Text Style Graphics");
  io.integer(c.graphics_font_style);
  io.label("Printer: Portrait=1, Landscape=2");
  io.integer(c.printer_orientation);
  io.label("Edit 3D x,y,z ?");
  io.booleanUnlessFalse(c.edit_3d);
  io.label("3D - Default x,y,z");
  for (Real& angle : c.view_3d) io.longReal(angle);
  io.integer(c.change_index_style);
  io.integer(c.table_decimal_style);
  io.rule([&] {
    if (c.table_decimal_style == 0) c.table_decimal_style = 2;
  });
  io.text(c.release_text);
  io.label("Decimals DXF,TXT");
  io.integer(c.cad_decimals);
  io.rule([&] { OutsideGives(c.cad_decimals, 1, 32, 6); });
  io.label("CAD Text Mode");
  io.integer(c.cad_text_mode);
  io.rule([&] {
    // No mode stored (an empty or missing line): the mode of a new configuration.
    if (c.cad_text_mode == 0) c.cad_text_mode = kNewCadTextMode;
  });
  io.label("Strichstärke Layer 16..31");
  for (int& t : c.line_thickness_16_31) io.integer(t);
  io.integer(c.plain_text_mode);
  io.integer(c.dialog_element_scale);
  io.rule([&] { OutsideGives(c.dialog_element_scale, 10, 1000, 100); });
  io.integer(c.angle_format);
  io.rule([&] { OutsideGives(c.angle_format, 1, 2, 2); });
  io.longReal(c.dimension_factor);
  io.rule([&] {
    if (c.dimension_factor == 0) c.dimension_factor = 1.0;
  });
  io.integer(c.kept_int);
  io.integer(c.language);
  io.integer(c.result_graphic);
  for (bool& hidden : c.title_block_hidden) io.boolean(hidden);  // TRUE = hidden
}

}  // namespace kv9::config_detail
