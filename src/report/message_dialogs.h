// The interactive message list after a calculation and the description dialog of a message,
// through the Ui.
#pragma once

#include <string>
#include <string_view>

#include "report/report_context.h"

namespace kv9 {

// The choice list of the messages; each chosen message opens its description. Returns at once
// with "/NOGUI".
void MessageShowList(const ReportContext& r);

enum class DescriptionResult { Shown, NoDescription, Aborted };
// The description dialog of message i (1-based). Aborted: the file is missing or the dialog was
// closed without OK.
DescriptionResult MessageDescriptionDialog(const ReportContext& r, int i);

// Replaces cause and remedy (UTF-8, as typed) of the entry of `message` in the description
// file. The file is rewritten through a copy in the temporary folder and replaced only when the
// copy is complete. False when nothing was saved.
bool SaveErrorDescription(const ReportContext& r, std::string_view message, std::string_view cause,
                          std::string_view remedy);

}  // namespace kv9
