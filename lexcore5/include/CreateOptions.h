// The creation options a database file keeps: four 32-bit words and one byte. The library keeps
// them as the store hands them over and reads nothing of them.
#pragma once

#include <cstdint>

struct Create_Options {
  std::uint32_t words[4];
  std::uint8_t flags;
};
