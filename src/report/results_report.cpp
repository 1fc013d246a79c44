#include "report/results_report.h"

#include "core/message_list.h"
#include "core/number_format.h"
#include "core/program_info.h"
#include "core/ui.h"
#include "report/message_dialogs.h"
#include "report/report_formatter.h"
#include "report/report_messages.h"
#include "report/result_items.h"

namespace kv9 {

namespace {

// The rows in the report's columns, in the units of the settings.
void WriteItems(const ReportContext& rc, const ResultItems& items) {
  const UnitStyle u = rc.units();
  for (const ResultItem& it : items) {
    switch (it.kind) {
      case ResultItem::Kind::BlankTitle:
        ReportLine(rc, "");
        break;
      case ResultItem::Kind::SpacedTitle:
        ReportLine(rc, " ");
        break;
      default:
        break;
    }
    if (it.isTitle()) {
      ReportLine(rc, it.label);
      ReportLine(rc, ReportSingleLine(rc));
    } else if (it.pair) {
      ReportRow2(rc, it.label, it.symbol, ResultUnitText(u, it),
                 FormatResultValue(u, it, it.value[0]), FormatResultValue(u, it, it.value[1]));
    } else {
      ReportRow(rc, it.label, it.symbol, ResultUnitText(u, it),
                FormatResultValue(u, it, it.value[0]));
    }
  }
}

}  // namespace

void ResultsReportHeader(const ReportContext& rc) {
  const SplineDataSet& d = rc.ds;
  std::string title =
      std::string(kProductName) + " V" + kVersion + "  Zahnwellenverbindung nach " + "ANSI B92.1";
  ReportSetHeader(rc, title, ReportNumberLine(d.drawing_name_shaft, d.drawing_number_shaft),
                  ReportNumberLine(d.drawing_name_hub, d.drawing_number_hub), d.info1, d.info2, 0);
  ReportSetColumns(rc, "", "Zeichen", "Einheit", " Welle", " Nabe");
}

void ResultsReportAnsiSection(const ReportContext& rc) {
  WriteItems(rc, AnsiSectionItems(rc.ds, rc.units().number));
}

void ResultsReportDinSections(const ReportContext& rc) {
  WriteItems(rc, DinSectionItems(rc.ds));
}

void ResultsReportStressSection(const ReportContext& rc) {
  WriteItems(rc, StressSectionItems(rc.ds));
}

void ResultsReport(const ReportContext& rc, int kind) {
  if (rc.fatal_flag) {
    MessageShowList(rc);
    return;
  }
  ReportOpen(rc, 0, rc.data_file);
  if (rc.abort_flag || !ReportCreate(rc)) return;
  ResultsReportHeader(rc);

  bool ansi = kind != kReportStress;
  bool din = kind != kReportExcerpt && kind != kReportStress;
  bool stress = (kind != kReportExcerpt && kind != kReportAnsiDin) && HasStressSection(rc.ds);
  if (ansi) {
    ReportPageHeader(rc, 0, 1);
    if (rc.abort_flag) return ReportAbandon(rc);
    ResultsReportAnsiSection(rc);
  }
  if (din) ResultsReportDinSections(rc);
  ReportPageEnd(rc);
  if (rc.abort_flag) return ReportAbandon(rc);
  if (stress) {
    ReportPageHeader(rc, 0, 1);
    if (rc.abort_flag) return ReportAbandon(rc);
    ResultsReportStressSection(rc);
    // The messages start a page of their own, and the report ends with a complete page.
    ReportPageEnd(rc);
  }
  if (MessageCount(rc.messages) > 0) {
    ReportPageHeader(rc, 0, 0);
    if (rc.abort_flag) return ReportAbandon(rc);
    ReportMessages(rc);
    ReportPageEnd(rc);
  }
  if (rc.abort_flag) return ReportAbandon(rc);
  ReportClose(rc);
  rc.ui.setWaitCursor(false);
}

}  // namespace kv9
