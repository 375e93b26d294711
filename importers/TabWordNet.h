// A wordnet of another language from an Open Multilingual Wordnet tab file, keyed by the WordNet
// 3.0 synsets it translates.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

namespace importers {

struct TabLemma {
  std::string text;         // as in the file, trimmed
  std::uint16_t sense = 0;  // 1..k per (lemma, part of speech); 0 until numbered
};

// A definition or example with the sentence number the file gives it (0 when it gives none).
struct TabSentence {
  std::uint32_t number = 0;
  std::string text;
};

struct TabSynset {
  std::vector<TabLemma> lemmas;  // in file order
  std::vector<TabSentence> definitions;
  std::vector<TabSentence> examples;
};

struct TabWordNet {
  std::string path;
  std::string name;      // from the header line; the file name without one
  std::string licence;   // from the header line; empty without one
  std::string language;  // the header's lang column ("nld", "arb"); empty without one
  // By index in WordNet::synsets, so in ILI order. Synsets without lemmas are not kept.
  std::map<std::uint32_t, TabSynset> synsets;
};

}  // namespace importers
