// Dictionary: each word form once in the literal index's order, range and pattern filters, the
// exact look-up, copies, entry comparison, and the collation of the language's locale.
#include "Dictionary.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "FxDatabase.h"
#include "FxSession.h"
#include "LexicalDatabase.h"
#include "LexicalSchema.h"
#include "LexiconFixture.h"
#include "platform/TextConvert.h"

using namespace fixture;
using lexicon::Owned;
using Forms = std::vector<std::string>;
using Step = int (Dictionary::*)(DictionaryEntry**);

namespace {

// As LanguageWordNet::GetDictionary makes it.
Owned<Dictionary> DictionaryOf(void* db, std::uint32_t store) {
  Owned<Dictionary> dictionary(
      lexicon::Factory::New<Dictionary>(db, schema::kDefaultContainer, store));
  dictionary->SetMasterIndex(schema::kLiteralIndex, 2);
  return dictionary;
}

// The entry's form; the entry is destroyed.
std::string FormOf(DictionaryEntry* entry) {
  const Owned<DictionaryEntry> held(entry);
  const BSTR literal = held->GetLiteral();
  if (literal == nullptr) return "<null>";
  std::string form = platform::Utf16ToUtf8({literal, SysStringLen(literal)});
  SysFreeString(literal);
  return form;
}

// The forms that `start` and then `step` hand out until one hands out nothing.
Forms Walk(Dictionary& dictionary, Step start, Step step = &Dictionary::GetNext) {
  Forms forms;
  DictionaryEntry* entry = nullptr;
  for (int found = (dictionary.*start)(&entry); found != 0; found = (dictionary.*step)(&entry)) {
    forms.push_back(FormOf(entry));
  }
  return forms;
}

// "dog" gets two more variants (three senses), and a capitalised "Dog" sorts right after it.
constexpr std::uint32_t kSecondDog = 21, kThirdDog = 22, kCapitalDog = 23;
const Forms kAll = {"canine",          "Canis familiaris", "dog",   "Dog",
                    "domestic animal", "domestic dog",     "puppy", "stray"};
constexpr std::int32_t kVariantsInIndex = 10;

class DictionaryTest : public LexiconFixture {
 protected:
  void SetUp() override {
    LexiconFixture::SetUp();
    for (const auto& [id, conceptId, literal] :
         {std::tuple{kSecondDog, kPuppy, "dog"}, std::tuple{kThirdDog, kRun, "dog"},
          std::tuple{kCapitalDog, kOddConcept, "Dog"}}) {
      ASSERT_EQ(Build({F(0, schema::VARIANT), P(1, schema::CONCEPT, conceptId),
                       T(1, schema::LITERAL, literal)})
                    .Add(Db(), kStore, schema::kDefaultContainer, id),
                1);
    }
  }
};

TEST_F(DictionaryTest, EachFormOnceWhileCountingEveryVariant) {
  const auto dictionary = DictionaryOf(Db(), kStore);
  EXPECT_EQ(Walk(*dictionary, &Dictionary::GetNext), kAll);
  EXPECT_EQ(dictionary->GetCount(), kVariantsInIndex);
  Forms backward = kAll;
  std::reverse(backward.begin(), backward.end());
  // The forward walk ended on the last form, so GetLast has nothing new until a filter is set.
  EXPECT_EQ(Walk(*dictionary, &Dictionary::GetLast, &Dictionary::GetPrevious), Forms{});
  dictionary->SetFilter(nullptr, nullptr, 0);
  EXPECT_EQ(Walk(*dictionary, &Dictionary::GetLast, &Dictionary::GetPrevious), backward);

  // GetFirst right after itself sees the form it handed out last; a filter starts afresh.
  DictionaryEntry* entry = nullptr;
  dictionary->SetFilter(nullptr, nullptr, 0);
  ASSERT_EQ(dictionary->GetFirst(&entry), 1);
  EXPECT_EQ(FormOf(entry), "canine");
  EXPECT_EQ(dictionary->GetFirst(&entry), 0);
  dictionary->SetFilter(nullptr, nullptr, 0);
  ASSERT_EQ(dictionary->GetFirst(&entry), 1);
  EXPECT_EQ(FormOf(entry), "canine");
  // GetCurrent neither repeats nor forgets the walk: after "dog" comes "Dog".
  dictionary->SetFilter("dog", nullptr, 1);
  ASSERT_EQ(dictionary->GetFirst(&entry), 1);
  EXPECT_EQ(FormOf(entry), "dog");
  ASSERT_EQ(dictionary->GetCurrent(&entry), 1);
  EXPECT_EQ(FormOf(entry), "dog");
  ASSERT_EQ(dictionary->GetNext(&entry), 1);
  EXPECT_EQ(FormOf(entry), "Dog");
}

TEST_F(DictionaryTest, RangeFilters) {
  const auto dictionary = DictionaryOf(Db(), kStore);
  struct Range {
    const char* lower;
    const char* upper;
    int caseSensitive;
    Forms forms;
  };
  const Forms fromDog(kAll.begin() + 2, kAll.end());
  const Range ranges[] = {
      {nullptr, nullptr, 0, kAll},
      {"", nullptr, 1, kAll},
      {"dog", nullptr, 0, fromDog},
      // Case-sensitive, "dog" sorts before "Dog".
      {"Dog", nullptr, 1, Forms(fromDog.begin() + 1, fromDog.end())},
      {"canine", "dog", 0, {"canine", "Canis familiaris"}},
      {nullptr, "D", 0, {"canine", "Canis familiaris"}},
      {"dog", "", 0, {}},
      {nullptr, "", 0, {}},
  };
  for (const Range& range : ranges) {
    dictionary->SetFilter(range.lower, range.upper, range.caseSensitive);
    EXPECT_EQ(Walk(*dictionary, &Dictionary::GetFirst), range.forms)
        << (range.lower ? range.lower : "<null>") << " .. "
        << (range.upper ? range.upper : "<null>");
  }
  EXPECT_EQ(dictionary->GetCount(), 0);
}

TEST_F(DictionaryTest, PatternFiltersStartAfresh) {
  const auto dictionary = DictionaryOf(Db(), kStore);
  const std::pair<const char*, Forms> patterns[] = {
      {"DOG*", {"dog", "Dog"}}, {"d?g", {"dog", "Dog"}}, {"*dog", {"dog", "Dog", "domestic dog"}}};
  for (const auto& [pattern, forms] : patterns) {
    dictionary->SetFilter(pattern, 0);
    EXPECT_EQ(Walk(*dictionary, &Dictionary::GetFirst), forms) << pattern;
  }
  dictionary->SetFilter("dog*", 1);
  EXPECT_EQ(Walk(*dictionary, &Dictionary::GetFirst), Forms{"dog"});
  EXPECT_EQ(dictionary->GetCount(), 3);

  // The range walk ends on "Canis familiaris"; the pattern walk hands it out again.
  dictionary->SetFilter("canine", "dog", 0);
  EXPECT_EQ(Walk(*dictionary, &Dictionary::GetNext).back(), "Canis familiaris");
  dictionary->SetFilter("Canis*", 1);
  EXPECT_EQ(Walk(*dictionary, &Dictionary::GetNext), Forms{"Canis familiaris"});
}

TEST_F(DictionaryTest, ExactLookUp) {
  const auto dictionary = DictionaryOf(Db(), kStore);
  dictionary->SetFilter(nullptr, nullptr, 0);
  EXPECT_EQ(Walk(*dictionary, &Dictionary::GetNext).size(), kAll.size());
  EXPECT_EQ(FormOf(dictionary->GetEntry("DOG")), "dog");
  // The exact listing, walked against the form the full walk ended on.
  EXPECT_EQ(Walk(*dictionary, &Dictionary::GetFirst), (Forms{"dog", "Dog"}));
  EXPECT_EQ(dictionary->GetCount(), 4);

  EXPECT_EQ(ThrownText([&] { FormOf(dictionary->GetEntry("cat")); }), "ARBOR: NOT_FOUND [0xC006]");
  EXPECT_EQ(Walk(*dictionary, &Dictionary::GetFirst), Forms{});
}

TEST_F(DictionaryTest, RefusedCriteriaListNothing) {
  const auto dictionary = DictionaryOf(Db(), kStore);
  const std::function<void()> refused[] = {
      [&] { dictionary->SetFilter("\xff", 0); },
      [&] { dictionary->SetFilter("a", "\xff", 0); },
      [&] { FormOf(dictionary->GetEntry("\xff")); },
  };
  for (const auto& action : refused) {
    EXPECT_EQ(ThrownText(action), "ARBOR: CONV_ILLEGAL [0xC01D]");
    EXPECT_EQ(Walk(*dictionary, &Dictionary::GetFirst), Forms{});
  }
}

TEST_F(DictionaryTest, CopiesListTheLanguageAfresh) {
  const auto dictionary = DictionaryOf(Db(), kStore);
  DictionaryEntry* entry = nullptr;
  ASSERT_EQ(dictionary->GetFirst(&entry), 1);
  EXPECT_EQ(FormOf(entry), "canine");
  const Owned<Dictionary> copy(lexicon::Factory::New<Dictionary>(*dictionary));
  EXPECT_EQ(Walk(*copy, &Dictionary::GetNext), kAll);
  EXPECT_EQ(copy->GetCount(), kVariantsInIndex);

  dictionary->SetFilter("s*", 0);
  ASSERT_EQ(dictionary->GetFirst(&entry), 1);
  EXPECT_EQ(FormOf(entry), "stray");
  *copy = *dictionary;
  EXPECT_EQ(Walk(*copy, &Dictionary::GetNext), kAll);
}

TEST_F(DictionaryTest, EntriesCompareFormsExactly) {
  const auto dog = Read<DictionaryEntry>(kStore, schema::kDefaultContainer, kDogVariant);
  const auto secondDog = Read<DictionaryEntry>(kStore, schema::kDefaultContainer, kSecondDog);
  const auto capitalDog = Read<DictionaryEntry>(kStore, schema::kDefaultContainer, kCapitalDog);
  EXPECT_EQ(*dog == *secondDog, 1);
  EXPECT_EQ(*dog != *capitalDog, 1);
  EXPECT_EQ(*dog == *capitalDog, 0);

  Owned<DictionaryEntry> cleared(lexicon::Factory::New<DictionaryEntry>(*dog));
  cleared->Clear();
  EXPECT_EQ(cleared->GetLiteral(), nullptr);
  EXPECT_EQ(*cleared == *dog, 0);
  EXPECT_EQ(*dog == *cleared, 0);
  dog->Clear();
  EXPECT_EQ(*cleared == *dog, 1);
  EXPECT_EQ(*cleared != *dog, 0);

  // Every entry leads to concepts only.
  EXPECT_EQ(std::vector({dog->HasConcepts(), dog->HasDomains(), dog->HasILIRecords(),
                         dog->HasTopConcepts()}),
            std::vector({1, 0, 0, 0}));
}

// A Polish language store: its forms sort, and its filters compare, in Polish collation, where
// "ł" is a letter after "l" and "ź", "ż" follow "z" (byte order would put them after "z").
class DictionaryCollationTest : public StoreTest {
 protected:
  static constexpr std::uint32_t kLanguageStore = 101;

