// The table browser's files: the table as an HTML page or as delimited text, records appended
// from another table or from delimited text, and the printout handed to the Ui. Records marked
// deleted are neither exported nor printed nor taken over.
//
// Delimited text is UTF-8 with CR LF line ends: a first line with the field names, then one line
// per record, fields separated by ",", character and date fields in double quotes (a quote inside
// doubled). Reading also takes ";" or tab as the separator (whichever the first line uses most),
// quoted fields over several lines, and a file that is not UTF-8 as code page 850 bytes; a first
// line whose cells all name fields of the table says which column goes into which field, without
// it the columns fill the fields in order.
#pragma once

#include <string>
#include <string_view>

#include "tables/dbf_table.h"

namespace kv9 {

// `caption` is a display text (UTF-8).
bool ExportTableHtml(TableEnv& env, const DbfTable& table, std::string_view caption,
                     const std::string& path);
bool SaveTableDelimited(TableEnv& env, const DbfTable& table, const std::string& path);
// All records or none: a value that does not fit its field stops the whole append.
bool AppendFromDbf(TableEnv& env, DbfTable& table, const std::string& path);
bool AppendFromDelimited(TableEnv& env, DbfTable& table, const std::string& path);
// A code page 850 text of pages of `env.lines_per_page` lines, each page ended by a form-feed
// line, in the scratch folder; given to the Ui's text printer, then removed.
bool PrintTable(TableEnv& env, const DbfTable& table, std::string_view caption);

}  // namespace kv9
