#include "WordNetModel.h"

#include <algorithm>

#include "RelationTable.h"

namespace importers {

const char* PosFileSuffix(PosFile file) {
  constexpr const char* kSuffixes[kPosFileCount] = {"noun", "verb", "adj", "adv"};
  return kSuffixes[static_cast<int>(file)];
}

std::uint16_t PartOfSpeechOf(PosFile file) {
  return static_cast<std::uint16_t>(static_cast<int>(file) + 1);
}

bool PosFileOfLetter(char letter, PosFile* file) {
  switch (letter) {
    case 'n':
      *file = PosFile::kNoun;
      return true;
    case 'v':
      *file = PosFile::kVerb;
      return true;
    case 'a':
    case 's':
      *file = PosFile::kAdjective;
      return true;
    case 'r':
      *file = PosFile::kAdverb;
      return true;
    default:
      return false;
  }
}

std::uint8_t WordNetSynset::ExistingWord(std::uint8_t number) const {
  return number <= words.size() ? number : 0;
}

bool WordNetSynset::IsInstance() const {
  return std::any_of(pointers.begin(), pointers.end(), [](const WordNetPointer& pointer) {
    return pointer.relation == kBelongsToClass;
  });
}

std::uint32_t WordNetSynset::TagCount() const {
  std::uint32_t total = 0;
  for (const WordNetWord& word : words) total += word.tagCount;
  return total;
}

namespace {

template <typename OffsetOf>
std::uint32_t Search(const WordNet& wordnet, PosFile file, std::uint32_t offset,
                     OffsetOf offsetOf) {
  const auto first = wordnet.synsets.begin() + wordnet.fileStart[static_cast<int>(file)];
  const auto last = wordnet.synsets.begin() + wordnet.fileStart[static_cast<int>(file) + 1];
  const auto found =
      std::lower_bound(first, last, offset,
                       [&](const WordNetSynset& s, std::uint32_t o) { return offsetOf(s) < o; });
  if (found == last || offsetOf(*found) != offset) return kNoSynset;
  return static_cast<std::uint32_t>(found - wordnet.synsets.begin());
}

}  // namespace

std::uint32_t WordNet::Find(PosFile file, std::uint32_t offset) const {
  return Search(*this, file, offset, [](const WordNetSynset& s) { return s.offset; });
}

std::uint32_t WordNet::FindCanonical(PosFile file, std::uint32_t canonicalOffset) const {
  return Search(*this, file, canonicalOffset,
                [](const WordNetSynset& s) { return s.canonicalOffset; });
}

std::uint32_t WordNet::SenseCount() const {
  std::uint32_t count = 0;
  for (const WordNetSynset& synset : synsets)
    count += static_cast<std::uint32_t>(synset.words.size());
  return count;
}

std::string WordNet::DataPath(PosFile file) const {
  return directory + "/data." + PosFileSuffix(file);
}

}  // namespace importers
