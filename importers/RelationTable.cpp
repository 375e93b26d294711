#include "RelationTable.h"

#include <utility>

namespace importers {
namespace {

constexpr const char* kRelationCodes[kRelationCount] = {
    "near_synonym",
    "xpos_near_synonym",
    "near_antonym",
    "xpos_near_antonym",
    "be_in_state",
    "state_of",
    "xpos_fuzzynym",
    "has_hyperonym",
    "has_xpos_hyperonym",
    "has_hyponym",
    "has_xpos_hyponym",
    "has_holonym",
    "has_meronym",
    "has_holo_part",
    "has_mero_part",
    "has_holo_member",
    "has_mero_member",
    "has_holo_portion",
    "has_mero_portion",
    "has_holo_madeof",
    "has_mero_madeof",
    "has_holo_location",
    "has_mero_location",
    "fuzzynym",
    "role",
    "involved",
    "role_agent",
    "involved_agent",
    "role_patient",
    "involved_patient",
    "role_instrument",
    "involved_instrument",
    "role_location",
    "involved_location",
    "role_direction",
    "involved_direction",
    "role_source_direction",
    "involved_source_direction",
    "role_target_direction",
    "involved_target_direction",
    "in_manner",
    "causes",
    "is_caused_by",
    "has_subevent",
    "is_subevent_of",
    "manner_of",
    "belongs_to_class",
    "has_instance",
    "attribute",
    "also_see",
    "pertains_to",
    "participle_of",
    "domain_topic",
    "has_domain_topic",
    "domain_region",
    "has_domain_region",
    "domain_usage",
    "has_domain_usage",
};

constexpr const char* kEqRelationCodes[kEqRelationCount] = {
    "eq_synonym",        "eq_near_synonym", "eq_has_hyperonym", "eq_has_hyponym",
    "eq_has_holonym",    "eq_has_meronym",  "eq_causes",        "eq_be_in_state",
    "eq_has_subevent",   "eq_role",         "eq_is_caused_by",  "eq_is_state_of",
    "eq_is_subevent_of", "eq_involved",     "eq_metonym",       "eq_diathesis",
    "eq_generalization",
};

constexpr const char* kPartOfSpeechNames[kPartOfSpeechCount] = {"noun", "verb", "adjective",
                                                                "adverb", "proper_noun"};

constexpr std::pair<std::string_view, std::int16_t> kPointerRelations[] = {
    {"&", 1},   {"$", 1},   {"+", 2},   {"!", 3},   {"@", 8},   {"~", 10}, {"#p", 14},
    {"%p", 15}, {"#m", 16}, {"%m", 17}, {"#s", 20}, {"%s", 21}, {">", 42}, {"*", 44},
    {"@i", 47}, {"~i", 48}, {"=", 49},  {"^", 50},  {"\\", 51}, {"<", 52}, {";c", 53},
    {"-c", 54}, {";r", 55}, {"-r", 56}, {";u", 57}, {"-u", 58},
};

}  // namespace

const char* RelationCode(int id) {
  return id >= 1 && id <= kRelationCount ? kRelationCodes[id - 1] : nullptr;
}

const char* EqRelationCode(int id) {
  return id >= 1 && id <= kEqRelationCount ? kEqRelationCodes[id - 1] : nullptr;
}

const char* PartOfSpeechName(int code) {
  return code >= 1 && code <= kPartOfSpeechCount ? kPartOfSpeechNames[code - 1] : nullptr;
}

std::int16_t RelationOfPointer(std::string_view symbol) {
  for (const auto& [pointer, relation] : kPointerRelations) {
    if (pointer == symbol) return relation;
  }
  return 0;
}

std::int16_t AddedInverseOf(std::int16_t relation) {
  if (relation == kCauses) return kIsCausedBy;
  if (relation == kHasSubevent) return kIsSubeventOf;
  return 0;
}

}  // namespace importers
