#include "report/report_messages.h"

#include "core/generic_dialogs.h"
#include "core/message_list.h"
#include "core/program_info.h"
#include "report/error_file.h"
#include "report/message_dialogs.h"
#include "report/report_formatter.h"

namespace kv9 {

void ReportMessages(const ReportContext& r) {
  int count = MessageCount(r.messages);
  if (count == 0) return;
  std::vector<Remark> entries;
  for (int i = 1; i <= count; ++i) {
    ErrorDescription d = MessageDescription(r, i);
    entries.push_back({MessageText(r.messages, i), d.cause, d.remedy});
  }
  ReportRemarks(r, entries);
}

void MessageReport(const ReportContext& r) {
  if (MessageCount(r.messages) == 0) {
    ShowNote(r.dialogs(), kNoMessages);
    return;
  }
  const SplineDataSet& d = r.ds;
  ReportSetHeader(r, std::string(kProductName) + " V" + kVersion, "Error Messages", d.info1,
                  d.info2, d.info3, 1);
  if (r.fatal_flag) {
    MessageShowList(r);
    return;
  }
  ReportOpen(r, kTargetScreen, r.data_file + ".txt");
  if (r.abort_flag || !ReportCreate(r)) return;
  ReportPageHeader(r, 0, 0);
  if (r.abort_flag) return ReportAbandon(r);
  ReportMessages(r);
  ReportPageEnd(r);
  ReportClose(r);
}

}  // namespace kv9
