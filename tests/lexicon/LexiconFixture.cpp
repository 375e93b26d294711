#include "LexiconFixture.h"

#include <utility>

#include "Concept.h"
#include "ConceptVariant.h"
#include "FxDatabase.h"
#include "FxSession.h"
#include "LexicalDatabase.h"
#include "LexicalSchema.h"
#include "platform/TextConvert.h"
#include "store/FieldValue.h"

using namespace schema;
using namespace fixture;

ArbRecord fixture::Build(std::initializer_list<Field> fields) {
  ArbRecord record(fields.begin()->tag);
  node* parents[16] = {};
  for (const Field& field : fields) {
    if (field.depth > 0) {
      record.SetCurrentField(parents[field.depth - 1]);
      EXPECT_EQ(record.AddField(field.tag, ArbRecord::kLast, ArbRecord::eFromCurrent,
                                ArbRecord::eGraftChild),
                1);
    }
    parents[field.depth] = record.GetCurrentField();
    int stored = 1;
    if (field.kind == '#') stored = record.Put(static_cast<std::int32_t>(field.number));
    if (field.kind == '"') stored = record.Put(field.text);  // empty text leaves no field
    if (field.kind == '@') {
      stored = store::SetRecordPointer(record.GetPool(), record.GetCurrentField(),
                                       static_cast<std::uint32_t>(field.number)) == 0;
    }
    EXPECT_EQ(stored, 1) << "tag " << field.tag;
  }
  return record;
}

void fixture::Put(void* db, std::uint32_t store, std::uint16_t container, std::uint32_t id,
                  std::initializer_list<Field> fields) {
  EXPECT_EQ(Build(fields).Add(db, store, container, id), 1) << store << "/" << id;
}

