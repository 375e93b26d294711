// The store codes that mean the database file itself is damaged or cannot be read. The record and
// cursor wrappers throw these as ArbError where they would otherwise report failure with a 0
// result: their callers take a 0 for "not there" or "no more", and would answer wrongly without a
// word of the damage.
#pragma once

#include <cstdint>

#include "ArbCodes.h"

inline bool IsFileDamage(std::uint32_t code) {
  switch (code) {
    case arbcode::BLOCK_CHECKSUM:
    case arbcode::BTREE_ERROR:
    case arbcode::DATA_ERROR:
    case arbcode::IO_ERR:
      return true;
    default:
      return false;
  }
}
