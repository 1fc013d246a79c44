#include "tables/printout_form.h"

#include <charconv>
#include <cmath>
#include <filesystem>

#include "core/file_util.h"
#include "core/number_format.h"
#include "core/text.h"
#include "tables/table_browser.h"

namespace kv9 {

namespace {

std::string RealText(Real x) {
  char buf[64];
  auto end = std::to_chars(buf, buf + sizeof buf, static_cast<double>(x)).ptr;
  return std::string(buf, end);
}

std::string Trimmed(const std::string& text) {
  const auto first = text.find_first_not_of(' ');
  if (first == std::string::npos) return "";
  return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

Real ReadNumber(const std::string& text) {
  const Real v = ParseReal(text);
  return std::isfinite(v) ? v : 0;
}

}  // namespace

PrintoutForm::PrintoutForm(Config& settings, TableEnv& env, DbfTable& table, std::string start_dir,
                           int& last_record, bool setup)
    : setup_mode(setup),
      settings_(settings),
      env_(env),
      table_(table),
      start_dir_(std::move(start_dir)),
      last_record_(last_record) {
  scale_x = RealText(settings.print_scale_x);
  scale_y = RealText(settings.print_scale_y);
  origin_x = std::to_string(settings.print_origin_x);
  origin_y = std::to_string(settings.print_origin_y);
  border = settings.print_border;
  shading = settings.windows_print_mode == 2 ? 2 : 1;
  orientation = settings.printer_orientation == 2 ? 2 : 1;
}

bool PrintoutForm::openTable() {
  const std::string local = AddBackslash(start_dir_) + "printout.dbf";
  std::error_code ec;
  const bool ok = !start_dir_.empty() && std::filesystem::is_regular_file(local, ec)
                      ? table_.open(env_, local)
                      : table_.openWithWriteCheck(env_, "printout");
  return ok && !env_.abort_flag;
}

void PrintoutForm::fromDatabase() {
  if (openTable()) {
    table_.setTitles("Printout", "");
    if (last_record_ > 0) table_.goTo(env_.messages, last_record_);
    const bool chosen = Browse(table_, env_, BrowseMode::Edit, [this](TableBrowser& browser) {
      return env_.ui.tableBrowserForm(browser);
    });
    if (chosen && table_.recordNumber() > 0) {
      last_record_ = table_.recordNumber();
      scale_x = Trimmed(table_.readField(2));
      scale_y = Trimmed(table_.readField(3));
      origin_x = Trimmed(table_.readField(4));
      origin_y = Trimmed(table_.readField(5));
      orientation = table_.readLogical("landscape") ? 2 : 1;
      shading = table_.readLogical("monochrom") ? 1 : 2;
      fit = table_.readLogical("variable");
      border = table_.readLogical("borderline");
    }
  }
  table_.close();
  env_.abort_flag = false;
}

void PrintoutForm::storeToDatabase() {
  if (openTable()) {
    if (auto name = env_.ui.inputText("Name", "", kNameLength)) {
      const std::string stored = Utf8ToCp850(*name).substr(0, kNameLength);
      // Each set fails with its own message; the record is appended only when all held.
      if (table_.setText(env_, "name", stored) &&
          table_.setReal(env_, "xscale", ReadNumber(scale_x)) &&
          table_.setReal(env_, "yscale", ReadNumber(scale_y)) &&
          table_.setInteger(env_, "xorigin", ParseInt(origin_x)) &&
          table_.setInteger(env_, "yorigin", ParseInt(origin_y)) &&
          table_.setLogical(env_, "landscape", orientation == 2) &&
          table_.setLogical(env_, "monochrom", shading == 1) &&
          table_.setLogical(env_, "variable", fit) && table_.setLogical(env_, "borderline", border))
        table_.append(env_);
    }
  }
  table_.close();
}

void PrintoutForm::accept() {
  settings_.print_scale_x = ReadNumber(scale_x);
  settings_.print_scale_y = ReadNumber(scale_y);
  settings_.print_origin_x = static_cast<int>(ParseInt(origin_x));
  settings_.print_origin_y = static_cast<int>(ParseInt(origin_y));
  settings_.print_border = border;
  settings_.windows_print_mode = shading;
  settings_.printer_orientation = orientation;
  env_.abort_flag = false;
}

void PrintoutForm::cancel() {
  env_.abort_flag = true;
}

}  // namespace kv9
