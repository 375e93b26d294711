// WordNet's 45 lexicographer files (lexnames): the number each synset carries, the file's name and
// what it holds. They become the top concepts under the four parts of speech.
#pragma once

#include <cstdint>

namespace importers {

struct LexicographerFile {
  const char* name;            // "noun.animal"
  const char* description;     // "nouns denoting animals"
  std::uint16_t partOfSpeech;  // 1 noun, 2 verb, 3 adjective, 4 adverb
};

constexpr int kLexicographerFileCount = 45;

// The file with number `number` (0 to 44); null outside that range.
const LexicographerFile* LexicographerFileOf(int number);
// The word that names the file's top concept: the part of its name after the dot ("animal").
const char* TopConceptWord(const LexicographerFile& file);

}  // namespace importers
