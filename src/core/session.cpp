#include "core/session.h"

#include "core/command_options.h"
#include "core/data_file.h"

namespace kv9 {

ReportContext Session::reportContext() {
  ReportContext r{report,     cfg,          ds,      messages, fatal_flag, abort_flag,
                  *ui,        clock,        screen_lines,      help_topic};
  r.data_file = current_file;
  r.data_file_full = current_file.empty() ? "" : CurrentFullName(*this);
  r.data_dir = data_dir;
  r.scratch_dir = scratch_dir;
  r.no_gui = HasNoGuiOption(args);
  // The data file keeps its own name, folder and command-line state.
  r.choose_file = [this](std::string_view ext) {
    std::string file = current_file, dir = data_dir;
    bool cmdline = cmdline_file;
    std::string chosen = ResolveSaveName(*this, "", ext);
    current_file = file;
    data_dir = dir;
    cmdline_file = cmdline;
    return chosen;
  };
  return r;
}

}  // namespace kv9
