#include "SenseKeys.h"

#include <cstdio>
#include <filesystem>
#include <unordered_map>

#include "FieldReader.h"
#include "RelationTable.h"
#include "TextFile.h"

namespace importers {
namespace {

// The synset type digit of a sense key: 1 noun, 2 verb, 3 adjective, 4 adverb, 5 satellite.
char TypeDigit(char type) {
  switch (type) {
    case 'n':
      return '1';
    case 'v':
      return '2';
    case 'a':
      return '3';
    case 'r':
      return '4';
    default:
      return '5';
  }
}

const WordNetSynset* HeadOf(const WordNet& wordnet, const WordNetSynset& satellite) {
  for (const WordNetPointer& pointer : satellite.pointers) {
    if (pointer.relation != kNearSynonym || pointer.IsWordLevel()) continue;
    const WordNetSynset& target = wordnet.synsets[pointer.target];
    if (target.type == 'a') return &target;
  }
  return nullptr;
}

std::string TwoDigits(unsigned value) {
  char text[8];
  std::snprintf(text, sizeof text, "%02u", value);
  return text;
}

}  // namespace

std::string SenseKey(const WordNet& wordnet, const WordNetSynset& synset, const WordNetWord& word) {
  std::string key = AsciiLowercase(word.lemma);
  key += '%';
  key += TypeDigit(synset.type);
  key += ':' + TwoDigits(synset.lexFile) + ':' + TwoDigits(word.lexId) + ':';
  const WordNetSynset* head = synset.type == 's' ? HeadOf(wordnet, synset) : nullptr;
  if (head != nullptr) {
    key += AsciiLowercase(head->words.front().lemma) + ':' + TwoDigits(head->words.front().lexId);
  } else {
    key += ':';
  }
  return key;
}

void AssignSenseKeys(WordNet* wordnet, Diagnostics* diagnostics) {
  for (WordNetSynset& synset : wordnet->synsets) {
    if (synset.type == 's' && HeadOf(*wordnet, synset) == nullptr) {
      diagnostics->Warn(wordnet->DataPath(synset.file), synset.line,
                        "adjective satellite without a head synset; its sense keys lack the head");
    }
    for (WordNetWord& word : synset.words) word.senseKey = SenseKey(*wordnet, synset, word);
  }
}

void ReadTagCounts(WordNet* wordnet, Diagnostics* diagnostics) {
  const std::string path = wordnet->directory + "/cntlist.rev";
  if (!std::filesystem::exists(path)) {
    diagnostics->Warn(path, 0, "not found; variants get no corpus frequency");
    return;
  }
  TextFile text = TextFile::Read(path);
  std::unordered_map<std::string, std::uint32_t> counts;
  TextLine line;
  while (text.Next(&line)) {
    FieldReader fields(line.text);
    std::string_view key;
    std::string_view sense;
    std::string_view count;
    std::uint32_t value = 0;
    std::uint32_t ignored = 0;
    if (!fields.Next(&key) || !fields.Next(&sense) || !fields.Next(&count) || !fields.AtEnd() ||
        !ParseDecimal(sense, &ignored) || !ParseDecimal(count, &value)) {
      diagnostics->Warn(path, line.number, "not a sense count line; skipped");
      continue;
    }
    counts[std::string(key)] = value;
  }
  for (WordNetSynset& synset : wordnet->synsets) {
    for (WordNetWord& word : synset.words) {
      const auto found = counts.find(word.senseKey);
      if (found == counts.end()) continue;
      word.tagCount = found->second;
      word.tagged = true;
    }
  }
}

}  // namespace importers
