#include "TreeTestSupport.h"

#include <cstdint>
#include <initializer_list>
#include <stdexcept>

#include "ArbRecord.h"
#include "FxDatabase.h"
#include "FxSession.h"
#include "LexicalDatabase.h"
#include "LexicalSchema.h"
#include "store/FieldValue.h"

using namespace schema;

namespace {

constexpr std::uint32_t kEnglish = 100;

// One field of a record in pre-order: depth, tag and value.
struct Field {
  enum class Kind { kNone, kNumber, kPointer, kText };
  Kind kind;
  int depth;
  std::uint16_t tag;
  std::int32_t number = 0;
  std::string text;
};
Field Group(int depth, std::uint16_t tag) {
  return {Field::Kind::kNone, depth, tag};
}
Field Number(int depth, std::uint16_t tag, std::int32_t value) {
  return {Field::Kind::kNumber, depth, tag, value};
}
Field Pointer(int depth, std::uint16_t tag, std::uint32_t id) {
  return {Field::Kind::kPointer, depth, tag, static_cast<std::int32_t>(id)};
}
Field Text(int depth, std::uint16_t tag, std::string text) {
  return {Field::Kind::kText, depth, tag, 0, std::move(text)};
}

void Require(bool done, const char* what) {
  if (!done) throw std::runtime_error(std::string("test database: ") + what);
}

void Put(FxDatabase& db, std::uint32_t store, std::uint16_t container, std::uint32_t id,
         std::initializer_list<Field> fields) {
  ArbRecord record(fields.begin()->tag);
  node* parents[8] = {};
  for (const Field& field : fields) {
    if (field.depth > 0) {
      record.SetCurrentField(parents[field.depth - 1]);
      Require(record.AddField(field.tag, ArbRecord::kLast, ArbRecord::eFromCurrent,
                              ArbRecord::eGraftChild) == 1,
              "add field");
    }
    parents[field.depth] = record.GetCurrentField();
    switch (field.kind) {
      case Field::Kind::kNumber:
        Require(record.Put(field.number) == 1, "number");
        break;
      case Field::Kind::kText:
        Require(record.Put(field.text.c_str()) == 1, "text");
        break;
      case Field::Kind::kPointer:
        Require(store::SetRecordPointer(record.GetPool(), record.GetCurrentField(),
                                        static_cast<std::uint32_t>(field.number)) == 0,
                "pointer");
        break;
      case Field::Kind::kNone:
        break;
    }
  }
  Require(record.Add(db, store, container, id) == 1, "add record");
}

void Definitions(FxDatabase& db) {
  Put(db, kSiteStore, kDefaultContainer, kVersionRecord,
      {Group(0, VERSION), Text(1, DATA_VERSION, "1.3")});
  Put(db, kSiteStore, kDefaultContainer, kSiteRecord, {Group(0, SITE)});
  Put(db, kSiteStore, kDefaultContainer, kBuildRecord, {Group(0, BUILD)});
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
  Require(CreateLexicalDatabase(path_.c_str()) == 0, "create");
  FxSession session;
  FxDatabase db(session);
  Require(db.Open(path_.c_str(), 0, 0) == 1, "open");
  Require(db.BeginBulk(1) == 1, "begin");
  Require(PrepareLanguageStore(db, kEnglish, "en") == 0, "language store");
  Definitions(db);
  English(db);
  Require(db.CommitBulk() == 1, "commit");
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
