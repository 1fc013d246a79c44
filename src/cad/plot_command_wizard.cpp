#include "cad/plot_command_wizard.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>

#include "cad/cad_context.h"
#include "cad/plot_settings_form.h"
#include "core/file_util.h"
#include "core/generic_dialogs.h"
#include "core/number_format.h"
#include "core/program_info.h"
#include "core/text.h"
#include "model/config.h"

namespace kv9 {

namespace {

constexpr std::array<const char*, 5> kFormatQuestionItems = {
    "HP-GL Laserjet (HPL)", "Postscript  (PS)", "HP-GL (PLT)", "HP-GL/2  (PL2)", "Aristo  (ART)"};

// Writes the batch file (run bit set): the command line after the "#!" line that lets the
// program start run it (a start never falls back to a shell by itself).
bool WriteBatchFile(const std::string& name, const std::string& command) {
  int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0755);
  if (fd < 0) return false;
  std::string content = "#!/bin/sh\n" + command + "\n";
  bool ok = ::write(fd, content.data(), content.size()) == static_cast<ssize_t>(content.size());
  ok = (::fchmod(fd, 0755) == 0) && ok;
  return (::close(fd) == 0) && ok;
}

}  // namespace

void PlotCommandWizard(const CadContext& s, std::string& line) {
  int format = 1, interface = 2;
  long long port = 1;
  Real scale = 1, shift_x = 0, shift_y = 0, width_factor = 1;
  bool rotate = false;
  std::string output_file, font;
  std::string input_file = AddBackslash(s.cfg.temp_dir) + "rixtran";
  std::string folder;
  if (auto blank = line.find(' '); blank != std::string::npos) {
    std::string first = line.substr(0, blank);
    if (auto slash = first.rfind('/'); slash != std::string::npos) folder = first.substr(0, slash);
  }

  const std::vector<std::string> programs{"WRIXTRAN.EXE (Windows)", "RIXTRAN.EXE (MS-DOS)"};
  int kind = ChooseFromList(DialogsOf(s), "RIXTRAN/WRIXTRAN", programs, 1);
  if (s.abort_flag) return;
  std::string program_file = kind == 1 ? "wrixtran" : "rixtran";

  for (;;) {
    s.help_topic = 2080;
    folder = InputText(DialogsOf(s), "Programmverzeichnis von " + program_file, folder, 40);
    if (s.abort_flag) return;
    if (CheckReadable(DialogsOf(s), AddBackslash(folder) + program_file)) break;
  }

  s.help_topic = 2090;
  const std::vector<std::string> formats(kFormatQuestionItems.begin(), kFormatQuestionItems.end());
  format = ChooseFromList(DialogsOf(s), "Ausgabeformat", formats, format);
  if (s.abort_flag) return;

  s.help_topic = 2110;
  const std::vector<std::string> interfaces{"seriell", "parallel", "Datei"};
  interface = ChooseFromList(DialogsOf(s), "Ausgabeschnittstelle", interfaces, interface);
  if (s.abort_flag) return;

  if (interface == 1 || interface == 2) {
    s.help_topic = 2120;
    port = InputInt(DialogsOf(s), interface == 1 ? "COM-Port" : "LPT-Port", port, 1, 4);
  } else {
    s.help_topic = 2130;
    output_file = InputText(DialogsOf(s), "Name der Ausgabedatei", output_file, 30);
  }
  if (s.abort_flag) return;

  s.help_topic = 2140;
  scale = InputReal(DialogsOf(s), StyleOf(s.cfg), "Ma\xE1stab (0=anpassen)", scale, 0, 1000);
  if (s.abort_flag) return;
  s.help_topic = 2145;
  rotate = AskYesNoBool(DialogsOf(s), "Plot um 90 Grad drehen ?", rotate);
  if (s.abort_flag) return;
  s.help_topic = 2150;
  shift_x = InputReal(DialogsOf(s), StyleOf(s.cfg), "Nullpunktverschiebung in x-Richtung", shift_x,
                      -100000000, 100000000);
  if (s.abort_flag) return;
  s.help_topic = 2150;
  shift_y = InputReal(DialogsOf(s), StyleOf(s.cfg), "Nullpunktverschiebung in y-Richtung", shift_y,
                      -100000000, 100000000);
  if (s.abort_flag) return;
  s.help_topic = 2160;
  width_factor =
      InputReal(DialogsOf(s), StyleOf(s.cfg), "Textbreitenfaktor", width_factor, 0.1L, 10);
  if (s.abort_flag) return;
  if (format == 2) {
    s.help_topic = 2280;
    font = InputText(DialogsOf(s), "Postscript-Zeichensatz", "", 28);
    if (s.abort_flag) return;
  }

  // The program is named as the file that was found (names are case-sensitive here).
  std::string composed = AddBackslash(folder) + program_file + " " + input_file;
  composed += " /C" + std::string(PlotSettingsForm::kFormatCodes[format - 1]);
  if (interface != 2) composed += " /D" + std::to_string(interface);
  if ((interface == 1 || interface == 2) && port != 1) composed += " /P" + std::to_string(port);
  if (interface == 3 && !RemoveBlanks(output_file).empty()) composed += " /F" + output_file;
  if (scale != 1) composed += scale == 0 ? " /M*" : " /M" + FormatShort(StyleOf(s.cfg), scale);
  if (shift_x != 0) composed += " /X" + FormatShort(StyleOf(s.cfg), shift_x);
  if (rotate) composed += " /R";
  if (shift_y != 0) composed += " /Y" + FormatShort(StyleOf(s.cfg), shift_y);
  if (width_factor != 1) composed += " /B" + FormatShort(StyleOf(s.cfg), width_factor);
  if (format == 2) composed += " /T" + font;

  if (composed.size() <= kMaxPlotCommandLength) {
    line = composed;
    return;
  }
  ShowNote(DialogsOf(s), "Kommandozeile zu lang, Es wird eine Batch-Datei erzeugt.");
  std::string name = std::string("/opt/rixtran/") + kProductNameLower;
  for (;;) {
    s.help_topic = 2170;
    name = InputText(DialogsOf(s), "Name der Batch-Datei (ohne .bat)", name, 20);
    if (s.abort_flag) {
      line = composed;
      return;
    }
    if (HasDot(name)) continue;
    if (WriteBatchFile(name + ".BAT", composed)) {
      line = name + ".BAT";
      return;
    }
    ShowErrorIfAllowed(DialogsOf(s), "Datei " + name + ".BAT " + "kann nicht angelegt werden");
  }
}

}  // namespace kv9
