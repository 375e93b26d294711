// The numbers of the lexical database: stores, containers, record IDs, indexes, field tags and
// codes. The library's classes, the importers and the tools name records and fields only through
// these constants.
#pragma once

#include <cstdint>

namespace schema {

// Stores.
constexpr std::uint32_t kSiteStore = 0;
constexpr std::uint32_t kSharedStore = 96;
constexpr std::uint32_t kIliStore = 98;
constexpr std::uint32_t kIliVariantStore = 99;
constexpr std::uint32_t kFirstLanguageStore = 100;
constexpr std::uint32_t kLastLanguageStore = 199;

// Containers.
constexpr std::uint16_t kDefaultContainer = 32001;
constexpr std::uint16_t kConcepts = 200;
constexpr std::uint16_t kInternalLinks = 202;
constexpr std::uint16_t kEqLinks = 204;
constexpr std::uint16_t kLocalUsageLabels = 212;
constexpr std::uint16_t kLocalFeatures = 213;
// Irregular inflections of a language's word forms (WordNet's exception lists), one record per
// inflected form and part of speech. Absent or empty for a language that has none.
constexpr std::uint16_t kWordFormExceptions = 206;
constexpr std::uint16_t kLanguages = 300;
constexpr std::uint16_t kTopConcepts = 310;
constexpr std::uint16_t kPartsOfSpeech = 320;
constexpr std::uint16_t kEqRelations = 350;
constexpr std::uint16_t kSharedUsageLabels = 360;
constexpr std::uint16_t kSharedFeatures = 370;

// Records of store 0.
constexpr std::uint32_t kVersionRecord = 12;
constexpr std::uint32_t kSiteRecord = 61;
constexpr std::uint32_t kBuildRecord = 28;
// The data version that the library reads, and the oldest it accepts.
constexpr const char* kDataVersion = "1.3";

// Indexes.
constexpr std::uint16_t kLiteralIndex = 251;
constexpr std::uint16_t kVariantConceptIndex = 252;
constexpr std::uint16_t kIliVariantIndex = 254;
constexpr std::uint16_t kTopConceptVariantIndex = 256;
// Word-form exceptions by inflected form, then part of speech.
constexpr std::uint16_t kWordFormExceptionIndex = 258;
constexpr std::uint16_t kLinkSourceIndex = 270;
constexpr std::uint16_t kEqLinkConceptIndex = 280;
constexpr std::uint16_t kEqLinkIliIndex = 281;
constexpr std::uint16_t kLocalUsageLabelIndex = 300;
constexpr std::uint16_t kLocalFeatureIndex = 305;
constexpr std::uint16_t kIliTopConceptIndex = 311;
constexpr std::uint16_t kIliOffsetIndex = 312;
// ILI records by the identifier a wordnet file gives them ("i12345"), so that every lexicon that
// names a meaning by it reaches the same record.
constexpr std::uint16_t kIliIdentifierIndex = 313;
constexpr std::uint16_t kRelationIndex = 461;
constexpr std::uint16_t kSharedUsageLabelIndex = 480;
constexpr std::uint16_t kSharedFeatureIndex = 485;
constexpr std::uint16_t kVariantJoinIndex = 32050;

// Root tags of records whose type has no field of its own elsewhere.
constexpr std::uint16_t VERSION = 11;              // record 12 of store 0
constexpr std::uint16_t SITE = 21;                 // record 61 of store 0
constexpr std::uint16_t BUILD = 28;                // record 28 of store 0
constexpr std::uint16_t LANGUAGE = 301;            // language records (store 96, container 300)
constexpr std::uint16_t ILI_RECORD = 300;          // store 98, container 32001
constexpr std::uint16_t TOP_CONCEPT_RECORD = 310;  // store 98, container 310
// Children of the build record: the tool, the time, and one BUILD_SOURCE per source of the data.
constexpr std::uint16_t BUILD_TOOL = 24;
constexpr std::uint16_t BUILD_TIME = 25;
constexpr std::uint16_t BUILD_SOURCE = 26;  // text: the source's name
constexpr std::uint16_t SOURCE_VERSION = 27;
constexpr std::uint16_t SOURCE_LICENCE = 29;

// Field tags.
constexpr std::uint16_t CONCEPT_TYPE = 1;
constexpr std::uint16_t PART_OF_SPEECH = 2;
constexpr std::uint16_t DATA_VERSION = 2;  // in the version record of store 0
constexpr std::uint16_t RELATION = 3;
constexpr std::uint16_t EQ_RELATION = 4;
constexpr std::uint16_t CODE = 5;
constexpr std::uint16_t LANGUAGE_CODE = 5;
constexpr std::uint16_t STORE_ID = 6;
constexpr std::uint16_t VALUE = 7;
// Of a language record: the ICU locale of the collation its store's text indexes use ("zh",
// "pt_BR"). Absent in databases built before languages came from the input.
constexpr std::uint16_t LOCALE = 8;
constexpr std::uint16_t NAME = 10;
constexpr std::uint16_t VALUE_NAME = 13;
constexpr std::uint16_t USAGE_LABEL_VALUE = 20;
constexpr std::uint16_t FEATURE_VALUE = 22;
constexpr std::uint16_t SITE_NAME = 22;
constexpr std::uint16_t SITE_LANGUAGE = 23;
constexpr std::uint16_t USAGE_LABEL = 42;
constexpr std::uint16_t FEATURE = 46;
constexpr std::uint16_t STATUS = 49;
constexpr std::uint16_t CONCEPT = 50;
constexpr std::uint16_t TARGET_ILI = 51;
constexpr std::uint16_t TOP_CONCEPT = 52;
constexpr std::uint16_t VARIANT = 60;
constexpr std::uint16_t ILI_VARIANT = 61;
constexpr std::uint16_t TOP_CONCEPT_VARIANT = 62;
constexpr std::uint16_t WORD_FORM_EXCEPTION = 63;  // root of a word-form exception record
constexpr std::uint16_t INTERNAL_LINK = 70;
constexpr std::uint16_t EQ_LINK = 71;
constexpr std::uint16_t SOURCE_CONCEPT = 110;
constexpr std::uint16_t TARGET_CONCEPT = 111;
constexpr std::uint16_t CONJUNCTIVE = 112;
constexpr std::uint16_t DISJUNCTIVE = 113;
constexpr std::uint16_t FACTIVE = 114;
constexpr std::uint16_t NON_FACTIVE = 115;
constexpr std::uint16_t NEGATIVE = 116;
constexpr std::uint16_t REVERSED = 117;
constexpr std::uint16_t DISPLAY_VARIANT = 118;
constexpr std::uint16_t LITERAL = 120;
constexpr std::uint16_t SENSE = 121;
constexpr std::uint16_t DEFINITION = 122;
constexpr std::uint16_t EXAMPLES = 123;
constexpr std::uint16_t EXAMPLE = 124;
constexpr std::uint16_t MULTI_WORD_INFO = 125;
constexpr std::uint16_t MULTI_WORD_TOKEN = 126;
constexpr std::uint16_t USAGE_LABELS = 127;
constexpr std::uint16_t FEATURES = 128;
constexpr std::uint16_t TRANSLATIONS = 129;
constexpr std::uint16_t EXTERNAL_INFO = 130;
constexpr std::uint16_t SOURCE_ID = 131;
constexpr std::uint16_t TEXT_KEY = 132;
constexpr std::uint16_t NUMBER_KEY = 133;
constexpr std::uint16_t CORPUS_ID = 134;
constexpr std::uint16_t FREQUENCY = 135;
constexpr std::uint16_t PAROLE_ID = 136;
// Of a word-form exception: the inflected form (text, once) and its base forms (text, in the
// source's order), beside the PART_OF_SPEECH both belong to.
constexpr std::uint16_t INFLECTED_FORM = 137;
constexpr std::uint16_t BASE_FORM = 138;
constexpr std::uint16_t WORDNET_OFFSET = 301;
constexpr std::uint16_t GLOSS = 302;
constexpr std::uint16_t ADD_ON_ID = 303;
constexpr std::uint16_t ILI_IDENTIFIER = 304;  // text, on an ILI record: its inter-lingual ID
constexpr std::uint16_t ONTOLOGY_LINKS = 320;
constexpr std::uint16_t SUPER = 321;
constexpr std::uint16_t SUB = 322;
constexpr std::uint16_t SIMILAR = 323;
constexpr std::uint16_t OPPOSITE = 324;
constexpr std::uint16_t RECORD_ID = 32171;  // criteria only: a record's own ID

// Codes.
constexpr std::uint16_t kWordMeaning = 1;
constexpr std::uint16_t kWordInstance = 2;
enum PartOfSpeech : std::uint16_t {
  kNoun = 1,
  kVerb = 2,
  kAdjective = 3,
  kAdverb = 4,
  kProperNoun = 5,
};
constexpr std::int16_t kHyperonymRelation = 8;
constexpr std::int16_t kHyponymRelation = 10;
constexpr std::uint16_t kEqSynonym = 1;
// Sources named by SOURCE_ID and corpora named by CORPUS_ID.
constexpr std::int32_t kWordNet30Source = 1;
constexpr std::uint32_t kSemCorCorpus = 1;

}  // namespace schema
