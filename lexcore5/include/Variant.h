// The small part of an automation VARIANT that the library's index arguments use.
#pragma once

#include <cstdint>

enum VarType : std::uint16_t { VT_EMPTY = 0, VT_I2 = 2, VT_I4 = 3 };

struct VARIANT {
  std::uint16_t vt = VT_EMPTY;
  union {
    std::int16_t iVal;
    std::int32_t lVal;
  };
  VARIANT() : lVal(0) {}
};
