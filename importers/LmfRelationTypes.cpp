#include "LmfRelationTypes.h"

#include <utility>

#include "RelationTable.h"

namespace importers {
namespace {

constexpr std::string_view kOther = "other";

// The first type listed for a relation is the one the export writes.
constexpr std::pair<std::string_view, std::int16_t> kTypes[] = {
    {"similar", 1},
    {"ir_synonym", 1},
    {"derivation", 2},
    {"antonym", 3},
    {"anto_gradable", 3},
    {"anto_simple", 3},
    {"anto_converse", 3},
    {"be_in_state", 5},
    {"state_of", 6},
    {"hypernym", 8},
    {"hyponym", 10},
    {"holonym", 12},
    {"meronym", 13},
    {"holo_part", 14},
    {"mero_part", 15},
    {"holo_member", 16},
    {"mero_member", 17},
    {"holo_portion", 18},
    {"mero_portion", 19},
    {"holo_substance", 20},
    {"mero_substance", 21},
    {"holo_location", 22},
    {"mero_location", 23},
    {"role", 25},
    {"involved", 26},
    {"agent", 27},
    {"involved_agent", 28},
    {"patient", 29},
    {"involved_patient", 30},
    {"instrument", 31},
    {"involved_instrument", 32},
    {"location", 33},
    {"involved_location", 34},
    {"direction", 35},
    {"involved_direction", 36},
    {"source_direction", 37},
    {"involved_source_direction", 38},
    {"target_direction", 39},
    {"involved_target_direction", 40},
    {"in_manner", 41},
    {"causes", 42},
    {"is_caused_by", 43},
    {"entails", 44},
    {"subevent", 44},
    {"is_entailed_by", 45},
    {"is_subevent_of", 45},
    {"manner_of", 46},
    {"instance_hypernym", 47},
    {"instance_hyponym", 48},
    {"attribute", 49},
    {"also", 50},
    {"pertainym", 51},
    {"participle", 52},
    {"domain_topic", 53},
    {"has_domain_topic", 54},
    {"domain_region", 55},
    {"has_domain_region", 56},
    {"exemplifies", 57},
    {"is_exemplified_by", 58},
};

}  // namespace

std::int16_t RelationOfLmfType(std::string_view relType, std::string_view dcType) {
  if (relType == kOther) {
    for (int id = 1; id <= kRelationCount; ++id) {
      if (dcType == RelationCode(id)) return static_cast<std::int16_t>(id);
    }
    return 0;
  }
  for (const auto& [type, relation] : kTypes) {
    if (type == relType) return relation;
  }
  return 0;
}

const char* LmfTypeOfRelation(std::int16_t relation) {
  if (relation < 1 || relation > kRelationCount) return nullptr;
  for (const auto& [type, id] : kTypes) {
    if (id == relation) return type.data();
  }
  return kOther.data();
}

}  // namespace importers
