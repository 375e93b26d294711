// One language of the open database as the viewer keeps it: its code and name as 8-bit text, its
// wordnet and the dictionary of its word forms.
#pragma once

#include <string>

#include "Dictionary.h"
#include "LanguageWordNet.h"
#include "lexicon/Factory.h"

class LanguageEntry {
 public:
  // Takes the wordnet over and reads its language's code and name (both empty when the language
  // record cannot be copied) and its dictionary. What LanguageWordNet::GetDictionary throws
  // (ArbError, PLXException) passes through, and the wordnet is then released.
  explicit LanguageEntry(lexicon::Owned<LanguageWordNet> wordNet);
  // The entry of the ILI language wordnet: code and name as above, but no dictionary, since the
  // ILI's store keeps no index of word forms to list.
  static LanguageEntry ForIli(lexicon::Owned<LanguageWordNet> wordNet);
  LanguageEntry(LanguageEntry&&) noexcept = default;
  LanguageEntry& operator=(LanguageEntry&&) noexcept = default;

  // The language code as the database spells it ("EN"; "xx" for the ILI).
  const std::string& Code() const { return code_; }
  // The language's own NAME field ("English").
  const std::string& Name() const { return name_; }
  // Owned by the entry and valid while it lives (and the database stays open).
  LanguageWordNet& WordNet() const { return *wordNet_; }
  // The word forms of the language; null for the ILI entry.
  Dictionary* Words() const { return dictionary_.get(); }

 private:
  LanguageEntry(lexicon::Owned<LanguageWordNet> wordNet, bool listsWords);

  std::string code_;
  std::string name_;
  // Declared before the dictionary so that the dictionary is destroyed first.
  lexicon::Owned<LanguageWordNet> wordNet_;
  lexicon::Owned<Dictionary> dictionary_;
};
