#include "help/documents.h"

#include "core/ui.h"

namespace kv9 {

namespace {

// The first `count` characters of a UTF-8 text (a character is never cut in two).
std::string FirstCharacters(const std::string& text, int count) {
  int seen = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if ((static_cast<unsigned char>(text[i]) & 0xC0) == 0x80) continue;
    if (seen++ == count) return text.substr(0, i);
  }
  return text;
}

void Choose(Ui& ui, std::string& field, const char* filter) {
  if (auto chosen = ui.chooseOpenFile(field, filter)) field = *chosen;
}

}  // namespace

void DocumentSetupForm::fill(const Documentation& d) {
  for (int i = 0; i < kDocumentCount; ++i) {
    program[i] = d.documents[i].program;
    file[i] = d.documents[i].file;
  }
}

void DocumentSetupForm::chooseProgram(Ui& ui, int slot) {
  Choose(ui, program.at(slot), "Programme|*");
}

void DocumentSetupForm::chooseFile(Ui& ui, int slot) {
  Choose(ui, file.at(slot), "Alle Dateien|*.*");
}

void DocumentSetupForm::accept(Documentation& d) const {
  for (int i = 0; i < kDocumentCount; ++i) {
    d.documents[i].program = FirstCharacters(program[i], kDocumentPathLength);
    d.documents[i].file = FirstCharacters(file[i], kDocumentPathLength);
  }
}

void OpenDocument(Ui& ui, const Documentation& d, int n) {
  if (n < 1 || n > kDocumentCount) return;
  const DocumentSlot& slot = d.documents[n - 1];
  ui.setWaitCursor(true);
  ui.startProgram(slot.program + " " + slot.file, true);
  ui.setWaitCursor(false);
}

bool DocumentSetup(Ui& ui, Documentation& d, bool& abort_flag, bool& modified, int& help_topic) {
  DocumentSetupForm form;
  form.fill(d);
  help_topic = DocumentSetupForm::kHelpTopic;
  if (!ui.documentSetupForm(form)) {
    abort_flag = true;
    return false;
  }
  abort_flag = false;
  form.accept(d);
  modified = true;
  return true;
}

}  // namespace kv9
