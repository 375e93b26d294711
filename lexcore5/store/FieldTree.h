// Field operations of the record store: building and reshaping record trees held in a pool.
// A record is a pre-order list of nodes; the first child of F is the node after F when deeper,
// the next sibling is the first later node not deeper than F when at F's level, the parent is the
// first earlier node shallower than F. Every function returns a store code (0 = success) unless a
// result is named.
#pragma once

#include <cstdint>

#include "Node.h"

namespace store {

// A new valueless field of type context with `tag` at level 0; `recordId` (when not 0) is attached.
// INVALID_TAG for tag 0, MEM when the pool has no memory.
std::uint32_t CreateField(PoolMemoryManager* pool, std::uint16_t tag, std::uint32_t recordId,
                          node** out);

// Copies `field` with its descendants (treeCount 1), or also its following siblings and their
// descendants (treeCount 0), into `pool`; levels are rebased so the copy's first field is level 0.
// Values are copied; the root's record ID and source travel with it.
std::uint32_t CopyTree(PoolMemoryManager* pool, int treeCount, const node* field, node** out);

// Attach the detached tree `subtree` (level 0 root, as CreateField and CopyTree give) to `anchor`,
// with the position rules of ArbRecord: for a child, the 0-based index among the anchor's children
// (32767 = last, -32767 = first); for a sibling, 0 = right after the anchor, p > 0 after p further
// siblings, -1 right before the anchor, -p before p-1 further preceding siblings. The subtree's
// levels are shifted to fit and its root loses any record ID and source (it is no root any more).
// NULL_RECORD for a null anchor or subtree, ILLEGAL_OP for a subtree still linked to a field before
// it, GED_BAD_LEVEL for a sibling of a level-0 field (a second root) or a level past 255; nothing
// changes on failure.
std::uint32_t GraftChild(node* anchor, node* subtree, std::int16_t position);
std::uint32_t GraftSibling(node* anchor, node* subtree, std::int16_t position);

// Unlinks `field` and its descendants from their tree (levels kept); they stay in the pool.
std::uint32_t Clip(node* field);

// Tree navigation; null when there is no such field.
node* NextSibling(const node* field);
node* PreviousSibling(const node* field);
node* Parent(const node* field);
node* FirstChild(const node* field);
// The last node of `field`'s subtree (the field itself when it has no descendants).
node* SubtreeEnd(const node* field);

// The `occurrence`-th field (1 or less = first) with `tag` in `field`'s subtree (treeCount 1) or in
// it and the subtrees of its following siblings (treeCount 0), in pre-order; null if none.
node* Find(int treeCount, const node* field, std::uint16_t tag, std::int16_t occurrence);

// Calls `visit` for each field in pre-order over the same area as Find, with the field's level
// relative to `field`; stops at the first nonzero result and returns it (0 when the walk
// completes).
using WalkCallback = std::uint32_t (*)(int relativeLevel, node* field, void* user);
std::uint32_t Walk(int treeCount, node* field, WalkCallback visit, void* user);

// The source a root carries; absent parts come back as null/0. NULL_RECORD for a null root.
std::uint32_t GetRecordSource(const node* root, void** database, std::uint32_t* store,
                              std::uint16_t* container, std::uint32_t* recordId);
// A new root in `pool` that replaces `field` in place (same tag, level, value, neighbours and
// children) and carries the source and record ID (recordId 0 keeps the field's own). NULL_RECORD
// for a null field, MEM when out of memory (then nothing changes).
std::uint32_t PutRecordSource(PoolMemoryManager* pool, node* field, void* database,
                              std::uint32_t store, std::uint16_t container, std::uint32_t recordId,
                              node** newRoot);

// Checks a tree before it is stored: a level-0 first field, no level jumps (GED_SKIP_LEVEL), no
// second root (GED_BAD_LEVEL), no tag 0 (INVALID_TAG), known types (BAD_FIELD_TYPE), values that
// decode as their type says (GED_BAD_VALUE). NULL_RECORD for a null root.
std::uint32_t ValidateTree(const node* root);

}  // namespace store
