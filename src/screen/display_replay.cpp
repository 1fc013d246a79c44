#include "screen/display_replay.h"

#include <cmath>
#include <vector>

#include "core/number_format.h"

namespace kv9 {

namespace {

std::vector<std::string> SplitFields(const std::string& command, std::size_t max_fields) {
  std::vector<std::string> fields;
  std::size_t pos = 0;
  while (fields.size() + 1 < max_fields) {
    std::size_t semi = command.find(';', pos);
    if (semi == std::string::npos) break;
    fields.push_back(command.substr(pos, semi - pos));
    pos = semi + 1;
  }
  fields.push_back(command.substr(pos));
  return fields;
}

int Pixels(Real x) {
  Real r = std::nearbyint(std::fabs(x));
  return r < 1e9L ? static_cast<int>(r) : 1000000000;
}

}  // namespace

void ReplayDisplayList(DisplayList& list, DisplayPainter& p) {
  // The text style is kept in world units and converted with the mapping of the moment.
  Real text_height = 0, text_width = 0, text_angle = 0;
  int text_font = 0;
  auto apply_text_style = [&] {
    p.setTextStyle({text_height * std::fabs(list.scaleY()), text_width * std::fabs(list.scaleX()),
                    text_font, text_angle});
  };
  for (const std::string& command : list.commands()) {
    std::size_t semi = command.find(';');
    if (semi == std::string::npos) continue;
    int code = static_cast<int>(ParseInt(command.substr(0, semi)));
    // The text of "6;" may contain ";": it is the rest of the line.
    auto f = SplitFields(command.substr(semi + 1), code == 6 ? 3 : 16);
    auto r = [&](std::size_t i) { return i < f.size() ? ParseReal(f[i]) : Real(0); };
    auto pt = [&](std::size_t i) { return list.ToPixel(r(i), r(i + 1)); };
    switch (code) {
      case 3:
        if (f.size() >= 3)
          p.drawEllipse(pt(0), Pixels(r(2) * list.scaleX()), Pixels(r(2) * list.scaleY()));
        break;
      case 4:
        if (f.size() >= 4) p.drawLine(pt(0), pt(2));
        break;
      case 5: {
        if (f.size() < 8) break;
        Real cx = (r(0) + r(2)) / 2, cy = (r(1) + r(3)) / 2, radius = (r(2) - r(0)) / 2;
        Real a = std::atan2(r(5) - cy, r(4) - cx) * 180 / kPi;
        Real b = std::atan2(r(7) - cy, r(6) - cx) * 180 / kPi;
        Real span = b - a;
        while (span <= 0) span += 360;
        p.drawArc(list.ToPixel(cx, cy), Pixels(radius * list.scaleX()),
                  Pixels(radius * list.scaleY()), a, span);
        break;
      }
      case 6:
        if (f.size() >= 3) {
          apply_text_style();
          p.drawText(pt(0), f[2]);
        }
        break;
      case 7:
        if (f.size() >= 8) p.drawPolygon({pt(0), pt(2), pt(4), pt(6)});
        break;
      case 8:
        p.setColor(static_cast<int>(r(0)));
        break;
      case 9:
        if (f.size() >= 4) {
          text_height = r(0);
          text_width = r(1);
          text_font = static_cast<int>(r(2));
          text_angle = r(3);
        }
        break;
      case 10:
        if (f.size() >= 8)
          list.applyWindow(static_cast<int>(r(0)), static_cast<int>(r(1)), static_cast<int>(r(2)),
                           static_cast<int>(r(3)), r(4), r(5), r(6), r(7));
        break;
      case 11:
        p.setLineStyle(static_cast<int>(r(0)));
        break;
      case 12:
        p.setLineWidth(static_cast<int>(r(0)));
        break;
      case 13:
        p.sleepMs(static_cast<int>(r(0)));
        break;
      default:
        break;
    }
  }
}

}  // namespace kv9
