// ConceptVariant: the concept of a variant, and the usage label and feature texts.
#include "ConceptVariant.h"

#include <gtest/gtest.h>

#include "Concept.h"
#include "LexicalSchema.h"
#include "LexiconFixture.h"

using namespace fixture;
using lexicon::Owned;

namespace {

class ConceptVariantTest : public LexiconFixture {};

TEST_F(ConceptVariantTest, BaseConcept) {
  const auto canine = VariantOf(kCanineVariant);
  EXPECT_EQ(canine->GetBaseConceptID(), static_cast<std::int32_t>(kCanine));
  const Owned<Concept> base(canine->GetBaseConcept());
  EXPECT_EQ(base->GetID(), kCanine);
  EXPECT_EQ(base->GetContainer(), schema::kConcepts);

  for (const std::uint32_t id : {kNoConceptVariant, kEmptyPointerVariant}) {
    const auto broken = VariantOf(id);
    for (const std::string& text : {ThrownText([&] { broken->GetBaseConceptID(); }),
                                    ThrownText([&] { broken->GetBaseConcept(); })}) {
      EXPECT_EQ(text.rfind("ARBOR: BAD_DRN [0xC00A] -- Concept (", 0), 0u) << id << ": " << text;
    }
  }
  const std::string text = ThrownText([&] { VariantOf(kMissingConceptVariant)->GetBaseConcept(); });
  EXPECT_EQ(text.rfind("ARBOR: NOT_FOUND [0xC006] -- Concept (", 0), 0u) << text;
}

TEST_F(ConceptVariantTest, UsageLabelLines) {
  EXPECT_EQ(Take(VariantOf(kDogVariant)->GetUsageLabels()),
            "usage = \"colloquial\"\r\n"
            "usage = <unexpected value>\r\n"
            "usage = <missing value>\r\n"
            "usage = <zero value>\r\n"
            "register = \"formal\"\r\n"
            "Error! Unknown label\r\n"
            "Error! Invalid usage label tag\r\n"
            "Error! Invalid label ID\r\n");
  // An empty group, or none at all.
  EXPECT_EQ(Take(VariantOf(kDomesticDogVariant)->GetUsageLabels()), "<null>");
  EXPECT_EQ(Take(VariantOf(kCanisVariant)->GetUsageLabels()), "<null>");
  // A variant made in memory has no database to find definitions in.
  const Owned<ConceptVariant> loose(lexicon::Factory::New<ConceptVariant>());
  *loose = Build({F(0, schema::VARIANT), F(1, schema::USAGE_LABELS), N(2, schema::USAGE_LABEL, 1)});
  EXPECT_EQ(Take(loose->GetUsageLabels()), "Error! Unknown label\r\n");
}

TEST_F(ConceptVariantTest, FeatureLinesKeepTheCallersPosition) {
  const auto dog = VariantOf(kDogVariant);
  dog->FindField(schema::LITERAL);
  EXPECT_EQ(Take(dog->GetFeatures()),
            "verb_frame = \"Somebody ----s\"\r\n"
            "verb_frame = <missing feature value>\r\n"
            "countable\r\n"
            "local_feature\r\n"
            "Error! Unknown feature\r\n"
            "Error! Invalid feature tag\r\n"
            "Error! Invalid feature ID\r\n");
  EXPECT_EQ(dog->GetTag(), schema::LITERAL);
  EXPECT_EQ(Take(VariantOf(kDomesticDogVariant)->GetFeatures()), "<null>");
}

}  // namespace
