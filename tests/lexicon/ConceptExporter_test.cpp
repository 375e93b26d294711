// ConceptExporter: the full text of a concept with its variants, links and equivalence links, and
// the definitions it loads.
#include "ConceptExporter.h"

#include <gtest/gtest.h>

#include <string>

#include "Concept.h"
#include "LexicalSchema.h"
#include "LexiconFixture.h"
#include "String.h"

using namespace fixture;
using namespace schema;

namespace {

constexpr std::uint32_t kInstance = 22;

class ConceptExporterTest : public LexiconFixture {
 protected:
  void SetUp() override {
    LexiconFixture::SetUp();
    Add(kSharedStore, kEqRelations, 1, {N(0, EQ_RELATION, 1), T(1, CODE, "eq_synonym")});
    Add(kIliStore, kDefaultContainer, 6,
        {F(0, ILI_RECORD), N(1, PART_OF_SPEECH, 5), N(1, ADD_ON_ID, 17)});
    Add(kStore, kConcepts, kInstance,
        {F(0, CONCEPT), N(1, CONCEPT_TYPE, 2), N(1, PART_OF_SPEECH, 5)});
    Add(kStore, kDefaultContainer, 31,
        {F(0, VARIANT), P(1, CONCEPT, kRun), T(1, LITERAL, "run"), N(2, SENSE, -2),
         F(1, TRANSLATIONS), T(2, LITERAL, "courir"), T(2, LITERAL, "laufen"), F(1, EXTERNAL_INFO),
         N(2, SOURCE_ID, 1), T(3, TEXT_KEY, "run%2:38:00::"), N(2, CORPUS_ID, 1),
         N(3, FREQUENCY, 7), N(2, PAROLE_ID, 9), F(2, STATUS), F(1, MULTI_WORD_INFO),
         N(2, MULTI_WORD_TOKEN, 1)});
    // To a concept without variants, with one attribute and a numbered source.
    Add(kStore, kInternalLinks, 20,
        {F(0, INTERNAL_LINK), N(1, RELATION, 8), P(1, SOURCE_CONCEPT, kRun),
         P(1, TARGET_CONCEPT, kOddConcept), F(1, REVERSED), N(1, SOURCE_ID, 5),
         N(2, NUMBER_KEY, 42)});
    // Without target: left out.
    Add(kStore, kInternalLinks, 21,
        {F(0, INTERNAL_LINK), N(1, RELATION, 8), P(1, SOURCE_CONCEPT, kRun)});
    // Shown through the variant it names; relation 3 has no definition.
    Add(kStore, kInternalLinks, 22,
        {F(0, INTERNAL_LINK), N(1, RELATION, 3), P(1, SOURCE_CONCEPT, kRun),
         P(1, TARGET_CONCEPT, kDog), P(2, DISPLAY_VARIANT, kDomesticDogVariant)});
    Add(kStore, kEqLinks, 20,
        {F(0, EQ_LINK), N(1, EQ_RELATION, 1), P(1, CONCEPT, kRun), P(1, TARGET_ILI, 2)});
    Add(kStore, kEqLinks, 21,
        {F(0, EQ_LINK), N(1, EQ_RELATION, 4), P(1, CONCEPT, kRun), P(1, TARGET_ILI, 6),
         N(1, SOURCE_ID, 2), T(2, TEXT_KEY, "k")});
  }

  void Add(std::uint32_t store, std::uint16_t container, std::uint32_t id,
           std::initializer_list<Field> fields) {
    EXPECT_EQ(Build(fields).Add(Db(), store, container, id), 1) << store << "/" << id;
  }

