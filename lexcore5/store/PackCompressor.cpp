#define ZSTD_STATIC_LINKING_ONLY  // for ZSTD_c_literalCompressionMode
#include "store/PackCompressor.h"

#include <algorithm>

#include "ArbCodes.h"

namespace store {
namespace {

// On WordNet, level 9 packs 5% tighter than level 3 and unpacks as fast; higher levels gain little
// more and slow a build down severalfold.
constexpr int kLevel = 9;

}  // namespace

PackCompressor::~PackCompressor() {
  DropDictionaries();
  ZSTD_freeCCtx(compressor_);
  ZSTD_freeDCtx(decompressor_);
}

void PackCompressor::DropDictionaries() {
  ZSTD_freeCDict(compressDictionary_);
  ZSTD_freeDDict(expandDictionary_);
  compressDictionary_ = nullptr;
  expandDictionary_ = nullptr;
}

void PackCompressor::UseDictionary(std::string_view dictionary) {
  if (dictionary == dictionary_) return;
  DropDictionaries();
  dictionary_.assign(dictionary);
  // The context keeps parameters and a referenced dictionary between frames: start it afresh.
  ZSTD_freeCCtx(compressor_);
  compressor_ = nullptr;
}

bool PackCompressor::ReadyCompressor() {
  if (compressor_ != nullptr) return true;
  if (HasDictionary() && compressDictionary_ == nullptr) {
    compressDictionary_ = ZSTD_createCDict(dictionary_.data(), dictionary_.size(), kLevel);
    if (compressDictionary_ == nullptr) return false;
  }
  ZSTD_CCtx* context = ZSTD_createCCtx();
  if (context == nullptr) return false;
  // The frame's checksum is what proves a pack intact. A damaged header that drops it leaves the
  // checksum's bytes behind the frame, which the decompressor refuses.
  bool ready = !ZSTD_isError(ZSTD_CCtx_setParameter(context, ZSTD_c_compressionLevel, kLevel)) &&
               !ZSTD_isError(ZSTD_CCtx_setParameter(context, ZSTD_c_checksumFlag, 1));
  if (ready && HasDictionary()) {
    ready = !ZSTD_isError(ZSTD_CCtx_refCDict(context, compressDictionary_));
    // Against a dictionary, literals left uncompressed unpack about a tenth faster (on WordNet)
    // and cost about 3% more bytes. A library that no longer knows the setting compresses them.
    ZSTD_CCtx_setParameter(context, ZSTD_c_literalCompressionMode, ZSTD_ps_disable);
  }
  if (!ready) {
    ZSTD_freeCCtx(context);
    return false;
  }
  compressor_ = context;
  return true;
}

bool PackCompressor::ReadyDecompressor(bool withDictionary) {
  if (decompressor_ == nullptr && (decompressor_ = ZSTD_createDCtx()) == nullptr) return false;
  if (withDictionary && expandDictionary_ == nullptr) {
    // By reference: the dictionary is kept here as long as the digest made of it.
    expandDictionary_ = ZSTD_createDDict_byReference(dictionary_.data(), dictionary_.size());
  }
  return !withDictionary || expandDictionary_ != nullptr;
}

std::uint32_t PackCompressor::Compress(std::string_view bytes, std::string* out) {
  if (!ReadyCompressor()) return arbcode::MEM;
  const std::size_t start = out->size();
  out->resize(start + ZSTD_compressBound(bytes.size()));
  const std::size_t size = ZSTD_compress2(compressor_, out->data() + start, out->size() - start,
                                          bytes.data(), bytes.size());
  if (ZSTD_isError(size)) {
    out->resize(start);
    return arbcode::MEM;
  }
  out->resize(start + size);
  return arbcode::SUCCESS;
}

std::uint32_t PackCompressor::Expand(std::string_view compressed, bool withDictionary,
                                     std::size_t limit, std::string* out) {
  // A frame made against a dictionary cannot be read without it: the file lost its dictionary.
  if (withDictionary && !HasDictionary()) return arbcode::BLOCK_CHECKSUM;
  if (!ReadyDecompressor(withDictionary)) return arbcode::MEM;
  // A one-shot compression records the size it compressed in the frame.
  const unsigned long long contentSize =
      ZSTD_getFrameContentSize(compressed.data(), compressed.size());
  if (contentSize == ZSTD_CONTENTSIZE_ERROR || contentSize == ZSTD_CONTENTSIZE_UNKNOWN) {
    return arbcode::BLOCK_CHECKSUM;
  }
  const std::size_t start = out->size();
  if (contentSize > limit - std::min(limit, start)) return arbcode::DATA_ERROR;
  const auto size = static_cast<std::size_t>(contentSize);
  out->resize(start + size);
  // The frame names the dictionary it was made against, and the library refuses any other.
  const std::size_t made =
      withDictionary
          ? ZSTD_decompress_usingDDict(decompressor_, out->data() + start, size, compressed.data(),
                                       compressed.size(), expandDictionary_)
          : ZSTD_decompressDCtx(decompressor_, out->data() + start, size, compressed.data(),
                                compressed.size());
  if (ZSTD_isError(made) || made != size) {
    out->resize(start);
    return arbcode::BLOCK_CHECKSUM;
  }
  return arbcode::SUCCESS;
}

}  // namespace store
