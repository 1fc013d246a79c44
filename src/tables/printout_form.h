// The graphics printout dialog "Ausdruck" as a form model: scales, origin, fit, border,
// shading and orientation from the print settings, the print set-ups of "printout.dbf"
// ("Datenbank" picks one in the table browser, "Übernehmen Datenbank" stores the current
// values under a name), OK and Abbrechen. Texts are the display set (UTF-8).
#pragma once

#include <string>

#include "model/config.h"
#include "tables/dbf_table.h"
#include "tables/table_env.h"

namespace kv9 {

class PrintoutForm {
 public:
  static constexpr int kHelpTopic = 1030;
  static constexpr int kBrowserHelpTopic = 1040;
  static constexpr int kNameLength = 25;

  // `start_dir` is looked in first for "printout.dbf"; `last_record` is the set-up chosen
  // last in this run (0: none), updated by a choice.
  PrintoutForm(Config& settings, TableEnv& env, DbfTable& table, std::string start_dir,
               int& last_record, bool setup_mode);

  std::string caption = "Printout";
  bool setup_mode;
  std::string scale_x, scale_y, origin_x, origin_y;
  bool fit = false;          // "anpassen"
  bool border = false;       // "Umrandung"
  int shading = 1;           // 1 "Monochrom", 2 "Color / Graustufen"
  int orientation = 1;       // 1 "Hochformat", 2 "Querformat"
  std::string printer_name;  // the current printer, cut to 40 characters by the window

  void fromDatabase();     // "Datenbank"
  void storeToDatabase();  // "Ü&bernehmen Datenbank"
  void accept();           // "OK": the values become the print settings; abort flag cleared
  void cancel();           // "Abbrechen": abort flag set

 private:
  bool openTable();

  Config& settings_;
  TableEnv& env_;
  DbfTable& table_;
  std::string start_dir_;
  int& last_record_;
};

}  // namespace kv9
