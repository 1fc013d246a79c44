// The drawing operations of the CAD output driver: routing, text placement, polyline emulation.
#include "cad/cad_driver.h"

#include <cerrno>
#include <cmath>

#include "cad/block_file_reader.h"
#include "cad/cad_context.h"
#include "cad/cad_driver_internal.h"
#include "cad/cad_output_file.h"
#include "cad/dxf_writer.h"
#include "core/file_util.h"
#include "core/generic_dialogs.h"
#include "core/message_list.h"
#include "core/text.h"
#include "model/config.h"

namespace kv9 {

namespace cad_internal {

CadWriter* Target(const CadContext& s) {
  CadState& c = s.cad;
  if (!c.open || c.skipping_block) return nullptr;
  if (c.kind == kCadScreen && c.in_blocks) return c.block_writer.get();
  return c.writer;
}

int ErrorNumber(int error) {
  return error == ENOSPC ? 101 : 0;
}

void DropOutput(const CadContext& s) {
  CadState& c = s.cad;
  c.block_writer.reset();
  c.block_file.reset();
  c.writer = nullptr;
  c.owned_writer.reset();
  c.file.reset();
  c.open = false;
}

void AfterWrite(const CadContext& s) {
  CadState& c = s.cad;
  for (CadWriter* w : {c.writer, static_cast<CadWriter*>(c.block_writer.get())}) {
    if (!w) continue;
    for (const auto& m : w->messages) MessageAdd(s.messages, m);
    w->messages.clear();
  }
  for (CadOutputFile* f : {c.file.get(), c.block_file.get()}) {
    if (f && f->failed()) {
      ReportOutputFailure(s, *f, WritePhase::Write);
      DropOutput(s);
      return;
    }
  }
}

void ReportOutputFailure(const CadContext& s, const CadOutputFile& f, WritePhase phase) {
  // A batch output names its file: the message is all the user sees of it.
  if (f.replacing())
    ReportFileError(DialogsOf(s), f.path(), phase, f.error());
  else if (phase == WritePhase::Write)
    ReportWriteError(DialogsOf(s), ErrorNumber(f.error()));
  else
    ReportCloseError(DialogsOf(s), ErrorNumber(f.error()));
}

bool RealPolylines(const CadContext& s) {
  const CadState& c = s.cad;
  if (c.kind == kCadDxf || c.kind == kCadPlot) return c.polyline_output;
  if (c.kind == kCadWriterHook) return c.writer && c.writer->polylines();
  return false;
}

void ResetDrawing(const CadContext& s) {
  CadState& c = s.cad;
  c.in_blocks = c.skipping_block = c.block_open = false;
  c.layer = 0;
  c.cur_x = c.cur_y = 0;
  c.text = CadTextFormat{};
  c.text.width_factor = s.cfg.cad_text_width_factor;
  c.text.oblique = s.cfg.cad_text_angle;
  c.text.screen_width = c.text.height * 0.7L * 0.95L;
  c.align_h = c.align_v = 0;
  c.origin_x = c.origin_y = 0;
  c.line_spacing = 1.0;
  c.xmin = c.ymin = c.xmax = c.ymax = 0;
  c.real_polyline = false;
  c.polyline_flags = 0;
  c.vertex_count = 0;
  c.prev_angle = 0;
  c.transform = CadTransform{};
  c.nesting = 0;
  c.nesting_error = false;
  c.plot_command.clear();
}

}  // namespace cad_internal

using namespace cad_internal;

bool CadIsOpen(const CadContext& s) {
  return s.cad.open;
}

void CadLayer(const CadContext& s, int n) {
  if (n < 0) n = 0;
  if (n > 31) n = n % 16 + 16;
  CadState& c = s.cad;
  c.layer = n;
  if (!c.open) return;
  if (c.kind == kCadScreen) {
    if (!c.in_blocks) c.writer->layer(n);
    if (c.block_writer) c.block_writer->layer(n);
  } else {
    c.writer->layer(n);
  }
}

CadTextFormat CadTextFormatOf(const CadContext& s, int font, Real angle_deg, Real height,
                              Real width) {
  CadTextFormat t;
  t.height = height;
  t.width_factor =
      s.cfg.cad_text_width_factor * (width != 0 && height != 0 ? width / height : 0.7L);
  t.rotation = angle_deg;
  t.oblique = s.cfg.cad_text_angle;
  t.font = font;
  t.screen_width = (width != 0 ? width : 0.7L * height) * 0.95L;
  return t;
}

void CadTextStyle(const CadContext& s, int font, Real angle_deg, Real height, Real width) {
  s.cad.text = CadTextFormatOf(s, font, angle_deg, height, width);
}

void CadTextAlign(const CadContext& s, int horizontal, int vertical) {
  s.cad.align_h = horizontal;
  s.cad.align_v = vertical;
}

void CadLineSpacing(const CadContext& s, Real factor) {
  s.cad.line_spacing = factor;
}

void CadOrigin(const CadContext& s, Real dx, Real dy) {
  s.cad.origin_x = dx;
  s.cad.origin_y = dy;
}

void CadSetPolylineOutput(const CadContext& s, bool on) {
  s.cad.polyline_output = on;
}

void CadLine(const CadContext& s, Real x1, Real y1, Real x2, Real y2) {
  CadState& c = s.cad;
  if (CadWriter* w = Target(s)) {
    w->line(x1 + c.origin_x, y1 + c.origin_y, x2 + c.origin_x, y2 + c.origin_y);
    AfterWrite(s);
  }
}

void CadCircle(const CadContext& s, Real x, Real y, Real r) {
  CadState& c = s.cad;
  if (CadWriter* w = Target(s)) {
    w->circle(x + c.origin_x, y + c.origin_y, r);
    AfterWrite(s);
  }
}

void CadArc(const CadContext& s, Real x, Real y, Real start_deg, Real end_deg, Real r) {
  if (r == 0) return;
  CadState& c = s.cad;
  if (CadWriter* w = Target(s)) {
    w->arc(x + c.origin_x, y + c.origin_y, start_deg, end_deg, r);
    AfterWrite(s);
  }
}

void CadSolid(const CadContext& s, Real x1, Real y1, Real x2, Real y2, Real x3, Real y3, Real x4,
              Real y4) {
  CadState& c = s.cad;
  Real dx = c.origin_x, dy = c.origin_y;
  if (CadWriter* w = Target(s)) {
    w->solid({x1 + dx, y1 + dy, x2 + dx, y2 + dy, x3 + dx, y3 + dy, x4 + dx, y4 + dy});
    AfterWrite(s);
  }
}

void CadText(const CadContext& s, std::string_view text, Real x, Real y) {
  if (text.empty()) return;
  CadState& c = s.cad;
  Real n = static_cast<Real>(text.size());
  Real h = c.text.height, w = c.text.width_factor;
  if (c.align_h == 1) x -= n * h * w / 2;
  if (c.align_h == 2) x -= n * h * w;
  if (c.align_v == 1) y -= h / 2;
  if (c.align_v == 2) y -= h;
  if (CadWriter* target = Target(s)) {
    target->text(std::string(text), x + c.origin_x, y + c.origin_y, c.text);
    AfterWrite(s);
  }
}

void CadTextLine(const CadContext& s, std::string_view text) {
  CadState& c = s.cad;
  CadText(s, text, c.cur_x, c.cur_y);
  c.cur_y -= 1.6L * c.text.height * c.line_spacing;
}

void CadMoveTo(const CadContext& s, Real x, Real y) {
  s.cad.cur_x = x;
  s.cad.cur_y = y;
}

void CadLineTo(const CadContext& s, Real x, Real y) {
  CadLine(s, s.cad.cur_x, s.cad.cur_y, x, y);
  CadMoveTo(s, x, y);
}

void CadRectangle(const CadContext& s, Real x1, Real y1, Real x2, Real y2) {
  CadMoveTo(s, x1, y1);
  CadLineTo(s, x1, y2);
  CadLineTo(s, x2, y2);
  CadLineTo(s, x2, y1);
  CadLineTo(s, x1, y1);
}

namespace {

// One emulated polyline segment from the current point: an arc when the included angle is not
// 0 (a line when the arc cannot be formed), else a line.
void Segment(const CadContext& s, Real x, Real y, Real included_angle) {
  CadState& c = s.cad;
  if (included_angle != 0) {
    if (auto arc = GetArcCenter(s.messages, PointStyle(s.cfg), {c.cur_x, c.cur_y}, {x, y},
                                included_angle)) {
      CadArc(s, arc->centre.x, arc->centre.y, arc->start_angle * 180 / kPi,
             arc->end_angle * 180 / kPi, arc->radius);
      CadMoveTo(s, x, y);
      return;
    }
  }
  CadLineTo(s, x, y);
}

}  // namespace

void CadPolylineBegin(const CadContext& s, int flags) {
  CadState& c = s.cad;
  c.real_polyline = RealPolylines(s);
  c.polyline_flags = flags;
  c.vertex_count = 0;
  c.prev_angle = 0;
  if (c.real_polyline) {
    if (CadWriter* w = Target(s)) {
      w->polylineBegin(flags);
      AfterWrite(s);
    }
  }
}

void CadVertex(const CadContext& s, Real x, Real y, Real included_angle) {
  CadState& c = s.cad;
  if (c.real_polyline) {
    if (CadWriter* w = Target(s)) {
      w->vertex(x + c.origin_x, y + c.origin_y, included_angle);
      AfterWrite(s);
    }
    return;
  }
  if (c.vertex_count == 0) {
    CadMoveTo(s, x, y);
    c.first_x = x;
    c.first_y = y;
  } else {
    Segment(s, x, y, c.prev_angle);
  }
  c.prev_angle = included_angle;
  ++c.vertex_count;
}

void CadPolylineEnd(const CadContext& s) {
  CadState& c = s.cad;
  if (c.real_polyline) {
    if (CadWriter* w = Target(s)) {
      w->polylineEnd();
      AfterWrite(s);
    }
  } else if ((c.polyline_flags & 1) && c.vertex_count > 2) {
    // A closed polyline ends with the segment back to its first vertex, as DXF readers draw it.
    Segment(s, c.first_x, c.first_y, c.prev_angle);
  }
  c.real_polyline = false;
  c.vertex_count = 0;
  c.prev_angle = 0;
}

void CadEllipseArc(const CadContext& s, Real xc, Real yc, Real start_deg, Real end_deg, Real r,
                   Real fx, Real fy, Real step_deg) {
  if (r == 0) return;
  // A step that is not positive would never reach the end; a tiny one would never finish.
  constexpr Real kMaxSteps = 100000;
  Real span = end_deg - start_deg;
  if (!(step_deg > 0) || !std::isfinite(step_deg)) step_deg = span > 0 ? span : 1;
  if (span / step_deg > kMaxSteps) step_deg = span / kMaxSteps;
  auto vertex = [&](Real t) {
    Real a = t * kPi / 180;
    CadVertex(s, xc + r * fx * std::cos(a), yc + r * fy * std::sin(a), 0);
  };
  CadPolylineBegin(s, 0);
  for (long k = 0;; ++k) {
    Real t = start_deg + k * step_deg;
    if (!(t < end_deg)) break;
    vertex(t);
  }
  vertex(end_deg);
  CadPolylineEnd(s);
}

void CadInsert(const CadContext& s, const std::string& name, Real x, Real y, Real angle_deg,
               Real x_scale, Real y_scale) {
  CadState& c = s.cad;
  CadWriter* w = Target(s);
  if (!w) return;
  if (c.kind == kCadPlot && CadIsLogoBlock(name)) {
    // The plot file has no definition of the user's logo: its entities are drawn in place.
    std::string path = CadBlockFilePath(s, name);
    if (FileReadable(path)) DrawBlockFile(s, *w, path, x, y, angle_deg, x_scale, y_scale);
    AfterWrite(s);
    return;
  }
  w->insert(name, x, y, angle_deg, x_scale, y_scale);
  AfterWrite(s);
}

bool CadIsLogoBlock(std::string_view name) {
  std::string lower = LowerAscii(name);
  return lower == "logo_1" || lower == "logo_2" || lower == "logo_3";
}

std::string CadBlockFilePath(const CadContext& s, std::string_view name) {
  std::string lower = LowerAscii(name);
  if (lower == "logo_1") return FindFileNoCase(s.program_dir, "$logo_1.dx$");
  if (lower == "logo_2" || lower == "logo_3")
    return FindFileNoCase(s.cfg.temp_dir, "$" + UpperAscii(name) + ".dx$");
  // Without a scratch folder there are no block files (they then fail to open). A block name
  // never reaches outside the folder.
  if (s.scratch_dir.empty()) return "";
  return AddBackslash(s.scratch_dir) + "$" + ReplaceChar(name, '/', '_') + ".dx$";
}

}  // namespace kv9
