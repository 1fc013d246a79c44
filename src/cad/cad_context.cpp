#include "cad/cad_context.h"

#include "model/config.h"

namespace kv9 {

DialogContext DialogsOf(const CadContext& s) {
  return {s.ui, PlainText(s.cfg), s.abort_flag, s.show_errors};
}

int CadDecimals(const Config& cfg) {
  return cfg.cad_decimals >= 1 && cfg.cad_decimals <= 32 ? cfg.cad_decimals : 6;
}

}  // namespace kv9
