// "&Print" and "printer setup": the graphics printout dialog over the print settings and the
// print set-ups table; printing replays the graphics window onto the printer.
#include <filesystem>

#include "app/commands/file_commands.h"
#include "app/session.h"
#include "tables/printout_form.h"
#include "tables/table_env.h"

namespace kv9 {

namespace {

void RunPrintout(Session& s, bool setup_mode) {
  TableEnv env{*s.ui,         s.messages,    s.abort_flag,  s.show_errors,
               s.cfg.dbf_dir, s.scratch_dir, s.clock.now(), s.cfg.lines_per_page};
  std::error_code ec;
  PrintoutForm form(s.cfg, env, s.table, std::filesystem::current_path(ec).string(),
                    s.printout_record, setup_mode);
  // The dialog stores its values itself on OK and sets the abort flag on Abbrechen.
  if (!s.ui->printoutForm(form) || setup_mode) return;
  if (form.fit) s.display.Regen();  // the full drawing: zoom and pan undone
  s.ui->refreshGraphics();
  s.ui->printDisplayList(s.display);
}

}  // namespace

void CmdPrint(Session& s) {
  RunPrintout(s, false);
}

void CmdPrinterSetup(Session& s) {
  RunPrintout(s, true);
}

}  // namespace kv9
