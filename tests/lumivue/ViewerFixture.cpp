#include "ViewerFixture.h"

#include <cstdint>
#include <initializer_list>
#include <utility>

#include "FxDatabase.h"
#include "FxSession.h"
#include "LexicalDatabase.h"
#include "LexicalSchema.h"
#include "lexicon/LexiconFixture.h"

using namespace fixture;
using namespace schema;

namespace {

void Definitions(void* db) {
  Put(db, kSiteStore, kDefaultContainer, kVersionRecord,
      {F(0, VERSION), T(1, DATA_VERSION, "1.3")});
  Put(db, kSiteStore, kDefaultContainer, kSiteRecord, {F(0, SITE)});
  Put(db, kSiteStore, kDefaultContainer, kBuildRecord, {F(0, BUILD)});
  Put(db, kSharedStore, kLanguages, 1,
      {F(0, LANGUAGE), T(1, LANGUAGE_CODE, "EN"), N(1, STORE_ID, 100), T(1, NAME, "English")});
  Put(db, kSharedStore, kLanguages, 2,
      {F(0, LANGUAGE), T(1, LANGUAGE_CODE, "NL"), N(1, STORE_ID, 101), T(1, NAME, "Dutch")});
  for (const auto& [id, name] : {std::pair{1, "near_synonym"}, std::pair{2, "xpos_near_synonym"},
                                 std::pair{8, "has_hyperonym"}, std::pair{10, "has_hyponym"},
                                 std::pair{12, "has_holonym"}}) {
    Put(db, kSharedStore, kDefaultContainer, static_cast<std::uint32_t>(id),
        {N(0, RELATION, id), T(1, CODE, name), T(1, NAME, name)});
  }
  Put(db, kIliStore, kDefaultContainer, 1,
      {F(0, ILI_RECORD), N(1, PART_OF_SPEECH, 1), T(1, GLOSS, "a member of the genus Canis")});
  Put(db, kIliStore, kDefaultContainer, 2, {F(0, ILI_RECORD), N(1, PART_OF_SPEECH, 1)});
  Put(db, kIliStore, kDefaultContainer, 3,
      {F(0, ILI_RECORD), N(1, PART_OF_SPEECH, 1), T(1, GLOSS, "a young dog")});
}

void Variant(void* db, std::uint32_t store, std::uint32_t id, std::uint32_t conceptId,
             const char* literal, std::int32_t sense) {
  Put(db, store, kDefaultContainer, id,
      {F(0, VARIANT), P(1, CONCEPT, conceptId), T(1, LITERAL, literal), N(2, SENSE, sense)});
}

void EqLink(void* db, std::uint32_t store, std::uint32_t id, std::uint32_t conceptId,
            std::uint32_t ili, std::int32_t relation) {
  Put(db, store, kEqLinks, id,
      {F(0, EQ_LINK), N(1, EQ_RELATION, relation), P(1, CONCEPT, conceptId),
       P(1, TARGET_ILI, ili)});
}

void English(void* db) {
  const std::int32_t partsOfSpeech[] = {1, 1, 2, 1};
  for (std::uint32_t id = 1; id <= 4; ++id) {
    Put(db, 100, kConcepts, id,
        {F(0, CONCEPT), N(1, CONCEPT_TYPE, 1), N(1, PART_OF_SPEECH, partsOfSpeech[id - 1])});
  }
  Variant(db, 100, 1, 1, "dog", 1);
  Variant(db, 100, 2, 1, "domestic dog", 1);
  Variant(db, 100, 3, 1, "Canis familiaris", 1);
  Variant(db, 100, 4, 2, "canine", 1);
  Variant(db, 100, 5, 3, "dog", 2);
  Variant(db, 100, 6, 4, "puppy", 1);
  Put(db, 100, kInternalLinks, 1,
      {F(0, INTERNAL_LINK), N(1, RELATION, 8), P(1, SOURCE_CONCEPT, 1), P(1, TARGET_CONCEPT, 2)});
  Put(db, 100, kInternalLinks, 2,
      {F(0, INTERNAL_LINK), N(1, RELATION, 10), P(1, SOURCE_CONCEPT, 2), P(1, TARGET_CONCEPT, 1)});
  EqLink(db, 100, 1, 1, 1, 1);
  EqLink(db, 100, 2, 1, 2, 3);
  EqLink(db, 100, 3, 4, 3, 2);
  EqLink(db, 100, 4, 4, 1, 1);
}

void Dutch(void* db) {
  Put(db, 101, kConcepts, 1, {F(0, CONCEPT), N(1, CONCEPT_TYPE, 1), N(1, PART_OF_SPEECH, 1)});
  Variant(db, 101, 1, 1, "hond", 1);
  EqLink(db, 101, 1, 1, 1, 1);
}

}  // namespace

void ViewerFixture::SetUp() {
  path_ = PathOf("viewer.fdb");
  ASSERT_EQ(CreateLexicalDatabase(path_.c_str()), 0u);
  Write([](void* db) {
    Definitions(db);
    English(db);
    Dutch(db);
  });
}

void ViewerFixture::Write(const std::function<void(void* db)>& write) {
  FxSession session;
  FxDatabase db(session);
  ASSERT_EQ(db.Open(path_.c_str(), 0, 0), 1);
  ASSERT_EQ(db.BeginBulk(1), 1);
  if (!prepared_) {
    ASSERT_EQ(PrepareLanguageStore(db, kEnglish, "en"), 0u);
    ASSERT_EQ(PrepareLanguageStore(db, kDutch, "nl"), 0u);
    prepared_ = true;
  }
  write(db);
  ASSERT_EQ(db.CommitBulk(), 1);
}
