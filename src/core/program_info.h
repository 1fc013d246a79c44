// The program's name, version and the size of its text screen.
#pragma once

#include <string>

namespace kv9 {

// Program constants.
inline constexpr const char* kProductName = "KV9";
inline constexpr const char* kProductNameLower = "kv9";
inline constexpr const char* kVersion = "2.61";
inline constexpr const char* kDataFileExtension = "kv9";
inline constexpr int kProgramCode = 8;
std::string ProgramTitle();  // "KV9 - SAE Zahnwellenverbindung"

inline constexpr int kScreenLineCount = 22;
inline constexpr int kScreenLineLength = 65;

}  // namespace kv9
