// A fresh Session with a ScriptedUi for one test case, and small helpers for messages and
// environment variables (files and temporary folders: test_files.h).
#pragma once

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <string_view>

#include "app/session.h"
#include "core/scripted_ui.h"
#include "support/test_files.h"

namespace kv9::test {

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

}  // namespace kv9::test
