// Shared between the driver's files: routing to the writer of the moment and the checks after
// every write.
#pragma once

#include "cad/cad_writer.h"

namespace kv9 {

class Session;

namespace cad_internal {

// The writer that takes the next entity: the kind's writer, the screen's block file inside the
// blocks section, or nothing (output closed, block skipped).
CadWriter* Target(Session& s);
// Moves the writers' messages into the message list and reports a failed write (which closes
// the output).
void AfterWrite(Session& s);
// Drops writers and files without finishing them (partial files stay).
void DropOutput(Session& s);
void ResetDrawing(Session& s);
int ErrorNumber(int error);
bool RealPolylines(const Session& s);

}  // namespace cad_internal
}  // namespace kv9