  void SetUp() override {
    const std::string path = PathOf("polish.fdb");
    ASSERT_EQ(CreateLexicalDatabase(path.c_str()), 0u);
    ASSERT_EQ(database_.Open(path.c_str(), 0, 0), 1);
    ASSERT_EQ(PrepareLanguageStore(database_, kLanguageStore, "pl"), 0u);
    for (const char* word : {"żaba", "zero", "źle", "mały", "łąka", "luty", "lato"}) {
      ASSERT_EQ(Build({F(0, schema::VARIANT), T(1, schema::LITERAL, word)})
                    .Add(database_, kLanguageStore, schema::kDefaultContainer, 0),
                1);
    }
  }

  FxSession fxSession_;
  FxDatabase database_{fxSession_};
};

TEST_F(DictionaryCollationTest, PolishOrder) {
  const auto dictionary = DictionaryOf(database_, kLanguageStore);
  EXPECT_EQ(Walk(*dictionary, &Dictionary::GetNext),
            (Forms{"lato", "luty", "łąka", "mały", "zero", "źle", "żaba"}));
  dictionary->SetFilter("l", "m", 1);
  EXPECT_EQ(Walk(*dictionary, &Dictionary::GetFirst), (Forms{"lato", "luty", "łąka"}));
  dictionary->SetFilter("Ł*", 0);
  EXPECT_EQ(Walk(*dictionary, &Dictionary::GetFirst), Forms{"łąka"});
  dictionary->SetFilter("Ł*", 1);
  EXPECT_EQ(Walk(*dictionary, &Dictionary::GetFirst), Forms{});
  EXPECT_EQ(FormOf(dictionary->GetEntry("ŁĄKA")), "łąka");
}

}  // namespace
