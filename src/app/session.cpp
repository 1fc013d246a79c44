#include "app/session.h"

#include "app/data_file_commands.h"
#include "app/data_file_names.h"
#include "core/command_options.h"
#include "model/data_file.h"

namespace kv9 {

DialogContext DialogsOf(Session& s) {
  return {*s.ui, PlainText(s.cfg), s.abort_flag, s.show_errors};
}

CalcContext Session::calcContext() {
  return {ds, messages, fatal_flag, abort_flag, toothform.xe};
}

FormContext Session::formContext() {
  return {calcContext(), cfg};
}

CadContext Session::cadContext() {
  return {.cad = cad,
          .cfg = cfg,
          .messages = messages,
          .abort_flag = abort_flag,
          .help_topic = help_topic,
          .ui = *ui,
          .display = display,
          .clock = clock,
          .current_file = current_file,
          .data_dir = data_dir,
          .program_dir = program_dir,
          .scratch_dir = scratch_dir,
          .batch_cad = batch_cad,
          .show_errors = show_errors};
}

DrawingContext Session::drawingContext() {
  return {cadContext(), ds, docs, rng, fatal_flag, reportContext()};
}

ToothFormContext Session::toothFormContext() {
  return {drawingContext(), toothform};
}

ReportContext Session::reportContext() {
  ReportContext r{.state = report,
                  .cfg = cfg,
                  .ds = ds,
                  .messages = messages,
                  .fatal_flag = fatal_flag,
                  .abort_flag = abort_flag,
                  .ui = *ui,
                  .clock = clock,
                  .screen_lines = screen_lines,
                  .help_topic = help_topic,
                  .data_file = current_file,
                  .data_file_full = current_file.empty() ? "" : CurrentFullName(*this),
                  .data_dir = data_dir,
                  .scratch_dir = scratch_dir,
                  .no_gui = HasNoGuiOption(args),
                  .choose_file = {}};
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
