// A fresh Session with a ScriptedUi for one test case, a temporary folder that is removed
// afterwards, and small helpers for files and environment variables.
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>

#include "core/scripted_ui.h"
#include "core/session.h"

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

struct TestSession {
  ScriptedUi ui;
  Session s{ui};
  TestSession() { s.clock.fix({2024, 3, 5, 9, 7}); }
};

// Whether the calculation message list holds exactly this text.
inline bool HasMessage(const Session& s, std::string_view text) {
  for (const auto& m : s.messages.entries)
    if (m == text) return true;
  return false;
}

// Sets an environment variable for the life of the guard (nullptr unsets it).
class EnvGuard {
 public:
  EnvGuard(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    if (value)
      setenv(name, value, 1);
    else
      unsetenv(name);
  }
  ~EnvGuard() {
    if (old_)
      setenv(name_.c_str(), old_->c_str(), 1);
    else
      unsetenv(name_.c_str());
  }
  EnvGuard(const EnvGuard&) = delete;
  EnvGuard& operator=(const EnvGuard&) = delete;

 private:
  std::string name_;
  std::optional<std::string> old_;
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

}  // namespace kv9::test
