// The A4 portrait drawing frame: border, title block with its rulings and entries, revision
// rows, the protection notice along the left edge, the punching mark, free texts, footer texts
// and the logo. Drawn at the current block origin through the CAD output operations, in
// drawing units (millimetres on the sheet, origin at the sheet's lower left corner).
#pragma once

#include <string>

namespace kv9 {

struct DrawingContext;

// Sheet outline and the frame's main corners.
inline constexpr double kSheetWidth = 210;
inline constexpr double kSheetHeight = 297;

// Texts are code page 850: drawing name (up to 25 characters), second name line (up to 30) and
// drawing number (up to 18). Nothing is drawn while the abort flag is set.
void DrawFrame(const DrawingContext& s, const std::string& name, const std::string& name2,
               const std::string& number);

// The revision rows of the title block: the last eight change records at most.
void DrawChangeRecords(const DrawingContext& s);

// The symbol of revision `number` (1-based) in the configured style: 0 "a", "b" ...; 1 "1",
// "2" ...; 2 "A", "B" ...; any other style as 0.
std::string RevisionSymbol(int style, int number);

}  // namespace kv9
