#include "store/Crc32.h"

#include <array>

namespace store {
namespace {

// Slicing by four: four table look-ups per four bytes keep the checksum well below the cost of the
// read it protects.
using Tables = std::array<std::array<std::uint32_t, 256>, 4>;

constexpr Tables MakeTables() {
  Tables tables{};
  for (std::uint32_t i = 0; i < 256; ++i) {
    std::uint32_t crc = i;
    for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ ((crc & 1) ? 0xEDB88320u : 0u);
    tables[0][i] = crc;
  }
  for (std::uint32_t i = 0; i < 256; ++i) {
    for (std::size_t t = 1; t < 4; ++t) {
      const std::uint32_t previous = tables[t - 1][i];
      tables[t][i] = (previous >> 8) ^ tables[0][previous & 0xFF];
    }
  }
  return tables;
}

constexpr Tables kTables = MakeTables();

}  // namespace

std::uint32_t Crc32(const void* bytes, std::size_t size) {
  const auto* data = static_cast<const std::uint8_t*>(bytes);
  std::uint32_t crc = 0xFFFFFFFFu;
  while (size >= 4) {
    crc ^= static_cast<std::uint32_t>(data[0]) | static_cast<std::uint32_t>(data[1]) << 8 |
           static_cast<std::uint32_t>(data[2]) << 16 | static_cast<std::uint32_t>(data[3]) << 24;
    crc = kTables[3][crc & 0xFF] ^ kTables[2][(crc >> 8) & 0xFF] ^ kTables[1][(crc >> 16) & 0xFF] ^
          kTables[0][crc >> 24];
    data += 4;
    size -= 4;
  }
  while (size-- > 0) crc = (crc >> 8) ^ kTables[0][(crc ^ *data++) & 0xFF];
  return crc ^ 0xFFFFFFFFu;
}

}  // namespace store
