// The lexical classes on the whole of WordNet 3.0: what a reader of WordNet knows about "dog",
// reached the way the viewer reaches it.
#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "Concept.h"
#include "ConceptLinks.h"
#include "ConceptVariant.h"
#include "ConceptVariants.h"
#include "Concepts.h"
#include "ILIRecord.h"
#include "ILIRecords.h"
#include "LanguageWordNet.h"
#include "LanguageWordNets.h"
#include "LexicalSchema.h"
#include "PLXException.h"
#include "Polylex.h"
#include "importers/SharedWordNet.h"
#include "lexicon/Factory.h"
#include "platform/TextConvert.h"

using lexicon::Owned;

namespace {

std::string Take(BSTR text) {
  if (text == nullptr) return "<null>";
  std::string narrow = platform::Utf16ToUtf8(std::u16string_view(text, SysStringLen(text)));
  SysFreeString(text);
  return narrow;
}

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

class WordNetLexiconTest : public testing::Test {
 protected:
  void SetUp() override {
    const std::string path = SharedWordNetDatabase();
    if (path.empty()) GTEST_SKIP() << WORDNET_DIR << " holds no WordNet";
    polylex_.Open(path.c_str(), nullptr, 1, 0);
    Owned<LanguageWordNets> all(polylex_.GetLanguageWordNets());
    english_.reset(all->GetItem("EN"));
  }

  // The concept of the word's variant with this part of speech and sense number.
  Owned<Concept> Meaning(LanguageWordNet& wordNet, const char* word, std::uint16_t partOfSpeech,
                         std::int16_t sense) {
    Owned<ConceptVariants> variants(wordNet.GetConceptVariants(word));
    ConceptVariant* item = nullptr;
    while (variants->GetNext(&item) != 0) {
      const Owned<ConceptVariant> variant(item);
      if (variant->GetSense() != sense) continue;
      Owned<Concept> meaning(variant->GetBaseConcept());
      if (meaning && meaning->GetPartOfSpeechCode() == partOfSpeech) return meaning;
    }
    ADD_FAILURE() << word << " has no sense " << sense;
    return nullptr;
  }

  // "literal sense" of each variant, in member order.
  static std::vector<std::string> WordsOf(Concept& meaning) {
    std::vector<std::string> words;
    Owned<ConceptVariants> variants(meaning.GetConceptVariants());
    ConceptVariant* item = nullptr;
    while (variants->GetNext(&item) != 0) {
      const Owned<ConceptVariant> variant(item);
      words.push_back(Take(variant->GetLiteral()) + " " + std::to_string(variant->GetSense()));
    }
    return words;
  }

  Polylex polylex_;
  Owned<LanguageWordNet> english_;
};

TEST_F(WordNetLexiconTest, DogsVariantsLinksAndIli) {
  Owned<Concept> dog = Meaning(*english_, "dog", schema::kNoun, 1);
  ASSERT_TRUE(dog);
  EXPECT_EQ(WordsOf(*dog),
            (std::vector<std::string>{"dog 1", "domestic dog 1", "Canis familiaris 1"}));

  Owned<ConceptLinks> links(dog->GetConceptLinks(schema::kHyperonymRelation));
  EXPECT_EQ(links->GetCount(), 2);
  std::vector<std::vector<std::string>> hyperonyms;
  Owned<Concepts> targets(dog->GetHyperonyms());
  Concept* item = nullptr;
  while (targets->GetNext(&item) != 0) hyperonyms.push_back(WordsOf(*Owned<Concept>(item)));
  EXPECT_EQ(hyperonyms,
            (std::vector<std::vector<std::string>>{
                {"canine 2", "canid 1"}, {"domestic animal 1", "domesticated animal 1"}}));

  ILIRecord* synonym = nullptr;
  ASSERT_EQ(dog->GetEqSynonym(&synonym), 1);
  const Owned<ILIRecord> ili(synonym);
  EXPECT_EQ(ili->GetWordNetOffset(), 2084071);
  EXPECT_EQ(Take(ili->GetGloss()),
            "a member of the genus Canis (probably descended from the common wolf) that has been "
            "domesticated by man since prehistoric times; occurs in many breeds; \"the dog barked all "
            "night\"");
  ILIRecords* records = nullptr;
  ASSERT_EQ(dog->GetILIRecords(0, &records), 1);
  EXPECT_EQ(Owned<ILIRecords>(records)->GetCount(), 1);
}

TEST_F(WordNetLexiconTest, DogsExportText) {
  Owned<Concept> dog = Meaning(*english_, "dog", schema::kNoun, 1);
  ASSERT_TRUE(dog);
  BSTR text = nullptr;
  ASSERT_EQ(english_->ExportConcept(dog.get(), &text), 1);
  EXPECT_EQ(Take(text), ReadFile(std::string(TEST_SOURCE_DIR) + "/lexicon/expected/dog-1.export"));
}

}  // namespace
