#include "BuildFailure.h"

namespace importers {

std::string WhereText(const std::string& file, std::uint32_t line, const std::string& what) {
  if (line == 0) return file + ": " + what;
  return file + ":" + std::to_string(line) + ": " + what;
}

}  // namespace importers
