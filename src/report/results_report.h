// The results report of one calculated spline connection: the ANSI B92.1 section, the
// equivalent-gear ("DIN") sections, the SAE stress section and the messages page.
#pragma once

#include "report/report_context.h"

namespace kv9 {

// Report kinds: 0 and 1 standard (all sections), 2 excerpt (ANSI section only), 3 ANSI and DIN
// sections, 4 stress section only. The stress section needs a torque above 0.
enum ResultsReportKind {
  kReportStandard = 0,
  kReportStandard1 = 1,
  kReportExcerpt = 2,
  kReportAnsiDin = 3,
  kReportStress = 4,
};

// Writes the report on the default target (or the user's choice). With the fatal flag set the
// message list is shown instead.
void ResultsReport(const ReportContext& r, int kind);

// The sections on an opened report, for producers that compose their own (tests, exchange).
void ResultsReportAnsiSection(const ReportContext& r);
void ResultsReportDinSections(const ReportContext& r);
void ResultsReportStressSection(const ReportContext& r);
// The header texts and column headers of the results report.
void ResultsReportHeader(const ReportContext& r);

}  // namespace kv9
