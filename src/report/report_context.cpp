#include "report/report_context.h"

#include "model/config.h"

namespace kv9 {

DialogContext ReportContext::dialogs() const {
  return {ui, cfg.plain_text_mode == 1, abort_flag};
}

UnitStyle ReportContext::units() const {
  return UnitsOf(cfg);
}

}  // namespace kv9
