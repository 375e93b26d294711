// Top concepts: their links and the collections that walk them, their gloss, the words naming them
// in a language, and the way from an ILI record to its top concept.
#include "TopConcept.h"

#include <gtest/gtest.h>

#include <vector>

#include "CursorTopConcepts.h"
#include "ILIRecord.h"
#include "LexicalSchema.h"
#include "LexiconFixture.h"
#include "LinkedTopConcepts.h"
#include "TopConceptVariant.h"
#include "TopConceptVariants.h"

using namespace fixture;
using namespace schema;
using lexicon::Factory;
using lexicon::Owned;

namespace {

// Top concepts (store 98, container 310): the top lists its subs out of record ID order; the
// animal has a super, a similar and an opposite; the plant's second sub does not exist; the
// artifact has no links group; the broken one's super does not exist and one of its subs names no
// record.
constexpr std::uint32_t kTop = 1, kAnimal = 2, kPlant = 3, kArtifact = 4, kBroken = 5;
constexpr std::uint32_t kMissing = 99;
// Top concept variants in the language store: three for the top, one for the animal.
constexpr std::uint32_t kEntityVariant = 20, kThingVariant = 21, kTopVariant = 22,
                        kAnimalVariant = 23;

class TopConceptTest : public LexiconFixture {
 protected:
  void SetUp() override {
    LexiconFixture::SetUp();
    AddTopConcept(kTop, {F(0, TOP_CONCEPT_RECORD), T(1, GLOSS, "the top of the ontology"),
                         P(1, TARGET_ILI, 1), F(1, ONTOLOGY_LINKS), P(2, SUB, kArtifact),
                         P(2, SUB, kAnimal), P(2, SUB, kPlant)});
    AddTopConcept(kAnimal, {F(0, TOP_CONCEPT_RECORD), T(1, GLOSS, "a living organism"),
                            P(1, TARGET_ILI, 2), F(1, ONTOLOGY_LINKS), P(2, SUPER, kTop),
                            P(2, SIMILAR, kPlant), P(2, OPPOSITE, kArtifact)});
    AddTopConcept(kPlant, {F(0, TOP_CONCEPT_RECORD), F(1, ONTOLOGY_LINKS), P(2, SUPER, kTop),
                           P(2, SUB, kAnimal), P(2, SUB, kMissing), P(2, SUB, kArtifact)});
    AddTopConcept(kArtifact,
                  {F(0, TOP_CONCEPT_RECORD), T(1, GLOSS, "made by people"), P(1, TARGET_ILI, 2)});
    AddTopConcept(kBroken, {F(0, TOP_CONCEPT_RECORD), F(1, ONTOLOGY_LINKS), P(2, SUPER, kMissing),
                            P(2, SUB, kTop), F(2, SUB)});
    // Added out of index order, so that only the index puts them in order.
    AddVariant(kAnimalVariant, kAnimal, "animal", 1);
    AddVariant(kEntityVariant, kTop, "entity", 1);
    AddVariant(kThingVariant, kTop, "thing", 2);
    AddVariant(kTopVariant, kTop, "top", 1);
  }

  void AddTopConcept(std::uint32_t id, std::initializer_list<Field> fields) {
    ASSERT_EQ(Build(fields).Add(Db(), kIliStore, kTopConcepts, id), 1) << "top concept " << id;
  }
  void AddVariant(std::uint32_t id, std::uint32_t topConcept, const char* literal,
                  std::int32_t sense) {
    ASSERT_EQ(Build({F(0, TOP_CONCEPT_VARIANT), P(1, TOP_CONCEPT, topConcept),
                     T(1, LITERAL, literal), N(1, SENSE, sense), T(1, STATUS, "checked")})
                  .Add(Db(), kStore, kDefaultContainer, id),
              1);
  }

