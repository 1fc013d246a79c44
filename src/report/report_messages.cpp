#include "report/report_messages.h"

#include "app/session.h"
#include "core/generic_dialogs.h"
#include "core/message_list.h"
#include "report/error_file.h"
#include "report/message_dialogs.h"
#include "report/report_formatter.h"

namespace kv9 {

void ReportMessages(Session& s) {
  int count = MessageCount(s);
  if (count == 0) return;
  int target = ReportTarget(s);
  bool paged = ReportPaged(target);
  bool html = target == kTargetHtml;
  ReportRaw(s, "");
  ReportLine(s, "BEMERKUNGEN, WARNUNGEN, FEHLERMELDUNGEN");
  if (paged || html) {
    ReportLine(s, ReportDoubleLine(s));
    ReportRaw(s, "");
    ReportLine(s, ReportSingleLine(s));
  }
  if (html) ReportHtmlOpenTable(s);
  for (int i = 1; i <= count; ++i) {
    ErrorDescription d = MessageDescription(s, i);
    const std::string& cause = d.cause;
    const std::string& remedy = d.remedy;
    if (ReportTabbed(target)) {
      ReportRaw(s, MessageText(s, i) + "\t" + cause + "\t" + remedy);
      continue;
    }
    ReportTextRow(s, MessageText(s, i));
    ReportLongText(s, cause);
    ReportLongText(s, remedy);
    if (paged) ReportLine(s, ReportSingleLine(s));
    if (html) {
      ReportHtmlCloseTable(s);
      ReportLine(s, "");
      ReportHtmlOpenTable(s);
    }
  }
  if (html) ReportHtmlCloseTable(s);
}

void MessageReport(Session& s) {
  if (MessageCount(s) == 0) {
    ShowNote(s, kNoMessages);
    return;
  }
  const SplineDataSet& d = s.ds;
  ReportSetHeader(s, std::string(kProductName) + " V" + kVersion, "Error Messages", d.info1,
                  d.info2, d.info3, 1);
  if (s.fatal_flag) {
    MessageShowList(s);
    return;
  }
  ReportOpen(s, kTargetScreen, s.current_file + ".txt");
  if (s.abort_flag || !ReportCreate(s)) return;
  ReportPageHeader(s, 0, 0);
  if (s.abort_flag) return ReportAbandon(s);
  ReportMessages(s);
  ReportPageEnd(s);
  ReportClose(s);
}

}  // namespace kv9
