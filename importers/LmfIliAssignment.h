// Which inter-lingual index record each synset of the WN-LMF lexicons of a build links to:
//   1. the ILI record of the WordNet 3.0 synset whose offset the synset's ID encodes, where the
//      lexicon names synsets that way ("omw-en-02084071-n", "ewn-02084071-n") and WordNet is part
//      of the build;
//   2. else the record that already carries the synset's "ili" identifier ("i12345"), made or
//      found for an earlier synset of the build;
//   3. else a new record, added to the index (ADD_ON_ID), with the ILIDefinition or Definition as
//      its gloss and the "ili" identifier, if any, so that later lexicons find it.
// A WordNet record reached by offset also takes the synset's identifier.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "Diagnostics.h"
#include "LmfLexicon.h"
#include "WordNetModel.h"

namespace importers {

struct LmfNewIli {
  std::uint16_t partOfSpeech = 0;  // 1 to 4
  std::string gloss;
  std::string identifier;  // empty when the synset gave none
};

// An identifier for an existing (WordNet) ILI record.
struct LmfIliTag {
  std::uint32_t record = 0;
  std::string identifier;
};

struct LmfIliLinks {
  std::vector<std::uint32_t> records;  // the ILI record ID of each synset, by synset index
  std::uint32_t byOffset = 0;
  std::uint32_t byIdentifier = 0;
  std::uint32_t created = 0;
};

class LmfIliAssignment {
 public:
  // `wordnet` holds the build's WordNet synsets (ILI records 1..N) or none; both must outlive
  // this object.
  LmfIliAssignment(const WordNet& wordnet, Diagnostics* diagnostics);

  // Links every synset of `lexicon`; lexicons are assigned in the order their stores are written.
  // Conflicting identifiers are warnings; the first holder keeps the identifier.
  LmfIliLinks Assign(const LmfLexicon& lexicon);

  // New record i has ID FirstNewRecord() + i and ADD_ON_ID i + 1.
  std::uint32_t FirstNewRecord() const { return firstNew_; }
  const std::vector<LmfNewIli>& NewRecords() const { return created_; }
  const std::vector<LmfIliTag>& Tags() const { return tags_; }

 private:
  std::uint32_t ByOffset(const LmfSynset& synset) const;
  void Identify(const LmfLexicon& lexicon, const LmfSynset& synset, std::uint32_t record);

  const WordNet& wordnet_;
  Diagnostics& diagnostics_;
  std::uint32_t firstNew_;
  std::vector<LmfNewIli> created_;
  std::vector<LmfIliTag> tags_;
  std::unordered_map<std::string, std::uint32_t> recordOf_;    // identifier -> ILI record
  std::unordered_map<std::uint32_t, std::string> identified_;  // WordNet record -> identifier
};

}  // namespace importers
