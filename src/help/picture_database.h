// The picture database "kv9.dbh" of the "PLT Ordner" (one quoted picture name and one quoted
// description per line) and the help picture browser over it. The browser's window only shows
// items() and calls the methods below; every question goes through the Ui.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "help/help_context.h"

namespace kv9 {

inline constexpr int kMaxPictureEntries = 130;
inline constexpr int kPictureNameLength = 8;
inline constexpr int kPictureDescriptionLength = 50;
inline constexpr int kPictureItemDescriptionLength = 65;
inline constexpr const char* kPictureScratchFile = "$$$.dbh";
inline constexpr int kMaxPrinterPort = 4;

// Code page 850, in the order of the list.
inline constexpr std::array<const char*, 5> kPictureActionItems = {
    "-----  Erweitern  -----", "-----  L\x94schen  -----", "-----  \x8E" "ndern  ------",
    "-----  Einf\x81gen ------", "-----  HP-GL/2 drucken/plotten  ------"};

struct PictureEntry {
  std::string name;  // picture file name without ".plt"
  std::string description;
};

struct PictureDatabase {
  std::vector<std::string> lines;        // every line of the file, kept when it is rewritten
  std::vector<PictureEntry> entries;     // the first 130 entries
  std::vector<std::size_t> entry_lines;  // the line of each entry
  bool field_error = false;              // a field did not start with a quote
};

// Empty lines are no entries. A field that does not start with a quote is read on to the next
// quote or the end of the line.
PictureDatabase ParsePictureDatabase(std::string_view content);
std::string PictureDatabaseLine(const PictureEntry& entry);
// Each entry as its name padded to 8, ": " and the description cut to 65 characters.
std::vector<std::string> PictureItems(const std::vector<PictureEntry>& entries);

// The raw printer port n: /dev/usb/lp<n-1> when it can be opened for writing, else /dev/lp<n-1>.
std::string RawPortDevice(int port);

class HelpPictureBrowser {
 public:
  static constexpr int kHelpTopic = 2300;

  // `scratch_dir` holds "$$$.dbh" while the database is rewritten; `raw_device`, when not
  // empty, replaces the printer port's device.
  HelpPictureBrowser(HelpContext& h, std::string scratch_dir, std::string raw_device = "");

  // Without a database the user chooses a picture file, its folder becomes the "PLT Ordner",
  // the picture is drawn and false is returned (no window). Otherwise the database is read,
  // picture 1 is drawn and true is returned: the window opens.
  bool open();

  const char* title() const { return kPictureBrowserTitle; }
  // The window's drop-down list in the display set: the pictures, then the action items.
  std::vector<std::string> items() const;
  int current() const { return current_; }  // 0-based; -1 while the database lists none
  int pictureCount() const { return static_cast<int>(db_.entries.size()); }
  const PictureDatabase& database() const { return db_; }

  // A list item was chosen (0-based): a picture is drawn, an action item runs its action.
  void choose(int item);
  void previous();  // the arrows
  void next();
  void help();       // "&Hilfe"
  void append();     // "&Neu"
  void change();     // "&Ändern": the current picture's line
  void insert();     // "&Einfügen": before a chosen line
  void remove();     // "&Löschen": the current picture, or a chosen line when that is declined
  void print();      // a picture to the printer port, unchanged

 private:
  void reload();
  void draw();
  std::string databasePath() const;
  // The new line for a chosen picture file and its description; empty on Cancel.
  std::string askNewLine();
  void rewrite(const std::vector<std::string>& lines);

  HelpContext& h_;
  std::string scratch_dir_;
  std::string raw_device_;
  PictureDatabase db_;
  int current_ = -1;
};

}  // namespace kv9
