// ConceptLink: attributes and the concepts and variants at either end of a link.
#include "ConceptLink.h"

#include <gtest/gtest.h>

#include "Concept.h"
#include "ConceptVariant.h"
#include "LexicalSchema.h"
#include "LexiconFixture.h"

using namespace fixture;
using lexicon::Owned;

namespace {

class ConceptLinkTest : public LexiconFixture {
 protected:
  Owned<ConceptLink> Link(std::uint32_t id) {
    return Read<ConceptLink>(kStore, schema::kInternalLinks, id);
  }
};

TEST_F(ConceptLinkTest, Attributes) {
  const auto first = Link(1);
  EXPECT_EQ(first->GetRelation(), 8);
  EXPECT_EQ(first->GetConjunctive(), 3);
  EXPECT_EQ(first->GetFactivity(), 1);  // FACTIVE wins over NON_FACTIVE
  EXPECT_EQ(first->GetNegative(), 1);
  EXPECT_EQ(first->GetReversed(), 0);
  EXPECT_EQ(Link(2)->GetFactivity(), 2);
  EXPECT_EQ(Link(3)->GetFactivity(), 0);
  EXPECT_EQ(Link(4)->GetDisjunctive(), 2);
  EXPECT_EQ(Link(4)->GetReversed(), 1);
}

TEST_F(ConceptLinkTest, ConceptsAtBothEnds) {
  const auto first = Link(1);
  EXPECT_EQ(Owned<Concept>(first->GetSourceConcept())->GetID(), kDog);
  EXPECT_EQ(first->GetTargetConceptID(), static_cast<std::int32_t>(kCanine));
  EXPECT_EQ(Owned<Concept>(first->GetTargetConcept())->GetID(), kCanine);
  // A target described in place holds no record ID; a missing target field is BAD_DRN.
  const auto inPlace = Link(6);
  EXPECT_EQ(inPlace->GetTargetConceptID(), -1);
  EXPECT_EQ(ThrownText([&] { inPlace->GetTargetConcept(); }).rfind("ARBOR: ", 0), 0u);
  const auto noTarget = Link(7);
  EXPECT_EQ(noTarget->GetTargetConceptID(), 0);
  EXPECT_EQ(ThrownText([&] { noTarget->GetTargetConcept(); }), "ARBOR: BAD_DRN [0xC00A]");
}

TEST_F(ConceptLinkTest, VariantsOfVariantToVariantLinks) {
  const auto variantLink = Link(4);
  EXPECT_EQ(Owned<ConceptVariant>(variantLink->GetSourceVariant())->GetID(), kDogVariant);
  EXPECT_EQ(Owned<ConceptVariant>(variantLink->GetTargetVariant())->GetID(), kCanineVariant);
  EXPECT_EQ(Link(1)->GetSourceVariant(), nullptr);
  EXPECT_EQ(Link(6)->GetTargetVariant(), nullptr);
  const auto broken = Link(8);
  EXPECT_EQ(ThrownText([&] { broken->GetSourceVariant(); }), "ARBOR: BAD_DRN [0xC00A]");
  EXPECT_EQ(ThrownText([&] { broken->GetTargetVariant(); }), "ARBOR: NOT_FOUND [0xC006]");
}

}  // namespace
