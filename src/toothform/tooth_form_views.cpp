#include "toothform/tooth_form_views.h"

#include "core/session.h"

namespace kv9 {

void ToothFormMenu(Session& s, int, int) {
  // The tooth-form views are being built; until then nothing is drawn.
  (void)s;
}

}  // namespace kv9
