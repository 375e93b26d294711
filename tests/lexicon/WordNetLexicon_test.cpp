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
#include "Dictionary.h"
#include "DictionaryEntry.h"
#include "ILIRecord.h"
#include "ILIRecords.h"
#include "Language.h"
#include "LanguageWordNet.h"
#include "LanguageWordNets.h"
#include "LexicalSchema.h"
#include "PLXException.h"
#include "Polylex.h"
#include "TopConcept.h"
#include "TopConceptVariant.h"
#include "TopConceptVariants.h"
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
  EXPECT_EQ(
      Take(ili->GetGloss()),
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

// The first `count` word forms of the dictionary's listing.
std::vector<std::string> Listing(Dictionary& dictionary, std::size_t count) {
  std::vector<std::string> forms;
  DictionaryEntry* item = nullptr;
  while (forms.size() < count && dictionary.GetNext(&item) != 0) {
    forms.push_back(Take(Owned<DictionaryEntry>(item)->GetLiteral()));
  }
  return forms;
}

TEST_F(WordNetLexiconTest, LanguagesWithTheirNames) {
  if (!SharedWordNetHasTabs()) GTEST_SKIP() << "no Open Multilingual Wordnet files";
  std::vector<std::string> seen;
  Owned<LanguageWordNets> all(polylex_.GetLanguageWordNets());
  LanguageWordNet* item = nullptr;
  while (all->GetNext(&item) != 0) {
    const Owned<Language> language(Owned<LanguageWordNet>(item)->GetLanguage());
    seen.push_back(Take(language->GetCode()) + " " + Take(language->GetName(nullptr)) + " " +
                   Take(language->GetName("nl")));
  }
  EXPECT_EQ(seen, (std::vector<std::string>{"EN English Engels", "NL Dutch Nederlands",
                                            "FR French Frans"}));
}

TEST_F(WordNetLexiconTest, HondIsDogThroughTheIliBothWays) {
  if (!SharedWordNetHasTabs()) GTEST_SKIP() << "no Open Multilingual Wordnet files";
  Owned<LanguageWordNets> all(polylex_.GetLanguageWordNets());
  const Owned<LanguageWordNet> dutch(all->GetItem("NL"));
  Owned<Concept> dog = Meaning(*english_, "dog", schema::kNoun, 1);
  ILIRecord* synonym = nullptr;
  ASSERT_EQ(dog->GetEqSynonym(&synonym), 1);
  const std::uint32_t ili = static_cast<std::uint32_t>(Owned<ILIRecord>(synonym)->GetRecordID());

  std::vector<std::vector<std::string>> dutchWords;
  Owned<Concepts> equivalents(dutch->GetConcepts(ili, 0));
  ASSERT_TRUE(equivalents);
  Concept* item = nullptr;
  while (equivalents->GetNext(&item) != 0) dutchWords.push_back(WordsOf(*Owned<Concept>(item)));
  EXPECT_EQ(dutchWords, (std::vector<std::vector<std::string>>{{"hond 1", "joekel 1"}}));

  Owned<Concept> hond = Meaning(*dutch, "hond", schema::kNoun, 1);
  ASSERT_EQ(hond->GetEqSynonym(&synonym), 1);
  Owned<Concepts> back(english_->GetConcepts(
      static_cast<std::uint32_t>(Owned<ILIRecord>(synonym)->GetRecordID()), 0));
  ASSERT_TRUE(back);
  ASSERT_EQ(back->GetFirst(&item), 1);
  EXPECT_EQ(Owned<Concept>(item)->GetRecordID(), dog->GetRecordID());
}

TEST_F(WordNetLexiconTest, DictionaryListings) {
  Owned<Dictionary> dictionary(english_->GetDictionary());
  dictionary->SetFilter("do", nullptr, 0);
  EXPECT_EQ(
      Listing(*dictionary, 6),
      (std::vector<std::string>{"do", "DO", "do a job on", "do away with", "do by", "do drugs"}));
  dictionary->SetFilter("*ism", 0);
  EXPECT_EQ(Listing(*dictionary, 3),
            (std::vector<std::string>{"able-bodiedism", "able-bodism", "ableism"}));
  const Owned<DictionaryEntry> exact(dictionary->GetEntry("CANIS FAMILIARIS"));
  EXPECT_EQ(Take(exact->GetLiteral()), "Canis familiaris");
}

TEST_F(WordNetLexiconTest, DogsIliRecordIsAnAnimalOfTheOntology) {
  Owned<Concept> dog = Meaning(*english_, "dog", schema::kNoun, 1);
  ILIRecord* synonym = nullptr;
  ASSERT_EQ(dog->GetEqSynonym(&synonym), 1);
  TopConcept* found = nullptr;
  ASSERT_EQ(Owned<ILIRecord>(synonym)->GetTopConcept(&found), 1);
  std::vector<std::string> chain;
  for (Owned<TopConcept> top(found); top;) {
    Owned<TopConceptVariants> names(top->GetTopConceptVariants(english_->GetStoreID()));
    TopConceptVariant* name = nullptr;
    ASSERT_EQ(names->GetFirst(&name), 1);
    chain.push_back(Take(Owned<TopConceptVariant>(name)->GetLiteral()));
    TopConcept* super = nullptr;
    top.reset(top->GetSuper(&super) != 0 ? super : nullptr);
  }
  EXPECT_EQ(chain, (std::vector<std::string>{"animal", "noun", "Top"}));
}

}  // namespace
