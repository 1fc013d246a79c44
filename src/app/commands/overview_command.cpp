// "Öffnen (Tabelle)": every data file of the data folder read, calculated and listed in the
// overview table; a row click opens its file and the table comes back.
#include "app/commands/overview_command.h"

#include <string>

#include "app/commands/command_steps.h"
#include "app/commands/exchange_commands.h"
#include "app/commands/file_commands.h"
#include "app/data_file_commands.h"
#include "app/session.h"
#include "calc/spline_calculation.h"
#include "core/file_util.h"
#include "core/program_info.h"
#include "core/text.h"
#include "exchange/overview.h"
#include "model/data_file.h"

namespace kv9 {

namespace {

// Reads and calculates one file quietly: a file that cannot be read keeps its row, filled from
// what the data set then holds.
void ReadForOverview(Session& s, const std::string& full) {
  std::string content;
  if (ReadWholeFile(full, content)) ReadDataFileContent(s.ds, s.docs, s.abort_flag, content);
  SplineCalculation(s.calcContext());
  s.abort_flag = false;
}

}  // namespace

OverviewForm BuildOverview(Session& s) {
  OverviewForm form;
  const UnitStyle units = UnitsOf(s.cfg);
  form.caption = std::string(kProductName) + "  " + s.data_dir;
  form.header = OverviewHeader(units);
  s.ui->setWaitCursor(true);
  for (const OverviewFile& file : OverviewFiles(s.data_dir)) {
    ReadForOverview(s, AddBackslash(s.data_dir) + file.name);
    form.rows.push_back(OverviewRowOf(s.ds, units, file.name, file.time));
  }
  s.ui->setWaitCursor(false);
  form.export_cells = [&s](const OverviewForm& table) {
    OpenSpreadsheet(s, AddBackslash(s.cfg.temp_dir) + kProductNameLower + "_overview.xlsx",
                    table.cells(), "Could not start Excel");
    s.abort_flag = false;  // the table stays open
  };
  return form;
}

void CmdOpenTable(Session& s) {
  s.abort_flag = false;
  AskSaveOrDiscard(s);
  if (s.abort_flag) return;
  s.current_file.clear();
  s.display.Clear();
  s.ui->refreshGraphics();
  OverviewForm form = BuildOverview(s);
  for (;;) {
    s.help_topic = OverviewForm::kHelpTopic;
    if (!s.ui->overviewForm(form)) break;
    s.abort_flag = false;
    s.current_file = form.chosenFile();
    if (LoadDataFile(s, AddBackslash(s.data_dir) + form.chosenFile()) && !s.abort_flag) {
      s.modified = false;
      RefreshView(s);
    }
  }
  s.abort_flag = true;
}

}  // namespace kv9
