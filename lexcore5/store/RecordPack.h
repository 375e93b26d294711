// The packed layouts keep the records of one container whose IDs differ only in their low bits
// (five or four: PackSlotsOf in Schema.h) in one row of the record table, under the row key of the
// lowest of those IDs, compressed together. Each record still costs a SQLite row of its own
// otherwise: about 13 bytes of row overhead and a 4-byte checksum that compression cannot shrink.
//
// A stored pack:
//   format byte | slot mask (32-bit little-endian; bit i: the record base + i exists)
//   | the unpacked form as one Zstandard frame with its content checksum (PackCompressor)
// The format byte is kPackFormat, or kDictionaryPackFormat for a frame made against the file's
// dictionary (TrainPackDictionary).
// The unpacked form is the mask again, then, for each slot of the mask from the lowest, the length
// (varint) and the bytes of the record's compact body without its format byte and checksum. Those
// are rebuilt when a body is taken out; the frame's checksum covers the bodies meanwhile, and the
// mask in front, kept for reading without unpacking, must match the one inside.
//
// Thirty-two records a pack: on WordNet that stores the records in a third of their unpacked size
// (sixteen: 14% more), and neighbouring records, which a look-up mostly reads together, share one
// unpacking. Against a dictionary, packs of sixteen take 13% more than packs of thirty-two (the
// whole WordNet file 3% more), and a look-up that reads the file for the first time is about a
// tenth faster: every pack it unpacks is half as long.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

#include "store/PackCompressor.h"

namespace store {

// The most records a pack holds; a layout may hold fewer (PackSlotsOf in Schema.h).
constexpr std::uint32_t kPackSlots = 32;
constexpr std::uint8_t kPackFormat = 0x50;
constexpr std::uint8_t kDictionaryPackFormat = 0x51;
constexpr std::size_t kMaskSize = 4;
constexpr std::size_t kPackHeaderSize = 1 + kMaskSize;
using SlotMask = std::uint32_t;

// `slots`, a power of two up to kPackSlots, is how many records a pack of the file holds.
constexpr std::int64_t PackKeyOf(std::int64_t rowKey, unsigned slots) {
  return rowKey & ~static_cast<std::int64_t>(slots - 1);
}
constexpr unsigned SlotOf(std::int64_t rowKey, unsigned slots) {
  return static_cast<unsigned>(rowKey & (slots - 1));
}

// The slot mask of a stored pack, read without unpacking it and so without proof: for finding the
// next free ID, where a damaged mask is caught when the pack is unpacked for the change. False for
// a stored pack too short to have one or of another format.
bool StoredPackMask(std::string_view stored, SlotMask* mask);

// Replaces *unpacked with the unpacked form of a stored pack, after proving it intact:
// BLOCK_CHECKSUM when it does not decompress, its checksum disagrees or its masks differ,
// UNSUPPORTED_VERSION for another format byte, DATA_ERROR for records that do not match the mask,
// MEM.
std::uint32_t UnpackPack(std::string_view stored, PackCompressor* compressor,
                         std::string* unpacked);

// Replaces *body with the compact body of `slot` in an unpacked pack, checksum rebuilt. False when
// the slot is empty. The unpacked form must come from UnpackPack (it is not checked again).
bool TakePackedBody(std::string_view unpacked, unsigned slot, std::string* body);

// Calls visit(slot, body) for every record of an unpacked pack, lowest slot first; `body` is
// rebuilt in *scratch for each. Stops at the first nonzero code visit returns, and returns it.
template <typename Visit>
std::uint32_t ForEachPackedBody(std::string_view unpacked, std::string* scratch, Visit&& visit);

// A pack being changed: the records of its slots as separate strings.
class RecordPack {
 public:
  // Takes the records of an unpacked pack (from UnpackPack).
  void Load(std::string_view unpacked);
  bool Has(unsigned slot) const { return (mask_ >> slot & 1U) != 0; }
  bool Empty() const { return mask_ == 0; }
  SlotMask Mask() const { return mask_; }
  // Keeps a compact body (format byte and checksum are dropped). DATA_ERROR for a body of another
  // format.
  std::uint32_t Put(unsigned slot, std::string_view body);
  void Erase(unsigned slot);
  // Replaces *body with the compact body of a slot that Has, checksum rebuilt.
  void Take(unsigned slot, std::string* body) const;
  // Replaces *stored with the stored form, made against the compressor's dictionary when it has
  // one; MEM when compression fails.
  std::uint32_t Store(PackCompressor* compressor, std::string* stored) const;

 private:
  std::array<std::string, kPackSlots> bodies_;
  SlotMask mask_ = 0;
};

namespace detail {
// The mask at the start of an unpacked pack.
SlotMask MaskOf(std::string_view unpacked);
// Moves *at past the next body of an unpacked pack and returns that body (without header).
std::string_view NextPackedBody(const char** at);
// Rebuilds a compact body from its bytes without header.
void RebuildBody(std::string_view bare, std::string* body);
}  // namespace detail

template <typename Visit>
std::uint32_t ForEachPackedBody(std::string_view unpacked, std::string* scratch, Visit&& visit) {
  const SlotMask mask = detail::MaskOf(unpacked);
  const char* at = unpacked.data() + kMaskSize;
  for (unsigned slot = 0; slot < kPackSlots; ++slot) {
    if ((mask >> slot & 1U) == 0) continue;
    detail::RebuildBody(detail::NextPackedBody(&at), scratch);
    if (std::uint32_t code = visit(slot, std::string_view(*scratch))) return code;
  }
  return 0;
}

}  // namespace store
