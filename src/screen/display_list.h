// The screen's display list and its world-to-pixel mapping. Every primitive is recorded as one
// text command ("3;x;y;r" ...); the graphics widget replays the list (display_replay.h) through
// the mapping, so zoom and pan only change the mapping. No Qt here.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/real.h"

namespace kv9 {

struct PixelPoint {
  int x = 0;
  int y = 0;
  bool operator==(const PixelPoint&) const = default;
};

struct WorldRect {
  Real x1 = 0, y1 = 0, x2 = 1, y2 = 1;
};

struct PixelRect {
  int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

enum class DisplayKey { Escape, F5, Left, Right, Up, Down, PageUp, PageDown, Plus, Minus, Other };
enum class MouseButton { Left, Right };

class DisplayList {
 public:
  static constexpr int kColourCount = 16;  // the classic palette, 0 black .. 15 white
  static constexpr Real kZoomStep = 1.2L;
  static constexpr Real kPanStep = 0.1L;
  static constexpr Real kPageStep = 0.5L;

  // --- recorded primitives (world coordinates, angles in degrees) ---
  const std::vector<std::string>& commands() const { return commands_; }
  void Clear();  // empties the list; the next colour, style and width are recorded again
  void circle(Real x, Real y, Real r);
  void line(Real x1, Real y1, Real x2, Real y2);
  // Counter-clockwise from start to end: "5;" with the bounding square and the end points.
  void Arc(Real x, Real y, Real start_deg, Real end_deg, Real r);
  void OutTextXY(Real x, Real y, std::string_view text);  // text in code page 850
  void Solid(Real x1, Real y1, Real x2, Real y2, Real x3, Real y3, Real x4, Real y4);
  void Rectangle(Real x1, Real y1, Real x2, Real y2);
  // Recorded only when it differs from the current colour and names a palette colour.
  void SetColor(int colour);
  int GetColor() const { return colour_; }
  // CAD colour number -> palette colour.
  static int GetColorTurbo(int n);
  void SetColorAcad(int n) { SetColor(GetColorTurbo(n)); }
  // 0 solid, 1 dotted, 2 dash-dot, 3 dashed; recorded only on change.
  void SetLineStyle(int style);
  static int LineStyleOfName(std::string_view name);
  void SetLineStyleName(std::string_view name) { SetLineStyle(LineStyleOfName(name)); }
  void SetLineWidth(int width);  // recorded only on change
  void SetTextStyle(Real height, Real width, int font, Real angle_deg);
  void SetTextSizeMode(int mode) { text_size_mode_ = mode; }
  int textSizeMode() const { return text_size_mode_; }
  void SleepMs(int ms);

  // --- mapping ---
  void setClientSize(int width, int height);
  int clientWidth() const { return width_; }
  int clientHeight() const { return height_; }
  // Viewport as fractions of the client area (y up), world window. Records "10;". A world
  // window without width or height records only that command and returns false (the caller
  // sets the abort flag).
  bool SetWindow(bool inset, bool keep_aspect, Real vx1, Real vy1, Real vx2, Real vy2, Real wx1,
                 Real wy1, Real wx2, Real wy2);
  // Makes the pixel rectangle the visible part (interpolated in the unzoomed window). Ignored
  // for a rectangle without width or height.
  void SetScale(int x1, int y1, int x2, int y2);
  // Full viewport, keep aspect, the world window x1..x2, y1..y2, solid lines, limits saved.
  bool Header(Real x1, Real y1, Real x2, Real y2);
  void ReSetWindow();  // records the current window again
  void SaveLimit();
  void RestoreLimit();
  void ResetZoom();
  void Regen();  // restore the limits, reset window and zoom
  void SaveViewPort() { saved_viewport_ = viewport_; }
  void RetrieveViewPort() {
    viewport_ = saved_viewport_;
    computeScale();
  }
  Real EinX(Real length) const;  // world length as a fraction of the window width
  Real EinY(Real length) const;
  Real textSizeFactor() const { return text_size_factor_; }

  PixelPoint ToPixel(Real x, Real y) const;
  void ToWorld(int px, int py, Real& x, Real& y) const;
  Real scaleX() const { return sx_; }
  Real scaleY() const { return sy_; }
  PixelRect viewport() const { return viewport_; }
  WorldRect world() const { return world_; }
  WorldRect visible() const;  // the world part shown, after zoom and keep aspect
  bool keepAspect() const { return keep_aspect_; }
  // Pixel aspect used for keep aspect: 0.75·W/H (a 4:3 screen) unless set.
  void setAspectFactor(Real factor) { aspect_override_ = factor; }
  Real aspectFactor() const;

  // --- zoom and pan (true when the view changed and must be repainted) ---
  void ZoomIn() { zoomAboutCentre(1 / kZoomStep); }
  void ZoomOut() { zoomAboutCentre(kZoomStep); }
  // Moves the view by fractions of its width and height (positive: right, up).
  void Pan(Real fx, Real fy);
  // Zooms to a rectangle given in pixels of the current view; false for an empty rectangle.
  bool ZoomToPixels(int x1, int y1, int x2, int y2);
  bool processKey(DisplayKey key);
  // Rubber band: left button down starts it, moves drag it, up zooms. Right button resets the
  // zoom; a left click after a double click restores the saved limits.
  bool mouseDown(MouseButton button, int px, int py);
  void mouseMove(int px, int py);
  bool mouseUp(int px, int py);
  void doubleClick() { double_clicked_ = true; }
  bool rubberBandActive() const { return rubber_active_; }
  PixelRect rubberBand() const { return rubber_; }

  // Replay: re-establishes a recorded window without recording it; the zoom is kept.
  void applyWindow(int x1, int y1, int x2, int y2, Real wx1, Real wy1, Real wx2, Real wy2);

 private:
  void record(std::string command);
  static std::string Num(Real x);
  void computeScale();
  void zoomAboutCentre(Real factor);
  void setZoomWorld(Real x1, Real y1, Real x2, Real y2);

  std::vector<std::string> commands_;
  int colour_ = -1, line_style_ = -1, line_width_ = -1;
  int text_size_mode_ = 0;

  int width_ = 640, height_ = 480;
  PixelRect viewport_{0, 0, 640, 480};
  PixelRect saved_viewport_{0, 0, 640, 480};
  WorldRect world_{0, 0, 640, 480};
  bool keep_aspect_ = false;
  // The zoom as fractions of the world window (0..1 each way, y up).
  Real zx1_ = 0, zy1_ = 0, zx2_ = 1, zy2_ = 1;
  Real vx_ = 0, vy_ = 0;  // world point at the viewport's lower left corner
  Real sx_ = 1, sy_ = 1;  // pixels per world unit
  Real text_size_factor_ = 1;
  Real aspect_override_ = 0;

  struct Limits {
    PixelRect viewport;
    WorldRect world;
    bool keep_aspect = false;
  } saved_limits_;

  bool rubber_active_ = false;
  bool double_clicked_ = false;
  PixelRect rubber_;
};

}  // namespace kv9
