#include "LanguageWordNets.h"

#include "ArbCodes.h"
#include "ArbRecord.h"
#include "LexicalSchema.h"
#include "PLXException.h"
#include "lexicon/CriteriaBuilder.h"
#include "lexicon/Factory.h"

using lexicon::Factory;
using lexicon::Owned;

namespace {
// A language record that names no store.
constexpr std::uint32_t kNoStoreId = 0xC083;
}  // namespace

LanguageWordNets::LanguageWordNets(void* database)
    : ArbCursor(database, schema::kLanguages, schema::kSharedStore) {}

LanguageWordNets::~LanguageWordNets() = default;

int LanguageWordNets::HandOut(int (ArbCursor::*read)(ArbRecord&), LanguageWordNet** item) {
  if (item == nullptr) return 0;
  *item = nullptr;
  ArbRecord record;
  if ((this->*read)(record) == 0) return 0;
  // Binding the language's exporter reads the database, which throws when the file is damaged.
  Owned<LanguageWordNet> wordNet(Factory::New<LanguageWordNet>());
  if (wordNet == nullptr) return 0;
  *wordNet = record;
  *item = wordNet.release();
  return 1;
}

int LanguageWordNets::GetFirst(LanguageWordNet** item) {
  return HandOut(&ArbCursor::ReadFirst, item);
}

int LanguageWordNets::GetNext(LanguageWordNet** item) {
  return HandOut(&ArbCursor::ReadNext, item);
}

int LanguageWordNets::GetPrevious(LanguageWordNet** item) {
  return HandOut(&ArbCursor::ReadPrevious, item);
}

int LanguageWordNets::GetLast(LanguageWordNet** item) {
  return HandOut(&ArbCursor::ReadLast, item);
}

int LanguageWordNets::GetCurrent(LanguageWordNet** item) {
  return HandOut(&ArbCursor::ReadCurrent, item);
}

std::int16_t LanguageWordNets::GetCount() {
  return static_cast<std::int16_t>(GetRecCount());
}

LanguageWordNet* LanguageWordNets::Bound(ArbRecord& record, std::uint32_t store) {
  Owned<LanguageWordNet> wordNet(Factory::New<LanguageWordNet>());
  if (!wordNet) throw PLXException(ePLXOutOfMemory);
  *wordNet = record;
  wordNet->SetSource(GetDatabase(), schema::kConcepts, store, 0);
  return wordNet.release();
}

LanguageWordNet* LanguageWordNets::GetItem(std::uint32_t recordID) {
  ArbRecord record;
  if (record.Retrieve(GetDatabase(), schema::kSharedStore, schema::kLanguages, recordID) == 0) {
    throw PLXException(static_cast<std::uint32_t>(record.GetLastError()), nullptr, 0);
  }
  return Bound(record, record.FindGetWUDWORD(schema::STORE_ID));
}

LanguageWordNet* LanguageWordNets::GetItem(const char* code) {
  ClearCriteria();
  lexicon::CriteriaBuilder criteria(*this);
  criteria.Equals(schema::LANGUAGE_CODE, code);
  ArbRecord record;
  if (!criteria.Validate()) throw PLXException(criteria.Failure(), nullptr, 0);
  if (ReadFirst(record) == 0) throw PLXException(GetErrorCode(), nullptr, 0);
  const std::uint32_t store = record.FindGetWUDWORD(schema::STORE_ID);
  if (store == 0) throw PLXException(kNoStoreId, nullptr, 0);
  return Bound(record, store);
}
