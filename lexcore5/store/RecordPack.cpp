#include "store/RecordPack.h"

#include <bit>

#include "ArbCodes.h"
#include "store/Bytes.h"
#include "store/RecordCodec.h"

namespace store {
namespace {

// Far beyond any pack of real records, and a bound on what a damaged stream can make us allocate.
constexpr std::size_t kMaxUnpackedSize = 64 << 20;

const std::uint8_t* BytesOf(std::string_view text) {
  return reinterpret_cast<const std::uint8_t*>(text.data());
}

// Whether the unpacked bytes after the mask hold exactly one length-prefixed body per mask bit.
bool MatchesMask(std::string_view unpacked) {
  const std::uint8_t* at = BytesOf(unpacked) + kMaskSize;
  const std::uint8_t* end = BytesOf(unpacked) + unpacked.size();
  for (int count = std::popcount(detail::MaskOf(unpacked)); count > 0; --count) {
    std::uint32_t length = 0;
    if (!ReadVarint(&at, end, 0xFFFFFFFF, &length) || static_cast<std::size_t>(end - at) < length) {
      return false;
    }
    at += length;
  }
  return at == end;
}

bool IsPackFormat(std::uint8_t format) {
  return format == kPackFormat || format == kDictionaryPackFormat;
}

}  // namespace

bool StoredPackMask(std::string_view stored, SlotMask* mask) {
  if (stored.size() < kPackHeaderSize || !IsPackFormat(BytesOf(stored)[0])) return false;
  *mask = U32At(BytesOf(stored) + 1);
  return true;
}

std::uint32_t UnpackPack(std::string_view stored, PackCompressor* compressor,
                         std::string* unpacked) {
  if (stored.size() < kPackHeaderSize) return arbcode::DATA_ERROR;
  const std::uint8_t format = BytesOf(stored)[0];
  if (!IsPackFormat(format)) return arbcode::UNSUPPORTED_VERSION;
  unpacked->clear();
  if (std::uint32_t code =
          compressor->Expand(stored.substr(kPackHeaderSize), format == kDictionaryPackFormat,
                             kMaxUnpackedSize, unpacked)) {
    return code;
  }
  if (unpacked->size() < kMaskSize || detail::MaskOf(*unpacked) != U32At(BytesOf(stored) + 1)) {
    return arbcode::BLOCK_CHECKSUM;
  }
  return MatchesMask(*unpacked) ? arbcode::SUCCESS : arbcode::DATA_ERROR;
}

namespace detail {

SlotMask MaskOf(std::string_view unpacked) {
  return U32At(BytesOf(unpacked));
}

std::string_view NextPackedBody(const char** at) {
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(*at);
  std::uint32_t length = 0;
  // Proven to fit by MatchesMask when the pack was unpacked.
  ReadVarint(&bytes, bytes + 5, 0xFFFFFFFF, &length);
  const std::string_view body(reinterpret_cast<const char*>(bytes), length);
  *at = body.data() + length;
  return body;
}

void RebuildBody(std::string_view bare, std::string* body) {
  body->assign(kBodyHeaderSize, '\0');
  (*body)[0] = static_cast<char>(BodyFormat::kCompact);
  body->append(bare);
  SealRecordBody(body);
}

}  // namespace detail

bool TakePackedBody(std::string_view unpacked, unsigned slot, std::string* body) {
  const SlotMask mask = detail::MaskOf(unpacked);
  if ((mask >> slot & 1U) == 0) return false;
  const char* at = unpacked.data() + kMaskSize;
  std::string_view bare;
  for (int before = std::popcount(static_cast<SlotMask>(mask & ((SlotMask{1} << slot) - 1)));
       before >= 0; --before) {
    bare = detail::NextPackedBody(&at);
  }
  detail::RebuildBody(bare, body);
  return true;
}

void RecordPack::Load(std::string_view unpacked) {
  mask_ = detail::MaskOf(unpacked);
  const char* at = unpacked.data() + kMaskSize;
  for (unsigned slot = 0; slot < kPackSlots; ++slot) {
    if (Has(slot)) bodies_[slot].assign(detail::NextPackedBody(&at));
  }
}

std::uint32_t RecordPack::Put(unsigned slot, std::string_view body) {
  if (body.size() < kBodyHeaderSize || body[0] != static_cast<char>(BodyFormat::kCompact)) {
    return arbcode::DATA_ERROR;
  }
  bodies_[slot].assign(body.substr(kBodyHeaderSize));
  mask_ |= SlotMask{1} << slot;
  return arbcode::SUCCESS;
}

void RecordPack::Take(unsigned slot, std::string* body) const {
  detail::RebuildBody(bodies_[slot], body);
}

void RecordPack::Erase(unsigned slot) {
  bodies_[slot].clear();
  mask_ &= ~(SlotMask{1} << slot);
}

std::uint32_t RecordPack::Store(PackCompressor* compressor, std::string* stored) const {
  std::string unpacked;
  PutU32(&unpacked, mask_);
  for (unsigned slot = 0; slot < kPackSlots; ++slot) {
    if (!Has(slot)) continue;
    PutVarint(&unpacked, static_cast<std::uint32_t>(bodies_[slot].size()));
    unpacked.append(bodies_[slot]);
  }
  stored->clear();
  stored->push_back(
      static_cast<char>(compressor->HasDictionary() ? kDictionaryPackFormat : kPackFormat));
  PutU32(stored, mask_);
  return compressor->Compress(unpacked, stored);
}

}  // namespace store
