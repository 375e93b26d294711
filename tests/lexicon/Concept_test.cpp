// Concept: part of speech, numbered variants, links, linked concepts and the ILI records it
// reaches.
#include "Concept.h"

#include <gtest/gtest.h>

#include "ConceptLinks.h"
#include "ConceptVariant.h"
#include "ConceptVariants.h"
#include "Concepts.h"
#include "ILIRecord.h"
#include "ILIRecords.h"
#include "LexiconFixture.h"

using namespace fixture;
using lexicon::Owned;

namespace {

class ConceptTest : public LexiconFixture {};

TEST_F(ConceptTest, PartOfSpeechAsNameAndInABuffer) {
  const auto dog = ConceptOf(kDog);
  EXPECT_EQ(Take(dog->GetPartOfSpeech()), "n");
  char buffer[4] = "xyz";
  EXPECT_EQ(dog->GetPartOfSpeech(buffer, 1), 0);  // no room for "n" and its NUL
  EXPECT_STREQ(buffer, "");
  EXPECT_EQ(dog->GetPartOfSpeech(buffer, 2), 1);
  EXPECT_STREQ(buffer, "n");
  EXPECT_EQ(dog->GetPartOfSpeech(buffer, -1), 0);
  EXPECT_STREQ(buffer, "n");
  const auto odd = ConceptOf(kOddConcept);
  EXPECT_EQ(odd->GetType(), 2);
  EXPECT_EQ(Take(odd->GetPartOfSpeech()), "<null>");  // code 7
  EXPECT_EQ(odd->GetPartOfSpeech(buffer, 4), 0);
  EXPECT_STREQ(buffer, "");
}

TEST_F(ConceptTest, VariantsAreNumberedInIndexOrder) {
  const auto dog = ConceptOf(kDog);
  EXPECT_EQ(dog->GetConceptVariantCount(), 3);
  EXPECT_EQ(IdsOf(dog->GetConceptVariants()),
            (Ids{kDogVariant, kDomesticDogVariant, kCanisVariant}));
  EXPECT_EQ(Owned<ConceptVariant>(dog->GetConceptVariant(2))->GetID(), kDomesticDogVariant);
  EXPECT_EQ(Owned<ConceptVariant>(dog->GetConceptVariant(3))->GetID(), kCanisVariant);
  for (const std::int16_t wrong : {0, -1, 4}) {
    const std::string text = ThrownText([&] { dog->GetConceptVariant(wrong); });
    EXPECT_EQ(text.rfind("PLX API: Invalid concept variant number [104] -- Concept (", 0), 0u)
        << text;
  }
  const auto run = ConceptOf(kRun);
  EXPECT_EQ(run->GetConceptVariantCount(), 0);
  EXPECT_EQ(IdsOf(run->GetConceptVariants()), Ids{});
  EXPECT_THROW(run->GetConceptVariant(1), PLXException);
}

TEST_F(ConceptTest, LinksAndTheirTargets) {
  const auto dog = ConceptOf(kDog);
  EXPECT_EQ(IdsOf(dog->GetConceptLinks(0)), (Ids{1, 2, 3, 4}));
  EXPECT_EQ(IdsOf(dog->GetConceptLinks(8)), (Ids{1, 2}));
  EXPECT_EQ(IdsOf(ConceptOf(kRun)->GetConceptLinks(0)), Ids{});
  EXPECT_EQ(IdsOf(dog->GetHyperonyms()), (Ids{kCanine, kDomesticAnimal}));
  EXPECT_EQ(IdsOf(dog->GetHyponyms()), Ids{kPuppy});
  // The canine is the target of a hyperonym link and of a variant-to-variant link: once.
  EXPECT_EQ(IdsOf(dog->GetLinkedConcepts(0)), (Ids{kCanine, kDomesticAnimal, kPuppy}));
  EXPECT_EQ(IdsOf(ConceptOf(kRun)->GetHyperonyms()), Ids{});
  // A target handed out by a join carries its own store.
  const Owned<Concepts> hyperonyms(dog->GetHyperonyms());
  Concept* canine = nullptr;
  ASSERT_EQ(hyperonyms->GetFirst(&canine), 1);
  EXPECT_EQ(IdsOf(Owned<Concept>(canine)->GetHyponyms()), Ids{kDog});
}

TEST_F(ConceptTest, IliRecordsOfTheEquivalenceLinks) {
  const auto domesticAnimal = ConceptOf(kDomesticAnimal);
  ILIRecords* records = nullptr;
  ASSERT_EQ(domesticAnimal->GetILIRecords(0, &records), 1);
  EXPECT_EQ(IdsOf(records), (Ids{1, 2, 4}));
  ASSERT_EQ(domesticAnimal->GetILIRecords(2, &records), 1);
  EXPECT_EQ(IdsOf(records), (Ids{2, 4}));
  // No links, or (the puppy) a link that names no record, which must not select every record.
  for (const std::uint32_t id : {kRun, kPuppy}) {
    records = reinterpret_cast<ILIRecords*>(&records);
    EXPECT_EQ(ConceptOf(id)->GetILIRecords(0, &records), 0) << id;
    EXPECT_EQ(records, nullptr);
  }
  EXPECT_EQ(domesticAnimal->GetEqRelation(1), 3);
  EXPECT_EQ(domesticAnimal->GetEqRelation(4), 2);
  EXPECT_EQ(domesticAnimal->GetEqRelation(3), 0);
}

TEST_F(ConceptTest, EquivalentSynonymOnlyWhenThereIsExactlyOne) {
  ILIRecord* synonym = nullptr;
  ASSERT_EQ(ConceptOf(kDog)->GetEqSynonym(&synonym), 1);
  EXPECT_EQ(Take(Owned<ILIRecord>(synonym)->GetGloss()), "a member of the genus Canis");
  for (const std::uint32_t id : {kCanine, kDomesticAnimal, kPuppy, kRun}) {
    synonym = reinterpret_cast<ILIRecord*>(&synonym);
    EXPECT_EQ(ConceptOf(id)->GetEqSynonym(&synonym), 0) << id;
    EXPECT_EQ(synonym, nullptr);
  }
}

}  // namespace
