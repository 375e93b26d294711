// Concept::Export: the table-driven text in a caller's buffer, its markers and its size checks.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "Concept.h"
#include "LexicalSchema.h"
#include "LexiconFixture.h"

using namespace fixture;

namespace {

constexpr std::uint32_t kBrokenConcept = 20, kNoPartOfSpeechConcept = 21;

class ConceptExportTest : public LexiconFixture {
 protected:
  void SetUp() override {
    LexiconFixture::SetUp();
    using namespace schema;
    EXPECT_EQ(Build({N(0, PART_OF_SPEECH, 1), T(1, NAME, "noun")})
                  .Add(Db(), kSharedStore, kPartsOfSpeech, 1),
              1);
    EXPECT_EQ(Build({N(0, EQ_RELATION, 1), T(1, CODE, "eq_synonym"), T(1, NAME, "synonym")})
                  .Add(Db(), kSharedStore, kEqRelations, 1),
              1);
    EXPECT_EQ(Build({F(0, CONCEPT), N(1, CONCEPT_TYPE, 1), N(1, PART_OF_SPEECH, 3)})
                  .Add(Db(), kStore, kConcepts, kBrokenConcept),
              1);
    EXPECT_EQ(Build({F(0, CONCEPT), N(1, CONCEPT_TYPE, 2)})
                  .Add(Db(), kStore, kConcepts, kNoPartOfSpeechConcept),
              1);
    // A negative sense cannot be read as unsigned; the multi-word token names a part of speech.
    EXPECT_EQ(Build({F(0, VARIANT), P(1, CONCEPT, kBrokenConcept), T(1, LITERAL, "odd"),
                     N(2, SENSE, -1), F(1, MULTI_WORD_INFO), N(2, MULTI_WORD_TOKEN, 2),
                     N(3, PART_OF_SPEECH, 1), F(1, FEATURES)})
                  .Add(Db(), kStore, kDefaultContainer, 30),
              1);
  }

