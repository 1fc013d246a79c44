// Change records, drawing information and documents that travel with the data file.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "core/real.h"

namespace kv9 {

class Clock;

// Limits of the documentation texts (code page 850 characters).
inline constexpr int kMaxChangeRecords = 25;
inline constexpr int kChangeTextLength = 20;
inline constexpr int kChangeDateLength = 10;
inline constexpr int kChangeEditorLength = 5;
inline constexpr int kChangeDescriptionLength = 255;
inline constexpr int kReplacementLength = 15;  // "Ersatz für", "Ersetzt durch"
inline constexpr int kGridDateLength = 10;
inline constexpr int kGridNameLength = 10;
inline constexpr int kMaxDrawingTexts = 8;
inline constexpr int kDrawingTextLength = 80;
inline constexpr int kDocumentCount = 5;
inline constexpr int kDocumentPathLength = 50;

// One revision of the drawing. The description may hold line breaks ("\n").
struct AendRecord {
  std::string change_text;
  std::string date;
  std::string editor;
  std::string description;
};

// One row of the title-block grid: who did it and when.
struct TitleBlockRow {
  std::string date;
  std::string name;
};

// Rows of the title-block grid.
enum TitleBlockRowIndex { kRowDrawn = 0, kRowChecked = 1, kRowStandard = 2, kRowFourth = 3 };

// A free text placed on the drawing: position, height and angle in drawing units.
struct DrawingText {
  Real x = 0, y = 0, h = 0, phi = 0;
  std::string text;
};

// A related document and the program that opens it.
struct DocumentSlot {
  std::string program = "xdg-open";  // the desktop's default program for the file
  std::string file;
};

struct Documentation {
  std::vector<AendRecord> changes;  // index 0 = the oldest; at most kMaxChangeRecords
  std::string replaces;             // "Ersatz für"
  std::string replaced_by;          // "Ersetzt durch"
  // "Bearb.", "Gepr.", "Norm" and the configured fourth row.
  std::array<TitleBlockRow, 4> grid;
  std::vector<DrawingText> texts;  // at most kMaxDrawingTexts
  std::array<DocumentSlot, kDocumentCount> documents;
};

// Clears the change records and the drawing information for a new data set; the "Bearb." date
// becomes the date of `clock` in the format `date_code`. The documents stay.
void ResetDocumentation(Documentation& d, const Clock& clock, int date_code);

// Line breaks of a description as stored in the data file ("|") and back.
std::string DescriptionToLine(std::string_view description);
std::string LineToDescription(std::string_view line);

}  // namespace kv9
