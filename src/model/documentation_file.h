// The change-record and document sections of the data file.
#pragma once

namespace kv9 {

struct Documentation;
class LineReader;
class LineWriter;

// "ÄNDERUNGEN", the change records, the drawing information; then "Dokumente" and the five
// documents.
void WriteDocumentationSections(const Documentation& docs, LineWriter& out);
// Reads both sections back. Counts above their limits are read through so that the reader stays
// in step; the first 25 change records, 8 drawing texts and 5 documents are kept.
void ReadDocumentationSections(Documentation& docs, LineReader& in);

}  // namespace kv9
