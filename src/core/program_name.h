// The program's names and version, as files, titles and headers show them.
#pragma once

#include <string>

namespace kv9 {

inline constexpr const char* kProductName = "KV9";
inline constexpr const char* kProductNameLower = "kv9";
inline constexpr const char* kVersion = "2.61";
inline constexpr const char* kDataFileExtension = "kv9";
inline constexpr int kProgramCode = 8;

// "KV9 - SAE Zahnwellenverbindung"
inline std::string ProgramTitle() {
  return std::string(kProductName) + " - SAE " + "Zahnwellenverbindung";
}

}  // namespace kv9
