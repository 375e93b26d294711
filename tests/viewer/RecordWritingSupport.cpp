#include "RecordWritingSupport.h"

#include <stdexcept>

#include "ArbRecord.h"
#include "FxDatabase.h"
#include "FxSession.h"
#include "LexicalDatabase.h"
#include "LexicalSchema.h"
#include "store/FieldValue.h"

namespace test_records {

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

void WriteDatabase(const std::string& path,
                   const std::vector<std::pair<std::uint32_t, const char*>>& languageStores,
                   const std::function<void(FxDatabase&)>& write) {
  using namespace schema;
  Require(CreateLexicalDatabase(path.c_str()) == 0, "create");
  FxSession session;
  FxDatabase db(session);
  Require(db.Open(path.c_str(), 0, 0) == 1, "open");
  Require(db.BeginBulk(1) == 1, "begin");
  for (const auto& [store, locale] : languageStores) {
    Require(PrepareLanguageStore(db, store, locale) == 0, "language store");
  }
  Put(db, kSiteStore, kDefaultContainer, kVersionRecord,
      {Group(0, VERSION), Text(1, DATA_VERSION, "1.3")});
  Put(db, kSiteStore, kDefaultContainer, kSiteRecord, {Group(0, SITE)});
  Put(db, kSiteStore, kDefaultContainer, kBuildRecord, {Group(0, BUILD)});
  write(db);
  Require(db.CommitBulk() == 1, "commit");
}

}  // namespace test_records
