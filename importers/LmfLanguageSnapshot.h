// What the WN-LMF export needs of one language wordnet, read from the database in one pass over
// each container: concepts, variants, internal links, equivalence links and the ILI records they
// name. Kept compact, as plain values in record ID order.
#pragma once

#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

namespace importers {

struct SnapshotIli {
  std::uint16_t partOfSpeech = 0;
  std::int32_t offset = 0;  // WORDNET_OFFSET; 0 when absent
  std::int32_t addOn = 0;   // ADD_ON_ID; 0 when absent
  std::string gloss;
  std::string identifier;  // ILI_IDENTIFIER
};

struct SnapshotVariant {
  std::uint32_t id = 0;
  std::uint32_t meaning = 0;  // index in LmfLanguageSnapshot::concepts
  std::string literal;
  std::int16_t sense = 0;
  std::vector<std::string> examples;
  std::string senseKey;               // TEXT_KEY of SOURCE_ID 1 (WordNet 3.0)
  std::vector<std::uint32_t> counts;  // FREQUENCY of each CORPUS_ID
  std::vector<std::string> frames;    // values of feature 1, verb_frame
  std::string adjectivePosition;      // value of feature 2, adjective_position
};

struct SnapshotConcept {
  std::uint32_t id = 0;
  std::uint16_t type = 0;
  std::uint16_t partOfSpeech = 0;
  std::int32_t ili = -1;                // index in LmfLanguageSnapshot::ili; -1: no eq_synonym
  std::string definition;               // of its first variant
  std::vector<std::uint32_t> variants;  // indexes in LmfLanguageSnapshot::variants, by record ID
};

struct SnapshotLink {
  std::int16_t relation = 0;
  std::uint32_t sourceConcept = 0;  // indexes in concepts; variants: in variants, or kNone
  std::uint32_t sourceVariant = 0;
  std::uint32_t targetConcept = 0;
  std::uint32_t targetVariant = 0;
};

// What the snapshot found but could not keep.
struct SnapshotLosses {
  std::uint32_t linksWithoutTarget = 0;  // targets described in place or missing
  std::uint32_t otherEqLinks = 0;        // beyond one eq_synonym per concept
  std::uint32_t blankVariants = 0;       // variants without a literal (and their links)
  std::uint32_t labelledVariants = 0;    // variants with usage labels or other features
};

class LmfLanguageSnapshot {
 public:
  static constexpr std::uint32_t kNone = 0xFFFFFFFF;

  // Reads language store `store` of the open database `database` (a Polylex or FxDatabase
  // handle). Record store failures throw ArbError.
  LmfLanguageSnapshot(void* database, std::uint32_t store);

  std::vector<SnapshotConcept> concepts;
  std::vector<SnapshotVariant> variants;
  std::vector<SnapshotLink> links;  // in record ID order
  std::vector<SnapshotIli> ili;
  SnapshotLosses losses;

 private:
  void ReadConcepts(void* database, std::uint32_t store);
  void ReadVariants(void* database, std::uint32_t store);
  void ReadLinks(void* database, std::uint32_t store);
  void ReadEqLinks(void* database, std::uint32_t store);

  std::unordered_map<std::uint32_t, std::uint32_t> conceptIndex_;
  std::unordered_map<std::uint32_t, std::uint32_t> variantIndex_;
};

}  // namespace importers
