#include "ScriptsTestSupport.h"

#include <cstdint>
#include <iterator>
#include <utility>
#include <vector>

#include "LexicalSchema.h"
#include "RecordWritingSupport.h"

using namespace schema;
using namespace test_records;

namespace {

struct LanguageData {
  std::uint32_t store;
  const char* locale;
  const char* literals[2];
};
constexpr LanguageData kData[] = {{100, "en", {"dog", "domestic dog"}},
                                  {101, "ar", {"كلْب", "كلْب منزلي"}},
                                  {102, "he", {"כלב", "כלב בית"}},
                                  {103, "zh", {"狗", "犬"}}};

void WriteLanguage(FxDatabase& db, std::uint32_t record,
                   const ScriptsTestDatabase::Language& language, const LanguageData& data) {
  Put(db, kSharedStore, kLanguages, record,
      {Group(0, LANGUAGE), Text(1, LANGUAGE_CODE, language.code),
       Number(1, STORE_ID, static_cast<std::int32_t>(data.store)), Text(1, NAME, language.name)});
  Put(db, data.store, kConcepts, 1,
      {Group(0, CONCEPT), Number(1, CONCEPT_TYPE, 1), Number(1, PART_OF_SPEECH, 1)});
  std::uint32_t id = 1;
  for (const char* literal : data.literals) {
    Put(db, data.store, kDefaultContainer, id++,
        {Group(0, VARIANT), Pointer(1, CONCEPT, 1), Text(1, LITERAL, literal),
         Number(2, SENSE, 1)});
  }
  Put(db, data.store, kEqLinks, 1,
      {Group(0, EQ_LINK), Number(1, EQ_RELATION, 1), Pointer(1, CONCEPT, 1),
       Pointer(1, TARGET_ILI, 1)});
}

}  // namespace

ScriptsTestDatabase::ScriptsTestDatabase() {
  Require(folder_.isValid(), "scratch folder");
  path_ = folder_.filePath("scripts.fdb").toStdString();
  std::vector<std::pair<std::uint32_t, const char*>> stores;
  for (const LanguageData& data : kData) stores.emplace_back(data.store, data.locale);
  WriteDatabase(path_, stores, [](FxDatabase& db) {
    Put(db, kIliStore, kDefaultContainer, 1,
        {Group(0, ILI_RECORD), Number(1, PART_OF_SPEECH, 1),
         Text(1, GLOSS, "a member of the genus Canis")});
    for (std::uint32_t i = 0; i < std::size(kData); ++i) {
      WriteLanguage(db, i + 1, kLanguages[i], kData[i]);
    }
  });
}
