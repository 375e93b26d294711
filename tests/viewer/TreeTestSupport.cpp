#include "TreeTestSupport.h"

#include <cstdint>

#include "LexicalSchema.h"
#include "RecordWritingSupport.h"

using namespace schema;
using namespace test_records;

namespace {

constexpr std::uint32_t kEnglish = 100;

void Definitions(FxDatabase& db) {
  Put(db, kSharedStore, kLanguages, 1,
      {Group(0, LANGUAGE), Text(1, LANGUAGE_CODE, "EN"), Number(1, STORE_ID, kEnglish),
       Text(1, NAME, "English")});
  Put(db, kSharedStore, kDefaultContainer, 8,
      {Number(0, RELATION, 8), Text(1, CODE, "has_hyperonym"), Text(1, NAME, "has_hyperonym")});
  Put(db, kIliStore, kDefaultContainer, 1,
      {Group(0, ILI_RECORD), Number(1, PART_OF_SPEECH, 1),
       Text(1, GLOSS, "a member of the genus Canis")});
}

void English(FxDatabase& db) {
  for (std::uint32_t id : {1u, 2u}) {
    Put(db, kEnglish, kConcepts, id,
        {Group(0, CONCEPT), Number(1, CONCEPT_TYPE, 1), Number(1, PART_OF_SPEECH, 1)});
  }
  const char* literals[] = {"dog",   "pooch",  "hound", "cur",  "mutt",
                            "doggy", "bowwow", "pup",   "tyke", "canine"};
  std::uint32_t id = 1;
  for (const char* literal : literals) {
    const std::string definition = TreeTestDatabase::DefinitionOf(static_cast<int>(id));
    if (definition.empty()) {
      Put(db, kEnglish, kDefaultContainer, id,
          {Group(0, VARIANT), Pointer(1, CONCEPT, 1), Text(1, LITERAL, literal),
           Number(2, SENSE, 1)});
    } else {
      Put(db, kEnglish, kDefaultContainer, id,
          {Group(0, VARIANT), Pointer(1, CONCEPT, 1), Text(1, LITERAL, literal),
           Number(2, SENSE, 1), Text(1, DEFINITION, definition)});
    }
    ++id;
  }
  Put(db, kEnglish, kDefaultContainer, id,
      {Group(0, VARIANT), Pointer(1, CONCEPT, 2), Text(1, LITERAL, "animal"), Number(2, SENSE, 1)});
  Put(db, kEnglish, kInternalLinks, 1,
      {Group(0, INTERNAL_LINK), Number(1, RELATION, 8), Pointer(1, SOURCE_CONCEPT, 1),
       Pointer(1, TARGET_CONCEPT, 2)});
  Put(db, kEnglish, kEqLinks, 1,
      {Group(0, EQ_LINK), Number(1, EQ_RELATION, 1), Pointer(1, CONCEPT, 1),
       Pointer(1, TARGET_ILI, 1)});
}

}  // namespace

TreeTestDatabase::TreeTestDatabase() {
  Require(folder_.isValid(), "scratch folder");
  path_ = folder_.filePath("tree.fdb").toStdString();
  WriteDatabase(path_, {{kEnglish, "en"}}, [](FxDatabase& db) {
    Definitions(db);
    English(db);
  });
}

std::string TreeTestDatabase::DefinitionOf(int number) {
  const int index = number - 1;
  if (index < 0 || index >= static_cast<int>(std::size(kDefinitionLength))) return {};
  std::string text;
  // Digits that count the position, so that a cut in the wrong place shows.
  for (int i = 0; i < kDefinitionLength[index]; ++i) text += static_cast<char>('0' + i % 10);
  return text;
}

TreeTestPane::TreeTestPane() {
  Require(database.Open(file.Path()) == 1, "viewer open");
  pane.SetLanguage("EN");
}
