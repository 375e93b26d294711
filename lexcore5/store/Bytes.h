// Integers in stored byte strings: little-endian of fixed width, and unsigned LEB128 varints.
#pragma once

#include <cstdint>
#include <string>

namespace store {

inline void PutU16(std::string* out, std::uint16_t value) {
  out->push_back(static_cast<char>(value & 0xFF));
  out->push_back(static_cast<char>(value >> 8));
}

inline void PutU32(std::string* out, std::uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) out->push_back(static_cast<char>(value >> shift));
}

inline void PutVarint(std::string* out, std::uint32_t value) {
  for (; value >= 0x80; value >>= 7) out->push_back(static_cast<char>(value | 0x80));
  out->push_back(static_cast<char>(value));
}

inline std::uint16_t U16At(const std::uint8_t* bytes) {
  return static_cast<std::uint16_t>(bytes[0] | bytes[1] << 8);
}

inline std::uint32_t U32At(const std::uint8_t* bytes) {
  return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
         static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

// Reads a varint at *at (never past `end`) and moves *at behind it. False for a varint that is cut
// off, longer than five bytes or greater than `max`.
inline bool ReadVarint(const std::uint8_t** at, const std::uint8_t* end, std::uint32_t max,
                       std::uint32_t* value) {
  // Most tags and lengths take one byte.
  if (*at != end && **at < 0x80) {
    *value = *(*at)++;
    return *value <= max;
  }
  std::uint64_t result = 0;
  for (int shift = 0; shift < 35 && *at != end; shift += 7) {
    const std::uint8_t byte = *(*at)++;
    result |= static_cast<std::uint64_t>(byte & 0x7F) << shift;
    if ((byte & 0x80) == 0) {
      *value = static_cast<std::uint32_t>(result);
      return result <= max;
    }
  }
  return false;
}

}  // namespace store
