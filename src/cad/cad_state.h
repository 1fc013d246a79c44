// State of the CAD output driver: the output kind and its writer, the drawing state (layer,
// current point, text style and alignment, origin offset), polyline emulation, the screen's block
// nesting, the plot command line and the hatch polygon of the drawings.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "cad/block_file_cache.h"
#include "cad/cad_writer.h"
#include "core/real.h"
#include "geometry/plane_geometry.h"

namespace kv9 {

class CadOutputFile;

// Output kinds; the number is also the "i" of the batch option "/CADi:j".
enum CadKind : int {
  kCadChoose = 0,  // CadOpen lets the user choose
  kCadDxf = 1,
  kCadIges = 2,
  kCadScreen = 3,
  kCadPlot = 4,
  kCadText = 5,
  kCadWriterHook = 6,  // a writer handed in by CadOpenWriter (tests, recording)
};

// The insert transform of the screen's block files: scale, then rotate, then move.
struct CadTransform {
  Real x = 0, y = 0;
  Real rotation = 0;  // degrees
  Real x_scale = 1, y_scale = 1;
  Point apply(Real px, Real py) const;
  // The same mapping with the rotation's cosine and sine given (worked out once for a block).
  Point apply(Real px, Real py, Real cos_rotation, Real sin_rotation) const;
};

// The hatch polygon (at most 50 points) and the pen state of the hatch lines.
struct HatchPolygon {
  static constexpr int kMaxPoints = 50;
  std::vector<Point> points;
  int pen = 0;  // 0 current layer, 1 outline on 5 and hatch on 3, 2 hatch only on 3
};

struct CadState {
  CadState();
  ~CadState();
  CadState(const CadState&) = delete;
  CadState& operator=(const CadState&) = delete;

  // --- settings that outlive one drawing ---
  bool polyline_output = false;  // "Polyline ?": real DXF polylines on the DXF and plot kinds
  int plot_line = 1;             // the plot command line chosen last (1-based)
  BlockFileCache block_cache;    // the block files read back, kept while they are unchanged

  // --- one drawing, reset by CadOpen ---
  int kind = kCadChoose;
  bool open = false;
  bool in_blocks = false;
  bool skipping_block = false;  // a block begun while the abort flag was set
  bool block_open = false;      // between CadBlockBegin and CadBlockEnd
  int layer = 0;
  Real cur_x = 0, cur_y = 0;
  CadTextFormat text;
  int align_h = 0, align_v = 0;
  Real origin_x = 0, origin_y = 0;
  Real line_spacing = 1.0;
  Real xmin = 0, ymin = 0, xmax = 0, ymax = 0;
  // Polyline emulation.
  bool real_polyline = false;
  int polyline_flags = 0;
  int vertex_count = 0;
  Real prev_angle = 0;
  Real first_x = 0, first_y = 0;
  // Screen: insert transform and nesting level of the block files being read.
  CadTransform transform;
  int nesting = 0;
  bool nesting_error = false;
  std::string plot_command;  // the line started at CadClose of the plot kind

  HatchPolygon hatch;

  // Output channel: the file, the kind's writer, and on the screen the block file being written.
  std::unique_ptr<CadOutputFile> file;
  std::unique_ptr<CadWriter> owned_writer;
  CadWriter* writer = nullptr;
  std::unique_ptr<CadOutputFile> block_file;
  std::unique_ptr<CadWriter> block_writer;
};

}  // namespace kv9
