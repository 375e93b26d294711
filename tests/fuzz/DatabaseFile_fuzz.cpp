// Database files: the input is written as a database file, opened read-only and walked through
// Polylex the way the viewer would (the damaged-database test's reader). Every file must either be
// read or be refused with one of the library's errors; anything else thrown is a fault. Every page
// of the input is given its correct checksum first, so that inputs get past the checksums to the
// page and record layers behind them.
#include <cstdint>
#include <vector>

#include "FuzzSupport.h"
#include "hardening/DamagedDatabaseSupport.h"
#include "store/PageChecksum.h"

namespace {

constexpr std::size_t kPageSizeOffset = 16;

std::vector<std::uint8_t> Stamped(const std::uint8_t* data, std::size_t size) {
  std::vector<std::uint8_t> bytes(data, data + size);
  if (size <= kPageSizeOffset + 1) return bytes;
  std::size_t pageSize =
      static_cast<std::size_t>(data[kPageSizeOffset]) << 8 | data[kPageSizeOffset + 1];
  if (pageSize == 1) pageSize = 65536;
  if (pageSize < store::kSmallestPageSize || (pageSize & (pageSize - 1)) != 0) return bytes;
  for (std::size_t at = 0; at + pageSize <= size; at += pageSize) {
    store::StampPage(bytes.data() + at, pageSize, at / pageSize + 1);
  }
  return bytes;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::vector<std::uint8_t> stamped = Stamped(data, size);
  damage::OpenAndRead(fuzz::WriteScratchFile("input.fdb", stamped.data(), stamped.size()));
  return 0;
}
