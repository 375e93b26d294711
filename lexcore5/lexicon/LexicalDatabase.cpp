#include "LexicalDatabase.h"

#include <initializer_list>

#include "ArbCodes.h"
#include "FxDatabase.h"
#include "LexicalSchema.h"
#include "store/RecordStore.h"

namespace {

using namespace schema;

struct FieldName {
  std::uint16_t tag;
  const char* name;
};

// The names every store gives the schema's tags. Where a tag has two names, the one listed first
// is the one records are shown with.
constexpr FieldName kFieldNames[] = {
    {CONCEPT_TYPE, "CONCEPT_TYPE"},
    {PART_OF_SPEECH, "PART_OF_SPEECH"},
    {RELATION, "RELATION"},
    {EQ_RELATION, "EQ_RELATION"},
    {CODE, "CODE"},
    {LANGUAGE_CODE, "LANGUAGE_CODE"},
    {STORE_ID, "STORE_ID"},
    {VALUE, "VALUE"},
    {LOCALE, "LOCALE"},
    {NAME, "NAME"},
    {VALUE_NAME, "VALUE_NAME"},
    {USAGE_LABEL_VALUE, "USAGE_LABEL_VALUE"},
    {FEATURE_VALUE, "FEATURE_VALUE"},
    {SITE_NAME, "SITE_NAME"},
    {SITE_LANGUAGE, "SITE_LANGUAGE"},
    {USAGE_LABEL, "USAGE_LABEL"},
    {FEATURE, "FEATURE"},
    {STATUS, "STATUS"},
    {CONCEPT, "CONCEPT"},
    {TARGET_ILI, "TARGET_ILI"},
    {TOP_CONCEPT, "TOP_CONCEPT"},
    {VARIANT, "VARIANT"},
    {ILI_VARIANT, "ILI_VARIANT"},
    {TOP_CONCEPT_VARIANT, "TOP_CONCEPT_VARIANT"},
    {INTERNAL_LINK, "INTERNAL_LINK"},
    {EQ_LINK, "EQ_LINK"},
    {SOURCE_CONCEPT, "SOURCE_CONCEPT"},
    {TARGET_CONCEPT, "TARGET_CONCEPT"},
    {CONJUNCTIVE, "CONJUNCTIVE"},
    {DISJUNCTIVE, "DISJUNCTIVE"},
    {FACTIVE, "FACTIVE"},
    {NON_FACTIVE, "NON_FACTIVE"},
    {NEGATIVE, "NEGATIVE"},
    {REVERSED, "REVERSED"},
    {DISPLAY_VARIANT, "DISPLAY_VARIANT"},
    {LITERAL, "LITERAL"},
    {SENSE, "SENSE"},
    {DEFINITION, "DEFINITION"},
    {EXAMPLES, "EXAMPLES"},
    {EXAMPLE, "EXAMPLE"},
    {MULTI_WORD_INFO, "MULTI_WORD_INFO"},
    {MULTI_WORD_TOKEN, "MULTI_WORD_TOKEN"},
    {USAGE_LABELS, "USAGE_LABELS"},
    {FEATURES, "FEATURES"},
    {TRANSLATIONS, "TRANSLATIONS"},
    {EXTERNAL_INFO, "EXTERNAL_INFO"},
    {SOURCE_ID, "SOURCE_ID"},
    {TEXT_KEY, "TEXT_KEY"},
    {NUMBER_KEY, "NUMBER_KEY"},
    {CORPUS_ID, "CORPUS_ID"},
    {FREQUENCY, "FREQUENCY"},
    {PAROLE_ID, "PAROLE_ID"},
    {WORD_FORM_EXCEPTION, "WORD_FORM_EXCEPTION"},
    {INFLECTED_FORM, "INFLECTED_FORM"},
    {BASE_FORM, "BASE_FORM"},
    {WORDNET_OFFSET, "WORDNET_OFFSET"},
    {GLOSS, "GLOSS"},
    {ADD_ON_ID, "ADD_ON_ID"},
    {ILI_IDENTIFIER, "ILI_IDENTIFIER"},
    {ONTOLOGY_LINKS, "ONTOLOGY_LINKS"},
    {SUPER, "SUPER"},
    {SUB, "SUB"},
    {SIMILAR, "SIMILAR"},
    {OPPOSITE, "OPPOSITE"},
    {VERSION, "VERSION"},
    {SITE, "SITE"},
    {BUILD, "BUILD"},
    {ILI_RECORD, "ILI_RECORD"},
    {TOP_CONCEPT_RECORD, "TOP_CONCEPT_RECORD"},
    {BUILD_TOOL, "BUILD_TOOL"},
    {BUILD_TIME, "BUILD_TIME"},
    {BUILD_SOURCE, "BUILD_SOURCE"},
    {SOURCE_VERSION, "SOURCE_VERSION"},
    {SOURCE_LICENCE, "SOURCE_LICENCE"},
};

std::uint32_t NameFields(store::Database* db, std::uint32_t store) {
  // Store 0 reads tag 2 as the data version and tag 22 as the site name.
  if (store == kSiteStore) {
    if (std::uint32_t code = store::AddFieldName(db, store, DATA_VERSION, "DATA_VERSION")) {
      return code;
    }
    if (std::uint32_t code = store::AddFieldName(db, store, SITE_NAME, "SITE_NAME")) return code;
  }
  for (const FieldName& field : kFieldNames) {
    const std::uint32_t code = store::AddFieldName(db, store, field.tag, field.name);
    // The names store 0 gave first are already there.
    if (code != arbcode::SUCCESS && code != arbcode::DUPLICATE_DICT_NAME) return code;
  }
  return arbcode::SUCCESS;
}

struct Component {
  std::initializer_list<std::uint16_t> path;
  store::KeyType type;
};

std::uint32_t Define(store::Database* db, std::uint32_t store, std::uint16_t number,
                     std::uint16_t container, std::initializer_list<Component> components) {
  store::IndexComponent built[8] = {};
  std::size_t count = 0;
  for (const Component& component : components) {
    store::IndexComponent& out = built[count++];
    for (std::uint16_t tag : component.path) out.path[out.depth++] = tag;
    out.type = component.type;
  }
  return store::DefineIndex(db, store, number, container, built, count);
}

constexpr store::KeyType kText = store::KeyType::kText;
constexpr store::KeyType kNumber = store::KeyType::kNumber;
constexpr store::KeyType kPointer = store::KeyType::kPointer;

std::uint32_t DefineSharedIndexes(store::Database* db) {
  for (std::uint32_t code : {
           Define(db, kSharedStore, kRelationIndex, kDefaultContainer, {{{RELATION}, kNumber}}),
           Define(db, kSharedStore, kSharedUsageLabelIndex, kSharedUsageLabels,
                  {{{USAGE_LABEL}, kNumber}}),
           Define(db, kSharedStore, kSharedFeatureIndex, kSharedFeatures, {{{FEATURE}, kNumber}}),
           Define(db, kIliStore, kIliTopConceptIndex, kTopConcepts,
                  {{{TOP_CONCEPT_RECORD, TARGET_ILI}, kPointer}}),
           Define(
               db, kIliStore, kIliOffsetIndex, kDefaultContainer,
               {{{ILI_RECORD, WORDNET_OFFSET}, kNumber}, {{ILI_RECORD, PART_OF_SPEECH}, kNumber}}),
           Define(db, kIliStore, kIliIdentifierIndex, kDefaultContainer,
                  {{{ILI_RECORD, ILI_IDENTIFIER}, kText}}),
           Define(db, kIliVariantStore, kIliVariantIndex, kDefaultContainer,
                  {{{ILI_VARIANT, TARGET_ILI}, kPointer}}),
       }) {
    if (code != arbcode::SUCCESS) return code;
  }
  return arbcode::SUCCESS;
}

std::uint32_t DefineLanguageIndexes(store::Database* db, std::uint32_t store) {
  const std::initializer_list<Component> literal = {{{VARIANT, LITERAL}, kText},
                                                    {{VARIANT, CONCEPT, PART_OF_SPEECH}, kNumber},
                                                    {{VARIANT, LITERAL, SENSE}, kNumber}};
  for (std::uint32_t code : {
           Define(db, store, kLiteralIndex, kDefaultContainer, literal),
           Define(db, store, kVariantJoinIndex, kDefaultContainer, literal),
           Define(db, store, kVariantConceptIndex, kDefaultContainer,
                  {{{VARIANT, CONCEPT}, kPointer}}),
           Define(db, store, kIliVariantIndex, kDefaultContainer,
                  {{{ILI_VARIANT, TARGET_ILI}, kPointer}}),
           Define(db, store, kTopConceptVariantIndex, kDefaultContainer,
                  {{{TOP_CONCEPT_VARIANT, TOP_CONCEPT}, kPointer}}),
           Define(db, store, kLinkSourceIndex, kInternalLinks,
                  {{{INTERNAL_LINK, SOURCE_CONCEPT}, kPointer}}),
           Define(db, store, kEqLinkConceptIndex, kEqLinks, {{{EQ_LINK, CONCEPT}, kPointer}}),
           Define(db, store, kEqLinkIliIndex, kEqLinks, {{{EQ_LINK, TARGET_ILI}, kPointer}}),
           Define(db, store, kLocalUsageLabelIndex, kLocalUsageLabels, {{{USAGE_LABEL}, kNumber}}),
           Define(db, store, kLocalFeatureIndex, kLocalFeatures, {{{FEATURE}, kNumber}}),
           Define(db, store, kWordFormExceptionIndex, kWordFormExceptions,
                  {{{WORD_FORM_EXCEPTION, INFLECTED_FORM}, kText},
                   {{WORD_FORM_EXCEPTION, PART_OF_SPEECH}, kNumber}}),
       }) {
    if (code != arbcode::SUCCESS) return code;
  }
  return arbcode::SUCCESS;
}

}  // namespace

