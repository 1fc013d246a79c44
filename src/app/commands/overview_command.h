// The data-file overview table of the data folder (the command itself is CmdOpenTable).
#pragma once

#include "exchange/overview.h"

namespace kv9 {

class Session;

// Reads and calculates every data file of the data folder, one row each; the data set then
// holds the last file read. The table's export writes a sheet and opens it.
OverviewForm BuildOverview(Session& s);

}  // namespace kv9
