#include "ArbCursor.h"

#include <string>

#include "ArbCodes.h"
#include "ArbRecord.h"
#include "platform/TextConvert.h"
#include "records/CriteriaTokenizer.h"
#include "records/FileDamage.h"
#include "store/Cursor.h"
#include "store/FieldValue.h"
#include "store/RecordStore.h"

namespace {

store::Database* Db(void* database) {
  return static_cast<store::Database*>(database);
}

// The store takes flags with bit 0x100 set; a negative value stands for none.
std::uint32_t StoreFlags(int flags) {
  return flags < 0 ? 0 : static_cast<std::uint32_t>(flags) | 0x100;
}

constexpr int kFirst = static_cast<int>(store::CursorMove::kFirst);
constexpr int kNext = static_cast<int>(store::CursorMove::kNext);
constexpr int kPrevious = static_cast<int>(store::CursorMove::kPrevious);
constexpr int kLast = static_cast<int>(store::CursorMove::kLast);
constexpr int kCurrent = static_cast<int>(store::CursorMove::kCurrent);

}  // namespace

ArbCursor::ArbCursor() = default;

ArbCursor::ArbCursor(const ArbCursor& other) : ArbContext(other) {
  StartOrThrow();
}

ArbCursor::ArbCursor(const ArbContext& context) : ArbContext(context) {
  StartOrThrow();
}

ArbCursor::ArbCursor(void* database, std::uint16_t container, std::uint32_t store)
    : ArbContext(database, container, store) {
  StartOrThrow();
}

ArbCursor& ArbCursor::operator=(const ArbCursor& other) {
  if (this != &other) Init(other.GetDatabase(), other.GetContainer(), other.GetStore());
  return *this;
}

ArbCursor::~ArbCursor() {
  // A destructor must not throw; a failed release has nothing left to tell anyone.
  if (cursor_ != nullptr) store::CursorFree(&cursor_);
}

void ArbCursor::StartOrThrow() {
  if (!Init()) throw error_;
}

int ArbCursor::Init() {
  return error_.Success(store::CursorInit(Db(GetDatabase()), GetStore(), GetContainer(), &cursor_));
}

void ArbCursor::Init(void* database, std::uint16_t container, std::uint32_t store) {
  SetSource(database, container, store);
  if (cursor_ != nullptr) Check(store::CursorFree(&cursor_));
  StartOrThrow();
}

void ArbCursor::Free() {
  if (cursor_ == nullptr) return;
  Check(store::CursorFree(&cursor_));
  ClearSource();
}

void ArbCursor::Check(std::uint32_t code) {
  if (!error_.Success(code)) throw error_;
}

void ArbCursor::ThrowError() {
  throw error_;
}

void ArbCursor::DeleteAndThrowError() {
  const ArbError error = error_;
  delete this;
  throw error;
}

int ArbCursor::AddField(std::uint16_t tag, std::uint16_t contextSet, std::int16_t) {
  return error_.Success(store::CursorAddField(cursor_, tag, contextSet));
}

int ArbCursor::AddField(const std::uint16_t* tagPath, std::uint16_t contextSet, std::int16_t) {
  std::uint16_t depth = 0;
  while (tagPath != nullptr && tagPath[depth] != 0 && depth < 0xFFFF) ++depth;
  return error_.Success(store::CursorAddFieldPath(cursor_, tagPath, depth, contextSet));
}

int ArbCursor::AddOp(std::uint16_t code) {
  return error_.Success(store::CursorAddOperator(cursor_, code));
}

int ArbCursor::AddValue(std::uint16_t value) {
  return error_.Success(store::CursorAddValue(cursor_, store::kValueUInt16, &value));
}

int ArbCursor::AddValue(std::int16_t value) {
  return error_.Success(store::CursorAddValue(cursor_, store::kValueInt16, &value));
}

int ArbCursor::AddValue(std::uint32_t value) {
  return error_.Success(store::CursorAddValue(cursor_, store::kValueUInt32, &value));
}

int ArbCursor::AddValue(std::int32_t value) {
  return error_.Success(store::CursorAddValue(cursor_, store::kValueInt32, &value));
}

int ArbCursor::AddValue(const char* text) {
  std::u16string wide;
  if (text != nullptr && !platform::Utf8ToUtf16(text, &wide)) return 0;
  return AddValue(wide.c_str());
}

int ArbCursor::AddValue(const char16_t* text) {
  return error_.Success(
      store::CursorAddValue(cursor_, store::kValueWideText, text == nullptr ? u"" : text));
}

