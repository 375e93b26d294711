// Language wordnets, languages and the site record: the entry points of every look-up.
#include "LanguageWordNet.h"

#include <gtest/gtest.h>

#include "ArbCodes.h"
#include "Concept.h"
#include "ConceptExporter.h"
#include "ConceptVariants.h"
#include "Concepts.h"
#include "ILIVariants.h"
#include "Language.h"
#include "LanguageWordNets.h"
#include "LexicalSchema.h"
#include "LexiconFixture.h"
#include "Site.h"
#include "String.h"

using lexicon::Owned;
using namespace fixture;
using namespace schema;

namespace {

// The code of a PLXException of kind ARBOR that `call` throws, or 0.
template <typename Call>
std::uint32_t ArborCodeOf(Call call) {
  try {
    call();
  } catch (const PLXException& error) {
    EXPECT_EQ(error.GetError(), ePLXArborError);
    return error.GetARBORError();
  }
  return 0;
}

class LanguageWordNetTest : public LexiconFixture {
 protected:
  // English (store 100) with its names in three languages, Dutch (store 101), and a record that
  // names no store.
  void AddLanguages() {
    Put(1, {F(0, LANGUAGE), T(1, LANGUAGE_CODE, "EN"), N(1, STORE_ID, 100), T(1, NAME, "English"),
            T(2, NAME, "nlEngels"), T(2, NAME, "en"), T(2, NAME, "frAnglais (langue germanique)")});
    Put(2, {F(0, LANGUAGE), T(1, LANGUAGE_CODE, "NL"), N(1, STORE_ID, 101), T(1, NAME, "Dutch")});
    Put(3, {F(0, LANGUAGE), T(1, LANGUAGE_CODE, "QQ"), T(1, NAME, "Nowhere")});
  }
  void Put(std::uint32_t id, std::initializer_list<Field> fields) {
    ASSERT_EQ(Build(fields).Add(Db(), kSharedStore, kLanguages, id), 1);
  }
  Owned<LanguageWordNet> English() {
    AddLanguages();
    Owned<LanguageWordNets> all(polylex_.GetLanguageWordNets());
    return Owned<LanguageWordNet>(all->GetItem("en"));
  }
  static std::vector<std::string> CodesOf(LanguageWordNets& wordNets) {
    std::vector<std::string> codes;
    LanguageWordNet* item = nullptr;
    for (int more = wordNets.GetFirst(&item); more != 0; more = wordNets.GetNext(&item)) {
      const Owned<LanguageWordNet> wordNet(item);
      codes.push_back(Take(Owned<Language>(wordNet->GetLanguage())->GetCode()));
    }
    return codes;
  }
};

TEST_F(LanguageWordNetTest, ListWithoutLanguages) {
  Owned<LanguageWordNets> all(polylex_.GetLanguageWordNets());
  EXPECT_EQ(all->GetCount(), 0);
  LanguageWordNet* item = reinterpret_cast<LanguageWordNet*>(this);
  EXPECT_EQ(all->GetFirst(&item), 0);
  EXPECT_EQ(item, nullptr);
}

TEST_F(LanguageWordNetTest, ListAndItems) {
  AddLanguages();
  Owned<LanguageWordNets> all(polylex_.GetLanguageWordNets());
  EXPECT_EQ(all->GetCount(), 3);
  EXPECT_EQ(CodesOf(*all), (std::vector<std::string>{"EN", "NL", "QQ"}));

  const Owned<LanguageWordNet> dutch(all->GetItem(2u));
  EXPECT_EQ(dutch->GetStoreID(), 101u);
  EXPECT_EQ(dutch->GetContainer(), kConcepts);
  EXPECT_EQ(dutch->GetStore(), 101u);
  EXPECT_NE(ArborCodeOf([&] { all->GetItem(9u); }), 0u);

  // The code stays the criterion: the walk then lists that language only.
  const Owned<LanguageWordNet> english(all->GetItem("en"));
  EXPECT_EQ(english->GetStoreID(), 100u);
  EXPECT_EQ(CodesOf(*all), (std::vector<std::string>{"EN"}));
  EXPECT_NE(ArborCodeOf([&] { all->GetItem("zz"); }), 0u);
  EXPECT_EQ(ArborCodeOf([&] { all->GetItem("QQ"); }), 0xC083u);
}

TEST_F(LanguageWordNetTest, LanguageNames) {
  const Owned<LanguageWordNet> english = English();
  const Owned<Language> language(english->GetLanguage());
  EXPECT_EQ(Take(language->GetName(nullptr)), "English");
  EXPECT_EQ(Take(language->GetName("NL")), "Engels");
  EXPECT_EQ(Take(language->GetName("fr")), "Anglais (langue germanique)");
  EXPECT_EQ(Take(language->GetName("EN")), "");  // a child that holds the code only
  EXPECT_EQ(Take(language->GetName("nld")), "<null>");
  EXPECT_EQ(Take(language->GetName("de")), "<null>");
  EXPECT_EQ(Take(language->GetName("")), "<null>");
}

TEST_F(LanguageWordNetTest, ConceptsByWord) {
  const Owned<LanguageWordNet> english = English();
  EXPECT_EQ(IdsOf(english->GetConcepts()), (Ids{1, 2, 3, 4, 5, 6}));
  // The join ignores letter case; the variant look-up does not, and takes no wildcards.
  EXPECT_EQ(IdsOf(english->GetConcepts("DOG")), (Ids{kDog}));
  EXPECT_EQ(IdsOf(english->GetConcepts("canis familiaris")), (Ids{kDog}));
  EXPECT_EQ(IdsOf(english->GetConcepts("cat")), (Ids{}));
  EXPECT_EQ(IdsOf(english->GetConceptVariants("dog")), (Ids{kDogVariant}));
  EXPECT_EQ(IdsOf(english->GetConceptVariants("Dog")), (Ids{}));
  EXPECT_EQ(IdsOf(english->GetConceptVariants("do*")), (Ids{}));
}

TEST_F(LanguageWordNetTest, ConceptsByIliRecord) {
  const Owned<LanguageWordNet> english = English();
  EXPECT_EQ(IdsOf(english->GetConcepts(1u, 0)), (Ids{kDog, kDomesticAnimal}));
  EXPECT_EQ(IdsOf(english->GetConcepts(1u, 3)), (Ids{kDomesticAnimal}));
  EXPECT_EQ(IdsOf(english->GetConcepts(2u, 0)), (Ids{kCanine, kDomesticAnimal}));
  // Nothing linked gives no collection at all, not an empty one.
  EXPECT_EQ(english->GetConcepts(5u, 0), nullptr);
  EXPECT_EQ(english->GetConcepts(1u, 2), nullptr);
}

TEST_F(LanguageWordNetTest, IliVariants) {
  for (std::uint32_t id : {1u, 2u}) {
    ASSERT_EQ(Build({F(0, ILI_VARIANT), P(1, TARGET_ILI, id), T(1, LITERAL, "hound")})
                  .Add(Db(), kStore, kDefaultContainer, 20 + id),
              1);
  }
  const Owned<LanguageWordNet> english = English();
  EXPECT_EQ(IdsOf(english->GetILIVariants(2u)), (Ids{22}));
  EXPECT_EQ(IdsOf(english->GetILIVariants(3u)), (Ids{}));
}

TEST_F(LanguageWordNetTest, ExportAndItsExporter) {
  Owned<LanguageWordNet> english = English();
  Owned<Concept> dog = ConceptOf(kDog);
  String expected;
  ConceptExporter(Db(), kStore).Write(*dog, expected);
  ASSERT_GT(expected.Length(), 0u);

  // A copy shares the exporter and keeps it when the original goes.
  auto* copy = new LanguageWordNet(*english);
  BSTR text = nullptr;
  ASSERT_EQ(english->ExportConcept(dog.get(), &text), 1);
  EXPECT_EQ(Take(text), expected.GetAnsi());
  english.reset();
  text = nullptr;
  ASSERT_EQ(copy->ExportConcept(dog.get(), &text), 1);
  EXPECT_EQ(Take(text), expected.GetAnsi());
  copy->Destroy();
}

TEST_F(LanguageWordNetTest, IliLanguageWordNet) {
  const Owned<LanguageWordNet> ili(polylex_.GetILILanguageWordNet());
  EXPECT_EQ(ili->GetStoreID(), kIliVariantStore);
  const Owned<Language> language(ili->GetLanguage());
  EXPECT_EQ(Take(language->GetCode()), "xx");
  EXPECT_EQ(Take(language->GetName(nullptr)), "ili_v");
  // No exporter: no text, and nothing touched.
  BSTR text = reinterpret_cast<BSTR>(this);
  EXPECT_EQ(ili->ExportConcept(ConceptOf(kDog).get(), &text), 0);
  EXPECT_EQ(text, nullptr);
}

TEST_F(LanguageWordNetTest, SiteRecord) {
  ArbRecord site = Build({F(0, SITE), T(1, SITE_NAME, "Lexicon lab"), T(1, SITE_LANGUAGE, "NL")});
  ASSERT_EQ(site.Update(Db(), kSiteStore, kDefaultContainer, kSiteRecord), 1);
  const Owned<Site> read(polylex_.GetSite());
  EXPECT_EQ(Take(read->GetName()), "Lexicon lab");
  EXPECT_EQ(Take(read->GetLanguageCode()), "NL");

  ASSERT_EQ(site.Remove(Db(), kSiteStore, kDefaultContainer, kSiteRecord), 1);
  try {
    polylex_.GetSite();
    ADD_FAILURE() << "no exception";
  } catch (const PLXException& error) {
    EXPECT_EQ(error.GetError(), ePLXNoSiteRecord);
  }
}

}  // namespace
