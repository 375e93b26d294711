#include "LmfLexicon.h"

namespace importers {

std::uint32_t LmfLexicon::SkippedRelationCount() const {
  std::uint32_t total = 0;
  for (const auto& [type, count] : skippedRelations) total += count;
  return total;
}

}  // namespace importers
