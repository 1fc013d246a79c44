#include "cad/cad_context.h"

#include "model/config.h"

namespace kv9 {

DialogContext DialogsOf(const CadContext& s) {
  return {s.ui, PlainText(s.cfg), s.abort_flag, s.show_errors};
}

}  // namespace kv9
