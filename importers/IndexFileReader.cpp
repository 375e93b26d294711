#include "IndexFileReader.h"

#include <algorithm>
#include <map>
#include <string>
#include <utility>

#include "FieldReader.h"
#include "TextFile.h"

namespace importers {
namespace {

// The fields of an index line: lemma pos synset_cnt p_cnt [ptr_symbol...] sense_cnt tagsense_cnt
// synset_offset... False when the line does not have that shape.
bool ReadIndexLine(std::string_view text, std::string_view* lemma,
                   std::vector<std::uint32_t>* offsets) {
  FieldReader fields(text);
  std::string_view field;
  std::uint32_t synsets = 0;
  std::uint32_t pointers = 0;
  std::uint32_t ignored = 0;
  if (!fields.Next(lemma) || !fields.Next(&field)) return false;
  if (!fields.Next(&field) || !ParseDecimal(field, &synsets)) return false;
  if (!fields.Next(&field) || !ParseDecimal(field, &pointers)) return false;
  for (std::uint32_t i = 0; i < pointers; ++i) {
    if (!fields.Next(&field)) return false;
  }
  for (int i = 0; i < 2; ++i) {
    if (!fields.Next(&field) || !ParseDecimal(field, &ignored)) return false;
  }
  offsets->clear();
  for (std::uint32_t i = 0; i < synsets; ++i) {
    std::uint32_t offset = 0;
    if (!fields.Next(&field) || !ParseDecimal(field, &offset)) return false;
    offsets->push_back(offset);
  }
  return fields.AtEnd();
}

}  // namespace

void ReadIndexFile(PosFile file, WordNet* wordnet, Diagnostics* diagnostics) {
  const std::string path = wordnet->directory + "/index." + PosFileSuffix(file);
  TextFile text = TextFile::Read(path);
  TextLine line;
  std::vector<std::uint32_t> offsets;
  while (text.Next(&line)) {
    if (line.text.starts_with("  ") || line.text.empty()) continue;
    std::string_view lemma;
    if (!IsValidUtf8(line.text) || !ReadIndexLine(line.text, &lemma, &offsets)) {
      diagnostics->Warn(path, line.number, "not an index line; skipped");
      continue;
    }
    for (std::size_t i = 0; i < offsets.size(); ++i) {
      const std::uint32_t index = wordnet->Find(file, offsets[i]);
      bool found = false;
      if (index != kNoSynset) {
        for (WordNetWord& word : wordnet->synsets[index].words) {
          if (AsciiLowercase(word.lemma) != lemma) continue;
          word.sense = static_cast<std::uint16_t>(i + 1);
          found = true;
        }
      }
      if (!found) {
        diagnostics->Warn(path, line.number,
                          "no synset with '" + std::string(lemma) + "' at offset " +
                              std::to_string(offsets[i]) + "; sense " + std::to_string(i + 1) +
                              " skipped");
      }
    }
  }
}

void NumberUnindexedWords(WordNet* wordnet, Diagnostics* diagnostics) {
  const bool missing = std::any_of(wordnet->synsets.begin(), wordnet->synsets.end(),
                                   [](const WordNetSynset& synset) {
                                     return std::any_of(synset.words.begin(), synset.words.end(),
                                                        [](const auto& w) { return w.sense == 0; });
                                   });
  if (!missing) return;
  std::map<std::pair<PosFile, std::string>, std::uint16_t> highest;
  for (const WordNetSynset& synset : wordnet->synsets) {
    for (const WordNetWord& word : synset.words) {
      std::uint16_t& top = highest[{synset.file, AsciiLowercase(word.lemma)}];
      if (word.sense > top) top = word.sense;
    }
  }
  for (WordNetSynset& synset : wordnet->synsets) {
    for (WordNetWord& word : synset.words) {
      if (word.sense != 0) continue;
      word.sense = ++highest[{synset.file, AsciiLowercase(word.lemma)}];
      diagnostics->Warn(wordnet->DataPath(synset.file), synset.line,
                        "no index line gives '" + word.lemma + "' a sense number here; numbered " +
                            std::to_string(word.sense));
    }
  }
}

}  // namespace importers
