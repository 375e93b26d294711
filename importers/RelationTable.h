// The relations of the database (IDs 1 to 58), the equivalence relations (1 to 17) and the parts of
// speech, with the WordNet pointer symbols that become relations.
#pragma once

#include <cstdint>
#include <string_view>

namespace importers {

constexpr int kRelationCount = 58;
constexpr int kEqRelationCount = 17;
constexpr int kPartOfSpeechCount = 5;

// The relations the importers refer to by name.
constexpr std::int16_t kNearSynonym = 1;
constexpr std::int16_t kCauses = 42;
constexpr std::int16_t kIsCausedBy = 43;
constexpr std::int16_t kHasSubevent = 44;
constexpr std::int16_t kIsSubeventOf = 45;
constexpr std::int16_t kBelongsToClass = 47;
constexpr std::int16_t kDomainUsage = 57;

// The code of relation `id` (1 to 58), e.g. "has_hyperonym"; null outside that range.
const char* RelationCode(int id);
// The code of equivalence relation `id` (1 to 17), e.g. "eq_synonym"; null outside that range.
const char* EqRelationCode(int id);
// The name of part-of-speech code `code` (1 to 5), e.g. "proper_noun"; null outside that range.
const char* PartOfSpeechName(int code);

// The relation a WordNet pointer symbol stands for ("@" gives 8); 0 for an unknown symbol.
std::int16_t RelationOfPointer(std::string_view symbol);
// WordNet states causes and entailments in one direction only; the database holds both, so each
// such pointer also gives a link back. The relation of that link, or 0 when none is added.
std::int16_t AddedInverseOf(std::int16_t relation);

}  // namespace importers
