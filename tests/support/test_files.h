// Files of the tests and benchmarks: a temporary folder removed afterwards, the working folder
// for a while, whole files as bytes, and their lines. No test framework here, so benchmarks and
// fuzz targets use it too.
#pragma once

#include <stdlib.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace kv9::test {

class TempDir {
 public:
  TempDir() : TempDir(std::filesystem::temp_directory_path(), "kv9test-") {}
  // A folder named prefix + six random characters in `parent`.
  TempDir(const std::filesystem::path& parent, const std::string& prefix) {
    std::string pattern = (parent / (prefix + "XXXXXX")).string();
    path_ = mkdtemp(pattern.data()) ? pattern : std::string();
  }
  ~TempDir() {
    std::error_code ec;
    if (!path_.empty()) std::filesystem::remove_all(path_, ec);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::string& path() const { return path_; }
  // The folder with a trailing "/", as the program keeps folders.
  std::string dir() const { return path_ + "/"; }
  // Full name of a file in the folder.
  std::string file(const std::string& name) const { return path_ + "/" + name; }

 private:
  std::string path_;
};

// Changes the working folder while it lives (one test or one benchmark) and back.
class WorkingFolder {
 public:
  explicit WorkingFolder(const std::string& dir) {
    char buf[4096];
    old_ = getcwd(buf, sizeof buf) ? buf : ".";
    if (chdir(dir.c_str()) != 0) old_.clear();
  }
  ~WorkingFolder() {
    if (!old_.empty() && chdir(old_.c_str()) != 0) {
    }
  }

 private:
  std::string old_;
};

inline std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream out;
  out << in.rdbuf();
  return out.str();
}

inline void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
}

// Lines without their CR LF or LF ends.
inline std::vector<std::string> Lines(const std::string& content) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < content.size()) {
    auto end = content.find('\n', start);
    if (end == std::string::npos) end = content.size();
    std::string line = content.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

}  // namespace kv9::test
