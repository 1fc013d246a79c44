// The pages of the configuration dialog. Each control carries its own load and store rule, so
// filling and the full copy back are one loop over the pages.
#include "model/config_form_pages.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <numbers>

#include "core/number_format.h"
#include "core/program_info.h"
#include "core/text.h"

namespace kv9 {

namespace {

using Kind = ConfigControl::Kind;

// A real as an edit shows it: the shortest text of its double, without the locale.
std::string RealText(Real x) {
  char buf[64];
  auto end = std::to_chars(buf, buf + sizeof buf, static_cast<double>(x)).ptr;
  return std::string(buf, end);
}

void ShowReal(ConfigControl& self, Real value, Real shown) {
  self.exact = value;
  self.text = self.shown_text = RealText(shown);
}

Real ReadReal(const std::string& text) {
  Real v = ParseReal(text);
  return std::isfinite(v) ? v : 0;
}

// The value the control stands for: the one it was filled with unless its text was changed.
Real TypedReal(const ConfigControl& self, Real (*from_shown)(Real) = nullptr) {
  if (self.text == self.shown_text) return self.exact;
  Real v = ReadReal(self.text);
  return from_shown ? from_shown(v) : v;
}

int ReadInt(const std::string& text) {
  long long v = ParseInt(text);
  return static_cast<int>(std::clamp<long long>(v, -1000000000, 1000000000));
}

ConfigControl Control(Kind kind, std::string name, std::string caption, int help = 0) {
  ConfigControl c;
  c.kind = kind;
  c.name = std::move(name);
  c.caption = std::move(caption);
  c.help_topic = help;
  return c;
}

// A text setting; `cp850` converts (paths are the platform's bytes and stay as they are).
ConfigControl TextOf(Kind kind, std::string name, std::string caption, std::string Config::*m,
                     bool cp850, int help = 0) {
  ConfigControl c = Control(kind, std::move(name), std::move(caption), help);
  c.load = [m, cp850](const Config& cfg, ConfigControl& self) {
    self.text = cp850 ? Cp850ToUtf8(cfg.*m) : cfg.*m;
  };
  c.store = [m, cp850](const ConfigControl& self, Config& cfg) {
    cfg.*m = cp850 ? Utf8ToCp850(self.text) : self.text;
  };
  return c;
}

ConfigControl Folder(std::string name, std::string caption, std::string Config::*m, int help) {
  return TextOf(Kind::Folder, std::move(name), std::move(caption), m, false, help);
}

// "<" writes a fixed text into the control.
void ProposeText(ConfigControl& c, std::string text) {
  c.proposal = [text](ConfigForm&, ConfigControl& self) { self.text = text; };
}

// A real as an edit; `rule` is applied on copy back (0 gives 1.0 and the like).
ConfigControl RealOf(std::string name, std::string caption, Real Config::*m, Real (*rule)(Real),
                     const char* proposal = nullptr, int help = 0) {
  ConfigControl c = Control(Kind::Text, std::move(name), std::move(caption), help);
  c.load = [m](const Config& cfg, ConfigControl& self) { ShowReal(self, cfg.*m, cfg.*m); };
  c.store = [m, rule](const ConfigControl& self, Config& cfg) {
    Real v = TypedReal(self);
    cfg.*m = rule ? rule(v) : v;
  };
  if (proposal) ProposeText(c, proposal);
  return c;
}

Real ZeroGivesOne(Real v) {
  return v == 0 ? 1.0L : v;
}

// An integer as an edit field.
ConfigControl IntTextOf(std::string name, std::string caption, int Config::*m) {
  ConfigControl c = Control(Kind::Text, std::move(name), std::move(caption));
  c.load = [m](const Config& cfg, ConfigControl& self) { self.text = std::to_string(cfg.*m); };
  c.store = [m](const ConfigControl& self, Config& cfg) { cfg.*m = ReadInt(self.text); };
  ProposeText(c, "0");
  return c;
}

ConfigControl NumberControl(std::string name, std::string caption, int min, int max) {
  ConfigControl c = Control(Kind::Number, std::move(name), std::move(caption));
  c.min = min;
  c.max = max;
  return c;
}

// A spin field; `zero_gives` replaces a 0 on copy back (0 = no rule).
ConfigControl SpinOf(std::string name, std::string caption, int Config::*m, int min, int max,
                     int zero_gives = 0, int help = 0) {
  ConfigControl c = NumberControl(std::move(name), std::move(caption), min, max);
  c.help_topic = help;
  c.load = [m](const Config& cfg, ConfigControl& self) { self.value = cfg.*m; };
  c.store = [m, zero_gives](const ConfigControl& self, Config& cfg) {
    cfg.*m = self.value == 0 && zero_gives != 0 ? zero_gives : self.value;
  };
  return c;
}

ConfigControl CheckOf(std::string name, std::string caption, bool Config::*m, int help = 0) {
  ConfigControl c = Control(Kind::Check, std::move(name), std::move(caption), help);
  c.load = [m](const Config& cfg, ConfigControl& self) { self.value = cfg.*m ? 1 : 0; };
  c.store = [m](const ConfigControl& self, Config& cfg) { cfg.*m = self.value != 0; };
  return c;
}

// A radio group whose positions 0, 1, ... stand for the setting values first, first + 1, ...
ConfigControl ChoiceOf(std::string name, std::string caption, int Config::*m,
                       std::vector<std::string> options, int first, int help = 0) {
  ConfigControl c = Control(Kind::Choice, std::move(name), std::move(caption), help);
  c.options = std::move(options);
  const int count = static_cast<int>(c.options.size());
  c.load = [m, first, count](const Config& cfg, ConfigControl& self) {
    self.value = std::clamp(cfg.*m - first, 0, std::max(count - 1, 0));
  };
  c.store = [m, first](const ConfigControl& self, Config& cfg) { cfg.*m = self.value + first; };
  return c;
}

ConfigControl Label(std::string name, std::string caption, std::string text, int help = 0) {
  ConfigControl c = Control(Kind::Label, std::move(name), std::move(caption), help);
  c.text = std::move(text);
  return c;
}

ConfigControl Button(std::string name, std::string caption,
                     std::function<void(ConfigForm&)> action) {
  ConfigControl c = Control(Kind::Button, std::move(name), std::move(caption));
  c.action = std::move(action);
  return c;
}

void SetValue(ConfigForm& f, const std::string& name, int value) {
  if (ConfigControl* c = f.find(name)) c->value = value;
}
void SetText(ConfigForm& f, const std::string& name, std::string text) {
  if (ConfigControl* c = f.find(name)) c->text = std::move(text);
}
int ValueOf(ConfigForm& f, const std::string& name) {
  const ConfigControl* c = f.find(name);
  return c ? c->value : 0;
}
std::string TextOfControl(ConfigForm& f, const std::string& name) {
  const ConfigControl* c = f.find(name);
  return c ? c->text : std::string();
}

// --- pages ---

ConfigPage DirectoriesPage(const ConfigFormEnvironment& env) {
  ConfigPage p{"Directories", 0, {}};
  auto& c = p.controls;
  c.push_back(Folder("Edit_dbf", "Ordner für Datenbankdateien (dbf)", &Config::dbf_dir, 1570));
  c.push_back(Folder("Edit_program", "TAVIRON-Programm-Ordner", &Config::maker_program_dir, 1600));
  c.push_back(Folder("Edit_plt", "Ordner für Hilfebilder und Hilfetexte", &Config::plt_dir, 1610));
  c.push_back(Folder("Edit_temp", "Temporärer Ordner", &Config::temp_dir, 1590));
  if (!env.temp_env.empty()) ProposeText(c.back(), env.temp_env);
  c.push_back(Folder("Edit_data", std::string(".") + kProductNameLower + " Ordner",
                     &Config::default_data_dir, 1595));
  c.push_back(Folder("Edit_cad", "CAD Ordner", &Config::cad_dir, 1830));
  c.push_back(Folder("Edit_edi", "EDI Ordner", &Config::edi_dir, 1615));
  c.push_back(Label("Label_workdir", "Arbeitsverzeichnis", env.working_dir, 1605));
  c.push_back(Label("Label_user", "User: " + env.user_name, ""));
  return p;
}

ConfigPage GraphicsPage(const ConfigFormEnvironment& env) {
  ConfigPage p{"Grafik", 1940, {}};
  auto& c = p.controls;
  ConfigControl colour = Control(Kind::Choice, "Radio_colour", "Farbgrafik", 1670);
  colour.options = {"color", "monochrom"};
  colour.load = [](const Config& cfg, ConfigControl& self) {
    self.value = cfg.colour_graphics ? 0 : 1;
  };
  colour.store = [](const ConfigControl& self, Config& cfg) {
    cfg.colour_graphics = self.value == 0;
  };
  c.push_back(colour);

  // The window size edits show the client size; the file keeps it minus 1.
  const int full_width = env.screen.width + env.frame_dx;
  const int full_height = env.screen.height + env.frame_dy;
  // A size not known yet (0 or -1 before the file gave one) shows the full screen, as OK
  // would store it.
  auto window_edit = [](std::string name, std::string caption, int Config::*m, int full) {
    ConfigControl e = Control(Kind::Text, std::move(name), std::move(caption), 1710);
    e.load = [m, full](const Config& cfg, ConfigControl& self) {
      self.text = std::to_string(cfg.*m > 0 ? cfg.*m + 1 : full);
    };
    e.store = [m, full](const ConfigControl& self, Config& cfg) {
      int n = ReadInt(self.text);
      if (n == 0) n = full;
      cfg.*m = std::clamp(n - 1, 0, 5000);
    };
    return e;
  };
  c.push_back(window_edit("Edit_window_x", "Fenstergroesse x", &Config::client_width, full_width));
  // The frame is the main window's, known only once the dialog shows over it.
  c.back().proposal = [](ConfigForm& f, ConfigControl& self) {
    const ConfigFormEnvironment& e = f.env();
    self.text = std::to_string(e.screen.width + e.frame_dx);
    SetText(f, "Edit_window_y",
            std::to_string(e.screen.height + static_cast<int>(std::lround(1.65 * e.frame_dy))));
  };
  c.push_back(
      window_edit("Edit_window_y", "Fenstergroesse y", &Config::client_height, full_height));

  c.push_back(RealOf("Edit_text_width", "Textbreitenfaktor", &Config::graphics_text_width_factor,
                     ZeroGivesOne, "0.8", 1800));
  c.push_back(RealOf("Edit_text_height", "Texthöhenfaktor", &Config::text_height_factor,
                     ZeroGivesOne, "1", 1810));
  ConfigControl font =
      TextOf(Kind::Font, "Edit_font", "Font...", &Config::graphics_font, true, 1730);
  auto load_name = font.load;
  auto store_name = font.store;
  font.load = [load_name](const Config& cfg, ConfigControl& self) {
    load_name(cfg, self);
    self.value = cfg.graphics_font_style;
  };
  font.store = [store_name](const ConfigControl& self, Config& cfg) {
    store_name(self, cfg);
    cfg.graphics_font = cfg.graphics_font.substr(0, 60);
    cfg.graphics_font_style = self.value;
  };
  c.push_back(font);
  ConfigControl background = Control(Kind::Background, "Colour_background", "Hintergrundfarbe...");
  background.load = [](const Config& cfg, ConfigControl& self) {
    self.value = std::clamp(cfg.background_colour, 0, 15);
  };
  background.store = [](const ConfigControl& self, Config& cfg) {
    cfg.background_colour = self.value;
  };
  c.push_back(background);
  c.push_back(RealOf("Edit_zoom", "Zoomfaktor", &Config::zoom_factor, ZeroGivesOne, "1.02", 1725));
  c.push_back(RealOf("Edit_pan", "Pan-Faktor", &Config::pan_factor, nullptr, "0.02"));
  c.push_back(CheckOf("Check_border", "Umrandung", &Config::print_border));

  const int screen_scale = env.screen_dialog_scale;
  c.push_back(SpinOf("Spin_dialog_scale", "Dialogfenster Größe %", &Config::input_window_scale, 0,
                     1000, 100));
  c.back().proposal = [screen_scale](ConfigForm&, ConfigControl& self) {
    self.value = screen_scale;
  };
  c.push_back(SpinOf("Spin_element_scale", "Dialogelemente Größe %", &Config::dialog_element_scale,
                     0, 1000, 100));
  c.back().proposal = [screen_scale](ConfigForm& f, ConfigControl& self) {
    if (screen_scale > 0)
      self.value =
          static_cast<int>(std::lround(100.0 * ValueOf(f, "Spin_dialog_scale") / screen_scale));
  };

  const char* axes[3] = {"x °", "y °", "z °"};
  for (int i = 0; i < 3; ++i) {
    ConfigControl a = Control(Kind::Text, std::string("Edit_3d_") + "xyz"[i],
                              std::string("3D Edit x,y,z: ") + axes[i]);
    a.load = [i](const Config& cfg, ConfigControl& self) {
      ShowReal(self, cfg.view_3d[i], cfg.view_3d[i] * 180 / std::numbers::pi_v<Real>);
    };
    a.store = [i](const ConfigControl& self, Config& cfg) {
      cfg.view_3d[i] =
          TypedReal(self, [](Real deg) { return deg * std::numbers::pi_v<Real> / 180; });
    };
    c.push_back(a);
  }
  return p;
}

// Layer rows from the top: row 1 is the last layer of the file.
constexpr int kLayerDefaults[5][3] = {{5, 1, 3}, {4, 3, 2}, {3, 2, 1}, {2, 2, 1}, {1, 2, 1}};

ConfigPage CadPage() {
  ConfigPage p{"CAD", 1920, {}};
  auto& c = p.controls;
  for (int row = 1; row <= 5; ++row) {
    const int layer = 5 - row;  // index into the settings' layers; thickness index layer + 1
    const std::string n = std::to_string(row);
    ConfigControl name = Control(Kind::Text, "Edit_layer_" + n, "Layer");
    name.max_length = 32;
    name.load = [layer](const Config& cfg, ConfigControl& self) {
      self.text = Cp850ToUtf8(cfg.layers[layer].name);
    };
    name.store = [layer](const ConfigControl& self, Config& cfg) {
      cfg.layers[layer].name = Utf8ToCp850(self.text).substr(0, 32);
    };
    name.proposal = [row, n](ConfigForm& f, ConfigControl& self) {
      self.text = std::to_string(kLayerDefaults[row - 1][0]);
      SetValue(f, "Colour_layer_" + n, kLayerDefaults[row - 1][1]);
      SetValue(f, "Spin_layer_thickness_" + n, kLayerDefaults[row - 1][2]);
    };
    c.push_back(name);
    ConfigControl colour = Control(Kind::Colour, "Colour_layer_" + n, "Farbe");
    colour.load = [layer](const Config& cfg, ConfigControl& self) {
      self.value = cfg.layers[layer].colour;
    };
    colour.store = [layer](const ConfigControl& self, Config& cfg) {
      cfg.layers[layer].colour = self.value;
    };
    c.push_back(colour);
    ConfigControl thickness = NumberControl("Spin_layer_thickness_" + n, "Strichstärke", 1, 255);
    thickness.load = [layer](const Config& cfg, ConfigControl& self) {
      self.value = cfg.line_thickness_0_5[layer + 1];
    };
    thickness.store = [layer](const ConfigControl& self, Config& cfg) {
      cfg.line_thickness_0_5[layer + 1] = self.value;
    };
    c.push_back(thickness);
  }
  c.push_back(CheckOf("Check_layer_mono", "Layer Monochrom ?", &Config::layer_monochrome, 1720));
  c.push_back(TextOf(Kind::Text, "Edit_cad_font", "Textstil", &Config::cad_text_font, true, 1730));
  c.back().max_length = 32;
  c.push_back(RealOf("Edit_cad_width", "Textbreitenfaktor", &Config::cad_text_width_factor, nullptr,
                     "1", 1740));
  c.push_back(RealOf("Edit_cad_angle", "Textwinkel", &Config::cad_text_angle, nullptr, "0", 1960));
  c.push_back(
      CheckOf("Check_limits", "Diagrammgrenzen abfragen", &Config::enter_diagram_limits, 1980));
  c.push_back(SpinOf("Spin_cad_decimals", "Anzahl der Dezimalstellen DXF, TXT",
                     &Config::cad_decimals, 3, 16, 0, 1585));
  c.back().proposal = [](ConfigForm&, ConfigControl& self) { self.value = 6; };
  c.push_back(ChoiceOf("Radio_cad_text", "Text Type", &Config::cad_text_mode,
                       {"OEM (ASCII)", "ANSI", "Ä->Ae, ß->ss..."}, 1));
  c.push_back(RealOf(
      "Edit_dim_factor", "Größenfaktor Bemaßung", &Config::dimension_factor,
      [](Real v) { return v < 0.01L ? 1.0L : v; }, "1.0"));
  return p;
}

ConfigPage ColourPage() {
  ConfigPage p{"Farbe", 1555, {}};
  auto& c = p.controls;
  for (int i = 0; i < 16; ++i) {
    const std::string n = std::to_string(16 + i);
    ConfigControl colour = Control(Kind::Colour, "Colour_" + n, "");
    colour.load = [i, n](const Config& cfg, ConfigControl& self) {
      self.value = cfg.layer_colours_16_31[i];
      self.caption = "Farbe für Layer " + n + " (" + ColourName(self.value) + ")";
    };
    colour.store = [i](const ConfigControl& self, Config& cfg) {
      cfg.layer_colours_16_31[i] = self.value;
    };
    c.push_back(colour);
    ConfigControl thickness = NumberControl("Spin_thickness_" + n, "Strichstärke", 1, 255);
    thickness.load = [i](const Config& cfg, ConfigControl& self) {
      self.value = cfg.line_thickness_16_31[i];
    };
    thickness.store = [i](const ConfigControl& self, Config& cfg) {
      cfg.line_thickness_16_31[i] = self.value;
    };
    c.push_back(thickness);
  }
  for (int t = 1; t <= 3; ++t)
    c.push_back(Button("Button_thickness_" + std::to_string(t), "Strichstärke=" + std::to_string(t),
                       [t](ConfigForm& f) {
                         for (int i = 16; i <= 31; ++i)
                           SetValue(f, "Spin_thickness_" + std::to_string(i), t);
                       }));
  return p;
}

ConfigPage PrinterPage() {
  ConfigPage p{"Drucker", 1935, {}};
  auto& c = p.controls;
  c.push_back(RealOf("Edit_scale_x", "Maßstab x", &Config::print_scale_x, nullptr, "1.0"));
  c.push_back(RealOf("Edit_scale_y", "Maßstab y", &Config::print_scale_y, nullptr));
  c.back().proposal = [](ConfigForm& f, ConfigControl& self) {
    self.text = TextOfControl(f, "Edit_scale_x");
  };
  c.push_back(IntTextOf("Edit_origin_x", "Ursprung x", &Config::print_origin_x));
  c.push_back(IntTextOf("Edit_origin_y", "Ursprung y", &Config::print_origin_y));
  c.push_back(ChoiceOf("Radio_shading", "Schattierung", &Config::windows_print_mode,
                       {"Monochrom", "Color / Graustufen"}, 1));
  c.push_back(ChoiceOf("Radio_orientation", "Ausdruck", &Config::printer_orientation,
                       {"Hochformat", "Querformat"}, 1));
  c.push_back(
      CheckOf("Check_printout_dialog", "Ausgabeformat abfragen", &Config::graphic_printout_dialog));
  c.back().hidden = true;
  c.push_back(ChoiceOf("Radio_port", "Druckerschnittstelle für Textausdruck", &Config::printer_port,
                       {"LPT1", "LPT2", "LPT3", "LPT4"}, 1));
  return p;
}

ConfigPage PrintoutPage(const ConfigFormEnvironment& env) {
  ConfigPage p{"Ausdruck", 1930, {}};
  auto& c = p.controls;
  c.push_back(ChoiceOf("Radio_separator", "Form der Trennzeilen im Ausdruck",
                       &Config::text_report_mode,
                       {"Trennlinien  ---- ====  ****", "Trennlinien  ─── ═══  ╔══╗",
                        "Leerzeichen und Leerzeilen", "komprimiert, ohne Trennzeilen"},
                       1));
  c.push_back(SpinOf("Spin_lines", "Max. Anzahl Zeilen/Seite auf dem Ausdruck",
                     &Config::lines_per_page, 1, 999));
  c.push_back(SpinOf("Spin_header_lines", "Leerzeilen am Seitenanfang", &Config::header_space_lines,
                     0, 30));
  c.push_back(ChoiceOf("Radio_date", "Datum", &Config::date_code,
                       {"DD.MM.YYYY", "MM/DD/YYYY", "YYYY/MM/DD", "DD/MM/YYY"}, 1));
  c.push_back(
      ChoiceOf("List_output", "Ausgabeformat", &Config::text_device, env.output_formats, 1));
  c.push_back(
      CheckOf("Check_output_window", "Ausgabeformat abfragen", &Config::text_device_window));
  const char* sides[4] = {"links", "oben", "Breite", "Höhe"};
  for (int i = 0; i < 4; ++i) {
    ConfigControl side = NumberControl(std::string("Spin_textwin_") + "ltwh"[i],
                                       std::string("Textfenster ") + sides[i], 0, 10000);
    side.load = [i](const Config& cfg, ConfigControl& self) {
      self.value = cfg.text_window_rect[i];
    };
    side.store = [i](const ConfigControl& self, Config& cfg) {
      cfg.text_window_rect[i] = self.value;
    };
    c.push_back(side);
  }
  c[c.size() - 4].proposal = [](ConfigForm& f, ConfigControl&) {
    const int x = ReadInt(TextOfControl(f, "Edit_window_x"));
    const int y = ReadInt(TextOfControl(f, "Edit_window_y"));
    int width = x > 640 ? 70 * ValueOf(f, "Spin_printout_size") : 620;
    if (width == 0) width = 700;
    SetValue(f, "Spin_textwin_l", 10);
    SetValue(f, "Spin_textwin_t", 40);
    SetValue(f, "Spin_textwin_w", width);
    SetValue(f, "Spin_textwin_h", y - 20);
  };
  c.push_back(ChoiceOf("Radio_unit", "Einheit", &Config::unit_flag,
                       {"Metrisch (mm, N, MPa)", "Englisch (in, lbf, psi)"}, 0));
  c.push_back(
      ChoiceOf("Radio_angle", "Winkel", &Config::angle_format, {"15.1234°", "15° 7' 26\""}, 1));
  c.push_back(ChoiceOf("Radio_header", "Textausdruck", &Config::printout_header,
                       {"mit Kopf", "Kopf nur 1.Seite"}, 1));
  ConfigControl font =
      TextOf(Kind::Font, "Edit_printout_font", "Font..", &Config::printout_font, true);
  auto load_name = font.load;
  auto store_name = font.store;
  font.load = [load_name](const Config& cfg, ConfigControl& self) {
    load_name(cfg, self);
    self.value = cfg.printout_style;
  };
  font.store = [store_name](const ConfigControl& self, Config& cfg) {
    store_name(self, cfg);
    cfg.printout_font = cfg.printout_font.substr(0, 60);
    cfg.printout_style = self.value;
  };
  c.push_back(font);
  c.push_back(SpinOf("Spin_printout_size", "h =", &Config::printout_size, 1, 200));
  return p;
}

ConfigPage SettingsPage() {
  ConfigPage p{"Einstellungen", 0, {}};
  auto& c = p.controls;
  c.push_back(ChoiceOf("Radio_help", "Hilfegrad", &Config::help_level,
                       {"0 : Keine Info nach Eingabe", "1 : Normale Einstellung",
                        "2 : Erweiterte Hilfe, Einzeleingabe"},
                       0, 1755));
  c.push_back(
      CheckOf("Check_user", "Usereingabe bei Programmstart", &Config::enter_password, 1580));
  c.push_back(ChoiceOf("Radio_decimal", "Dezimalzeichen", &Config::decimal_separator,
                       {"x.xx", "x,xx"}, 1, 1750));
  c.push_back(ChoiceOf("Radio_excel", "Dezimalzeichen Excel", &Config::table_decimal_style,
                       {"English x.xx", "German x,xx"}, 1, 1500));
  c.push_back(
      SpinOf("Spin_decimals", "Anzahl der Dezimalstellen", &Config::decimals, 3, 6, 0, 2530));
  c.push_back(CheckOf("Check_archive", "Archivierungsmodus ?", &Config::archive_flag));
  c.push_back(ChoiceOf("Radio_special", "Sonderzeichen", &Config::plain_text_mode,
                       {"²  µ  °", "2  u  deg"}, 0));
  c.push_back(ChoiceOf(
      "Radio_result", "Ergebnisgrafik", &Config::result_graphic,
      {"egal", "Quick 1", "Quick 2", "Fertigungszeichnung", "Diagramm", "Zeichnung"}, 0, 2820));
  return p;
}

ConfigPage ExternalPage() {
  ConfigPage p{"Extern", 0, {}};
  auto& c = p.controls;
  c.push_back(TextOf(Kind::Program, "Edit_browser", "HTML Browser", &Config::html_browser, false));
  for (int i = 1; i <= 5; ++i) {
    ConfigControl line = Control(Kind::Text, "Edit_plot_" + std::to_string(i),
                                 "RIXTRAN Command Line " + std::to_string(i));
    line.max_length = 80;
    line.load = [i](const Config& cfg, ConfigControl& self) {
      const auto& more = cfg.plot_command_lines_more;
      self.text = Cp850ToUtf8(i == 1                     ? cfg.plot_command_line
                              : i - 2 < int(more.size()) ? more[i - 2]
                                                         : std::string());
    };
    line.store = [i](const ConfigControl& self, Config& cfg) {
      std::string text = Utf8ToCp850(self.text).substr(0, 80);
      if (i == 1) {
        cfg.plot_command_line = text;
        return;
      }
      auto& more = cfg.plot_command_lines_more;
      // An empty line past the stored ones adds nothing.
      if (i - 2 >= int(more.size()) && text.empty()) return;
      if (i - 2 >= int(more.size())) more.resize(i - 1);
      more[i - 2] = text;
    };
    c.push_back(line);
    const std::string field = line.name;
    c.push_back(Button("Button_plot_config_" + std::to_string(i), "Config",
                       [field](ConfigForm& f) {
                         ConfigControl* edit = f.find(field);
                         if (!edit || !f.env().configure_plot_line) return;
                         std::string text = Utf8ToCp850(edit->text);
                         if (f.env().configure_plot_line(text)) edit->text = Cp850ToUtf8(text);
                       }));
    c.back().beside = true;
    c.push_back(Button("Button_plot_edit_" + std::to_string(i), "Edit", [field](ConfigForm& f) {
      ConfigControl* edit = f.find(field);
      if (!edit || !f.env().ui) return;
      auto text = f.env().ui->inputText("RIXTRAN Command Line", Utf8ToCp850(edit->text), 80);
      if (text) edit->text = Cp850ToUtf8(text->substr(0, 80));
    }));
    c.back().beside = true;
  }
  c.push_back(TextOf(Kind::Program, "Edit_text_program", "Textprogramm", &Config::text_program,
                     false, 2500));
  return p;
}

ConfigPage DrawingPage(const ConfigFormEnvironment& env) {
  ConfigPage p{"Zeichnung", 0, {}};
  auto& c = p.controls;
  c.push_back(ChoiceOf("Radio_index", "Index", &Config::change_index_style,
                       {"a,b,c...", "1,2,3...", "A,B,C...", "......"}, 0));
  c.push_back(TextOf(Kind::Text, "Edit_release", "Freigabefeld", &Config::release_text, true));
  ProposeText(c.back(), "Frei");
  const std::string switches[4] = {
      "TAVIRON " + Cp850ToUtf8(ProgramTitle()) + " V" + kVersion + " ?",
      "file name " + env.current_file + " ?", env.now_text + " ?", "$logo_1.dx$ ?"};
  for (int i = 0; i < 4; ++i) {
    // Stored inverted: the setting says which elements are hidden.
    ConfigControl s = Control(Kind::Check, "Check_title_" + std::to_string(i + 1), switches[i]);
    s.load = [i](const Config& cfg, ConfigControl& self) {
      self.value = cfg.title_block_hidden[i] ? 0 : 1;
    };
    s.store = [i](const ConfigControl& self, Config& cfg) {
      cfg.title_block_hidden[i] = self.value == 0;
    };
    c.push_back(s);
  }
  return p;
}

}  // namespace

std::vector<ConfigPage> BuildConfigPages(const ConfigFormEnvironment& env) {
  return {DirectoriesPage(env), GraphicsPage(env), CadPage(),      ColourPage(),    PrinterPage(),
          PrintoutPage(env),    SettingsPage(),    ExternalPage(), DrawingPage(env)};
}

}  // namespace kv9