namespace {

void SiteAndDefinitions(void* db) {
  Put(db, kSiteStore, kDefaultContainer, kVersionRecord,
      {F(0, VERSION), T(1, DATA_VERSION, "1.3")});
  Put(db, kSiteStore, kDefaultContainer, kSiteRecord, {F(0, SITE)});
  Put(db, kSiteStore, kDefaultContainer, kBuildRecord, {F(0, BUILD)});
  // Relation 11 has no name.
  for (const auto& [id, name] :
       {std::pair{1, "near_synonym"}, std::pair{2, "xpos_near_synonym"},
        std::pair{8, "has_hyperonym"}, std::pair{10, "has_hyponym"}, std::pair{11, ""}}) {
    Put(db, kSharedStore, kDefaultContainer, static_cast<std::uint32_t>(id),
        {N(0, RELATION, id), T(1, CODE, "code"), T(1, NAME, name)});
  }
  Put(db, kSharedStore, kSharedUsageLabels, 1,
      {N(0, USAGE_LABEL, 1), T(1, NAME, "usage"), F(1, VALUE), N(2, USAGE_LABEL_VALUE, 1),
       T(2, VALUE_NAME, "colloquial"), F(1, VALUE), N(2, USAGE_LABEL_VALUE, 2),
       T(2, VALUE_NAME, "slang")});
  Put(db, kStore, kLocalUsageLabels, 1,
      {N(0, USAGE_LABEL, -1), T(1, NAME, "register"), F(1, VALUE), N(2, USAGE_LABEL_VALUE, 1),
       T(2, VALUE_NAME, "formal")});
  Put(db, kSharedStore, kSharedFeatures, 1,
      {N(0, FEATURE, 1), T(1, NAME, "verb_frame"), F(1, VALUE), F(2, FEATURE_VALUE)});
  Put(db, kSharedStore, kSharedFeatures, 2, {N(0, FEATURE, 2), T(1, NAME, "countable")});
  Put(db, kStore, kLocalFeatures, 1, {N(0, FEATURE, 0), T(1, NAME, "local_feature")});
}

void Ili(void* db) {
  Put(db, kIliStore, kDefaultContainer, 1,
      {F(0, ILI_RECORD), N(1, PART_OF_SPEECH, 1), N(1, WORDNET_OFFSET, 2084071),
       T(1, GLOSS, "a member of the genus Canis")});
  Put(db, kIliStore, kDefaultContainer, 2, {F(0, ILI_RECORD), N(1, PART_OF_SPEECH, 1)});
  Put(db, kIliStore, kDefaultContainer, 3, {F(0, ILI_RECORD), N(1, PART_OF_SPEECH, 5)});
  Put(db, kIliStore, kDefaultContainer, 4, {F(0, ILI_RECORD), N(1, WORDNET_OFFSET, 12345678)});
  Put(db, kIliStore, kDefaultContainer, 5, {F(0, ILI_RECORD), N(1, PART_OF_SPEECH, 7)});
}

void Language(void* db) {
  const std::pair<std::int32_t, std::int32_t> concepts[] = {{1, 1}, {1, 1}, {1, 1},
                                                            {1, 1}, {1, 2}, {2, 7}};
  std::uint32_t id = 1;
  for (const auto& [type, partOfSpeech] : concepts) {
    Put(db, kStore, kConcepts, id++,
        {F(0, CONCEPT), N(1, CONCEPT_TYPE, type), N(1, PART_OF_SPEECH, partOfSpeech)});
  }

  // The dog's first variant carries every kind of usage label and feature line.
  Put(db, kStore, kDefaultContainer, kDogVariant,
      {F(0, VARIANT),
       P(1, CONCEPT, kDog),
       N(2, PART_OF_SPEECH, 1),
       T(1, LITERAL, "dog"),
       N(2, SENSE, 1),
       T(1, DEFINITION, "a domesticated canid"),
       F(1, EXAMPLES),
       T(2, EXAMPLE, "the dog barked"),
       T(2, EXAMPLE, "the dog ran"),
       T(2, EXAMPLE, "walk the dog"),
       F(1, USAGE_LABELS),
       N(2, USAGE_LABEL, 1),
       N(3, USAGE_LABEL_VALUE, 1),
       N(2, USAGE_LABEL, 1),
       N(3, USAGE_LABEL_VALUE, 9),
       N(2, USAGE_LABEL, 1),
       N(2, USAGE_LABEL, 1),
       N(3, USAGE_LABEL_VALUE, 0),
       N(2, USAGE_LABEL, -1),
       N(3, USAGE_LABEL_VALUE, 1),
       N(2, USAGE_LABEL, 77),
       N(2, FEATURE, 1),
       T(2, USAGE_LABEL, "abc"),
       F(1, FEATURES),
       N(2, FEATURE, 1),
       T(3, FEATURE_VALUE, "Somebody ----s"),
       N(2, FEATURE, 1),
       N(2, FEATURE, 2),
       N(2, FEATURE, 0),
       N(2, FEATURE, 55),
       N(2, USAGE_LABEL, 1),
       T(2, FEATURE, "x"),
       T(1, STATUS, "checked")});
  Put(db, kStore, kDefaultContainer, kDomesticDogVariant,
      {F(0, VARIANT), P(1, CONCEPT, kDog), T(1, LITERAL, "domestic dog"), F(1, USAGE_LABELS)});
  const std::pair<std::uint32_t, const char*> variants[] = {{kDog, "Canis familiaris"},
                                                            {kCanine, "canine"},
                                                            {kDomesticAnimal, "domestic animal"},
                                                            {kPuppy, "puppy"}};
  id = kCanisVariant;
  for (const auto& [conceptId, literal] : variants) {
    Put(db, kStore, kDefaultContainer, id++,
        {F(0, VARIANT), P(1, CONCEPT, conceptId), T(1, LITERAL, literal)});
  }
  Put(db, kStore, kDefaultContainer, kNoConceptVariant, {F(0, VARIANT), T(1, LITERAL, "stray")});
  Put(db, kStore, kDefaultContainer, kMissingConceptVariant, {F(0, VARIANT), P(1, CONCEPT, 99)});
  Put(db, kStore, kDefaultContainer, kEmptyPointerVariant, {F(0, VARIANT), F(1, CONCEPT)});

  // Internal links 1 to 8.
  auto link = [db, id = 1u](std::initializer_list<Field> fields) mutable {
    Put(db, kStore, kInternalLinks, id++, fields);
  };
  link({F(0, INTERNAL_LINK), N(1, RELATION, 8), P(1, SOURCE_CONCEPT, kDog),
        P(1, TARGET_CONCEPT, kCanine), N(1, CONJUNCTIVE, 3), F(1, FACTIVE), F(1, NON_FACTIVE),
        F(1, NEGATIVE)});
  link({F(0, INTERNAL_LINK), N(1, RELATION, 8), P(1, SOURCE_CONCEPT, kDog),
        P(1, TARGET_CONCEPT, kDomesticAnimal), F(1, NON_FACTIVE)});
  link({F(0, INTERNAL_LINK), N(1, RELATION, 10), P(1, SOURCE_CONCEPT, kDog),
        P(1, TARGET_CONCEPT, kPuppy)});
  link({F(0, INTERNAL_LINK), N(1, RELATION, 2), P(1, SOURCE_CONCEPT, kDog),
        P(2, VARIANT, kDogVariant), P(1, TARGET_CONCEPT, kCanine), P(2, VARIANT, kCanineVariant),
        N(1, DISJUNCTIVE, 2), F(1, REVERSED)});
  link({F(0, INTERNAL_LINK), N(1, RELATION, 10), P(1, SOURCE_CONCEPT, kCanine),
        P(1, TARGET_CONCEPT, kDog)});
  link({F(0, INTERNAL_LINK), N(1, RELATION, 8), P(1, SOURCE_CONCEPT, kPuppy), F(1, TARGET_CONCEPT),
        N(2, PART_OF_SPEECH, 1), T(2, LITERAL, "young dog")});
  link({F(0, INTERNAL_LINK), N(1, RELATION, 1), P(1, SOURCE_CONCEPT, kDomesticAnimal)});
  link({F(0, INTERNAL_LINK), N(1, RELATION, 2), P(1, SOURCE_CONCEPT, kPuppy), F(2, VARIANT),
        P(1, TARGET_CONCEPT, kDog), P(2, VARIANT, 99)});

  // Equivalence links (concept, ILI record or 0 for none, relation): the dog has one equivalent
  // synonym, the canine two; the domestic animal links to three ILI records; the puppy's one link
  // names no ILI record.
  const std::uint32_t eqLinks[][3] = {{kDog, 1, 1},
                                      {kCanine, 2, 1},
                                      {kCanine, 3, 1},
                                      {kDomesticAnimal, 1, 3},
                                      {kDomesticAnimal, 2, 2},
                                      {kDomesticAnimal, 4, 2},
                                      {kPuppy, 0, 1}};
  id = 1;
  for (const auto& [conceptId, target, relation] : eqLinks) {
    Put(db, kStore, kEqLinks, id++,
        {F(0, EQ_LINK), N(1, EQ_RELATION, static_cast<std::int32_t>(relation)),
         P(1, CONCEPT, conceptId), P(1, TARGET_ILI, target)});
  }
}

}  // namespace

