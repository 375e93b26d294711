// What ArbRecord::FindGetRecPtr reports besides a record ID: 0 when the field is absent, all bits
// set when the field holds no record ID (a link target described in place).
#pragma once

#include <cstdint>

namespace lexicon {

inline constexpr std::uint32_t kNoRecordPointer = 0xFFFFFFFF;

constexpr bool IsRecordPointer(std::uint32_t recordId) {
  return recordId != 0 && recordId != kNoRecordPointer;
}

}  // namespace lexicon
