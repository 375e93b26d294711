#include "RecordBuilder.h"

#include <string>

#include "ArbCodes.h"
#include "ArbError.h"
#include "BuildFailure.h"
#include "store/FieldTree.h"
#include "store/FieldValue.h"
#include "store/Pool.h"
#include "store/RecordStore.h"

namespace importers {
namespace {

// Large enough for every record but the biggest top concepts to live in one block.
constexpr std::uint16_t kBlockSize = 32768;

}  // namespace

RecordBuilder::RecordBuilder(store::Database* database) : database_(database), pool_(kBlockSize) {
  // The first block stays for the builder's life: resetting to a mark behind a first allocation
  // keeps it, so records reuse its memory instead of asking the system for new blocks.
  store::PoolAllocate(pool_, 1);
  mark_ = store::PoolMark(pool_);
}

node* RecordBuilder::Start(std::uint16_t rootTag) {
  store::PoolReset(pool_, mark_);
  root_ = nullptr;
  last_ = nullptr;
  pending_ = 0;
  if (std::uint32_t code = store::CreateField(pool_, rootTag, 0, &root_)) {
    pending_ = code;
    return nullptr;
  }
  last_ = root_;
  return root_;
}

node* RecordBuilder::Group(node* parent, std::uint16_t tag) {
  if (pending_ != 0 || parent == nullptr) {
    if (pending_ == 0) pending_ = arbcode::NULL_RECORD;
    return nullptr;
  }
  node* field = nullptr;
  std::uint32_t code = store::CreateField(pool_, tag, 0, &field);
  if (code == arbcode::SUCCESS) {
    if (last_ == parent) {
      code = store::GraftChild(parent, field, 0);
    } else {
      // The parent's last child is the ancestor of the last field one level below the parent.
      node* sibling = last_;
      while (sibling->level > parent->level + 1) sibling = store::Parent(sibling);
      code = store::GraftSibling(sibling, field, 0);
    }
  }
  if (code != arbcode::SUCCESS) {
    pending_ = code;
    return nullptr;
  }
  last_ = field;
  return field;
}

node* RecordBuilder::Text(node* parent, std::uint16_t tag, std::string_view text) {
  node* field = Group(parent, tag);
  if (field != nullptr && pending_ == 0) pending_ = store::SetUtf8(pool_, field, text);
  return field;
}

node* RecordBuilder::Number(node* parent, std::uint16_t tag, std::int32_t value) {
  node* field = Group(parent, tag);
  SetNumber(field, value);
  return field;
}

node* RecordBuilder::Pointer(node* parent, std::uint16_t tag, std::uint32_t recordId) {
  node* field = Group(parent, tag);
  if (field != nullptr && pending_ == 0) pending_ = store::SetRecordPointer(pool_, field, recordId);
  return field;
}

void RecordBuilder::SetNumber(node* field, std::int32_t value) {
  if (field != nullptr && pending_ == 0) pending_ = store::SetInt32(pool_, field, value);
}

void RecordBuilder::Add(std::uint32_t store, std::uint16_t container, std::uint32_t recordId) {
  std::uint32_t code = pending_;
  if (code == arbcode::SUCCESS) {
    std::uint32_t id = recordId;
    code = store::Add(database_, store, container, &id, root_, 0);
  }
  if (code == arbcode::SUCCESS) return;
  throw BuildFailure("writing record " + std::to_string(recordId) + " of store " +
                     std::to_string(store) + ", container " + std::to_string(container) +
                     " failed: " + ArbError::NameOf(code));
}

}  // namespace importers
