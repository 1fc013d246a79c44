#include "screen/display_list.h"

#include <charconv>
#include <cmath>

#include "core/palette.h"

namespace kv9 {

namespace {

// Pixels stay within +-1e9 so that sums of them cannot overflow; NaN goes to the low end.
int PixelInt(Real x) {
  if (!(x > -1e9L)) return -1000000000;
  if (!(x < 1e9L)) return 1000000000;
  return RoundToInt(x);
}

}  // namespace

std::string DisplayList::Num(Real x) {
  double d = static_cast<double>(x);
  if (!std::isfinite(d)) d = 0;
  char buf[64];
  auto res = std::to_chars(buf, buf + sizeof buf, d, std::chars_format::general, 8);
  return std::string(buf, res.ptr);
}

void DisplayList::record(std::string command) {
  commands_.push_back(std::move(command));
}

void DisplayList::Clear() {
  commands_.clear();
  colour_ = line_style_ = line_width_ = -1;
}

void DisplayList::circle(Real x, Real y, Real r) {
  record("3;" + Num(x) + ";" + Num(y) + ";" + Num(r));
}

void DisplayList::line(Real x1, Real y1, Real x2, Real y2) {
  record("4;" + Num(x1) + ";" + Num(y1) + ";" + Num(x2) + ";" + Num(y2));
}

void DisplayList::Arc(Real x, Real y, Real start_deg, Real end_deg, Real r) {
  Real a = start_deg * kPi / 180, b = end_deg * kPi / 180;
  record("5;" + Num(x - r) + ";" + Num(y - r) + ";" + Num(x + r) + ";" + Num(y + r) + ";" +
         Num(x + r * std::cos(a)) + ";" + Num(y + r * std::sin(a)) + ";" +
         Num(x + r * std::cos(b)) + ";" + Num(y + r * std::sin(b)));
}

void DisplayList::OutTextXY(Real x, Real y, std::string_view text) {
  record("6;" + Num(x) + ";" + Num(y) + ";" + std::string(text));
}

void DisplayList::Solid(Real x1, Real y1, Real x2, Real y2, Real x3, Real y3, Real x4, Real y4) {
  record("7;" + Num(x1) + ";" + Num(y1) + ";" + Num(x2) + ";" + Num(y2) + ";" + Num(x3) + ";" +
         Num(y3) + ";" + Num(x4) + ";" + Num(y4));
}

void DisplayList::Rectangle(Real x1, Real y1, Real x2, Real y2) {
  line(x1, y1, x2, y1);
  line(x2, y1, x2, y2);
  line(x2, y2, x1, y2);
  line(x1, y2, x1, y1);
}

void DisplayList::SetColor(int colour) {
  if (colour == colour_ || colour < 0 || colour >= kColourCount) return;
  colour_ = colour;
  record("8;" + std::to_string(colour));
}

int DisplayList::GetColorTurbo(int n) {
  if (n > 15) n = (n % 16) + 1;
  return n >= 1 && n <= 15 ? PaletteOfColour(n) : 0;
}

void DisplayList::SetLineStyle(int style) {
  if (style == line_style_) return;
  line_style_ = style;
  record("11;" + std::to_string(style));
}

int DisplayList::LineStyleOfName(std::string_view name) {
  if (name == "DOTTED" || name == "PUNKT") return 1;
  if (name == "CENTER" || name == "DASHDOT" || name == "STRICHPUNKT") return 2;
  if (name == "DASHED" || name == "HIDDEN" || name == "VERDECKT") return 3;
  return 0;
}

void DisplayList::SetLineWidth(int width) {
  if (width == line_width_) return;
  line_width_ = width;
  record("12;" + std::to_string(width));
}

void DisplayList::SetTextStyle(Real height, Real width, int font, Real angle_deg) {
  record("9;" + Num(height) + ";" + Num(width) + ";" + std::to_string(font) + ";" + Num(angle_deg));
}

void DisplayList::SleepMs(int ms) {
  record("13;" + std::to_string(ms));
}

void DisplayList::setClientSize(int width, int height) {
  width_ = width > 0 ? width : 1;
  height_ = height > 0 ? height : 1;
}

Real DisplayList::aspectFactor() const {
  return aspect_override_ > 0 ? aspect_override_ : 0.75L * width_ / height_;
}

bool DisplayList::SetWindow(bool inset, bool keep_aspect, Real vx1, Real vy1, Real vx2, Real vy2,
                            Real wx1, Real wy1, Real wx2, Real wy2) {
  PixelRect v{PixelInt(vx1 * width_), PixelInt((1 - vy2) * height_), PixelInt(vx2 * width_),
              PixelInt((1 - vy1) * height_)};
  if (inset) v = {v.x1 + 1, v.y1 + 1, v.x2 - 1, v.y2 - 1};
  record("10;" + std::to_string(v.x1) + ";" + std::to_string(v.y1) + ";" + std::to_string(v.x2) +
         ";" + std::to_string(v.y2) + ";" + Num(wx1) + ";" + Num(wy1) + ";" + Num(wx2) + ";" +
         Num(wy2));
  if (!(wx1 != wx2 && wy1 != wy2)) return false;
  viewport_ = v;
  world_ = {wx1, wy1, wx2, wy2};
  keep_aspect_ = keep_aspect;
  SetScale(v.x1, v.y1, v.x2, v.y2);
  return true;
}

void DisplayList::applyWindow(int x1, int y1, int x2, int y2, Real wx1, Real wy1, Real wx2,
                              Real wy2) {
  if (!(wx1 != wx2 && wy1 != wy2)) return;
  viewport_ = {x1, y1, x2, y2};
  world_ = {wx1, wy1, wx2, wy2};
  computeScale();
}

void DisplayList::SetScale(int x1, int y1, int x2, int y2) {
  const PixelRect& v = viewport_;
  if (x1 == x2 || y1 == y2 || v.x1 == v.x2 || v.y1 == v.y2) return;
  Real fx1 = Real(x1 - v.x1) / (v.x2 - v.x1), fx2 = Real(x2 - v.x1) / (v.x2 - v.x1);
  Real fy1 = Real(v.y2 - y2) / (v.y2 - v.y1), fy2 = Real(v.y2 - y1) / (v.y2 - v.y1);
  zx1_ = std::fmin(fx1, fx2);
  zx2_ = std::fmax(fx1, fx2);
  zy1_ = std::fmin(fy1, fy2);
  zy2_ = std::fmax(fy1, fy2);
  computeScale();
}

void DisplayList::computeScale() {
  Real ww = world_.x2 - world_.x1, wh = world_.y2 - world_.y1;
  vx_ = world_.x1 + zx1_ * ww;
  vy_ = world_.y1 + zy1_ * wh;
  Real w = (zx2_ - zx1_) * ww, h = (zy2_ - zy1_) * wh;
  sx_ = w != 0 ? (viewport_.x2 - viewport_.x1) / w : 1;
  sy_ = h != 0 ? (viewport_.y2 - viewport_.y1) / h : 1;
  if (keep_aspect_) {
    // Equal lengths in x and y on the screen: the smaller scale wins.
    Real f = aspectFactor();
    if (std::fabs(sx_) < std::fabs(sy_) * f)
      sy_ = std::copysign(std::fabs(sx_) / f, sy_);
    else
      sx_ = std::copysign(std::fabs(sy_) * f, sx_);
  }
}

bool DisplayList::Header(Real x1, Real y1, Real x2, Real y2) {
  if (!SetWindow(false, true, 0, 0, 1, 1, x1, y1, x2, y2)) return false;
  SetLineStyle(0);
  SaveLimit();
  text_size_factor_ = (width_ * 0.75L / height_) * 640 / (x2 - x1) / (480 / (y2 - y1));
  return true;
}

void DisplayList::ReSetWindow() {
  const PixelRect& v = viewport_;
  record("10;" + std::to_string(v.x1) + ";" + std::to_string(v.y1) + ";" + std::to_string(v.x2) +
         ";" + std::to_string(v.y2) + ";" + Num(world_.x1) + ";" + Num(world_.y1) + ";" +
         Num(world_.x2) + ";" + Num(world_.y2));
  computeScale();
}

void DisplayList::SaveLimit() {
  saved_limits_ = {viewport_, world_, keep_aspect_};
}

void DisplayList::RestoreLimit() {
  viewport_ = saved_limits_.viewport;
  world_ = saved_limits_.world;
  keep_aspect_ = saved_limits_.keep_aspect;
  computeScale();
}

void DisplayList::ResetZoom() {
  zx1_ = zy1_ = 0;
  zx2_ = zy2_ = 1;
  computeScale();
}

void DisplayList::Regen() {
  RestoreLimit();
  ResetZoom();
}

Real DisplayList::EinX(Real length) const {
  return length / (world_.x2 - world_.x1);
}

Real DisplayList::EinY(Real length) const {
  return length / (world_.y2 - world_.y1);
}

PixelPoint DisplayList::ToPixel(Real x, Real y) const {
  return {PixelInt((x - vx_) * sx_) + viewport_.x1, viewport_.y2 - PixelInt((y - vy_) * sy_)};
}

void DisplayList::ToWorld(int px, int py, Real& x, Real& y) const {
  x = vx_ + (px - viewport_.x1) / sx_;
  y = vy_ + (viewport_.y2 - py) / sy_;
}

WorldRect DisplayList::visible() const {
  return {vx_, vy_, vx_ + (viewport_.x2 - viewport_.x1) / sx_,
          vy_ + (viewport_.y2 - viewport_.y1) / sy_};
}

void DisplayList::setZoomWorld(Real x1, Real y1, Real x2, Real y2) {
  Real ww = world_.x2 - world_.x1, wh = world_.y2 - world_.y1;
  Real fx1 = (x1 - world_.x1) / ww, fx2 = (x2 - world_.x1) / ww;
  Real fy1 = (y1 - world_.y1) / wh, fy2 = (y2 - world_.y1) / wh;
  if (!std::isfinite(fx1 + fx2 + fy1 + fy2) || fx1 == fx2 || fy1 == fy2) return;
  zx1_ = std::fmin(fx1, fx2);
  zx2_ = std::fmax(fx1, fx2);
  zy1_ = std::fmin(fy1, fy2);
  zy2_ = std::fmax(fy1, fy2);
  computeScale();
}

void DisplayList::zoomAboutCentre(Real factor) {
  WorldRect v = visible();
  Real cx = (v.x1 + v.x2) / 2, cy = (v.y1 + v.y2) / 2;
  Real hw = (v.x2 - v.x1) / 2 * factor, hh = (v.y2 - v.y1) / 2 * factor;
  setZoomWorld(cx - hw, cy - hh, cx + hw, cy + hh);
}

void DisplayList::Pan(Real fx, Real fy) {
  WorldRect v = visible();
  Real dx = fx * (v.x2 - v.x1), dy = fy * (v.y2 - v.y1);
  setZoomWorld(v.x1 + dx, v.y1 + dy, v.x2 + dx, v.y2 + dy);
}

bool DisplayList::ZoomToPixels(int x1, int y1, int x2, int y2) {
  if (x1 == x2 || y1 == y2) return false;
  Real ax, ay, bx, by;
  ToWorld(x1, y1, ax, ay);
  ToWorld(x2, y2, bx, by);
  setZoomWorld(ax, ay, bx, by);
  return true;
}

bool DisplayList::processKey(DisplayKey key) {
  switch (key) {
    case DisplayKey::Escape:
    case DisplayKey::F5:
      ResetZoom();
      return true;
    case DisplayKey::Left:
      Pan(-kPanStep, 0);
      return true;
    case DisplayKey::Right:
      Pan(kPanStep, 0);
      return true;
    case DisplayKey::Up:
      Pan(0, kPanStep);
      return true;
    case DisplayKey::Down:
      Pan(0, -kPanStep);
      return true;
    case DisplayKey::PageUp:
      Pan(0, kPageStep);
      return true;
    case DisplayKey::PageDown:
      Pan(0, -kPageStep);
      return true;
    case DisplayKey::Plus:
      ZoomIn();
      return true;
    case DisplayKey::Minus:
      ZoomOut();
      return true;
    case DisplayKey::Other:
      break;
  }
  return false;
}

bool DisplayList::mouseDown(MouseButton button, int px, int py) {
  if (button == MouseButton::Right) {
    rubber_active_ = false;
    ResetZoom();
    return true;
  }
  if (double_clicked_) {
    double_clicked_ = false;
    Regen();
    return true;
  }
  rubber_active_ = true;
  rubber_ = {px, py, px, py};
  return false;
}

void DisplayList::mouseMove(int px, int py) {
  if (!rubber_active_) return;
  rubber_.x2 = px;
  rubber_.y2 = py;
}

bool DisplayList::mouseUp(int px, int py) {
  if (!rubber_active_) return false;
  rubber_active_ = false;
  rubber_.x2 = px;
  rubber_.y2 = py;
  return ZoomToPixels(rubber_.x1, rubber_.y1, rubber_.x2, rubber_.y2);
}

}  // namespace kv9
