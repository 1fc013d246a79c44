// Files and hand-over of the report formatter: folders, the converted copies, programs.
#pragma once

#include <string>
#include <string_view>

namespace kv9 {

class Session;

// The configured temporary folder ("/"-ended): the configuration's, else TEMP, TMPDIR, /tmp.
// Files meant for the user or for other programs go here under their own names.
std::string ReportTempFolder(const Session& s);
// The program's private scratch folder of this run (the temporary folder when there is none).
std::string ReportScratchFolder(const Session& s);
// The copy target 9 hands over: the name handed to ReportOpen (the data file name, a data-file
// extension dropped) + ".txt", in the data folder unless the name has a folder of its own.
std::string ReportTabCopyName(const Session& s);

}  // namespace kv9
