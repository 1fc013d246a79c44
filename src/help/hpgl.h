// The HP-GL and HP-GL/2 interpreter of the help pictures: plot commands become primitives of the
// graphics window's display list, in millimetres (1 plotter unit = 0.025 mm).
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/real.h"

namespace kv9 {

class DisplayList;

inline constexpr Real kPlotterUnit = 0.025L;
inline constexpr Real kHelpWindowWidth = 160, kHelpWindowHeight = 120;
inline constexpr std::size_t kMaxLabelLength = 255;

// Screen colour of a plotter pen: pens 1..7 as CAD colours 1..7, any other number is the
// palette index itself.
int PenColour(int pen);

class HpglInterpreter {
 public:
  explicit HpglInterpreter(DisplayList& display);

  // Interprets a whole file; false when it ended in the middle of a command (what was drawn
  // before stays).
  bool run(std::string_view file);

  Real x() const { return x_; }
  Real y() const { return y_; }
  int pen() const { return pen_; }
  bool penDown() const { return pen_down_; }
  int characterSet() const { return character_set_; }

 private:
  enum class Field { Plain, Coordinate };
  // One field up to its "," or ";" (returned in `terminator`); false at the end of the file.
  bool readField(Field kind, std::string& text, char& terminator);
  bool readFields(std::vector<std::string>& fields);
  bool skipToSemicolon();
  int next();  // the next byte, -1 at the end
  bool points();
  bool label();
  // "AA": around (xc, yc) from the current point through `sweep` degrees.
  void arc(Real xc, Real yc, Real sweep);
  bool encodedPolyline();
  bool decodeNumber(bool seven_bit, long long& value, bool& ended);
  void selectPen(int pen);
  void moveOrDraw(Real nx, Real ny, bool draw);

  DisplayList& display_;
  std::string_view in_;
  std::size_t pos_ = 0;

  Real x_ = -999, y_ = -999;
  bool pen_down_ = false;
  int pen_ = 1;
  Real char_width_cm_ = 0.19L, char_height_cm_ = 0.27L;
  Real label_angle_deg_ = 0;
  int character_set_ = 0;
};

// Clears the graphics window and sets it to 160 by 120 drawing units.
void PrepareHelpWindow(DisplayList& display);
// Clears and sets the window, then interprets the file. False when the file cannot be read
// (the window is then empty).
bool DrawHelpPicture(DisplayList& display, const std::string& file);

}  // namespace kv9
