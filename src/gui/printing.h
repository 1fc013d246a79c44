// Printing with Qt PrintSupport: report text files page by page with their form-feed page
// range, and the graphics window's display list replayed onto a printer page through the same
// painter as the graphics widget. A QPrinter set to PDF output prints on any machine.
#pragma once

#include <QString>
#include <string>
#include <vector>

#include "report/text_print_pages.h"

class QPrinter;
class QWidget;

namespace kv9 {

class DisplayList;
struct Config;

struct TextPrintSettings {
  QString font_family = "Courier New";
  int font_size = 10;
  int font_style = 0;  // bold 1, italic 2, underline 4, strike-out 8
  int lines_per_page = 66;
};

// Prints the pages on `printer` (portrait). Nothing is printed, and no job started, for no
// pages. False when the printer did not start.
bool PrintTextPages(QPrinter& printer, const std::vector<TextPrintPage>& pages,
                    const TextPrintSettings& settings);

// PrintTextFile: the print dialog offers pages 1 to the number of form feed lines; OK prints
// the chosen range. A missing file gives the message name + " not found !".
bool PrintTextFile(QWidget* parent, const std::string& path, const TextPrintSettings& settings);

struct GraphicsPrintSettings {
  double scale_x = 1, scale_y = 1;
  int origin_x = 0, origin_y = 0;  // in 1/210 of the printable width
  bool fit = false;                // "anpassen": the drawing's full limits fill the page
  bool border = false;             // "Umrandung"
  bool monochrome = true;          // "Schattierung" 1
  bool landscape = false;          // "Querformat"
};

// The graphics printout settings of the configuration.
GraphicsPrintSettings GraphicsPrintSettingsOf(const Config& c);

// Replays `list` onto one page of `printer` (orientation from the settings).
bool PrintDisplayListPage(QPrinter& printer, const DisplayList& list,
                          const GraphicsPrintSettings& settings, const QString& font_family);

}  // namespace kv9
