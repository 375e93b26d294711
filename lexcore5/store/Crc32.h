// CRC-32 (the IEEE polynomial, as in zip and PNG) over a byte range: the checksum that lets the
// store notice a record body that changed on disk behind its back.
#pragma once

#include <cstddef>
#include <cstdint>

namespace store {

std::uint32_t Crc32(const void* bytes, std::size_t size);

}  // namespace store
