// IGES writer in the fixed 80-column ASCII form: Start, Global, Directory Entry, Parameter Data
// and Terminate sections. Entities: circular arc (100), copious data as a closed 2D path (106),
// line (110), transformation matrix (124), general note (212), subfigure definition (308) and
// singular subfigure instance (408). Parameter records are kept in memory and appended after the
// directory section at the end. Open CASCADE's IGES reader loads the output (checked by the
// tests).
#pragma once

#include <array>
#include <ostream>
#include <string>
#include <vector>

#include "cad/cad_number.h"
#include "cad/cad_writer.h"
#include "cad/layer_colours.h"
#include "core/clock.h"
#include "core/number_format.h"

namespace kv9 {

struct CadContext;

struct IgesSettings {
  int decimals = 3;               // "Dezimalstellen", 0..10
  std::string file_base = "kv9";  // output file name without folder and extension
  DateTime date;
  LayerColours colours;
  NumberStyle short_style{3, 1};  // the maximum coordinate in the Global section
};
IgesSettings IgesSettingsOf(const CadContext& s, const std::string& file_base);

// The IGES colour number of a DXF colour, and a layer's line font pattern.
int IgesColour(int dxf_colour);
int IgesLineFont(int layer);

// "FILE" -> "4HFILE".
std::string Hollerith(std::string_view text);

class IgesWriter : public CadWriter {
 public:
  IgesWriter(std::ostream& out, IgesSettings settings, CadTextConverter convert = nullptr);

  void limits(Real xmin, Real ymin, Real xmax, Real ymax) override;  // S and G sections
  void layer(int n) override;
  void line(Real x1, Real y1, Real x2, Real y2) override;
  void circle(Real x, Real y, Real r) override;
  void arc(Real x, Real y, Real start_deg, Real end_deg, Real r) override;
  void text(const std::string& text, Real x, Real y, const CadTextFormat& style) override;
  void solid(const std::array<Real, 8>& corners) override;
  void blockBegin(const std::string& name) override;
  void blockEnd() override;
  void insert(const std::string& name, Real x, Real y, Real angle_deg, Real x_scale,
              Real y_scale) override;
  void finish() override;  // P section, T line

 private:
  struct Block {
    std::string name;  // at most 8 characters
    int definition_de = 0;
  };
  struct Entry {
    int type = 0;
    std::string matrix;  // D1 field 7
    std::string form;    // D2 field 15
    std::string label;   // D2 field 18
    bool subordinate = false;
    bool member = true;  // joins the member list of the block being defined
  };

  std::string num(Real x);
  std::string mat(Real x);
  void record(std::string_view content, char section, int sequence);
  void globalRecord(const std::vector<std::string>& params);
  int entity(const Entry& e, const std::vector<std::string>& texts);
  void flushBad();

  std::ostream& out_;
  IgesSettings settings_;
  CadTextConverter convert_;
  CadNumbers numbers_;

  int s_ = 0, g_ = 0, d_ = 0;
  int de_ = -1;
  int p_pointer_ = 1;
  int colour_ = 0;
  int font_ = 1;
  bool in_block_ = false;
  std::vector<int> members_;
  std::vector<Block> blocks_;
  std::vector<std::string> p_lines_;
};

}  // namespace kv9
