#include "cad/block_file_cache.h"

#include <sys/stat.h>

#include <cmath>
#include <fstream>

#include "core/number_format.h"
#include "core/text.h"

namespace kv9 {

const std::string* BlockEntity::find(int code) const {
  for (const auto& g : groups)
    if (g.first == code) return &g.second;
  return nullptr;
}

std::string BlockEntity::text(int code) const {
  const std::string* v = find(code);
  return v ? *v : std::string();
}

Real BlockEntity::real(int code, Real fallback) const {
  const std::string* v = find(code);
  if (!v) return fallback;
  Real x = ParseReal(*v);
  return std::isfinite(x) ? x : 0;
}

std::vector<BlockEntity> ParseBlockEntities(std::istream& in) {
  std::vector<BlockEntity> entities;
  BlockEntity current;
  bool have = false;
  std::string code_line, value;
  while (ReadTextLine(in, code_line) && ReadTextLine(in, value)) {
    long long code = 0;
    if (!TryParseInt(code_line, code)) continue;  // a pair that is no group: skipped
    if (code != 0) {
      if (have) current.groups.emplace_back(static_cast<int>(code), value);
      continue;
    }
    if (have) entities.push_back(std::move(current));
    current = BlockEntity{Trim(value), {}};
    have = true;
    if (current.type == "EOF") break;
  }
  // Cut short: the entity being read may be incomplete and is left out.
  return entities;
}

BlockFileCache::Block BlockFileCache::get(const std::string& path) {
  // The identity is taken before reading: a file changed while it is read has a newer one
  // next time and is read again then.
  struct stat st;
  if (stat(path.c_str(), &st) != 0) {
    entries_.erase(path);
    return nullptr;
  }
  const Identity identity{
      static_cast<unsigned long long>(st.st_dev), static_cast<unsigned long long>(st.st_ino),
      static_cast<long long>(st.st_size), static_cast<long long>(st.st_mtim.tv_sec),
      static_cast<long long>(st.st_mtim.tv_nsec)};
  if (auto it = entries_.find(path); it != entries_.end() && it->second.identity == identity)
    return it->second.block;
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    entries_.erase(path);
    return nullptr;
  }
  auto block = std::make_shared<const std::vector<BlockEntity>>(ParseBlockEntities(in));
  ++parsed_;
  entries_[path] = {identity, block};
  return block;
}

}  // namespace kv9
