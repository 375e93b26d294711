#include "Features.h"

namespace importers {

const char* AdjectivePositionText(AdjectivePosition position) {
  switch (position) {
    case AdjectivePosition::kAttributive:
      return "attributive";
    case AdjectivePosition::kPredicative:
      return "predicative";
    case AdjectivePosition::kPostnominal:
      return "postnominal";
    case AdjectivePosition::kNone:
      break;
  }
  return nullptr;
}

}  // namespace importers
