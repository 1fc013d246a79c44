// A fresh Session with a ScriptedUi for one test case, and a temporary folder that is removed
// afterwards.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "core/scripted_ui.h"
#include "core/session.h"

namespace kv9::test {

class TempDir {
 public:
  TempDir() {
    std::string pattern = (std::filesystem::temp_directory_path() / "kv9test-XXXXXX").string();
    path_ = mkdtemp(pattern.data()) ? pattern : std::string();
  }
  ~TempDir() {
    std::error_code ec;
    if (!path_.empty()) std::filesystem::remove_all(path_, ec);
  }
  TempDir(const TempDir&) = delete;
  TempDir& operator=(const TempDir&) = delete;
  const std::string& path() const { return path_; }
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

}  // namespace kv9::test
