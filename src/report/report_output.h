// Files and hand-over of the report formatter: folders, the output file, the converted copies,
// programs.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "report/report_context.h"

namespace kv9 {

class ReportLayout;

// Runs one report operation on the layout of the report's target and writes what it wrote
// to the open output (nothing without one). A write error shows its message once and sets
// the abort flag.
void ReportWrite(const ReportContext& r, const std::function<void(ReportLayout&)>& operation);

// The configured temporary folder ("/"-ended): the configuration's, else TEMP, TMPDIR, /tmp.
// Files meant for the user or for other programs go here under their own names.
std::string ReportTempFolder(const ReportContext& r);
// The program's private scratch folder of this run (the temporary folder when there is none).
std::string ReportScratchFolder(const ReportContext& r);
// The copy target 9 hands over: the name handed to ReportOpen (the data file name, a data-file
// extension dropped) + ".txt", in the data folder unless the name has a folder of its own.
std::string ReportTabCopyName(const ReportContext& r);
// The same for the report of `name` (the data file's name of a report not opened yet).
std::string ReportTabCopyName(const ReportContext& r, std::string name);

}  // namespace kv9