void LexiconFixture::SetUp() {
  const std::string path = PathOf("lexicon.fdb");
  ASSERT_EQ(CreateLexicalDatabase(path.c_str()), 0u);
  {
    FxSession session;
    FxDatabase db(session);
    ASSERT_EQ(db.Open(path.c_str(), 0, 0), 1);
    ASSERT_EQ(db.BeginBulk(1), 1);
    ASSERT_EQ(PrepareLanguageStore(db, kStore, "en"), 0u);
    SiteAndDefinitions(db);
    Ili(db);
    Language(db);
    ASSERT_EQ(db.CommitBulk(), 1);
  }
  polylex_.Open(path.c_str(), nullptr, 0, 0);
}

lexicon::Owned<Concept> LexiconFixture::ConceptOf(std::uint32_t id) {
  return Read<Concept>(kStore, kConcepts, id);
}

lexicon::Owned<ConceptVariant> LexiconFixture::VariantOf(std::uint32_t id) {
  return Read<ConceptVariant>(kStore, kDefaultContainer, id);
}

std::string LexiconFixture::Take(BSTR text) {
  if (text == nullptr) return "<null>";
  std::string narrow = platform::Utf16ToUtf8(std::u16string_view(text, SysStringLen(text)));
  SysFreeString(text);
  return narrow;
}
