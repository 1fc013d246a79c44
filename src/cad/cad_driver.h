// The device-independent CAD output operations. Every drawing calls only these; the driver keeps
// the drawing state and routes each call to the writer of the output kind chosen at CadOpen:
// DXF (1), IGES (2), the screen's display list (3), a plot through the external plot program
// (4, a DXF file handed to it) or the CAD text file (5). It also emulates what a kind lacks:
// polylines become lines and arcs, and on the screen the blocks are stored as small DXF files
// ("$NAME.dx$" in the session's scratch folder) and read back for every insertion.
//
// Units: millimetres on the sheet, angles in degrees counter-clockwise, except the included
// angle of a polyline vertex (radians, positive = counter-clockwise). Texts are code page 850.
//
// A drawing runs: CadOpen, CadLimits, CadTables, CadBlocksBegin, (CadBlockBegin ... CadBlockEnd)*,
// CadSectionEnd, CadEntitiesBegin, entities, CadSectionEnd, CadClose; it tests s.abort_flag
// between its steps. Failures (cancelled choices, files that cannot be written) show or record
// their message, set the abort flag and close the output; later calls then do nothing.
#pragma once

#include <string>
#include <string_view>

#include "cad/cad_context.h"
#include "cad/cad_state.h"
#include "core/real.h"

namespace kv9 {

struct CadContext;

// --- opening and closing ---
// kind 0 lets the user choose; 4 asks for the plot command line first. Batch runs (s.batch_cad)
// write FILE.dxf / FILE.igs / FILE.txt in the working folder, FILE being the data file's name
// without folder and last extension, each into a new file that replaces the old one only when
// the drawing is complete (a read-only old file is refused); interactively a save dialog asks.
void CadOpen(const CadContext& s, int kind);
// Routes the drawing into `writer` (kept by the caller) as a file kind with real polylines when
// the writer takes them. For tests and for callers that want the geometry itself.
void CadOpenWriter(const CadContext& s, CadWriter& writer);
void CadClose(const CadContext& s);
bool CadIsOpen(const CadContext& s);
// "dxf", "igs", "txt" for kinds 1, 2, 5.
std::string CadExtension(int kind);
// The batch name of an output file: the current file name (the data file's base name) + "." +
// extension.
std::string CadBatchFileName(const CadContext& s, int kind);
// Drawings are made only for a tooth count `teeth` the dimensions dialog accepts (6 to 600):
// another one, though calculated, is refused with a message and the abort flag. True when it
// may be drawn.
bool CadTeethDrawable(const CadContext& s, int teeth);

// --- sections ---
void CadLimits(const CadContext& s, Real xmin, Real ymin, Real xmax, Real ymax);
void CadTables(const CadContext& s, int layer_set);  // 0 five layers, 1 layers 0..15, 2 also 16..31
void CadBlocksBegin(const CadContext& s);
void CadBlockBegin(const CadContext& s, const std::string& name);
void CadBlockEnd(const CadContext& s);
void CadSectionEnd(const CadContext& s);
void CadEntitiesBegin(const CadContext& s);

// --- state ---
void CadLayer(const CadContext& s, int n);  // 0..31; above 31: n mod 16 + 16
// Text height and character width (0: 0.7 of the height); the width factor is the configured
// base factor times width / height.
void CadTextStyle(const CadContext& s, int font, Real angle_deg, Real height, Real width);
// The text format CadTextStyle sets, with the configured width factor and slant (a width of 0
// is 0.7 of the height).
CadTextFormat CadTextFormatOf(const CadContext& s, int font, Real angle_deg, Real height,
                              Real width);
void CadTextAlign(const CadContext& s, int horizontal,
                  int vertical);  // 0 left/base, 1 centre, 2 right/top
void CadLineSpacing(const CadContext& s, Real factor);
void CadOrigin(const CadContext& s, Real dx,
               Real dy);  // added to lines, circles, arcs, solids, texts
void CadSetPolylineOutput(const CadContext& s, bool on);  // "Polyline ?" for the DXF and plot kinds

// --- entities ---
void CadLine(const CadContext& s, Real x1, Real y1, Real x2, Real y2);
void CadCircle(const CadContext& s, Real x, Real y, Real r);
void CadArc(const CadContext& s, Real x, Real y, Real start_deg, Real end_deg,
            Real r);  // r = 0: nothing
void CadSolid(const CadContext& s, Real x1, Real y1, Real x2, Real y2, Real x3, Real y3, Real x4,
              Real y4);
void CadText(const CadContext& s, std::string_view text, Real x,
             Real y);  // an empty text is skipped
// At the current point, which then moves down by 1.6 · height · line spacing.
void CadTextLine(const CadContext& s, std::string_view text);
void CadMoveTo(const CadContext& s, Real x, Real y);
void CadLineTo(const CadContext& s, Real x, Real y);
void CadRectangle(const CadContext& s, Real x1, Real y1, Real x2, Real y2);
void CadPolylineBegin(const CadContext& s, int flags);  // flags 1: closed
void CadVertex(const CadContext& s, Real x, Real y, Real included_angle);
void CadPolylineEnd(const CadContext& s);
// Polyline through (xc + r·fx·cos t, yc + r·fy·sin t), t from start to end in steps (degrees).
void CadEllipseArc(const CadContext& s, Real xc, Real yc, Real start_deg, Real end_deg, Real r,
                   Real fx, Real fy, Real step_deg);
void CadInsert(const CadContext& s, const std::string& name, Real x, Real y, Real angle_deg,
               Real x_scale, Real y_scale);

// --- block files of the screen ---
// Where the screen keeps (or finds) block NAME: "$NAME.dx$" in the scratch folder; the user's
// logos "logo_1" in the program folder and "LOGO_2", "LOGO_3" in the temporary folder. Empty
// for a block when the session has no scratch folder.
std::string CadBlockFilePath(const CadContext& s, std::string_view name);
bool CadIsLogoBlock(std::string_view name);

}  // namespace kv9
