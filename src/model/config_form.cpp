// The configuration dialog's events: fill, copy back, "<", the buttons, import and save.
#include "model/config_form.h"

#include <array>

#include "core/program_info.h"
#include "core/text.h"
#include "model/config_form_pages.h"

namespace kv9 {

std::string ColourName(int colour) {
  static const std::array<const char*, 16> names = {
      "rot",   "gelb",        "grün",        "cyan",        "blau",       "magenta",
      "weiß",  "dunkel blau", "dunkel grün", "dunkel cyan", "dunkel rot", "dunkel magenta",
      "braun", "hell grau",   "dunkel grau", "schwarz"};
  return colour >= 1 && colour <= 16 ? names[colour - 1] : "?";
}

std::string ColourLabel(int colour) {
  return std::to_string(colour) + " (" + ColourName(colour) + ")";
}

SelectColorForm::SelectColorForm(int current) : colour(current) {
  for (int c = 1; c <= 16; ++c) items.push_back(ColourLabel(c));
}

ConfigForm::ConfigForm(Config& settings, ConfigFormEnvironment env)
    : caption(Cp850ToUtf8(ProgramTitle()) + " Konfiguration"),
      pages(BuildConfigPages(env)),
      settings_(settings),
      env_(std::move(env)),
      kept_background_(settings.background_colour) {
  fill(settings_);
}

ConfigControl* ConfigForm::find(const std::string& name) {
  for (auto& page : pages)
    for (auto& control : page.controls)
      if (control.name == name) return &control;
  return nullptr;
}

const ConfigControl* ConfigForm::find(const std::string& name) const {
  return const_cast<ConfigForm*>(this)->find(name);
}

void ConfigForm::fill(const Config& c) {
  for (auto& page : pages)
    for (auto& control : page.controls)
      if (control.load) control.load(c, control);
}

void ConfigForm::copyBack(Config& c) const {
  for (const auto& page : pages)
    for (const auto& control : page.controls)
      if (control.store) control.store(control, c);
}

void ConfigForm::propose(const std::string& name) {
  ConfigControl* control = find(name);
  if (control && control->proposal) control->proposal(*this, *control);
}

void ConfigForm::press(const std::string& name) {
  ConfigControl* control = find(name);
  if (control && control->action) control->action(*this);
}

void ConfigForm::setMainWindow(int frame_dx, int frame_dy, std::function<void(int, int)> resize,
                               std::function<void(int)> show_background) {
  env_.frame_dx = frame_dx;
  env_.frame_dy = frame_dy;
  env_.resize_window = std::move(resize);
  if (show_background) env_.show_background = std::move(show_background);
}

void ConfigForm::windowSizeLeft() {
  if (!env_.resize_window) return;
  Config sized = settings_;
  copyBack(sized);
  env_.resize_window(sized.client_width + 1, sized.client_height + 1);
}

void ConfigForm::chooseColour(const std::string& name) {
  ConfigControl* control = find(name);
  if (!control || !env_.ui) return;
  const bool background = control->kind == ConfigControl::Kind::Background;
  if (!background && control->kind != ConfigControl::Kind::Colour) return;
  SelectColorForm chooser(background ? ColourOfPalette(control->value) : control->value);
  if (!env_.ui->selectColorForm(chooser) || chooser.abort_flag) return;
  control->value = background ? PaletteOfColour(chooser.colour) : chooser.colour;
  if (background) showBackground(control->value);
}

void ConfigForm::showBackground(int palette) {
  settings_.background_colour = palette;
  if (env_.show_background) env_.show_background(palette);
}

void ConfigForm::cancel() {
  if (settings_.background_colour != kept_background_) showBackground(kept_background_);
}

bool ConfigForm::help(int page) {
  if (page < 0 || page >= int(pages.size()) || pages[page].help_topic == 0 || !env_.help_topic)
    return false;
  *env_.help_topic = pages[page].help_topic;
  return true;
}

void ConfigForm::accept() {
  copyBack(settings_);
}

bool ConfigForm::save() {
  copyBack(settings_);
  kept_background_ = settings_.background_colour;
  return env_.write ? env_.write(settings_) : false;
}

void ConfigForm::importFile() {
  if (!env_.ui || !env_.read) return;
  auto path = env_.ui->chooseOpenFile(settings_.config_dir, kImportFilter);
  if (!path || path->empty()) return;
  // The file is read over what the controls show, so one that ends early leaves the rest.
  Config imported = settings_;
  copyBack(imported);
  env_.read(imported, *path);
  fill(imported);
}

}  // namespace kv9
