// The record store's field node and pool. A record is a list of nodes in pre-order; tree relations
// follow from the levels (see FieldTree.h). The record wrappers read tag, length, level, type byte
// and record ID directly; everything else goes through the store's field operations.
#pragma once

#include <cstdint>

struct PoolBlock;

// A pool hands out memory in blocks and frees it only all at once or back to a mark.
struct PoolMemoryManager {
  PoolBlock* newest = nullptr;
  std::uint16_t blockSize = 512;
};

enum FieldType : std::uint8_t {
  kFieldText = 0,
  kFieldNumber = 1,
  kFieldBinary = 2,
  kFieldContext = 3,
  kFieldFloat = 4,
  kFieldDate = 5,
  kFieldTime = 6,
  kFieldTimestamp = 7,
};

// Type byte: the low six bits hold the FieldType; the flags say which optional parts follow.
constexpr std::uint8_t kTypeMask = 0x3F;
constexpr std::uint8_t kHasSource = 0x40;
constexpr std::uint8_t kHasRecordId = 0x80;

struct node {
  node* next;
  node* prev;
  void* value;
  std::uint16_t length;
  std::uint16_t tag;
  std::uint8_t level;
  std::uint8_t type;
  // Valid only when the type byte carries the matching flag (in practice on roots).
  std::uint32_t recordId;
  std::uint16_t container;
  std::uint32_t store;
  void* database;

  FieldType FieldKind() const { return static_cast<FieldType>(type & kTypeMask); }
  bool HasRecordId() const { return (type & kHasRecordId) != 0; }
  bool HasSource() const { return (type & kHasSource) != 0; }
};
