// One lexicon of a WN-LMF file as the importer holds it between reading and writing: compact
// records of its entries, senses, synsets and relations, cross-references resolved to positions in
// these vectors. Nothing of the XML tree is kept.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "WordNetModel.h"

namespace importers {

struct LmfEntry {
  std::string lemma;               // the Lemma's writtenForm
  std::uint16_t partOfSpeech = 0;  // database code 1 to 4 ("s" counts as adjective)
  std::uint32_t firstSense = 0;    // the entry's senses are senses[firstSense, firstSense + count)
  std::uint32_t senseCount = 0;
  std::uint32_t line = 0;
};

struct LmfSense {
  std::uint32_t entry = 0;
  std::uint32_t synset = 0;  // resolved at the end of the lexicon
  std::string synsetId;      // as the file names it; emptied once resolved
  std::int16_t n = 0;        // the file's sense number ("n"), 0 when it gives none
  std::uint16_t number = 0;  // the variant's SENSE, set when the lexicon is resolved
  std::string senseKey;      // dc:identifier
  std::uint32_t count = 0;   // the Count elements added up
  bool counted = false;
  AdjectivePosition position = AdjectivePosition::kNone;
  std::vector<std::string> examples;
  std::string subcat;                 // the "subcat" IDREFS until resolved into frames
  std::vector<std::uint32_t> frames;  // indexes in LmfLexicon::frames
  std::uint32_t line = 0;
};

struct LmfSynset {
  std::string id;
  std::string ili;                 // the "ili" attribute: "i123", "in", or empty
  std::uint16_t partOfSpeech = 0;  // database code 1 to 4; 0 until known
  bool instance = false;           // has an instance hypernym: a word instance, proper noun
  std::string definition;          // several Definitions joined with "; "
  std::string iliDefinition;
  std::vector<std::string> examples;
  std::string members;                // the "members" IDREFS until resolved
  std::vector<std::uint32_t> senses;  // member senses in synset order, set when resolved
  std::uint32_t line = 0;
};

struct LmfRelation {
  bool fromSense = false;  // a SenseRelation (source is a sense), else a SynsetRelation
  std::uint32_t source = 0;
  bool toSense = false;  // set when resolved
  std::uint32_t target = 0;
  std::string targetId;       // emptied once resolved
  std::int16_t relation = 0;  // database relation 1 to 58; 0 when the type has no counterpart
  std::uint32_t line = 0;
};

struct LmfLexicon {
  std::string file;
  std::uint32_t line = 0;
  std::string id;
  std::string label;
  std::string language;  // the "language" attribute
  std::string version;
  std::string license;
  std::vector<LmfEntry> entries;
  std::vector<LmfSense> senses;
  std::vector<LmfSynset> synsets;
  std::vector<LmfRelation> relations;  // in file order
  std::vector<std::string> frames;     // distinct subcategorisation frame texts
  // Relations left out for want of a counterpart: "relType" (or "other (dc:type)") -> count.
  std::map<std::string, std::uint32_t> skippedRelations;

  std::uint32_t SkippedRelationCount() const;
};

}  // namespace importers