std::uint32_t CreateLexicalDatabase(const char* path) {
  store::Session* session = nullptr;
  std::uint32_t code = store::CreateSession(0, 0, &session);
  if (code != arbcode::SUCCESS) return code;
  store::Database* db = nullptr;
  code = store::CreateDatabase(session, path, nullptr);
  if (code == arbcode::SUCCESS) code = store::OpenDatabase(session, path, nullptr, 0, &db, nullptr);
  // A lexical database is written once by its builder and then mostly read.
  if (code == arbcode::SUCCESS) code = store::PackRecords(db);
  // One transaction: a new file needs no sync for each of its hundreds of definitions.
  if (code == arbcode::SUCCESS) code = store::BeginBulk(db, true);
  if (code == arbcode::SUCCESS) code = store::SetStoreLocale(db, kIliVariantStore, "en");
  for (std::uint32_t store : {kSiteStore, kSharedStore, kIliStore, kIliVariantStore}) {
    if (code == arbcode::SUCCESS) code = NameFields(db, store);
  }
  if (code == arbcode::SUCCESS) code = DefineSharedIndexes(db);
  if (code == arbcode::SUCCESS) code = store::CommitBulk(db);
  if (db != nullptr) {
    const std::uint32_t closed = store::CloseDatabase(&db);
    if (code == arbcode::SUCCESS) code = closed;
  }
  store::CloseSession(&session);
  return code;
}

std::uint32_t PrepareLanguageStore(FxDatabase& database, std::uint32_t store, const char* locale) {
  if (store < kFirstLanguageStore || store > kLastLanguageStore) {
    return arbcode::INVALID_STORE_NUM;
  }
  auto* db = static_cast<store::Database*>(static_cast<void*>(database));
  if (db == nullptr) return arbcode::DB_HANDLE;
  // Inside the caller's bulk transaction, or in one of its own so that the definitions land
  // together and cost one sync.
  const bool own = store::BeginBulk(db, false) == arbcode::SUCCESS;
  std::uint32_t code = store::SetStoreLocale(db, store, locale == nullptr ? "" : locale);
  if (code == arbcode::SUCCESS) code = NameFields(db, store);
  if (code == arbcode::SUCCESS) code = DefineLanguageIndexes(db, store);
  if (own) {
    const std::uint32_t ended =
        code == arbcode::SUCCESS ? store::CommitBulk(db) : store::AbortBulk(db);
    if (code == arbcode::SUCCESS) code = ended;
  }
  return code;
}
