// Zstandard contexts for record packs, kept from one pack to the next: setting one up costs far
// more than compressing the kilobyte or two of a pack. Zstandard rather than deflate: on WordNet's
// records it packs as tightly and unpacks twice as fast, and a look-up unpacks a pack for nearly
// every record it reads first.
//
// A file may carry a dictionary trained on its own packs (TrainPackDictionary). A frame of a
// kilobyte or two otherwise spends most of its unpacking on the tables it brings along; against
// the dictionary its literals go uncompressed and its matches reach into text the packs share.
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

  // Compresses against `dictionary` from now on; an empty one compresses without. Unchanged when
  // it is the one in use already.
  void UseDictionary(std::string_view dictionary);
  bool HasDictionary() const { return !dictionary_.empty(); }

  // Appends the compressed frame of `bytes`, with a checksum of them, to *out: against the
  // dictionary when there is one. MEM when the compressor fails.
  std::uint32_t Compress(std::string_view bytes, std::string* out);
  // Appends what the frame `compressed` holds to *out; `withDictionary` for a frame compressed
  // against the dictionary. BLOCK_CHECKSUM for a frame that is broken, cut short, followed by more
  // bytes, not matching its checksum or made against a dictionary other than the one in use (or
  // none); DATA_ERROR when it would grow *out past `limit` bytes; MEM when the decompressor
  // cannot be made.
  std::uint32_t Expand(std::string_view compressed, bool withDictionary, std::size_t limit,
                       std::string* out);

 private:
  // The contexts and digested dictionaries are made when first needed.
  bool ReadyCompressor();
  bool ReadyDecompressor(bool withDictionary);
  void DropDictionaries();

  std::string dictionary_;
  ZSTD_CCtx* compressor_ = nullptr;
  ZSTD_DCtx* decompressor_ = nullptr;
  ZSTD_CDict* compressDictionary_ = nullptr;
  ZSTD_DDict* expandDictionary_ = nullptr;
};

}  // namespace store