  Owned<TopConcept> Top(std::uint32_t id) { return Read<TopConcept>(kIliStore, kTopConcepts, id); }
};

// The record ID of the top concept an operation handed out, which is destroyed; 0 when it
// answered 0.
std::uint32_t IdOf(int found, TopConcept* topConcept) {
  if (found == 0 || topConcept == nullptr) return 0;
  return Owned<TopConcept>(topConcept)->GetID();
}

using Walk = int (TopConcepts::*)(TopConcept**);

// The record IDs handed out by each step of a walk, 0 for a step that handed out nothing.
Ids Steps(TopConcepts& topConcepts, std::initializer_list<Walk> steps) {
  Ids ids;
  for (Walk step : steps) {
    TopConcept* topConcept = nullptr;
    const int found = (topConcepts.*step)(&topConcept);
    if (found == 0) {
      EXPECT_EQ(topConcept, nullptr);
    }
    ids.push_back(IdOf(found, topConcept));
  }
  return ids;
}

constexpr Walk kFirst = &TopConcepts::GetFirst, kNext = &TopConcepts::GetNext,
               kPrevious = &TopConcepts::GetPrevious, kLast = &TopConcepts::GetLast,
               kCurrent = &TopConcepts::GetCurrent;

TEST_F(TopConceptTest, SubsAreWalkedInFieldOrderAndTheWalkStopsAtTheEnds) {
  LinkedTopConcepts* subs = nullptr;
  ASSERT_EQ(Top(kTop)->GetSubs(&subs), 1);
  const Owned<TopConcepts> held(subs);
  EXPECT_EQ(held->GetCount(), 3);
  // Before the first step there is no current one and nothing before it.
  EXPECT_EQ(Steps(*held, {kCurrent, kPrevious}), (Ids{0, 0}));
  EXPECT_EQ(Steps(*held, {kFirst, kNext, kNext, kNext, kCurrent}),
            (Ids{kArtifact, kAnimal, kPlant, 0, kPlant}));
  EXPECT_EQ(Steps(*held, {kPrevious, kPrevious, kPrevious, kCurrent, kLast}),
            (Ids{kAnimal, kArtifact, 0, kArtifact, kPlant}));
  // A copy keeps the position and then walks on its own.
  TopConcepts* copy = new LinkedTopConcepts(*subs);
  EXPECT_EQ(Steps(*copy, {kCurrent, kPrevious}), (Ids{kPlant, kAnimal}));
  EXPECT_EQ(Steps(*held, {kCurrent}), Ids{kPlant});
  copy->Destroy();
}

TEST_F(TopConceptTest, AMissingTargetFailsItsStepAndLeavesThePositionBehind) {
  LinkedTopConcepts* subs = nullptr;
  ASSERT_EQ(Top(kPlant)->GetSubs(&subs), 1);
  const Owned<TopConcepts> held(subs);
  EXPECT_EQ(held->GetCount(), 3);
  EXPECT_EQ(Steps(*held, {kFirst, kNext, kCurrent, kLast, kPrevious, kCurrent}),
            (Ids{kAnimal, 0, kAnimal, kArtifact, 0, kArtifact}));
}

TEST_F(TopConceptTest, RelationsOtherThanSub) {
  LinkedTopConcepts* linked = nullptr;
  const auto animal = Top(kAnimal);
  ASSERT_EQ(animal->GetSimilars(&linked), 1);
  EXPECT_EQ(Steps(*Owned<TopConcepts>(linked), {kNext, kNext}), (Ids{kPlant, 0}));
  ASSERT_EQ(animal->GetOpposites(&linked), 1);
  EXPECT_EQ(Steps(*Owned<TopConcepts>(linked), {kLast}), Ids{kArtifact});
  // The animal has links, but no sub among them.
  linked = reinterpret_cast<LinkedTopConcepts*>(animal.get());
  EXPECT_EQ(animal->GetSubs(&linked), 0);
  EXPECT_EQ(linked, nullptr);
}

TEST_F(TopConceptTest, MissingPartsOfTheLinksAnswerNothing) {
  TopConcept* super = nullptr;
  LinkedTopConcepts* linked = nullptr;
  // No links group at all.
  const auto artifact = Top(kArtifact);
  EXPECT_EQ(artifact->GetSuper(&super), 0);
  EXPECT_EQ(artifact->GetSubs(&linked), 0);
  EXPECT_EQ(artifact->GetSimilars(&linked), 0);
  EXPECT_EQ(artifact->GetOpposites(&linked), 0);
  // The top has a group but no super; the broken one's super is not there, and one of its subs
  // names no record, which spoils the whole collection.
  EXPECT_EQ(Top(kTop)->GetSuper(&super), 0);
  const auto broken = Top(kBroken);
  EXPECT_EQ(broken->GetSuper(&super), 0);
  EXPECT_EQ(super, nullptr);
  EXPECT_EQ(broken->GetSubs(&linked), 0);
  EXPECT_EQ(linked, nullptr);
  // A copy of a record that was never read has no database to read targets from.
  Owned<TopConcept> loose(Factory::New<TopConcept>());
  *loose = Build(
      {F(0, TOP_CONCEPT_RECORD), F(1, ONTOLOGY_LINKS), P(2, SUPER, kTop), P(2, SUB, kAnimal)});
  EXPECT_EQ(loose->GetSuper(&super), 0);
  EXPECT_EQ(loose->GetSubs(&linked), 0);

  ASSERT_EQ(Top(kAnimal)->GetSuper(&super), 1);
  EXPECT_EQ(Owned<TopConcept>(super)->GetRecordID(), static_cast<std::int32_t>(kTop));
}

TEST_F(TopConceptTest, LinkOperationsLeaveTheCurrentFieldAlone) {
  const auto plant = Top(kPlant);
  plant->FindField(SUPER);
  node* const current = plant->GetCurrentField();
  TopConcept* super = nullptr;
  LinkedTopConcepts* subs = nullptr;
  ASSERT_EQ(plant->GetSuper(&super), 1);
  EXPECT_EQ(IdOf(1, super), kTop);
  ASSERT_EQ(plant->GetSubs(&subs), 1);
  subs->Destroy();
  EXPECT_EQ(plant->GetCurrentField(), current);
}

TEST_F(TopConceptTest, PutGlossChangesTheRecordInMemoryOnly) {
  const auto top = Top(kTop);
  top->PutGloss("the most general concept");
  EXPECT_EQ(Take(top->GetGloss()), "the most general concept");
  EXPECT_EQ(Take(Top(kTop)->GetGloss()), "the top of the ontology");
  // Text that is not UTF-8 leaves the gloss as it was.
  top->PutGloss("\xff");
  EXPECT_EQ(Take(top->GetGloss()), "the most general concept");

  // A record without a gloss gets one as the root's first child.
  const auto plant = Top(kPlant);
  EXPECT_EQ(Take(plant->GetGloss()), "<null>");
  plant->PutGloss("a living organism without locomotion");
  plant->GotoRoot();
  ASSERT_EQ(plant->GotoChild(), 1);
  EXPECT_EQ(plant->GetTag(), GLOSS);
  EXPECT_EQ(Take(plant->GetGloss()), "a living organism without locomotion");
  // Refused text adds nothing.
  const auto broken = Top(kBroken);
  broken->PutGloss("\xff");
  EXPECT_EQ(broken->GetFieldCount(GLOSS), 0);
}

TEST_F(TopConceptTest, VariantsInALanguageComeInIndexOrder) {
  const auto top = Top(kTop);
  EXPECT_EQ(top->GetTopConceptVariantCount(kStore), 3);
  EXPECT_EQ(IdsOf(top->GetTopConceptVariants(kStore)),
            (Ids{kEntityVariant, kThingVariant, kTopVariant}));
  const Owned<TopConceptVariant> second(top->GetTopConceptVariant(kStore, 2));
  EXPECT_EQ(second->GetID(), kThingVariant);
  EXPECT_EQ(Take(second->GetLiteral()), "thing");
  EXPECT_EQ(second->GetSense(), 2);
  EXPECT_EQ(Take(second->GetStatus()), "checked");
  // The number equal to the count is the last one.
  EXPECT_EQ(Owned<TopConceptVariant>(top->GetTopConceptVariant(kStore, 3))->GetID(), kTopVariant);

  EXPECT_EQ(Top(kAnimal)->GetTopConceptVariantCount(kStore), 1);
  const auto artifact = Top(kArtifact);
  EXPECT_EQ(artifact->GetTopConceptVariantCount(kStore), 0);
  EXPECT_EQ(IdsOf(artifact->GetTopConceptVariants(kStore)), Ids{});
  // A store that is no language store has no variant index; the half-built collection goes.
  EXPECT_THROW(top->GetTopConceptVariants(kSharedStore), ArbError);
  EXPECT_THROW(top->GetTopConceptVariantCount(kSharedStore), ArbError);
}

TEST_F(TopConceptTest, AVariantNumberOutsideTheListThrows104WithoutASource) {
  const auto top = Top(kTop);
  const auto artifact = Top(kArtifact);
  const std::string expected = "PLX API: Invalid concept variant number [104]";
  EXPECT_EQ(ThrownText([&] { top->GetTopConceptVariant(kStore, 0); }), expected);
  EXPECT_EQ(ThrownText([&] { top->GetTopConceptVariant(kStore, -1); }), expected);
  EXPECT_EQ(ThrownText([&] { top->GetTopConceptVariant(kStore, 4); }), expected);
  EXPECT_EQ(ThrownText([&] { artifact->GetTopConceptVariant(kStore, 1); }), expected);
}

TEST_F(TopConceptTest, EveryTopConceptOfTheDatabase) {
  TopConcepts* all = Factory::New<CursorTopConcepts>(Db());
  ASSERT_NE(all, nullptr);
  EXPECT_EQ(all->GetCount(), 5);
  EXPECT_EQ(Steps(*all, {kNext, kNext, kLast, kNext, kCurrent, kPrevious}),
            (Ids{kTop, kAnimal, kBroken, 0, kBroken, kArtifact}));
  TopConcept* artifact = nullptr;
  ASSERT_EQ(all->GetCurrent(&artifact), 1);
  all->Destroy();
  // Items outlive their collection.
  EXPECT_EQ(Take(Owned<TopConcept>(artifact)->GetGloss()), "made by people");
}

TEST_F(TopConceptTest, TheTopConceptOfAnIliRecord) {
  const auto topOf = [this](std::uint32_t ili) -> std::uint32_t {
    auto record = Read<ILIRecord>(kIliStore, kDefaultContainer, ili);
    TopConcept* topConcept = nullptr;
    const int found = record->GetTopConcept(&topConcept);
    return IdOf(found, topConcept);
  };
  EXPECT_EQ(topOf(1), kTop);
  // Listed by the animal and the artifact: the first in record ID order.
  EXPECT_EQ(topOf(2), kAnimal);
  // Record IDs are unsigned: one past the signed range is still found.
  constexpr std::uint32_t kHighIli = 0x80000001;
  ASSERT_EQ(Build({F(0, ILI_RECORD)}).Add(Db(), kIliStore, kDefaultContainer, kHighIli), 1);
  AddTopConcept(6, {F(0, TOP_CONCEPT_RECORD), P(1, TARGET_ILI, kHighIli)});
  EXPECT_EQ(topOf(kHighIli), 6u);
  // Listed by none: nothing handed out, the output untouched.
  auto unlisted = Read<ILIRecord>(kIliStore, kDefaultContainer, 5);
  int anchor = 0;
  auto* topConcept = reinterpret_cast<TopConcept*>(&anchor);
  EXPECT_EQ(unlisted->GetTopConcept(&topConcept), 0);
  EXPECT_EQ(static_cast<void*>(topConcept), static_cast<void*>(&anchor));
}

}  // namespace
