#include "tree/EqRelationNames.h"

#include <array>

namespace {

constexpr std::array<const char*, EqRelationNames::kLast + 1> kNames = {
    "Unknown",     "Synonym",        "Near Synonym", "Has Hyperonym",
    "Has Hyponym", "Has Holonym",    "Has Meronym",  "Causes",
    "Be In State", "Has Subevent",   "Role",         "Is Caused By",
    "Is State Of", "Is Subevent Of", "Involved",     "Metonym",
    "Diathesis",   "Generalization", "LAST"};

}  // namespace

const char* EqRelationNames::Of(int relation) {
  if (relation < 0 || relation > kLast) return kNames[0];
  return kNames[static_cast<std::size_t>(relation)];
}
