#include "app/commands/texts_form.h"

#include "app/session.h"
#include "model/texts_form.h"

namespace kv9 {

bool ShowTextsForm(Session& s) {
  TextsForm form;
  form.fill(s.ds);
  if (!s.ui->textsForm(form)) {
    s.abort_flag = true;
    return false;
  }
  form.accept(s.ds);
  s.abort_flag = false;
  return true;
}

}  // namespace kv9