int ArbCursor::AddValue(const node* field, int isSigned) {
  if (field == nullptr) return 0;
  switch (field->FieldKind()) {
    case kFieldText: {
      std::string_view text;
      if (!error_.Success(store::GetUtf8(field, &text))) return 0;
      const std::string copy(text);
      return error_.Success(store::CursorAddValue(cursor_, store::kValueAnsiText, copy.c_str()));
    }
    case kFieldNumber: {
      if (isSigned != 0) {
        std::int32_t value;
        if (!error_.Success(store::GetInt32(field, &value))) return 0;
        return AddValue(value);
      }
      std::uint32_t value;
      if (!error_.Success(store::GetUInt32(field, &value))) return 0;
      return AddValue(value);
    }
    case kFieldContext: {
      std::uint32_t value;
      if (!error_.Success(store::GetRecordPointer(field, &value))) return 0;
      return AddValue(value);
    }
    default:
      return 0;
  }
}

int ArbCursor::Validate() {
  return error_.Success(store::CursorValidate(cursor_));
}

void ArbCursor::ClearCriteria() {
  std::uint16_t master = 0;
  if (cursor_ != nullptr) {
    store::CursorGetMasterIndex(cursor_, &master);
    Check(store::CursorFree(&cursor_));
  }
  StartOrThrow();
  if (master != 0) Check(store::CursorSetMasterIndex(cursor_, master, 0));
  Check(store::CursorSetConfig(cursor_, store::kConfigReset, 0, 0));
}

int ArbCursor::SetCriteria(const char* text) {
  if (text == nullptr) {
    try {
      ClearCriteria();
    } catch (const ArbError& error) {
      return 0;
    }
    return 1;
  }
  void* database = GetDatabase();
  const std::uint32_t storeNumber = GetStore();
  records::CriteriaTokenizer tokenizer(
      text, [database, storeNumber](const std::string& name, std::uint16_t* tag) {
        return database != nullptr && store::TagOfName(Db(database), storeNumber, name.c_str(),
                                                       store::kFieldNameKind, tag) == 0;
      });
  records::CriteriaToken token;
  bool ok = true;
  while (ok) {
    if (!tokenizer.Next(&token)) {
      ok = Validate() != 0;
      break;
    }
    switch (token.kind) {
      case records::CriteriaToken::Kind::kOperator:
        ok = AddOp(token.code) != 0;
        break;
      case records::CriteriaToken::Kind::kField:
        ok = AddField(token.code) != 0;
        break;
      case records::CriteriaToken::Kind::kNumber:
        ok = AddValue(token.number) != 0;
        break;
      case records::CriteriaToken::Kind::kText:
        ok = error_.Success(
            store::CursorAddValue(cursor_, store::kValueAnsiText, token.text.c_str()));
        break;
    }
  }
  return ok && error_.Success() ? 1 : 0;
}

void ArbCursor::Wildcards(int on) {
  mode_ &= static_cast<std::uint16_t>(~(kWildcardsOn | kWildcardsOff));
  mode_ |= on != 0 ? kWildcardsOn : kWildcardsOff;
  ApplyMode();
}

void ArbCursor::CaseSensitive(int on) {
  mode_ &= static_cast<std::uint16_t>(~(kCaseSensitive | kCaseInsensitive));
  mode_ |= on != 0 ? kCaseSensitive : kCaseInsensitive;
  ApplyMode();
}

void ArbCursor::ApplyMode() {
  Check(store::CursorSetMode(cursor_, mode_));
}

void ArbCursor::SetIndex(std::uint16_t contextSet, std::uint16_t index) {
  if (contextSet == 0) {
    Check(store::CursorSetMasterIndex(cursor_, index, 1));
  } else {
    Check(store::CursorSetConfig(cursor_, store::kConfigSetSetIndex, contextSet, index));
  }
}

std::uint16_t ArbCursor::GetIndex(std::uint16_t contextSet) {
  std::uint16_t index = 0;
  const std::uint32_t code =
      contextSet == 0
          ? store::CursorGetMasterIndex(cursor_, &index)
          : store::CursorGetConfig(cursor_, store::kConfigGetSetIndex, contextSet, &index);
  return error_.Success(code) ? index : 0;
}

void ArbCursor::SetMasterIndex(std::uint16_t index, std::uint8_t option) {
  Check(store::CursorSetMasterIndex(cursor_, index, option));
}

