#include "model/documentation_file.h"

#include "core/number_format.h"
#include "model/data_file.h"
#include "model/documentation.h"

namespace kv9 {

namespace {

const char* const kChangesMarker =
    "\x8E"
    "NDERUNGEN";  // "ÄNDERUNGEN" in code page 850
const char* const kDocumentsMarker = "Dokumente";
const std::string kLongRule(20, '-');
const std::string kShortRule(14, '-');

std::string Cut(std::string text, std::size_t length) {
  if (text.size() > length) text.resize(length);
  return text;
}

// "x|y|h|phi|text||": the text is everything between the fourth "|" and the empty last field,
// so a "|" inside the text does not shift the numbers.
void ParseDrawingText(std::string_view line, DrawingText& t) {
  std::string_view rest = line;
  if (!rest.empty() && rest.back() == '|') rest.remove_suffix(1);
  if (!rest.empty() && rest.back() == '|') rest.remove_suffix(1);
  Real* numbers[4] = {&t.x, &t.y, &t.h, &t.phi};
  for (Real* n : numbers) {
    auto bar = rest.find('|');
    *n = ParseReal(rest.substr(0, bar));
    rest = bar == std::string_view::npos ? std::string_view() : rest.substr(bar + 1);
  }
  t.text = Cut(std::string(rest), kDrawingTextLength);
}

}  // namespace

void WriteDocumentationSections(const Documentation& docs, LineWriter& out) {
  const NumberStyle& st = out.style();
  out.text(kChangesMarker);
  out.integer(static_cast<long long>(docs.changes.size()));
  out.text(kLongRule);
  for (const AendRecord& r : docs.changes) {
    out.text(r.change_text);
    out.text(r.date);
    out.text(r.editor);
    out.text(DescriptionToLine(r.description));
    out.text(kShortRule);
  }
  const auto& g = docs.grid;
  out.fields({g[kRowChecked].date, g[kRowChecked].name, g[kRowStandard].date, g[kRowStandard].name,
              g[kRowFourth].date, g[kRowFourth].name,
              FormatInt(static_cast<long long>(docs.texts.size())), ""});
  out.text(g[kRowDrawn].date);
  out.text(docs.replaces);
  out.text(docs.replaced_by);
  out.text(g[kRowDrawn].name);
  for (const DrawingText& t : docs.texts) {
    // The text may hold "|": it is written as it is, the reader takes it from the fifth field on.
    std::string text;
    for (char c : t.text) text += (c == '\r' || c == '\n') ? ' ' : c;
    out.raw(FormatShort(st, t.x) + "|" + FormatShort(st, t.y) + "|" + FormatShort(st, t.h) + "|" +
            FormatShort(st, t.phi) + "|" + text + "||");
  }

  out.text(kDocumentsMarker);
  out.integer(kDocumentCount);
  out.text(kLongRule);
  for (const DocumentSlot& d : docs.documents) {
    out.text(d.program);
    out.text(d.file);
    out.text(kShortRule);
  }
}

void ReadDocumentationSections(Documentation& docs, LineReader& in) {
  int count = 0;
  in.skip();  // "ÄNDERUNGEN"
  if (!in.integer(count)) return;
  in.skip();  // rule
  std::vector<AendRecord> changes;
  for (int i = 0; i < count && !in.failed(); ++i) {
    AendRecord r;
    std::string description;
    in.text(r.change_text, kChangeTextLength);
    in.text(r.date, kChangeDateLength);
    in.text(r.editor, kChangeEditorLength);
    in.text(description, kChangeDescriptionLength);
    in.skip();  // rule
    r.description = LineToDescription(description);
    if (!in.failed() && static_cast<int>(changes.size()) < kMaxChangeRecords)
      changes.push_back(std::move(r));
  }
  if (in.failed()) return;
  docs.changes = std::move(changes);

  std::string grid_line;
  if (!in.text(grid_line, std::string::npos)) return;
  std::vector<std::string> f = SplitFields(grid_line);
  f.resize(8);
  auto& g = docs.grid;
  g[kRowChecked] = {Cut(f[0], kGridDateLength), Cut(f[1], kGridNameLength)};
  g[kRowStandard] = {Cut(f[2], kGridDateLength), Cut(f[3], kGridNameLength)};
  g[kRowFourth] = {Cut(f[4], kGridDateLength), Cut(f[5], kGridNameLength)};
  int text_count = static_cast<int>(ParseInt(f[6]));
  in.text(g[kRowDrawn].date, kGridDateLength);
  in.text(docs.replaces, kReplacementLength);
  in.text(docs.replaced_by, kReplacementLength);
  in.text(g[kRowDrawn].name, kGridNameLength);
  std::vector<DrawingText> texts;
  for (int i = 0; i < text_count && !in.failed(); ++i) {
    std::string line;
    if (!in.text(line, std::string::npos)) break;
    DrawingText t;
    ParseDrawingText(line, t);
    if (static_cast<int>(texts.size()) < kMaxDrawingTexts) texts.push_back(std::move(t));
  }
  if (in.failed()) return;
  docs.texts = std::move(texts);

  in.skip();  // "Dokumente"
  if (!in.integer(count)) return;
  in.skip();  // rule
  for (int i = 0; i < count && !in.failed(); ++i) {
    DocumentSlot d;
    in.text(d.program, kDocumentPathLength);
    in.text(d.file, kDocumentPathLength);
    in.skip();  // rule
    if (!in.failed() && i < kDocumentCount) docs.documents[i] = std::move(d);
  }
}

}  // namespace kv9
