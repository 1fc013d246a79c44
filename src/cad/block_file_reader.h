// Reading the screen's block files back: the DXF fragment of one block ("$NAME.dx$") is drawn
// through the composed insert transform into a writer (the screen, or the plot file for the
// user's logos). Nested INSERTs read their own files, at most four levels deep. A file is
// parsed again only when it changed (block_file_cache.h).
#pragma once

#include <istream>
#include <string>

#include "cad/block_file_cache.h"
#include "cad/cad_writer.h"
#include "core/real.h"

namespace kv9 {

struct CadContext;

inline constexpr int kMaxBlockNesting = 4;

// Inserts block `name` at (x, y) with the given rotation and scales, composed with the insert
// transform of the level being read. A missing file adds "Invalid temp directory" to the message
// list and sets the abort flag; a fifth nesting level shows "error blockno.5", sets the abort
// flag and stops the whole insertion.
void DrawBlockInsert(const CadContext& s, CadWriter& sink, const std::string& name, Real x, Real y,
                     Real angle_deg, Real x_scale, Real y_scale);
// The same for a file given by its path.
void DrawBlockFile(const CadContext& s, CadWriter& sink, const std::string& path, Real x, Real y,
                   Real angle_deg, Real x_scale, Real y_scale);
// Draws the entities of an open block file through s.cad.transform. A POLYLINE that is not
// followed by a VERTEX adds "Error in DXF File" and ends the block; unknown entities are
// skipped, numbers that cannot be read count as 0, a file cut short is read as far as it goes.
void DrawBlockEntities(const CadContext& s, CadWriter& sink, std::istream& in);
// The same for the entities of a parsed file.
void DrawBlockEntities(const CadContext& s, CadWriter& sink,
                       const std::vector<BlockEntity>& entities);

}  // namespace kv9
