#include "store/Crc32.h"

#include <array>

namespace store {
namespace {

// Slicing by eight: eight independent table look-ups per eight bytes keep the checksum well below
// the cost of the read it protects (every record read verifies one).
constexpr std::size_t kSlices = 8;
using Tables = std::array<std::array<std::uint32_t, 256>, kSlices>;

constexpr Tables MakeTables() {
  Tables tables{};
  for (std::uint32_t i = 0; i < 256; ++i) {
    std::uint32_t crc = i;
    for (int bit = 0; bit < 8; ++bit) crc = (crc >> 1) ^ ((crc & 1) ? 0xEDB88320u : 0u);
    tables[0][i] = crc;
  }
  for (std::uint32_t i = 0; i < 256; ++i) {
    for (std::size_t t = 1; t < kSlices; ++t) {
      const std::uint32_t previous = tables[t - 1][i];
      tables[t][i] = (previous >> 8) ^ tables[0][previous & 0xFF];
    }
  }
  return tables;
}

constexpr Tables kTables = MakeTables();

// Four bytes, little-endian.
std::uint32_t Word(const std::uint8_t* data) {
  return static_cast<std::uint32_t>(data[0]) | static_cast<std::uint32_t>(data[1]) << 8 |
         static_cast<std::uint32_t>(data[2]) << 16 | static_cast<std::uint32_t>(data[3]) << 24;
}

}  // namespace

std::uint32_t Crc32(const void* bytes, std::size_t size, std::uint32_t before) {
  const auto* data = static_cast<const std::uint8_t*>(bytes);
  std::uint32_t crc = before ^ 0xFFFFFFFFu;
  while (size >= kSlices) {
    const std::uint32_t low = crc ^ Word(data);
    const std::uint32_t high = Word(data + 4);
    crc = kTables[7][low & 0xFF] ^ kTables[6][(low >> 8) & 0xFF] ^ kTables[5][(low >> 16) & 0xFF] ^
          kTables[4][low >> 24] ^ kTables[3][high & 0xFF] ^ kTables[2][(high >> 8) & 0xFF] ^
          kTables[1][(high >> 16) & 0xFF] ^ kTables[0][high >> 24];
    data += kSlices;
    size -= kSlices;
  }
  while (size-- > 0) crc = (crc >> 8) ^ kTables[0][(crc ^ *data++) & 0xFF];
  return crc ^ 0xFFFFFFFFu;
}

}  // namespace store
