// Concepts: direct access by record ID and literal, and the operations that store new concepts.
#include "Concepts.h"

#include <gtest/gtest.h>

#include "LexicalSchema.h"
#include "LexiconFixture.h"

using namespace fixture;
using lexicon::Owned;

namespace {

class ConceptsTest : public LexiconFixture {
 protected:
  Owned<Concepts> AllConcepts() {
    return Owned<Concepts>(lexicon::Factory::New<Concepts>(Db(), schema::kConcepts, kStore));
  }
};

TEST_F(ConceptsTest, Items) {
  const auto concepts = AllConcepts();
  Concept* item = nullptr;
  ASSERT_EQ(concepts->GetItem(kPuppy, &item), 1);
  EXPECT_EQ(Owned<Concept>(item)->GetID(), kPuppy);
  item = nullptr;
  EXPECT_EQ(concepts->GetItem(99u, &item), 0);
  EXPECT_EQ(concepts->GetItem("dog", &item), 0);  // concept records carry no literal
  EXPECT_EQ(item, nullptr);
  const std::string text = ThrownText([&] { concepts->GetItem("\xff", &item); });
  EXPECT_EQ(text.rfind("ARBOR: CONV_ILLEGAL [0xC01D] -- Concept (", 0), 0u) << text;
}

TEST_F(ConceptsTest, AddedConceptsAreStoredUnderNewIds) {
  const auto concepts = AllConcepts();
  // A cursor's result set is made once; fresh collections count what was added since.
  const std::int32_t before = AllConcepts()->GetCount();
  EXPECT_EQ(concepts->AddMeaning("x"), nullptr);
  EXPECT_EQ(concepts->AddMeaning(nullptr), nullptr);
  const Owned<Concept> noun(concepts->AddMeaning("N"));
  const Owned<Concept> adverb(concepts->AddMeaning("r"));
  const Owned<Concept> instance(concepts->AddInstance());
  const Owned<Concept> coordinate(concepts->AddCoordinate(*ConceptOf(kRun)));
  EXPECT_EQ(AllConcepts()->GetCount(), before + 4);
  const std::pair<const Concept*, std::pair<int, int>> expected[] = {{noun.get(), {1, 1}},
                                                                     {adverb.get(), {1, 4}},
                                                                     {instance.get(), {2, 5}},
                                                                     {coordinate.get(), {1, 2}}};
  for (const auto& [added, typeAndPartOfSpeech] : expected) {
    ASSERT_NE(added, nullptr);
    const auto stored = ConceptOf(added->GetID());
    EXPECT_EQ(std::pair(int{stored->GetType()}, int{stored->GetPartOfSpeechCode()}),
              typeAndPartOfSpeech);
  }
  char buffer[3];
  EXPECT_EQ(instance->GetPartOfSpeech(buffer, 2), 0);
  EXPECT_EQ(instance->GetPartOfSpeech(buffer, 3), 2);
  EXPECT_STREQ(buffer, "pn");
}

}  // namespace
