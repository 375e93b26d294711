// Builds record trees field by field and stores them, one record after another, with as little
// work per record as the store allows: one pool reused for every record, fields appended in place.
// Used for every record the importers write.
#pragma once

#include <cstdint>
#include <string_view>

#include "ArbPool.h"
#include "Node.h"

namespace store {
struct Database;
}

namespace importers {

class RecordBuilder {
 public:
  // `database` is an open store database (not owned) inside a bulk transaction.
  explicit RecordBuilder(store::Database* database);
  RecordBuilder(const RecordBuilder&) = delete;
  RecordBuilder& operator=(const RecordBuilder&) = delete;

  // Starts a new record whose root has `rootTag`; every field of the previous record is dropped.
  node* Start(std::uint16_t rootTag);
  // A new field with `tag` as the last child of `parent`. Records are built in pre-order: `parent`
  // is the field added last or one of its ancestors.
  node* Group(node* parent, std::uint16_t tag);
  node* Text(node* parent, std::uint16_t tag, std::string_view text);
  node* Number(node* parent, std::uint16_t tag, std::int32_t value);
  node* Pointer(node* parent, std::uint16_t tag, std::uint32_t recordId);
  // Gives an existing field (a root, say) a number as its value.
  void SetNumber(node* field, std::int32_t value);

  // Stores the record under `recordId` (not 0). Every failure of the store, here or while
  // building, throws BuildFailure naming the record and the store's code.
  void Add(std::uint32_t store, std::uint16_t container, std::uint32_t recordId);

 private:
  store::Database* database_;
  ArbPool pool_;
  void* mark_ = nullptr;
  node* root_ = nullptr;
  node* last_ = nullptr;
  // Codes of failed field operations wait until Add, which names the record they belong to.
  std::uint32_t pending_ = 0;
};

}  // namespace importers
