#include "app/commands/texts_form.h"

#include "core/session.h"
#include "core/text.h"

namespace kv9 {

namespace {

std::string Stored(std::string_view shown, int length) {
  std::string text = DisplayToCp850(shown);
  if (text.size() > static_cast<std::size_t>(length)) text.resize(length);
  return text;
}

}  // namespace

TextsForm::TextsForm(Session& s) : s_(s) {
  const SplineDataSet& ds = s.ds;
  caption = Cp850ToDisplay(s, ProgramTitle());
  drawing_name = {Cp850ToDisplay(s, ds.drawing_name_shaft), Cp850ToDisplay(s, ds.drawing_name_hub)};
  drawing_number = {Cp850ToDisplay(s, ds.drawing_number_shaft),
                    Cp850ToDisplay(s, ds.drawing_number_hub)};
  drawing_name2 = {Cp850ToDisplay(s, ds.drawing_name2_shaft),
                   Cp850ToDisplay(s, ds.drawing_name2_hub)};
  info1 = Cp850ToDisplay(s, ds.info1);
  info2 = Cp850ToDisplay(s, ds.info2);
}

void TextsForm::accept() {
  SplineDataSet& ds = s_.ds;
  ds.drawing_name_shaft = Stored(drawing_name[0], kNameLength);
  ds.drawing_name_hub = Stored(drawing_name[1], kNameLength);
  ds.drawing_number_shaft = Stored(drawing_number[0], kNumberLength);
  ds.drawing_number_hub = Stored(drawing_number[1], kNumberLength);
  ds.drawing_name2_shaft = Stored(drawing_name2[0], kName2Length);
  ds.drawing_name2_hub = Stored(drawing_name2[1], kName2Length);
  ds.info1 = Stored(info1, kInfoLength);
  ds.info2 = Stored(info2, kInfoLength);
  s_.abort_flag = false;
}

void TextsForm::cancel() {
  s_.abort_flag = true;
}

bool ShowTextsForm(Session& s) {
  TextsForm form(s);
  if (s.ui->textsForm(form)) {
    form.accept();
    return true;
  }
  form.cancel();
  return false;
}

}  // namespace kv9