  // The text of a successful export into a buffer of `size` bytes.
  std::string Exported(std::uint32_t conceptId, int size = 8192) {
    std::vector<char> buffer(static_cast<std::size_t>(size), 'x');
    ConceptOf(conceptId)->Export(buffer.data(), size, 0);
    return buffer.data();
  }
};

TEST_F(ConceptExportTest, ConceptWithoutMembersIsTwoLines) {
  EXPECT_EQ(Exported(kRun), "0 @5@ WORD_MEANING\n  1 PART_OF_SPEECH \"v\"\n");
  // Part of speech 7 has no short name: the letter of unknown codes stands in.
  EXPECT_EQ(Exported(kOddConcept), "0 @6@ WORD_INSTANCE\n  1 PART_OF_SPEECH \"?\"\n");
}

TEST_F(ConceptExportTest, SizeChecksAndLayoutError) {
  char buffer[64];
  std::memset(buffer, 'x', sizeof buffer);
  const auto run = ConceptOf(kRun);
  EXPECT_EQ(
      ThrownText([&] { run->Export(buffer, 19, 0); }).rfind("PLX API: Buffer is too small", 0), 0u);
  EXPECT_EQ(buffer[0], 'x');  // nothing written
  EXPECT_THROW(run->Export(nullptr, 100, 0), PLXException);

  try {
    ConceptOf(kNoPartOfSpeechConcept)->Export(buffer, sizeof buffer, 0);
    ADD_FAILURE() << "no exception";
  } catch (const PLXException& e) {
    EXPECT_EQ(e.GetError(), ePLXLayoutError);
  }
  EXPECT_STREQ(buffer, "0 @21@ WORD_INSTANCE\n");
}

TEST_F(ConceptExportTest, VariantsLinksAndEquivalenceLinksInIndexOrder) {
  const std::string text = Exported(kDog);
  const std::string dogVariant =
      "  1 VARIANTS\n"
      "    2 LITERAL \"dog\"\n"
      "      3 SENSE 1\n"
      "      3 DEFINITION \"a domesticated canid\"\n"
      "      3 EXAMPLES\n"
      "        4 EXAMPLE \"the dog barked\"\n"
      "        4 EXAMPLE \"the dog ran\"\n"
      "        4 EXAMPLE \"walk the dog\"\n"
      "      3 USAGE_LABELS\n"
      "{Cannot convert tag 42, level 2}{Cannot convert tag 20, level 3}";
  EXPECT_EQ(text.rfind("0 @1@ WORD_MEANING\n  1 PART_OF_SPEECH \"n\"\n" + dogVariant, 0), 0u)
      << text;
  // Stored order, not reversed.
  const auto dog = text.find("2 LITERAL \"dog\"");
  const auto domestic = text.find("2 LITERAL \"domestic dog\"");
  const auto canis = text.find("2 LITERAL \"Canis familiaris\"");
  EXPECT_LT(dog, domestic);
  EXPECT_LT(domestic, canis);
  EXPECT_NE(canis, std::string::npos);
  EXPECT_NE(text.find("{Cannot convert tag 128, level 1}"), std::string::npos);
  EXPECT_NE(text.find("      3 STATUS \"checked\"\n"), std::string::npos);

  const std::string firstLink =
      "  1 INTERNAL_LINKS\n"
      "    2 RELATION \"has_hyperonym\"\n"
      "      3 TARGET_CONCEPT @2@\n"
      "        4 CONJUNCTIVE 3\n"
      "        4 FACTIVE\n"
      "        4 NON_FACTIVE\n"
      "        4 NEGATIVE\n";
  EXPECT_NE(text.find(firstLink), std::string::npos) << text;
  // The pointer to the source variant has no row at depth 2.
  EXPECT_NE(text.find("    2 RELATION \"xpos_near_synonym\"\n{Cannot convert tag 60, level 2}"),
            std::string::npos);
  const std::string eqLinks =
      "  1 EQ_LINKS\n"
      "    2 EQ_RELATION \"synonym\"\n"
      "      3 TARGET_ILI @1@\n";
  EXPECT_EQ(text.substr(text.size() - eqLinks.size()), eqLinks);
}

TEST_F(ConceptExportTest, UnreadableValuesAndDefinitionNames) {
  const std::string text = Exported(kBrokenConcept);
  EXPECT_NE(text.find("    2 LITERAL \"odd\"\n      3 SENSE{Error: "), std::string::npos) << text;
  EXPECT_NE(text.find("      3 MULTI_WORD_INFO\n"
                      "        4 MULTI_WORD_TOKEN 2\n"
                      "          5 PART_OF_SPEECH \"noun\"\n"),
            std::string::npos)
      << text;
}

TEST_F(ConceptExportTest, FullBufferKeepsTheCompleteSteps) {
  const std::string full = Exported(kDog);
  const auto dog = ConceptOf(kDog);
  // Some steps claim more room than their text takes, so a few sizes past the text's own length
  // may still fail; every failure must leave a prefix of the full text.
  std::vector<char> buffer(full.size() + 64);
  bool completed = false;
  for (std::size_t size = 20; size < buffer.size(); ++size) {
    std::fill(buffer.begin(), buffer.end(), 'x');
    try {
      dog->Export(buffer.data(), static_cast<int>(size), 0);
      ASSERT_GT(size, full.size());
      ASSERT_EQ(std::string(buffer.data()), full);
      completed = true;
    } catch (const PLXException& e) {
      ASSERT_EQ(e.GetError(), ePLXBufferTooSmall) << size;
      const std::string kept(buffer.data());
      ASSERT_LT(kept.size(), size);
      ASSERT_EQ(full.rfind(kept, 0), 0u) << "size " << size << ": " << kept;
      ASSERT_FALSE(completed) << "a larger buffer failed after a smaller one held the text";
    }
  }
  EXPECT_TRUE(completed);
}

}  // namespace