  std::string Exported(std::uint32_t conceptId) {
    ConceptExporter exporter(Db(), kStore);
    String text("left over");
    EXPECT_EQ(exporter.Write(*ConceptOf(conceptId), text), 1);
    return text.GetAnsi();
  }
};

TEST_F(ConceptExporterTest, ConceptWithoutMembersIsTwoLines) {
  EXPECT_EQ(Exported(kPuppy).rfind("0 @4@ WORD_MEANING\r\n  1 PART_OF_SPEECH \"n\"\r\n", 0), 0u);
  EXPECT_EQ(Exported(kInstance), "0 @22@ WORD_INSTANCE\r\n  1 PART_OF_SPEECH \"p\"\r\n");
  EXPECT_EQ(Exported(kOddConcept), "0 @6@ WORD_INSTANCE\r\n  1 PART_OF_SPEECH \"?\"\r\n");
}

TEST_F(ConceptExporterTest, DogWithVariantsLastToFirstLinksAndEquivalence) {
  const std::string expected =
      "0 @1@ WORD_MEANING\r\n"
      "  1 PART_OF_SPEECH \"n\"\r\n"
      "  1 VARIANTS\r\n"
      "    2 LITERAL \"Canis familiaris\"\r\n"
      "      3 SENSE 0\r\n"
      "    2 LITERAL \"domestic dog\"\r\n"
      "      3 SENSE 0\r\n"
      "      3 USAGE_LABELS\r\n"
      "    2 LITERAL \"dog\"\r\n"
      "      3 SENSE 1\r\n"
      "      3 DEFINITION \"a domesticated canid\"\r\n"
      "      3 STATUS \"checked\"\r\n"
      "      3 EXAMPLES\r\n"
      "        4 EXAMPLE \"the dog barked\"\r\n"
      "        4 EXAMPLE \"the dog ran\"\r\n"
      "        4 EXAMPLE \"walk the dog\"\r\n"
      "      3 USAGE_LABELS\r\n"
      "        4 USAGE_LABEL \"usage\"\r\n"
      "          5 USAGE_LABEL_VALUE \"colloquial\"\r\n"
      "        4 USAGE_LABEL \"usage\"\r\n"
      "          5 USAGE_LABEL_VALUE \"\"\r\n"
      "        4 USAGE_LABEL \"usage\"\r\n"
      "          5 USAGE_LABEL_VALUE \"\"\r\n"
      "        4 USAGE_LABEL \"usage\"\r\n"
      "          5 USAGE_LABEL_VALUE \"\"\r\n"
      "      3 FEATURES\r\n"
      "        4 FEATURE \"verb_frame\"\r\n"
      "          5 FEATURE_VALUE \"Somebody ----s\"\r\n"
      "        4 FEATURE \"verb_frame\"\r\n"
      "        4 FEATURE \"countable\"\r\n"
      "        4 FEATURE \"local_feature\"\r\n"
      "  1 INTERNAL_LINKS\r\n"
      "    2 RELATION \"code\"\r\n"
      "      3 TARGET_CONCEPT\r\n"
      "        4 PART_OF_SPEECH \"?\"\r\n"
      "        4 LITERAL \"canine\"\r\n"
      "          5 SENSE 0\r\n"
      "      3 FEATURES\r\n"
      "        4 CONJUNCTIVE 3\r\n"
      "        4 FACTIVE\r\n"
      "        4 NEGATIVE\r\n"
      "    2 RELATION \"code\"\r\n"
      "      3 TARGET_CONCEPT\r\n"
      "        4 PART_OF_SPEECH \"?\"\r\n"
      "        4 LITERAL \"domestic animal\"\r\n"
      "          5 SENSE 0\r\n"
      "      3 FEATURES\r\n"
      "        4 NON_FACTIVE\r\n"
      "    2 RELATION \"code\"\r\n"
      "      3 TARGET_CONCEPT\r\n"
      "        4 PART_OF_SPEECH \"?\"\r\n"
      "        4 LITERAL \"puppy\"\r\n"
      "          5 SENSE 0\r\n"
      "    2 RELATION \"code\"\r\n"
      "      3 TARGET_CONCEPT\r\n"
      "        4 PART_OF_SPEECH \"?\"\r\n"
      "        4 LITERAL \"canine\"\r\n"
      "          5 SENSE 0\r\n"
      "      3 FEATURES\r\n"
      "        4 DISJUNCTIVE 2\r\n"
      "        4 REVERSED\r\n"
      "        4 VARIANT_TO_VARIANT\r\n"
      "          5 SOURCE_VARIANT \"dog\"\r\n"
      "          5 TARGET_VARIANT \"canine\"\r\n"
      "  1 EQ_LINKS\r\n"
      "    2 EQ_RELATION \"eq_synonym\"\r\n"
      "      3 TARGET_ILI\r\n"
      "        4 PART_OF_SPEECH \"n\"\r\n"
      "        4 WORDNET_OFFSET 2084071\r\n";
  EXPECT_EQ(Exported(kDog), expected);
}

TEST_F(ConceptExporterTest, FallbacksSourcesAndExternalInfo) {
  const std::string expected =
      "0 @5@ WORD_MEANING\r\n"
      "  1 PART_OF_SPEECH \"v\"\r\n"
      "  1 VARIANTS\r\n"
      "    2 LITERAL \"run\"\r\n"
      "      3 SENSE -2\r\n"
      "      3 TRANSLATIONS\r\n"
      "        4 TRANSLATION \"courir\"\r\n"
      "        4 TRANSLATION \"laufen\"\r\n"
      "      3 EXTERNAL_INFO\r\n"
      "        4 SOURCE_ID 1\r\n"
      "          5 TEXT_KEY \"run%2:38:00::\"\r\n"
      "        4 CORPUS_ID 1\r\n"
      "          5 FREQUENCY 7\r\n"
      "        4 PAROLE 9\r\n"
      "  1 INTERNAL_LINKS\r\n"
      "    2 RELATION \"code\"\r\n"
      "      3 TARGET_CONCEPT @6@\r\n"
      "      3 FEATURES\r\n"
      "        4 REVERSED\r\n"
      "      3 SOURCE_ID 5\r\n"
      "        4 NUMBER_KEY 42\r\n"
      "    2 RELATION \"\"\r\n"
      "      3 TARGET_CONCEPT\r\n"
      "        4 PART_OF_SPEECH \"?\"\r\n"
      "        4 LITERAL \"domestic dog\"\r\n"
      "          5 SENSE 0\r\n"
      "  1 EQ_LINKS\r\n"
      "    2 EQ_RELATION \"eq_synonym\"\r\n"
      "      3 TARGET_ILI @2@\r\n"
      "    2 EQ_RELATION \"\"\r\n"
      "      3 TARGET_ILI\r\n"
      "        4 PART_OF_SPEECH \"p\"\r\n"
      "        4 ADD_ON_ID 17\r\n"
      "      3 SOURCE_ID 2\r\n"
      "        4 TEXT_KEY \"k\"\r\n";
  EXPECT_EQ(Exported(kRun), expected);
}

TEST_F(ConceptExporterTest, TargetsInPlaceAndUnreadableLinkVariants) {
  const std::string text = Exported(kPuppy);
  const std::string links =
      "  1 INTERNAL_LINKS\r\n"
      "    2 RELATION \"code\"\r\n"
      "      3 TARGET_CONCEPT\r\n"
      "        4 PART_OF_SPEECH \"n\"\r\n"
      "        4 LITERAL \"young dog\"\r\n"
      "          5 SENSE 0\r\n"
      "    2 RELATION \"code\"\r\n"
      "      3 TARGET_CONCEPT\r\n"
      "        4 PART_OF_SPEECH \"?\"\r\n"
      "        4 LITERAL \"Canis familiaris\"\r\n"
      "          5 SENSE 0\r\n"
      "      3 FEATURES\r\n"
      "        4 VARIANT_TO_VARIANT\r\n"
      "          5 SOURCE_VARIANT \"*@4294967295@*\"\r\n"
      "          5 TARGET_VARIANT \"*@99@*\"\r\n"
      "  1 EQ_LINKS\r\n";
  EXPECT_NE(text.find(links), std::string::npos) << text;
  // A concept whose only link has no target keeps the section header.
  EXPECT_NE(Exported(kDomesticAnimal).find("  1 INTERNAL_LINKS\r\n  1 EQ_LINKS\r\n"),
            std::string::npos);
}

TEST_F(ConceptExporterTest, KeepsAtMostTheLimitOfDefinitions) {
  {
    const ConceptExporter exporter(Db(), kStore);
    EXPECT_EQ(exporter.GetUsageLabelCount(), 2u);
    EXPECT_EQ(exporter.GetFeatureCount(), 3u);
  }
  for (std::int32_t id = 100; id < 260; ++id) {
    Add(kSharedStore, kSharedUsageLabels, static_cast<std::uint32_t>(id),
        {N(0, USAGE_LABEL, id), T(1, NAME, ("label" + std::to_string(id)).c_str())});
  }
  Add(kStore, kDefaultContainer, 32,
      {F(0, VARIANT), P(1, CONCEPT, kInstance), T(1, LITERAL, "x"), F(1, USAGE_LABELS),
       N(2, USAGE_LABEL, 248), N(2, USAGE_LABEL, 249)});
  const ConceptExporter exporter(Db(), kStore);
  EXPECT_EQ(exporter.GetUsageLabelCount(), ConceptExporter::kMaxDefinitions);
  // The shared label 1 and labels 100 to 248 are held; 249 and the local label are dropped.
  const std::string text = Exported(kInstance);
  EXPECT_NE(text.find("        4 USAGE_LABEL \"label248\"\r\n"), std::string::npos) << text;
  EXPECT_EQ(text.find("label249"), std::string::npos);
}

}  // namespace
