#include "store/FieldTree.h"

#include <cstring>
#include <new>

#include "ArbCodes.h"
#include "store/FieldValue.h"
#include "store/Pool.h"

namespace store {
namespace {

constexpr int kMaxLevel = 0xFF;
constexpr std::uint8_t kRootFlags = kHasRecordId | kHasSource;

node* NewNode(PoolMemoryManager* pool) {
  void* memory = PoolAllocate(pool, sizeof(node));
  if (memory == nullptr) return nullptr;
  return new (memory) node{};
}

// A copy of one field (value included, neighbours not) in `pool`, or null when memory runs out.
node* CopyField(PoolMemoryManager* pool, const node* field) {
  node* copy = NewNode(pool);
  if (copy == nullptr) return nullptr;
  *copy = *field;
  copy->next = copy->prev = nullptr;
  if (field->length != 0) {
    copy->value = PoolAllocate(pool, field->length);
    if (copy->value == nullptr) return nullptr;
    std::memcpy(copy->value, field->value, field->length);
  }
  return copy;
}

// The area that Find and Walk cover is the field's subtree, or (treeCount 0) the subtrees of the
// field and all its following siblings. The node after `n` when it is still inside that area, else
// null.
const node* NextInArea(int treeCount, const node* field, const node* n) {
  const node* next = n->next;
  if (next == nullptr) return nullptr;
  return (treeCount == 0 ? next->level >= field->level : next->level > field->level) ? next
                                                                                     : nullptr;
}

// The last node of that area.
node* AreaEnd(int treeCount, const node* field) {
  const node* last = field;
  while (const node* next = NextInArea(treeCount, field, last)) last = next;
  return const_cast<node*>(last);
}

node* ListEnd(node* first) {
  while (first->next != nullptr) first = first->next;
  return first;
}

// Links the detached list first..last in right before `before`, or after `after` when `before` is
// null.
void Splice(node* first, node* last, node* before, node* after) {
  if (before != nullptr) after = before->prev;
  first->prev = after;
  last->next = before != nullptr ? before : after->next;
  if (after != nullptr) after->next = first;
  if (last->next != nullptr) last->next->prev = last;
}

// Moves every level of the detached list starting at `subtree` so its first field lands on `level`,
// and drops the root-only parts from that field, which stops being a root. Nothing changes when a
// level would leave 0..255.
std::uint32_t Rebase(node* subtree, int level) {
  const int shift = level - subtree->level;
  for (const node* n = subtree; n != nullptr; n = n->next) {
    const int moved = n->level + shift;
    if (moved < 0 || moved > kMaxLevel) return arbcode::GED_BAD_LEVEL;
  }
  for (node* n = subtree; n != nullptr; n = n->next) {
    n->level = static_cast<std::uint8_t>(n->level + shift);
  }
  subtree->type &= static_cast<std::uint8_t>(~kRootFlags);
  return arbcode::SUCCESS;
}

std::uint32_t CheckGraft(const node* anchor, const node* subtree) {
  if (anchor == nullptr || subtree == nullptr) return arbcode::NULL_RECORD;
  // A subtree that is still linked would be torn out of its own list.
  if (subtree->prev != nullptr) return arbcode::ILLEGAL_OP;
  return arbcode::SUCCESS;
}

// Checks the value of one field as it would be stored.
std::uint32_t ValidateValue(const node* field) {
  if (field->length != 0 && field->value == nullptr) return arbcode::GED_BAD_VALUE;
  switch (field->FieldKind()) {
    case kFieldText:
    case kFieldBinary:
      return arbcode::SUCCESS;
    case kFieldNumber: {
      std::uint32_t ignored = 0;
      const std::uint32_t code = GetUInt32(field, &ignored);
      // Only the digits matter here, not whether the value fits 32 bits.
      return code == arbcode::CONV_BAD_DIGIT || code == arbcode::CONV_NULL_SRC
                 ? arbcode::GED_BAD_VALUE
                 : arbcode::SUCCESS;
    }
    case kFieldContext: {
      std::uint32_t ignored = 0;
      return field->length == 0 || GetRecordPointer(field, &ignored) == arbcode::SUCCESS
                 ? arbcode::SUCCESS
                 : arbcode::GED_BAD_VALUE;
    }
    case kFieldFloat: {
      double ignored = 0;
      return GetFloat(field, &ignored) == arbcode::SUCCESS ? arbcode::SUCCESS
                                                           : arbcode::GED_BAD_VALUE;
    }
    case kFieldDate: {
      Date ignored{};
      return GetDate(field, &ignored) == arbcode::SUCCESS ? arbcode::SUCCESS
                                                          : arbcode::GED_BAD_VALUE;
    }
    case kFieldTime: {
      Time ignored{};
      return GetTime(field, &ignored) == arbcode::SUCCESS ? arbcode::SUCCESS
                                                          : arbcode::GED_BAD_VALUE;
    }
    case kFieldTimestamp: {
      Date date{};
      Time time{};
      return GetTimestamp(field, &date, &time) == arbcode::SUCCESS ? arbcode::SUCCESS
                                                                   : arbcode::GED_BAD_VALUE;
    }
  }
  return arbcode::BAD_FIELD_TYPE;
}

}  // namespace

std::uint32_t CreateField(PoolMemoryManager* pool, std::uint16_t tag, std::uint32_t recordId,
                          node** out) {
  if (tag == 0) return arbcode::INVALID_TAG;
  node* field = NewNode(pool);
  if (field == nullptr) return arbcode::MEM;
  field->tag = tag;
  field->type = kFieldContext;
  if (recordId != 0) {
    field->type |= kHasRecordId;
    field->recordId = recordId;
  }
  *out = field;
  return arbcode::SUCCESS;
}

std::uint32_t CopyTree(PoolMemoryManager* pool, int treeCount, const node* field, node** out) {
  if (field == nullptr) return arbcode::NULL_RECORD;
  const node* end = AreaEnd(treeCount, field);
  node* first = nullptr;
  node* last = nullptr;
  for (const node* n = field;; n = n->next) {
    node* copy = CopyField(pool, n);
    if (copy == nullptr) return arbcode::MEM;
    copy->level = static_cast<std::uint8_t>(n->level - field->level);
    if (first == nullptr) {
      first = copy;
    } else {
      copy->prev = last;
      last->next = copy;
    }
    last = copy;
    if (n == end) break;
  }
  *out = first;
  return arbcode::SUCCESS;
}

std::uint32_t GraftChild(node* anchor, node* subtree, std::int16_t position) {
  if (const std::uint32_t code = CheckGraft(anchor, subtree)) return code;
  node* firstChild = FirstChild(anchor);
  if (firstChild == nullptr) {
    if (const std::uint32_t code = Rebase(subtree, anchor->level + 1)) return code;
    Splice(subtree, ListEnd(subtree), nullptr, anchor);
    return arbcode::SUCCESS;
  }
  // Child index p is the sibling position p - 1 relative to the first child.
  const std::int16_t siblingPosition =
      position <= -32767 ? position : static_cast<std::int16_t>(position - 1);
  return GraftSibling(firstChild, subtree, siblingPosition);
}

std::uint32_t GraftSibling(node* anchor, node* subtree, std::int16_t position) {
  if (const std::uint32_t code = CheckGraft(anchor, subtree)) return code;
  // A sibling of a root would be a second root, which no record can hold.
  if (anchor->level == 0) return arbcode::GED_BAD_LEVEL;
  node* before = anchor;
  node* after = nullptr;
  if (position >= 0) {
    for (int step = 0; step <= position; ++step) {
      node* next = NextSibling(before);
      if (next == nullptr) {
        after = SubtreeEnd(before);
        before = nullptr;
        break;
      }
      before = next;
    }
  } else {
    for (int step = 0; step < -position - 1; ++step) {
      node* previous = PreviousSibling(before);
      if (previous == nullptr) break;
      before = previous;
    }
  }
  if (const std::uint32_t code = Rebase(subtree, anchor->level)) return code;
  Splice(subtree, ListEnd(subtree), before, after);
  return arbcode::SUCCESS;
}

std::uint32_t Clip(node* field) {
  if (field == nullptr) return arbcode::NULL_RECORD;
  node* end = SubtreeEnd(field);
  if (field->prev != nullptr) field->prev->next = end->next;
  if (end->next != nullptr) end->next->prev = field->prev;
  field->prev = nullptr;
  end->next = nullptr;
  return arbcode::SUCCESS;
}

node* NextSibling(const node* field) {
  const node* n = field->next;
  while (n != nullptr && n->level > field->level) n = n->next;
  return n != nullptr && n->level == field->level ? const_cast<node*>(n) : nullptr;
}

node* PreviousSibling(const node* field) {
  const node* n = field->prev;
  while (n != nullptr && n->level > field->level) n = n->prev;
  return n != nullptr && n->level == field->level ? const_cast<node*>(n) : nullptr;
}

node* Parent(const node* field) {
  const node* n = field->prev;
  while (n != nullptr && n->level >= field->level) n = n->prev;
  return const_cast<node*>(n);
}

node* FirstChild(const node* field) {
  return field->next != nullptr && field->next->level > field->level ? field->next : nullptr;
}

node* SubtreeEnd(const node* field) {
  return AreaEnd(1, field);
}

node* Find(int treeCount, const node* field, std::uint16_t tag, std::int16_t occurrence) {
  if (field == nullptr) return nullptr;
  int remaining = occurrence < 1 ? 1 : occurrence;
  // One pass: a search mostly ends early, so finding the area's end first would double the walk.
  for (const node* n = field; n != nullptr; n = NextInArea(treeCount, field, n)) {
    if (n->tag == tag && --remaining == 0) return const_cast<node*>(n);
  }
  return nullptr;
}

std::uint32_t Walk(int treeCount, node* field, WalkCallback visit, void* user) {
  if (field == nullptr) return arbcode::SUCCESS;
  // The area's end is checked as the walk goes: a visit may end it early.
  for (node* n = field; n != nullptr; n = const_cast<node*>(NextInArea(treeCount, field, n))) {
    if (const std::uint32_t result = visit(n->level - field->level, n, user)) return result;
  }
  return arbcode::SUCCESS;
}

std::uint32_t GetRecordSource(const node* root, void** database, std::uint32_t* store,
                              std::uint16_t* container, std::uint32_t* recordId) {
  if (root == nullptr) return arbcode::NULL_RECORD;
  const bool hasSource = root->HasSource();
  if (database != nullptr) *database = hasSource ? root->database : nullptr;
  if (store != nullptr) *store = hasSource ? root->store : 0;
  if (container != nullptr) *container = hasSource ? root->container : 0;
  if (recordId != nullptr) *recordId = root->HasRecordId() ? root->recordId : 0;
  return arbcode::SUCCESS;
}

std::uint32_t PutRecordSource(PoolMemoryManager* pool, node* field, void* database,
                              std::uint32_t store, std::uint16_t container, std::uint32_t recordId,
                              node** newRoot) {
  if (field == nullptr) return arbcode::NULL_RECORD;
  node* root = CopyField(pool, field);
  if (root == nullptr) return arbcode::MEM;
  root->type |= kHasSource;
  root->database = database;
  root->store = store;
  root->container = container;
  if (recordId != 0) {
    root->type |= kHasRecordId;
    root->recordId = recordId;
  }
  root->prev = field->prev;
  root->next = field->next;
  if (root->prev != nullptr) root->prev->next = root;
  if (root->next != nullptr) root->next->prev = root;
  *newRoot = root;
  return arbcode::SUCCESS;
}

std::uint32_t ValidateTree(const node* root) {
  if (root == nullptr) return arbcode::NULL_RECORD;
  if (root->level != 0) return arbcode::GED_BAD_LEVEL;
  const node* previous = nullptr;
  for (const node* n = root; n != nullptr; previous = n, n = n->next) {
    if (previous != nullptr) {
      if (n->level == 0) return arbcode::GED_BAD_LEVEL;
      if (n->level > previous->level + 1) return arbcode::GED_SKIP_LEVEL;
    }
    if (n->tag == 0) return arbcode::INVALID_TAG;
    if (const std::uint32_t code = ValidateValue(n)) return code;
  }
  return arbcode::SUCCESS;
}

}  // namespace store
