// "E&instellungen": the configuration dialog over the session's settings, with the file
// services it needs (save, import) and the surroundings it shows.
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <filesystem>

#include "app/commands/file_commands.h"
#include "app/session.h"
#include "cad/plot_settings_form.h"
#include "core/file_util.h"
#include "core/text.h"
#include "model/config_file.h"
#include "model/config_form.h"
#include "report/report_formatter.h"

namespace kv9 {

namespace {

std::string Env(const char* name) {
  const char* v = std::getenv(name);
  return v ? v : "";
}

// The chosen file is read as the configuration of its folder and base name.
bool ImportInto(Session& s, Config& settings, const std::string& path) {
  std::string base = FileNamePart(path);
  if (base.size() > 4 && LowerAscii(base.substr(base.size() - 4)) == ".cfg")
    base.resize(base.size() - 4);
  return ImportConfig(settings, s.program_dir, DialogsOf(s), DirOf(path), base);
}

ConfigFormEnvironment SettingsEnvironment(Session& s) {
  ConfigFormEnvironment env;
  env.ui = s.ui;
  env.screen = s.ui->screenSize();
  env.screen_dialog_scale =
      static_cast<int>(std::lround((100.0 + 0.009) * env.screen.pixels_per_inch / 96.0));
  env.temp_env = Env("TEMP");
  env.user_name = Env("USERNAME").empty() ? Env("USER") : Env("USERNAME");
  std::error_code ec;
  env.working_dir = std::filesystem::current_path(ec).string();
  for (const auto& name : ReportTargetNames()) env.output_formats.push_back(Cp850ToUtf8(name));
  env.current_file = s.current_file;
  env.help_topic = &s.help_topic;
  env.configure_plot_line = [&s](std::string& line) {
    return EditPlotCommandLine(s.cadContext(), line);
  };
  const DateTime now = s.clock.now();
  char text[32];
  std::snprintf(text, sizeof text, "%02d.%02d.%04d %02d:%02d", now.day, now.month, now.year,
                now.hour, now.minute);
  env.now_text = text;
  env.write = [&s](const Config&) { return WriteConfig(s.cfg, DialogsOf(s)); };
  env.read = [&s](Config& settings, const std::string& path) {
    return ImportInto(s, settings, path);
  };
  return env;
}

}  // namespace

void CmdSettings(Session& s) {
  ConfigForm form(s.cfg, SettingsEnvironment(s));
  // The dialog copies back itself on OK.
  if (s.ui->configForm(form)) s.abort_flag = false;
  s.ui->refreshGraphics();  // the background takes the configured colour
}

}  // namespace kv9
