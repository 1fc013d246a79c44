#include "core/program_info.h"

namespace kv9 {

std::string ProgramTitle() {
  return std::string(kProductName) + " - SAE " + "Zahnwellenverbindung";
}

}  // namespace kv9
