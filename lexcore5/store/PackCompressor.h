// Zstandard contexts for record packs, kept from one pack to the next: setting one up costs far
// more than compressing the kilobyte or two of a pack. Zstandard rather than deflate: on WordNet's
// records it packs as tightly and unpacks twice as fast, and a look-up unpacks a pack for nearly
// every record it reads first.
#pragma once

#include <zstd.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace store {

class PackCompressor {
 public:
  PackCompressor() = default;
  ~PackCompressor();
  PackCompressor(const PackCompressor&) = delete;
  PackCompressor& operator=(const PackCompressor&) = delete;

  // Appends the compressed frame of `bytes`, with a checksum of them, to *out. MEM when the
  // compressor fails.
  std::uint32_t Compress(std::string_view bytes, std::string* out);
  // Appends what the frame `compressed` holds to *out. BLOCK_CHECKSUM for a frame that is broken,
  // cut short, followed by more bytes or not matching its checksum; DATA_ERROR when it would grow
  // *out past `limit` bytes; MEM when the decompressor cannot be made.
  std::uint32_t Expand(std::string_view compressed, std::size_t limit, std::string* out);

 private:
  ZSTD_CCtx* compressor_ = nullptr;
  ZSTD_DCtx* decompressor_ = nullptr;
};

}  // namespace store
