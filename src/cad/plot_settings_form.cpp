#include "cad/plot_settings_form.h"

#include "cad/cad_context.h"
#include "core/file_util.h"
#include "core/generic_dialogs.h"
#include "core/number_format.h"
#include "core/text.h"
#include "model/config.h"

namespace kv9 {

const std::array<const char*, 5> PlotSettingsForm::kFormatItems = {
    "HP-GL Laserjet (HPL)", "Postscript (PS)", "HP-GL Plotter (PLT)", "HP-GL/2 (PL2)",
    "Aristo (ART)"};
const std::array<const char*, 5> PlotSettingsForm::kFormatCodes = {"HPL", "PS", "PLT", "PL2",
                                                                   "ART"};
const std::array<const char*, 3> PlotSettingsForm::kInterfaceItems = {"seriell", "parallel",
                                                                      "Datei"};

const std::vector<std::string>& PlotSettingsForm::PostScriptFonts() {
  static const std::vector<std::string> fonts = {"Times-Roman",
                                                 "Times-Italic",
                                                 "Times-Bold",
                                                 "Times-BoldItalic",
                                                 "Helvetica",
                                                 "Helvetica-Oblique",
                                                 "Helvetica-Bold",
                                                 "Helvetica-BoldOblique",
                                                 "Helvetica-Narrow",
                                                 "Helvetica-Narrow-Oblique",
                                                 "Helvetica-Narrow-Bold",
                                                 "Helvetica-Narrow-BoldOblique",
                                                 "Courier",
                                                 "Courier-Oblique",
                                                 "Courier-Bold",
                                                 "Courier-BoldOblique",
                                                 "Palatino-Roman",
                                                 "Palatino-Italic",
                                                 "Palatino-Bold",
                                                 "Palatino-BoldItalic",
                                                 "AvantGarde-Book",
                                                 "AvantGarde-Demi",
                                                 "AvantGarde-BookOblique",
                                                 "AvantGarde-DemiOblique",
                                                 "Bookman-Light",
                                                 "Bookman-Demi",
                                                 "Bookman-LightItalic",
                                                 "Bookman-DemiItalic",
                                                 "NewCenturySchlbk-Roman",
                                                 "NewCenturySchlbk-Bold",
                                                 "NewCenturySchlbk-Italic",
                                                 "NewCenturySchlbk-BoldItalic",
                                                 "ZapfChancery-MediumItalic",
                                                 "Symbol",
                                                 "andere Schriften"};
  return fonts;
}

PlotSettingsForm::PlotSettingsForm(const CadContext& s, std::string stored_line)
    : program(kDefaultProgram),
      folder(s.cfg.temp_dir),
      temp_dir_(s.cfg.temp_dir),
      help_level_(s.cfg.help_level),
      command_line_(std::move(stored_line)) {}

std::string PlotSettingsForm::Build() const {
  std::string line = program + " " + AddBackslash(folder) + "rixtran";
  int f = format >= 1 && format <= 5 ? format : 1;
  line += " /C" + std::string(kFormatCodes[f - 1]);
  if (interface == 1) line += " /D1";
  if (interface == 3) line += " /D3";
  if (interface == 1 || interface == 2) {
    long long port = ParseInt(interface == 1 ? com : lpt);
    if (port != 1) line += " /P" + std::to_string(port);
  } else if (interface == 3 && !RemoveBlanks(folder).empty()) {
    line += " /F" + AddBackslash(folder) + "rixtran";
  }
  Real m = ParseReal(scale);
  if (m != 1) line += m == 0 ? " /M*" : " /M" + scale;
  if (ParseReal(shift_x) != 0) line += " /X" + shift_x;
  if (ParseReal(shift_y) != 0) line += " /Y" + shift_y;
  if (ParseReal(width_factor) != 1) line += " /B" + width_factor;
  if (rotate) line += " /R";
  if (f == 2) line += " /T" + font;
  return line;
}

void PlotSettingsForm::changed() {
  command_line_ = Build();
}

void PlotSettingsForm::setText(PlotField field, std::string text) {
  switch (field) {
    case PlotField::Program:
      program = std::move(text);
      break;
    case PlotField::Folder:
      folder = std::move(text);
      break;
    case PlotField::Com:
      com = std::move(text);
      break;
    case PlotField::Lpt:
      lpt = std::move(text);
      break;
    case PlotField::Scale:
      scale = std::move(text);
      break;
    case PlotField::ShiftX:
      shift_x = std::move(text);
      break;
    case PlotField::ShiftY:
      shift_y = std::move(text);
      break;
    case PlotField::WidthFactor:
      width_factor = std::move(text);
      break;
    case PlotField::Font:
      font = std::move(text);
      break;
    default:
      return;
  }
  changed();
}

void PlotSettingsForm::setFormat(int f) {
  format = f;
  changed();
}

void PlotSettingsForm::setInterface(int i) {
  interface = i;
  changed();
}

void PlotSettingsForm::setFitToPaper(bool on) {
  fit_to_paper = on;
  if (on) scale = "0";
  changed();
}

void PlotSettingsForm::setRotate(bool on) {
  rotate = on;
  changed();
}

void PlotSettingsForm::chooseProgram(Ui& ui) {
  auto chosen = ui.chooseOpenFile(DirOf(program),
                                     "RIXTRAN for Windows|wrixtran|RIXTRAN for MS-DOS|rixtran");
  if (chosen && !chosen->empty()) setText(PlotField::Program, *chosen);
}

void PlotSettingsForm::chooseFolder(Ui& ui) {
  const std::string start = DirReachable(folder) ? folder : CurrentDirectory();
  auto chosen = ui.chooseDirectory(start);
  setText(PlotField::Folder, chosen ? *chosen : folder);
}

void PlotSettingsForm::resetFolder() {
  setText(PlotField::Folder, temp_dir_);
}

void PlotSettingsForm::accept(const CadContext& s) {
  s.abort_flag = false;
}

void PlotSettingsForm::cancel(const CadContext& s) {
  s.abort_flag = true;
}

int PlotSettingsForm::tooltipTopic(PlotField field) const {
  if (help_level_ == 0) return 0;
  switch (field) {
    case PlotField::Format:
      return 2090;
    case PlotField::Interface:
    case PlotField::Com:
    case PlotField::Lpt:
      return 2120;
    case PlotField::Scale:
    case PlotField::FitToPaper:
      return 2140;
    case PlotField::Folder:
      return 2130;
    case PlotField::Font:
      return 2280;
    case PlotField::Rotate:
      return 2145;
    case PlotField::ShiftX:
    case PlotField::ShiftY:
      return 2150;
    case PlotField::WidthFactor:
      return 2160;
    case PlotField::Program:
      return 2080;
  }
  return 0;
}

bool EditPlotCommandLine(const CadContext& s, std::string& line) {
  PlotSettingsForm form(s, line);
  if (!s.ui.plotSettingsForm(form)) {
    s.abort_flag = true;
    return false;
  }
  s.abort_flag = false;
  line = form.commandLine();
  return true;
}

}  // namespace kv9
