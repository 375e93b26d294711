#include "ArbRecord.h"

#include "ArbCodes.h"
#include "store/FieldTree.h"
#include "store/RecordStore.h"

ArbRecord::ArbRecord(std::uint16_t rootTag, std::uint16_t poolBlockSize) : pool_(poolBlockSize) {
  if (rootTag == 0) return;
  node* root = nullptr;
  if (error_.Success(store::CreateField(pool_, rootTag, 0, &root))) root_ = current_ = root;
}

ArbRecord::ArbRecord(node* field, std::uint16_t poolBlockSize) : pool_(poolBlockSize) {
  CopyNode(field);
}

ArbRecord::ArbRecord(const ArbRecord& other) : pool_(256) {
  CopyNode(other.root_);
}

ArbRecord& ArbRecord::operator=(node* field) {
  CopyNode(field);
  return *this;
}

ArbRecord& ArbRecord::operator=(const ArbRecord& other) {
  CopyNode(other.root_);
  return *this;
}

ArbRecord::~ArbRecord() {
  if (nameTable_ != nullptr) store::FreeNameTable(&nameTable_);
}

void ArbRecord::CopyNode(node* field) {
  // The copy is built in a fresh pool before the old one goes, so a field of this very record
  // (or its whole tree) can be the source.
  ArbPool fresh(static_cast<PoolMemoryManager*>(pool_)->blockSize);
  node* copy = nullptr;
  if (field != nullptr && !error_.Success(store::CopyTree(fresh, 1, field, &copy))) {
    copy = nullptr;
  }
  pool_.Swap(fresh);
  root_ = current_ = copy;
}

void ArbRecord::SetRoot(node* field) {
  root_ = current_ = field;
}

void ArbRecord::Clear() {
  pool_.ResetAll();
  root_ = current_ = nullptr;
}

std::uint32_t ArbRecord::GetID() const {
  std::uint32_t recordId = 0;
  GetSource(nullptr, nullptr, nullptr, &recordId);
  return recordId;
}

void ArbRecord::GetSource(void** database, std::uint16_t* container, std::uint32_t* store,
                          std::uint32_t* recordId) const {
  void* sourceDatabase = nullptr;
  std::uint16_t sourceContainer = 0;
  std::uint32_t sourceStore = 0;
  std::uint32_t sourceId = 0;
  store::GetRecordSource(root_, &sourceDatabase, &sourceStore, &sourceContainer, &sourceId);
  if (database != nullptr) *database = sourceDatabase;
  if (container != nullptr) *container = sourceContainer;
  if (store != nullptr) *store = sourceStore;
  if (recordId != nullptr) *recordId = sourceId;
}

void* ArbRecord::GetDatabase() const {
  void* database = nullptr;
  GetSource(&database, nullptr, nullptr, nullptr);
  return database;
}

std::uint32_t ArbRecord::GetStore() const {
  std::uint32_t store = 0;
  GetSource(nullptr, nullptr, &store, nullptr);
  return store;
}

std::uint16_t ArbRecord::GetContainer() const {
  std::uint16_t container = 0;
  GetSource(nullptr, &container, nullptr, nullptr);
  return container;
}

int ArbRecord::SetSource(void* database, std::uint16_t container, std::uint32_t store,
                         std::uint32_t recordId) {
  node* newRoot = nullptr;
  if (!error_.Success(
          store::PutRecordSource(pool_, root_, database, store, container, recordId, &newRoot))) {
    return 0;
  }
  if (current_ == root_) current_ = newRoot;
  root_ = newRoot;
  return 1;
}

int ArbRecord::SetSource(const ArbContext& context, std::uint32_t recordId) {
  return SetSource(context.GetDatabase(), context.GetContainer(), context.GetStore(), recordId);
}

int ArbRecord::MoveTo(node* field) {
  if (field == nullptr) return 0;
  current_ = field;
  return 1;
}

int ArbRecord::GotoParent() {
  return MoveTo(ParentOf(current_));
}

int ArbRecord::GotoChild() {
  return MoveTo(current_ != nullptr ? store::FirstChild(current_) : nullptr);
}

int ArbRecord::GotoNext() {
  return MoveTo(NextOf(current_));
}

int ArbRecord::GotoPrevious() {
  return MoveTo(PreviousOf(current_));
}

int ArbRecord::GotoFirst() {
  if (current_ == nullptr) return 0;
  while (GotoPrevious() != 0) {
  }
  return 1;
}

int ArbRecord::GotoLast() {
  if (current_ == nullptr) return 0;
  while (GotoNext() != 0) {
  }
  return 1;
}

int ArbRecord::Graft(node* anchor, node* subtree, std::int16_t position, eGraftMode mode) {
  const std::uint32_t code = mode == eGraftChild ? store::GraftChild(anchor, subtree, position)
                                                 : store::GraftSibling(anchor, subtree, position);
  if (!error_.Success(code)) return 0;
  current_ = subtree;
  return 1;
}

int ArbRecord::AddField(std::uint16_t tag, std::int16_t position, eFindStart start,
                        eGraftMode mode) {
  node* anchor = StartField(start);
  if (anchor == nullptr || (mode != eGraftChild && mode != eGraftSibling)) return 0;
  node* field = nullptr;
  if (!error_.Success(store::CreateField(pool_, tag, 0, &field))) return 0;
  return Graft(anchor, field, position, mode);
}

int ArbRecord::AddRecord(ArbRecord& other, std::int16_t position, eFindStart start,
                         eGraftMode mode) {
  node* anchor = StartField(start);
  if (anchor == nullptr || (mode != eGraftChild && mode != eGraftSibling)) return 0;
  node* copy = nullptr;
  if (!error_.Success(store::CopyTree(pool_, 1, other.root_, &copy))) return 0;
  return Graft(anchor, copy, position, mode);
}

int ArbRecord::DeleteTarget(node* target) {
  if (target == nullptr) return 0;
  if (target == root_) {
    // The root may belong to another record's tree (SetRoot); that tree is left as it is.
    root_ = current_ = nullptr;
    return 1;
  }
  node* next = NextOf(target);
  if (next == nullptr) next = PreviousOf(target);
  if (next == nullptr) next = ParentOf(target);
  store::Clip(target);
  current_ = next;
  return 1;
}

int ArbRecord::DeleteField(std::uint16_t tag, std::int16_t occurrence, eFindStart start,
                           eFindArea area) {
  return DeleteTarget(tag != 0 ? Locate(tag, occurrence, start, area) : current_);
}

void ArbRecord::IncludeField(std::uint16_t tag, int include, std::int16_t occurrence,
                             eFindStart start, eFindArea area) {
  node* match = Locate(tag, occurrence, start, area);
  if (include == 0 && match != nullptr) DeleteTarget(match);
  if (include != 0 && match == nullptr) AddField(tag, kLast, start, eGraftChild);
}

int ArbRecord::FindOrAdd(std::uint16_t tag, std::int16_t occurrence, std::int16_t position,
                         eFindStart start, eFindArea area) {
  if (MoveTo(Locate(tag, occurrence, start, area)) != 0) return 1;
  return AddField(tag, position, start, eGraftChild);
}

void ArbRecord::ThrowError() {
  throw ArbError(error_);
}

void ArbRecord::DeleteAndThrowError() {
  const ArbError error = error_;
  delete this;
  throw error;
}
