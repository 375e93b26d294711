// Princeton WordNet 3.0 as the importers hold it in memory between reading and writing: every
// synset of the four data files in one vector, in the order the database numbers them (nouns,
// verbs, adjectives with their satellites, adverbs; each file in offset order).
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "OffsetCorrection.h"

namespace importers {

enum class PosFile : std::uint8_t { kNoun = 0, kVerb = 1, kAdjective = 2, kAdverb = 3 };
constexpr int kPosFileCount = 4;
constexpr std::array<PosFile, kPosFileCount> kPosFiles = {PosFile::kNoun, PosFile::kVerb,
                                                          PosFile::kAdjective, PosFile::kAdverb};

// "noun", "verb", "adj", "adv": the suffix of data.* and index.*.
const char* PosFileSuffix(PosFile file);
// The part-of-speech code of the file's synsets: 1 noun, 2 verb, 3 adjective, 4 adverb.
std::uint16_t PartOfSpeechOf(PosFile file);
// The file of a synset type or pointer letter (n, v, a, s, r); false for any other letter.
bool PosFileOfLetter(char letter, PosFile* file);

enum class AdjectivePosition : std::uint8_t {
  kNone = 0,
  kAttributive = 1,  // "(a)"
  kPredicative = 2,  // "(p)"
  kPostnominal = 3,  // "(ip)"
};

struct WordNetWord {
  std::string lemma;  // as in the data file (case kept, underscores), without a syntactic marker
  std::uint8_t lexId = 0;
  AdjectivePosition position = AdjectivePosition::kNone;
  std::uint16_t sense = 0;  // WordNet's sense number of (lemma, part of speech); 0 until known
  std::string senseKey;
  std::uint32_t tagCount = 0;  // times tagged in the semantic concordance
  bool tagged = false;         // whether cntlist.rev lists the sense
};

struct WordNetPointer {
  std::int16_t relation = 0;  // 1 to 58
  PosFile targetFile = PosFile::kNoun;
  // While reading: the target's offset in its data file. After resolving: the target synset's
  // index in WordNet::synsets.
  std::uint32_t target = 0;
  std::uint8_t sourceWord = 0;  // 1-based word numbers; 0 and 0 for a synset-level pointer
  std::uint8_t targetWord = 0;

  bool IsWordLevel() const { return sourceWord != 0 || targetWord != 0; }
};

struct VerbFrame {
  std::uint8_t frame = 0;  // 1 to 35
  std::uint8_t word = 0;   // 1-based; 0 applies to every word of the synset
};

struct WordNetSynset {
  PosFile file = PosFile::kNoun;
  char type = 'n';                    // n, v, a, s (adjective satellite), r
  std::uint32_t offset = 0;           // in this edition's data file
  std::uint32_t canonicalOffset = 0;  // in Princeton's release
  std::uint32_t line = 0;             // line in the data file, for messages
  std::uint8_t lexFile = 0;           // lexicographer file number, 0 to 44
  std::vector<WordNetWord> words;
  std::vector<WordNetPointer> pointers;
  std::vector<VerbFrame> frames;
  std::string gloss;

  // `number` when the synset has a word of that 1-based number, and 0 (the synset itself) stays 0;
  // otherwise 0.
  std::uint8_t ExistingWord(std::uint8_t number) const;
  bool IsInstance() const;
  // The tag counts of the synset's words added up: how often the meaning was met in the corpus.
  std::uint32_t TagCount() const;
};

constexpr std::uint32_t kNoSynset = 0xFFFFFFFF;

struct WordNet {
  std::string directory;
  std::vector<WordNetSynset> synsets;
  // fileStart[f] is the index of the first synset of file f; fileStart[4] is synsets.size().
  std::array<std::uint32_t, kPosFileCount + 1> fileStart = {};
  OffsetCorrection correction;

  // The index of the synset at `offset` of `file` (this edition's numbering), or kNoSynset.
  std::uint32_t Find(PosFile file, std::uint32_t offset) const;
  // The same by the offset that Princeton's release gives the synset.
  std::uint32_t FindCanonical(PosFile file, std::uint32_t canonicalOffset) const;
  std::uint32_t SenseCount() const;
  std::string DataPath(PosFile file) const;
};

}  // namespace importers
