#include "TopConcepts.h"

#include "LexicographerFiles.h"

namespace importers {
namespace {

constexpr std::uint32_t kTop = 1;
constexpr std::uint32_t kFirstFileConcept = 6;

struct PartOfSpeechConcept {
  const char* word;
  const char* gloss;
};
constexpr PartOfSpeechConcept kPartsOfSpeech[] = {
    {"noun", "nouns, grouped by the lexicographer files of WordNet"},
    {"verb", "verbs, grouped by the lexicographer files of WordNet"},
    {"adjective", "adjectives, grouped by the lexicographer files of WordNet"},
    {"adverb", "adverbs, grouped by the lexicographer files of WordNet"},
};

std::vector<TopConcept> BuildList() {
  std::vector<TopConcept> list;
  list.push_back({kTop, 0, "Top", "the top of the ontology: every part of speech"});
  std::uint32_t code = 1;
  for (const PartOfSpeechConcept& pos : kPartsOfSpeech) {
    list.push_back({kTop + code, kTop, pos.word, pos.gloss});
    ++code;
  }
  for (int number = 0; number < kLexicographerFileCount; ++number) {
    const LexicographerFile& file = *LexicographerFileOf(number);
    list.push_back({TopConceptOfFile(number), kTop + file.partOfSpeech, TopConceptWord(file),
                    file.description});
  }
  return list;
}

}  // namespace

const std::vector<TopConcept>& TopConceptList() {
  static const std::vector<TopConcept> list = BuildList();
  return list;
}

std::uint32_t TopConceptOfFile(int file) {
  return kFirstFileConcept + static_cast<std::uint32_t>(file);
}

}  // namespace importers
