// Where a record lives in the file: one 64-bit row key per (store, container, record ID), so that a
// container's records are one contiguous, ID-ordered range of the record table.
#pragma once

#include <cstdint>

namespace store {

constexpr std::uint32_t kMaxStore = 32767;

constexpr bool IsValidStore(std::uint32_t store) {
  return store <= kMaxStore;
}

constexpr std::int64_t RowKey(std::uint32_t store, std::uint16_t container,
                              std::uint32_t recordId) {
  return static_cast<std::int64_t>(static_cast<std::uint64_t>(store) << 48 |
                                   static_cast<std::uint64_t>(container) << 32 | recordId);
}

constexpr std::uint32_t RecordIdOfRowKey(std::int64_t rowKey) {
  return static_cast<std::uint32_t>(rowKey & 0xFFFFFFFF);
}

}  // namespace store
