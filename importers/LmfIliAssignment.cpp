#include "LmfIliAssignment.h"

namespace importers {
namespace {

constexpr std::size_t kOffsetDigits = 8;

// The identifier an "ili" attribute gives; none for "" and for "in" (a meaning new to the index).
std::string IdentifierOf(const LmfSynset& synset) {
  return synset.ili == "in" ? "" : synset.ili;
}

}  // namespace

LmfIliAssignment::LmfIliAssignment(const WordNet& wordnet, Diagnostics* diagnostics)
    : wordnet_(wordnet),
      diagnostics_(*diagnostics),
      firstNew_(static_cast<std::uint32_t>(wordnet.synsets.size()) + 1) {}

// The WordNet synset an ID of the form "<prefix>-<8-digit offset>-<n|v|a|s|r>" names, as its ILI
// record ID; 0 when the ID has another form or no such synset has the synset's part of speech.
std::uint32_t LmfIliAssignment::ByOffset(const LmfSynset& synset) const {
  const std::string& id = synset.id;
  if (wordnet_.synsets.empty() || id.size() < kOffsetDigits + 4) return 0;
  const std::size_t digits = id.size() - 2 - kOffsetDigits;
  if (id[digits - 1] != '-' || id[id.size() - 2] != '-') return 0;
  std::uint32_t offset = 0;
  for (std::size_t i = digits; i < digits + kOffsetDigits; ++i) {
    if (id[i] < '0' || id[i] > '9') return 0;
    offset = offset * 10 + static_cast<std::uint32_t>(id[i] - '0');
  }
  PosFile file;
  if (!PosFileOfLetter(id.back(), &file) || PartOfSpeechOf(file) != synset.partOfSpeech) return 0;
  const std::uint32_t index = wordnet_.FindCanonical(file, offset);
  return index == kNoSynset ? 0 : index + 1;
}

void LmfIliAssignment::Identify(const LmfLexicon& lexicon, const LmfSynset& synset,
                                std::uint32_t record) {
  const std::string identifier = IdentifierOf(synset);
  if (identifier.empty()) return;
  const auto [holder, added] = recordOf_.try_emplace(identifier, record);
  if (!added && holder->second != record) {
    diagnostics_.Warn(lexicon.file, synset.line,
                      "ILI " + identifier + " of synset \"" + synset.id +
                          "\" already names ILI record " + std::to_string(holder->second) +
                          "; the synset links to the record of its WordNet offset");
    return;
  }
  const auto [named, first] = identified_.try_emplace(record, identifier);
  if (first) {
    tags_.push_back({record, identifier});
  } else if (named->second != identifier) {
    diagnostics_.Warn(lexicon.file, synset.line,
                      "synset \"" + synset.id + "\" gives ILI " + identifier +
                          " to the WordNet meaning that " + named->second + " names already");
  }
}

LmfIliLinks LmfIliAssignment::Assign(const LmfLexicon& lexicon) {
  LmfIliLinks links;
  links.records.reserve(lexicon.synsets.size());
  for (const LmfSynset& synset : lexicon.synsets) {
    if (const std::uint32_t record = ByOffset(synset)) {
      Identify(lexicon, synset, record);
      links.records.push_back(record);
      ++links.byOffset;
      continue;
    }
    std::string identifier = IdentifierOf(synset);
    if (const auto found = recordOf_.find(identifier);
        !identifier.empty() && found != recordOf_.end()) {
      links.records.push_back(found->second);
      ++links.byIdentifier;
      continue;
    }
    const std::uint32_t record = firstNew_ + static_cast<std::uint32_t>(created_.size());
    if (!identifier.empty()) recordOf_.emplace(identifier, record);
    created_.push_back({synset.partOfSpeech,
                        synset.iliDefinition.empty() ? synset.definition : synset.iliDefinition,
                        std::move(identifier)});
    links.records.push_back(record);
    ++links.created;
  }
  return links;
}

}  // namespace importers
