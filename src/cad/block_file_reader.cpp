#include "cad/block_file_reader.h"

#include <cmath>
#include <utility>
#include <vector>

#include "cad/cad_context.h"
#include "cad/cad_driver.h"
#include "core/generic_dialogs.h"
#include "core/message_list.h"
#include "core/number_format.h"
#include "core/text.h"
#include "model/config.h"

namespace kv9 {

namespace {

using Entity = BlockEntity;

struct Vertex {
  Real x = 0, y = 0, bulge = 0;
};

class BlockReader {
 public:
  BlockReader(const CadContext& s, CadWriter& sink)
      : s_(s),
        sink_(sink),
        t_(s.cad.transform),
        cos_(std::cos(t_.rotation * kPi / 180)),
        sin_(std::sin(t_.rotation * kPi / 180)) {}

  // False when the rest of the block must be skipped.
  bool handle(const Entity& e) {
    if (in_polyline_) {
      if (e.type == "VERTEX") {
        if (e.find(8)) setLayer(e);
        vertices_.push_back({e.real(10), e.real(20), e.real(42)});
        return true;
      }
      if (vertices_.empty()) {
        dropEmptyPolyline();
        return false;
      }
      finishPolyline();
      if (e.type == "SEQEND") return true;
    }
    if (e.type == "LINE") {
      setLayer(e);
      Point a = place(e.real(10), e.real(20)), b = place(e.real(11), e.real(21));
      sink_.line(a.x, a.y, b.x, b.y);
    } else if (e.type == "CIRCLE") {
      setLayer(e);
      Point c = place(e.real(10), e.real(20));
      sink_.circle(c.x, c.y, e.real(40) * t_.x_scale);
    } else if (e.type == "ARC") {
      setLayer(e);
      Point c = place(e.real(10), e.real(20));
      sink_.arc(c.x, c.y, e.real(50) + t_.rotation, e.real(51) + t_.rotation,
                e.real(40) * t_.x_scale);
    } else if (e.type == "TEXT") {
      setLayer(e);
      text(e);
    } else if (e.type == "SOLID") {
      setLayer(e);
      std::array<Real, 8> corners;
      for (int i = 0; i < 4; ++i) {
        Point p = place(e.real(10 + i), e.real(20 + i));
        corners[2 * i] = p.x;
        corners[2 * i + 1] = p.y;
      }
      sink_.solid(corners);
    } else if (e.type == "POLYLINE") {
      setLayer(e);
      in_polyline_ = true;
      flags_ = static_cast<int>(e.real(70));
      vertices_.clear();
    } else if (e.type == "INSERT") {
      setLayer(e);
      DrawBlockInsert(s_, sink_, e.text(2), e.real(10), e.real(20), e.real(50), e.real(41, 1),
                      e.real(42, 1));
      if (s_.cad.nesting_error) return false;
      sink_.layer(layer_);
    }
    return true;
  }

  // End of the file (or of what there is of it).
  void finish() {
    if (!in_polyline_) return;
    if (vertices_.empty())
      dropEmptyPolyline();
    else
      finishPolyline();
  }

 private:
  int layerNumber(const std::string& name) const {
    std::string n = Trim(name);
    if (n == "0") return 0;
    for (int i = 0; i < 5; ++i)
      if (n == s_.cfg.layers[i].name) return i + 1;
    long long v = ParseInt(n);
    if (v < 0) return 0;
    return v > 31 ? static_cast<int>(v % 16 + 16) : static_cast<int>(v);
  }

  void setLayer(const Entity& e) {
    if (!e.find(8)) return;
    layer_ = layerNumber(e.text(8));
    sink_.layer(layer_);
  }

  void text(const Entity& e) {
    Point p = place(e.real(10), e.real(20));
    const Real h = e.real(40), wf = e.real(41, 1);
    const CadTextFormat st =
        CadTextFormatOf(s_, 2, e.real(50) + t_.rotation, h * t_.y_scale, h * wf * t_.x_scale);
    std::string t = e.text(1);
    if (!t.empty()) sink_.text(t, p.x, p.y, st);
  }

