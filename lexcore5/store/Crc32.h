// CRC-32 (the IEEE polynomial, as in zip and PNG) over a byte range: the checksum that lets the
// store notice a record body that changed on disk behind its back.
#pragma once

#include <cstddef>
#include <cstdint>

namespace store {

// `before` is the checksum of the bytes that come first, so that a range in pieces sums as a whole.
std::uint32_t Crc32(const void* bytes, std::size_t size, std::uint32_t before = 0);

}  // namespace store
