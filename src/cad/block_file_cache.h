// The parsed block files of the screen: a whole-shaft view inserts the same tooth block hundreds
// of times. A file is parsed once and reused while its identity (device, inode, size and
// modification time in nanoseconds) stays the same, so an edited file still shows at its next
// insert.
#pragma once

#include <istream>
#include <map>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "core/real.h"

namespace kv9 {

// One entity of a block file: its type (the group 0 value) and its other groups in file order.
struct BlockEntity {
  std::string type;
  std::vector<std::pair<int, std::string>> groups;

  const std::string* find(int code) const;
  std::string text(int code) const;
  // A number that cannot be read counts as 0; a missing group gives `fallback`.
  Real real(int code, Real fallback = 0) const;
};

// The complete entities of a block file before its EOF; a file cut short ends with the last
// entity that was followed by another, and pairs whose code is no number are skipped.
std::vector<BlockEntity> ParseBlockEntities(std::istream& in);

class BlockFileCache {
 public:
  using Block = std::shared_ptr<const std::vector<BlockEntity>>;

  // The entities of the file at `path`, parsed again only when its identity changed; nullptr
  // when it cannot be read.
  Block get(const std::string& path);
  // Drops the parsed file (the program is about to write it again).
  void forget(const std::string& path) { entries_.erase(path); }
  // How many files were parsed so far.
  int parsed() const { return parsed_; }

 private:
  struct Identity {
    unsigned long long device = 0, inode = 0;
    long long size = 0, mtime_sec = 0, mtime_nsec = 0;
    bool operator==(const Identity&) const = default;
  };
  struct Entry {
    Identity identity;
    Block block;
  };
  std::map<std::string, Entry> entries_;
  int parsed_ = 0;
};

}  // namespace kv9
