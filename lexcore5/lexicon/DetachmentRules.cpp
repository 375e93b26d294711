#include "lexicon/DetachmentRules.h"

#include <strings.h>

namespace lexicon {
namespace {

// WordNet's rules of detachment (morphy): adverbs have none.
constexpr DetachmentRule kEnglishNoun[] = {
    {"s", ""},      {"ses", "s"},   {"xes", "x"},   {"zes", "z"},
    {"ches", "ch"}, {"shes", "sh"}, {"men", "man"}, {"ies", "y"},
};
constexpr DetachmentRule kEnglishVerb[] = {
    {"s", ""},   {"ies", "y"}, {"es", "e"},  {"es", ""},
    {"ed", "e"}, {"ed", ""},   {"ing", "e"}, {"ing", ""},
};
constexpr DetachmentRule kEnglishAdjective[] = {
    {"er", ""},
    {"est", ""},
    {"er", "e"},
    {"est", "e"},
};

bool EndsWithIgnoringCase(std::string_view word, std::string_view suffix) {
  return word.size() > suffix.size() &&
         strncasecmp(word.data() + word.size() - suffix.size(), suffix.data(), suffix.size()) == 0;
}

}  // namespace

std::span<const DetachmentRule> DetachmentRulesOf(std::string_view languageCode,
                                                  std::int16_t partOfSpeech) {
  if (languageCode.size() != 2 || strncasecmp(languageCode.data(), "EN", 2) != 0) return {};
  switch (partOfSpeech) {
    case 1:
      return kEnglishNoun;
    case 2:
      return kEnglishVerb;
    case 3:
      return kEnglishAdjective;
    default:
      return {};
  }
}

std::vector<std::string> Detach(std::span<const DetachmentRule> rules, std::string_view word) {
  std::vector<std::string> candidates;
  for (const DetachmentRule& rule : rules) {
    if (!EndsWithIgnoringCase(word, rule.suffix)) continue;
    std::string candidate(word.substr(0, word.size() - rule.suffix.size()));
    candidate += rule.ending;
    candidates.push_back(std::move(candidate));
  }
  return candidates;
}

}  // namespace lexicon
