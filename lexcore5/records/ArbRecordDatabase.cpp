#include "ArbCodes.h"
#include "ArbRecord.h"
#include "records/FileDamage.h"
#include "store/RecordStore.h"

namespace {

store::Database* Handle(void* database) {
  return static_cast<store::Database*>(database);
}

}  // namespace

std::uint32_t ArbRecord::TargetId(std::uint32_t recordId) const {
  return recordId != 0 ? recordId : GetID();
}

int ArbRecord::Retrieve(void* database, std::uint32_t store, std::uint16_t container,
                        std::uint32_t recordId) {
  const std::uint32_t target = TargetId(recordId);
  Clear();
  node* root = nullptr;
  if (!error_.Success(
          store::Retrieve(Handle(database), store, container, target, 0, pool_, &root))) {
    if (IsFileDamage(error_)) ThrowError();
    return 0;
  }
  root_ = current_ = root;
  return 1;
}

int ArbRecord::Retrieve(const ArbContext& context, std::uint32_t recordId) {
  return Retrieve(context.GetDatabase(), context.GetStore(), context.GetContainer(), recordId);
}

int ArbRecord::Add(void* database, std::uint32_t store, std::uint16_t container,
                   std::uint32_t recordId) {
  if (root_ == nullptr) return error_.Success(arbcode::NULL_RECORD);
  std::uint32_t target = TargetId(recordId);
  return error_.Success(store::Add(Handle(database), store, container, &target, root_, 0));
}

int ArbRecord::Add(const ArbContext& context, std::uint32_t recordId) {
  return Add(context.GetDatabase(), context.GetStore(), context.GetContainer(), recordId);
}

int ArbRecord::Update(void* database, std::uint32_t store, std::uint16_t container,
                      std::uint32_t recordId) {
  if (root_ == nullptr) return error_.Success(arbcode::NULL_RECORD);
  return error_.Success(
      store::Modify(Handle(database), store, container, TargetId(recordId), root_, 0));
}

int ArbRecord::Update(const ArbContext& context, std::uint32_t recordId) {
  return Update(context.GetDatabase(), context.GetStore(), context.GetContainer(), recordId);
}

int ArbRecord::Remove(void* database, std::uint32_t store, std::uint16_t container,
                      std::uint32_t recordId) {
  return error_.Success(store::Delete(Handle(database), store, container, TargetId(recordId), 0));
}

int ArbRecord::Remove(const ArbContext& context, std::uint32_t recordId) {
  return Remove(context.GetDatabase(), context.GetStore(), context.GetContainer(), recordId);
}

store::NameTable* ArbRecord::GetNameTable() {
  void* database = GetDatabase();
  const std::uint32_t store = GetStore();
  if (nameTable_ != nullptr && (database != nameTableDatabase_ || store != nameTableStore_)) {
    store::FreeNameTable(&nameTable_);
  }
  store::NameTable* loaded = nullptr;
  if (nameTable_ == nullptr && database != nullptr &&
      store::BuildNameTable(Handle(database), store, &loaded) == arbcode::SUCCESS) {
    nameTable_ = loaded;
    nameTableDatabase_ = database;
    nameTableStore_ = store;
  }
  return nameTable_;
}
