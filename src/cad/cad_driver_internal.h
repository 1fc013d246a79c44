// Shared between the driver's files: routing to the writer of the moment and the checks after
// every write.
#pragma once

#include "cad/cad_writer.h"
#include "core/file_util.h"

namespace kv9 {

class CadOutputFile;
struct CadContext;

namespace cad_internal {

// The writer that takes the next entity: the kind's writer, the screen's block file inside the
// blocks section, or nothing (output closed, block skipped).
CadWriter* Target(const CadContext& s);
// Moves the writers' messages into the message list and reports a failed write (which closes
// the output).
void AfterWrite(const CadContext& s);
// The message of a failed output file (with its name for a batch output); sets the abort flag.
void ReportOutputFailure(const CadContext& s, const CadOutputFile& f, WritePhase phase);
// Drops writers and files without finishing them (partial files stay, except a batch output's,
// which is removed and leaves the old file as it was).
void DropOutput(const CadContext& s);
void ResetDrawing(const CadContext& s);
int ErrorNumber(int error);
bool RealPolylines(const CadContext& s);

}  // namespace cad_internal
}  // namespace kv9