  void segment(const Vertex& from, const Vertex& to) {
    Real angle = 4 * std::atan(from.bulge);
    if (angle != 0) {
      if (auto arc = GetArcCenter(s_.messages, PointStyle(s_.cfg), {from.x, from.y}, {to.x, to.y},
                                  angle)) {
        Point c = place(arc->centre.x, arc->centre.y);
        sink_.arc(c.x, c.y, arc->start_angle * 180 / kPi + t_.rotation,
                  arc->end_angle * 180 / kPi + t_.rotation, arc->radius * t_.x_scale);
        return;
      }
    }
    Point a = place(from.x, from.y), b = place(to.x, to.y);
    sink_.line(a.x, a.y, b.x, b.y);
  }

  // A polyline must be followed by its vertices.
  void dropEmptyPolyline() {
    MessageAdd(s_.messages, "Error in DXF File");
    in_polyline_ = false;
  }

  void finishPolyline() {
    for (std::size_t i = 1; i < vertices_.size(); ++i) segment(vertices_[i - 1], vertices_[i]);
    if ((flags_ & 1) && vertices_.size() > 2) segment(vertices_.back(), vertices_.front());
    in_polyline_ = false;
    vertices_.clear();
  }

  const CadContext& s_;
  CadWriter& sink_;
  CadTransform t_;
  Real cos_, sin_;  // of the insert's rotation: a wheel's tooth block has thousands of points

  Point place(Real px, Real py) const { return t_.apply(px, py, cos_, sin_); }
  int layer_ = 0;
  bool in_polyline_ = false;
  int flags_ = 0;
  std::vector<Vertex> vertices_;
};

}  // namespace

void DrawBlockEntities(const CadContext& s, CadWriter& sink,
                       const std::vector<BlockEntity>& entities) {
  BlockReader reader(s, sink);
  for (const BlockEntity& e : entities)
    if (!reader.handle(e)) return;
  reader.finish();
}

void DrawBlockEntities(const CadContext& s, CadWriter& sink, std::istream& in) {
  DrawBlockEntities(s, sink, ParseBlockEntities(in));
}

void DrawBlockFile(const CadContext& s, CadWriter& sink, const std::string& path, Real x, Real y,
                   Real angle_deg, Real x_scale, Real y_scale) {
  CadState& c = s.cad;
  if (c.nesting == 0) c.nesting_error = false;
  if (c.nesting_error) return;
  ++c.nesting;
  if (c.nesting > kMaxBlockNesting) {
    // A block that (directly or not) inserts itself. The drawing stops; the program goes on.
    ShowError(DialogsOf(s), "error blockno." + std::to_string(c.nesting));
    s.abort_flag = true;
    c.nesting_error = true;
    --c.nesting;
    return;
  }
  CadTransform saved = c.transform;
  Point origin = saved.apply(x, y);
  c.transform = {origin.x, origin.y, saved.rotation + angle_deg, saved.x_scale * x_scale,
                 saved.y_scale * y_scale};
  // Held while it is drawn: a nested insert may replace the cached entry.
  const BlockFileCache::Block block = c.block_cache.get(path);
  if (!block) {
    MessageAdd(s.messages, "Invalid temp directory");
    s.abort_flag = true;
  } else {
    DrawBlockEntities(s, sink, *block);
  }
  c.transform = saved;
  --c.nesting;
  if (c.nesting == 0) sink.layer(c.layer);
}

void DrawBlockInsert(const CadContext& s, CadWriter& sink, const std::string& name, Real x, Real y,
                     Real angle_deg, Real x_scale, Real y_scale) {
  DrawBlockFile(s, sink, CadBlockFilePath(s, name), x, y, angle_deg, x_scale, y_scale);
}

}  // namespace kv9
