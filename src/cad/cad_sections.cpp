// Opening, sections and closing of a CAD output: kind choice, file naming, the plot set-up,
// extents with border and footer, the blocks (block files on the screen), logos, the plot start.
#include <cerrno>

#include "cad/block_file_reader.h"
#include "cad/cad_context.h"
#include "cad/cad_driver.h"
#include "cad/cad_driver_internal.h"
#include "cad/cad_output_file.h"
#include "cad/cad_text_writer.h"
#include "cad/dxf_writer.h"
#include "cad/iges_writer.h"
#include "cad/plot_command_wizard.h"
#include "cad/plot_settings_form.h"
#include "cad/screen_writer.h"
#include "calc/input_forms.h"
#include "core/file_util.h"
#include "core/generic_dialogs.h"
#include "core/process.h"
#include "core/program_info.h"
#include "core/text.h"
#include "model/config.h"
#include "screen/display_list.h"

namespace kv9 {

using namespace cad_internal;

namespace {

constexpr const char* kKindTexts[5] = {"DXF", "IGES", "Kontrollausgabe auf Bildschirm",
                                       "Ausgabe auf Laserprinter/Plotter mit RIXTRAN", "TXT"};

CadTextConverter FileTextConverter(const CadContext& s) {
  return [&cfg = s.cfg](std::string_view text) {
    return CadTextConvert(cfg.cad_text_mode, PlainText(cfg), text);
  };
}

std::string WithoutExtension(const std::string& path) {
  std::string name = FileNamePart(path);
  auto dot = name.rfind('.');
  return dot == std::string::npos ? name : name.substr(0, dot);
}

// The file of kinds 1, 2 and 5: the batch name, or the user's choice. Empty on cancel.
std::string OutputFileName(const CadContext& s, int kind) {
  std::string ext = CadExtension(kind);
  if (s.batch_cad) return CadBatchFileName(s, kind);
  auto chosen = s.ui.chooseSaveFile(AddBackslash(s.cfg.cad_dir) + NameNoExt(s.current_file),
                                    "*." + ext + "|*." + ext + "|*.*|*.*");
  if (!chosen || chosen->empty()) return "";
  std::string name = *chosen;
  if (!HasDot(name)) name += "." + ext;
  return name;
}

bool CreateOutput(const CadContext& s, const std::string& name, bool no_follow) {
  int error = 0;
  s.cad.file = CadOutputFile::Create(name, no_follow, error);
  if (!s.cad.file) {
    ReportCreateError(DialogsOf(s), ErrorNumber(error));
    return false;
  }
  return true;
}

// The output of a batch run replaces the old file only when the drawing is complete.
bool CreateBatchOutput(const CadContext& s, const std::string& name) {
  s.cad.file = CadOutputFile::CreateBatch(DialogsOf(s), name);
  return s.cad.file != nullptr;
}

// The plot command line: pick one of the stored lines, edit it in the settings dialog and the
// text input, or compose it step by step. Stores the result back. False on cancel.
bool PlotSetUp(const CadContext& s) {
  std::vector<std::string> lines{s.cfg.plot_command_line};
  for (const auto& l : s.cfg.plot_command_lines_more)
    if (static_cast<int>(lines.size()) < kScreenLineCount) lines.push_back(l);
  int n = static_cast<int>(lines.size());
  int chosen = 1;
  if (n >= 2) {
    s.help_topic = 2055;
    std::vector<std::string> choices;
    for (const auto& l : lines) choices.push_back(l.substr(0, 65));
    chosen = ChooseFromList(DialogsOf(s), "RIXTRAN Command Line", choices, s.cad.plot_line);
    if (s.abort_flag) return false;
  }
  std::string line = lines[chosen - 1];
  if (!EditPlotCommandLine(s, line)) return false;
  s.help_topic = 2060;
  // A longer line (built by the dialog) is shown whole instead of being cut to 60 characters.
  int max_length = line.size() > 60 ? static_cast<int>(line.size()) : 60;
  line = InputText(DialogsOf(s), "RIXTRAN-Kommandozeile (0=Parameter)", line, max_length);
  if (s.abort_flag) return false;
  std::string trimmed = Trim(line);
  if (trimmed.empty() || trimmed[0] == '0') {
    PlotCommandWizard(s, line);
    if (s.abort_flag) return false;
  }
  if (chosen == 1)
    s.cfg.plot_command_line = line;
  else
    s.cfg.plot_command_lines_more[chosen - 2] = line;
  s.cad.plot_line = chosen;
  s.cad.plot_command = line;
  return true;
}

void InsertLogo(const CadContext& s, const char* name, Real x, Real y, Real xs, Real ys) {
  std::string path = CadBlockFilePath(s, name);
  if (!FileReadable(path) || !s.cad.writer) return;
  DrawBlockFile(s, *s.cad.writer, path, x, y, 0, xs, ys);
  AfterWrite(s);
}

// The footer of the screen check: date, time, program and data file.
void ScreenFooter(const CadContext& s) {
  CadState& c = s.cad;
  Real w = c.xmax - c.xmin, h = c.ymax - c.ymin;
  std::string path;
  if (!s.current_file.empty()) {
    path = AddBackslash(s.data_dir) + s.current_file;
    if (!HasDot(s.current_file)) path += std::string(".") + kDataFileExtension;
    path = path.substr(0, 120);
  }
  CadLayer(s, 30);
  CadTextStyle(s, 0, 0, 0.006L * h, 0.0045L * w);
  CadText(s,
          TodayText(s.clock, s.cfg.date_code) + " " + NowTimeText(s.clock) + " - " + "TAVIRON " +
              kProductName + " V" + kVersion + " - " + path,
          c.xmin + 0.005L * w, c.ymin + 0.002L * h);
}

}  // namespace

std::string CadExtension(int kind) {
  switch (kind) {
    case kCadDxf:
      return "dxf";
    case kCadIges:
      return "igs";
    case kCadText:
      return "txt";
    default:
      return "";
  }
}

std::string CadBatchFileName(const CadContext& s, int kind) {
  return FileNamePart(s.current_file) + "." + CadExtension(kind);
}

bool CadTeethDrawable(const CadContext& s, int n) {
  if (n >= DimensionsForm::kMinTeeth && n <= DimensionsForm::kMaxTeeth) return true;
  ShowError(DialogsOf(s), "Z\x84hnezahl N = " + std::to_string(n) +
                              " au\xE1"
                              "erhalb " +
                              std::to_string(DimensionsForm::kMinTeeth) + " ... " +
                              std::to_string(DimensionsForm::kMaxTeeth) + ": keine Zeichnung");
  s.abort_flag = true;
  return false;
}

void CadOpen(const CadContext& s, int kind) {
  DropOutput(s);
  ResetDrawing(s);
  CadState& c = s.cad;
  c.kind = kCadChoose;
  if (kind == kCadChoose) {
    s.help_topic = 2050;
    const std::vector<std::string> kinds(std::begin(kKindTexts), std::end(kKindTexts));
    kind = ChooseFromList(DialogsOf(s), "CAD-Code", kinds, 1);
    if (s.abort_flag) return;
  }
  if (kind < kCadDxf || kind > kCadText) {
    s.abort_flag = true;
    return;
  }
  if (kind == kCadPlot && !PlotSetUp(s)) return;

  switch (kind) {
    case kCadDxf:
    case kCadIges:
    case kCadText: {
      std::string name = OutputFileName(s, kind);
      if (name.empty()) {
        s.abort_flag = true;
        return;
      }
      if (!(s.batch_cad ? CreateBatchOutput(s, name) : CreateOutput(s, name, false))) return;
      std::ostream& out = c.file->stream();
      if (kind == kCadDxf)
        c.owned_writer = std::make_unique<DxfWriter>(out, DxfSettingsOf(s), FileTextConverter(s));
      else if (kind == kCadIges)
        c.owned_writer = std::make_unique<IgesWriter>(
            out, IgesSettingsOf(s, WithoutExtension(name)), FileTextConverter(s));
      else
        c.owned_writer =
            std::make_unique<CadTextWriter>(out, CadTextSettingsOf(s), FileTextConverter(s));
      break;
    }
    case kCadScreen:
      s.display.Clear();
      s.display.SetLineStyle(0);
      c.owned_writer = std::make_unique<ScreenWriter>(s);
      break;
    case kCadPlot: {
      std::string name = AddBackslash(s.cfg.temp_dir) + "rixtran.dxf";
      ShowNote(DialogsOf(s), name + " " + "wird geplottet" + "..");
      if (!CreateOutput(s, name, true)) return;
      c.owned_writer =
          std::make_unique<DxfWriter>(c.file->stream(), DxfSettingsOf(s), FileTextConverter(s));
      break;
    }
  }
  c.writer = c.owned_writer.get();
  c.kind = kind;
  c.open = true;
}

void CadOpenWriter(const CadContext& s, CadWriter& writer) {
  DropOutput(s);
  ResetDrawing(s);
  s.cad.writer = &writer;
  s.cad.kind = kCadWriterHook;
  s.cad.open = true;
}

void CadLimits(const CadContext& s, Real xmin, Real ymin, Real xmax, Real ymax) {
  CadState& c = s.cad;
  c.xmin = xmin;
  c.ymin = ymin;
  c.xmax = xmax;
  c.ymax = ymax;
  if (!c.open) return;
  bool screen = c.kind == kCadScreen;
  c.writer->limits(xmin, ymin, xmax, ymax);
  AfterWrite(s);
  // A screen window without width or height: nothing is drawn into it.
  if (!c.open || (screen && s.abort_flag)) return;
  if ((screen || c.kind == kCadPlot) && s.cfg.print_border) {
    CadLayer(s, 19);
    CadRectangle(s, xmin, ymin, xmax, ymax);
  }
  if (screen) ScreenFooter(s);
  CadLayer(s, screen ? 30 : 29);
}

void CadTables(const CadContext& s, int layer_set) {
  CadState& c = s.cad;
  if (!c.open) return;
  if (c.kind == kCadDxf || c.kind == kCadPlot || c.kind == kCadWriterHook) {
    c.writer->tables(layer_set);
    AfterWrite(s);
  }
}

void CadBlocksBegin(const CadContext& s) {
  CadState& c = s.cad;
  c.in_blocks = true;
  if (!c.open) return;
  c.writer->blocksBegin();
  AfterWrite(s);
}

void CadBlockBegin(const CadContext& s, const std::string& name) {
  CadState& c = s.cad;
  if (!c.open) return;
  if (s.abort_flag) {
    c.skipping_block = true;
    return;
  }
  c.block_open = true;
  if (c.kind == kCadScreen) {
    int error = 0;
    const std::string path = CadBlockFilePath(s, name);
    // Its parsed copy goes now: a rewrite can keep every part of the file's identity.
    c.block_cache.forget(path);
    c.block_file = CadOutputFile::Create(path, true, error);
    if (!c.block_file) {
      s.abort_flag = true;
      c.skipping_block = true;
      c.block_open = false;
      return;
    }
    // The program reads its block files back itself: texts keep their own bytes.
    c.block_writer = std::make_unique<DxfWriter>(c.block_file->stream(), DxfSettingsOf(s));
    c.block_writer->layer(c.layer);
    return;
  }
  c.writer->blockBegin(name);
  AfterWrite(s);
}

void CadBlockEnd(const CadContext& s) {
  CadState& c = s.cad;
  bool was_aborted = s.abort_flag;
  if (c.skipping_block) {
    c.skipping_block = false;
  } else if (c.open && c.block_open) {
    if (c.kind == kCadScreen) {
      if (c.block_writer) {
        c.block_writer->finish();
        AfterWrite(s);
        if (c.block_file && !c.block_file->close()) {
          ReportWriteError(DialogsOf(s), ErrorNumber(c.block_file->error()));
          DropOutput(s);
        }
        c.block_writer.reset();
        c.block_file.reset();
      }
    } else {
      c.writer->blockEnd();
      AfterWrite(s);
    }
  }
  c.block_open = false;
  // A block lost to an earlier failure does not stop the rest of the drawing; an output that
  // failed (and is closed) does.
  if (was_aborted && c.open) s.abort_flag = false;
}

void CadSectionEnd(const CadContext& s) {
  CadState& c = s.cad;
  bool leaving_blocks = c.in_blocks;
  c.in_blocks = false;
  if (!c.open) return;
  c.writer->sectionEnd();
  // The screen ignored layer changes while the blocks were written.
  if (c.kind == kCadScreen && leaving_blocks) c.writer->layer(c.layer);
  AfterWrite(s);
}

void CadEntitiesBegin(const CadContext& s) {
  CadState& c = s.cad;
  if (!c.open) return;
  c.writer->entitiesBegin();
  AfterWrite(s);
  if ((c.kind == kCadScreen || c.kind == kCadPlot)) {
    Real w = c.xmax - c.xmin, h = c.ymax - c.ymin;
    InsertLogo(s, "LOGO_2", c.xmin + 0.91L * w, c.ymin + 0.01L * h, w / 480, h / 360);
    if (!c.open) return;
    InsertLogo(s, "LOGO_3", c.xmin + 0.91L * w, c.ymin + 0.96L * h, w / 480, h / 360);
    if (c.open) c.writer->layer(c.layer);
  }
}

void CadClose(const CadContext& s) {
  CadState& c = s.cad;
  if (!c.open) return;
  int kind = c.kind;
  c.writer->finish();
  AfterWrite(s);
  if (!c.open) return;
  bool ok = true;
  if (c.file && !c.file->close()) {
    ReportOutputFailure(s, *c.file, c.file->failedPhase());
    ok = false;
  }
  std::string command = c.plot_command;
  DropOutput(s);
  c.kind = kCadChoose;
  if (kind == kCadScreen) {
    if (!s.scratch_dir.empty()) DeleteByMask(s.scratch_dir, "$*.dx$");
    s.ui.refreshGraphics();
  }
  if (kind == kCadPlot && ok) {
    StartResult started = s.ui.startProgram(command, false);
    if (!started.ok()) ShowError(DialogsOf(s), StartResultText(started));
  }
}

}  // namespace kv9
