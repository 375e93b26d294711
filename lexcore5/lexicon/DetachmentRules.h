// The rules of detachment of a language: suffixes that inflection adds and the endings that undo
// them ("ies" -> "y" for English nouns). Languages name their rules by code: EN uses WordNet's
// English rules; every other code has none until rules are written for it.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace lexicon {

struct DetachmentRule {
  std::string_view suffix;
  std::string_view ending;
};

// The rules of part of speech `partOfSpeech` (1 noun, 2 verb, 3 adjective, 4 adverb) of the
// language with code `languageCode` (letter case ignored); empty when it has none.
std::span<const DetachmentRule> DetachmentRulesOf(std::string_view languageCode,
                                                  std::int16_t partOfSpeech);

// What the rules make of `word`, in rule order: for each rule whose suffix ends the word (letter
// case ignored) and is shorter than it, the word with the rule's ending in place of the suffix.
std::vector<std::string> Detach(std::span<const DetachmentRule> rules, std::string_view word);

}  // namespace lexicon