std::uint16_t ArbCursor::OpenContextSet() {
  for (std::uint16_t i = 0; i < 8; ++i) {
    if (slots_[i] == 0) {
      slots_[i] = 255;
      return static_cast<std::uint16_t>(i + 1);
    }
  }
  return 0;
}

void ArbCursor::CloseContextSet(std::uint16_t set) {
  if (set >= 1 && set <= 8) slots_[set - 1] = 0;
}

void ArbCursor::ClearContextSets() {
  for (std::uint16_t& slot : slots_) slot = 0;
}

void ArbCursor::AddContextToSet(std::uint16_t set, void* database, std::uint32_t store,
                                std::uint16_t container) {
  Check(store::CursorAddContext(cursor_, set, Db(database), store, container));
}

void ArbCursor::AddContextToSet(std::uint16_t set, const ArbContext& context) {
  AddContextToSet(set, context.GetDatabase(), context.GetStore(), context.GetContainer());
}

int ArbCursor::Read(int move, ArbRecord& record) {
  return error_.Success(record.CursorRead(*this, move));
}

int ArbCursor::ReadFirst(ArbRecord& record) {
  return Read(kFirst, record);
}
int ArbCursor::ReadNext(ArbRecord& record) {
  return Read(kNext, record);
}
int ArbCursor::ReadPrevious(ArbRecord& record) {
  return Read(kPrevious, record);
}
int ArbCursor::ReadLast(ArbRecord& record) {
  return Read(kLast, record);
}
int ArbCursor::ReadCurrent(ArbRecord& record) {
  return Read(kCurrent, record);
}

int ArbCursor::Go(int move, std::uint32_t* recordId) {
  std::uint32_t id = 0;
  const int ok =
      error_.Success(store::CursorGo(cursor_, static_cast<store::CursorMove>(move), &id));
  if (IsFileDamage(error_)) throw error_;
  if (ok && recordId != nullptr) *recordId = id;
  return ok;
}

int ArbCursor::GoFirst(std::uint32_t* recordId) {
  return Go(kFirst, recordId);
}
int ArbCursor::GoNext(std::uint32_t* recordId) {
  return Go(kNext, recordId);
}
int ArbCursor::GoPrevious(std::uint32_t* recordId) {
  return Go(kPrevious, recordId);
}
int ArbCursor::GoLast(std::uint32_t* recordId) {
  return Go(kLast, recordId);
}

std::uint32_t ArbCursor::CurrentRecordID() {
  std::uint32_t id = 0;
  Check(store::CursorCurrentId(cursor_, &id));
  return id;
}

std::uint32_t ArbCursor::GetRecCount() {
  std::uint32_t count = 0;
  Check(store::CursorCount(cursor_, &count));
  return count;
}

int ArbCursor::ReadRecord(std::uint32_t recordId, ArbRecord& record) {
  return record.Retrieve(*this, recordId);
}

int ArbCursor::ReadMatching(std::uint16_t tag, std::uint16_t op, std::uint32_t value,
                            ArbRecord& record) {
  ClearCriteria();
  if (!AddField(tag, 0) || !AddOp(op) || !AddValue(value) || !Validate()) return 0;
  return ReadFirst(record);
}

int ArbCursor::AddRecord(ArbRecord& record, std::uint32_t recordId, int flags) {
  std::uint32_t id = recordId;
  if (!error_.Success(store::Add(Db(GetDatabase()), GetStore(), GetContainer(), &id,
                                 static_cast<node*>(record), StoreFlags(flags)))) {
    return 0;
  }
  record.SetSource(*this, id);
  return 1;
}

int ArbCursor::UpdateRecord(ArbRecord& record, int flags) {
  const std::uint32_t id = record.GetID();
  if (id == 0) return 0;
  if (!error_.Success(store::Modify(Db(GetDatabase()), GetStore(), GetContainer(), id,
                                    static_cast<node*>(record), StoreFlags(flags)))) {
    return 0;
  }
  record.SetSource(*this, 0);
  return 1;
}

int ArbCursor::DeleteRecord(std::uint32_t recordId, int flags) {
  if (recordId == 0) return 0;
  return error_.Success(
      store::Delete(Db(GetDatabase()), GetStore(), GetContainer(), recordId, StoreFlags(flags)));
}

int ArbCursor::DeleteRecord(ArbRecord& record, int flags) {
  return DeleteRecord(record.GetID(), flags);
}
