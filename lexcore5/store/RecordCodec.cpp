#include "store/RecordCodec.h"

#include <cstring>

#include "ArbCodes.h"
#include "store/Crc32.h"
#include "store/Pool.h"

namespace store {
namespace {

constexpr std::uint8_t kFormat = 1;
constexpr std::size_t kHeaderSize = 5;
constexpr std::size_t kFieldHeaderSize = 6;
constexpr std::uint8_t kStoredRecordId = 0x80;
constexpr std::uint8_t kStoredValue = 0x40;
constexpr std::uint8_t kLastType = kFieldTimestamp;
// Values start at multiples of this inside a decoded record, so that readers may load them as
// integers in place.
constexpr std::size_t kValueAlign = 8;

void PutU16(std::string* out, std::uint16_t value) {
  out->push_back(static_cast<char>(value & 0xFF));
  out->push_back(static_cast<char>(value >> 8));
}

void PutU32(std::string* out, std::uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) out->push_back(static_cast<char>(value >> shift));
}

std::uint16_t U16At(const std::uint8_t* bytes) {
  return static_cast<std::uint16_t>(bytes[0] | bytes[1] << 8);
}

std::uint32_t U32At(const std::uint8_t* bytes) {
  return static_cast<std::uint32_t>(bytes[0]) | static_cast<std::uint32_t>(bytes[1]) << 8 |
         static_cast<std::uint32_t>(bytes[2]) << 16 | static_cast<std::uint32_t>(bytes[3]) << 24;
}

std::size_t AlignValue(std::size_t offset) {
  return (offset + kValueAlign - 1) & ~(kValueAlign - 1);
}

// The level rule shared by writing and reading: the first field is the only one at level 0, and no
// field is more than one level deeper than the field before it.
std::uint32_t CheckLevel(bool first, int previousLevel, int level) {
  if (first) return level == 0 ? arbcode::SUCCESS : arbcode::GED_BAD_LEVEL;
  if (level == 0) return arbcode::GED_BAD_LEVEL;
  return level > previousLevel + 1 ? arbcode::GED_SKIP_LEVEL : arbcode::SUCCESS;
}

struct FieldHeader {
  std::uint8_t level;
  std::uint8_t flags;
  std::uint16_t tag;
  std::uint16_t length;
  std::uint32_t recordId;
  const std::uint8_t* value;
};

// Walks a body's fields one by one, checking each against the body's bounds and the tree rules.
class FieldReader {
 public:
  FieldReader(const std::uint8_t* begin, const std::uint8_t* end) : at_(begin), end_(end) {}

  bool AtEnd() const { return at_ == end_; }

  std::uint32_t Next(FieldHeader* field) {
    if (static_cast<std::size_t>(end_ - at_) < kFieldHeaderSize) return arbcode::DATA_ERROR;
    field->level = at_[0];
    field->flags = at_[1];
    field->tag = U16At(at_ + 2);
    field->length = U16At(at_ + 4);
    at_ += kFieldHeaderSize;
    if (CheckLevel(first_, previousLevel_, field->level) != arbcode::SUCCESS ||
        (field->flags & kTypeMask) > kLastType || field->tag == 0 ||
        ((field->flags & kStoredValue) == 0 && field->length != 0)) {
      return arbcode::DATA_ERROR;
    }
    field->recordId = 0;
    if (field->flags & kStoredRecordId) {
      if (first_ || end_ - at_ < 4) return arbcode::DATA_ERROR;
      field->recordId = U32At(at_);
      at_ += 4;
    }
    if (static_cast<std::size_t>(end_ - at_) < field->length) return arbcode::DATA_ERROR;
    field->value = at_;
    at_ += field->length;
    first_ = false;
    previousLevel_ = field->level;
    return arbcode::SUCCESS;
  }

 private:
  const std::uint8_t* at_;
  const std::uint8_t* end_;
  bool first_ = true;
  int previousLevel_ = 0;
};

}  // namespace

std::uint32_t EncodeRecord(const node* root, std::string* body) {
  body->assign(kHeaderSize, '\0');
  (*body)[0] = static_cast<char>(kFormat);
  int previousLevel = 0;
  for (const node* field = root; field != nullptr; field = field->next) {
    const bool first = field == root;
    if (std::uint32_t code = CheckLevel(first, previousLevel, field->level)) return code;
    if (field->tag == 0) return arbcode::INVALID_TAG;
    if (field->FieldKind() > kLastType) return arbcode::BAD_FIELD_TYPE;
    if (field->value == nullptr && field->length != 0) return arbcode::GED_BAD_VALUE;
    std::uint8_t flags = field->FieldKind();
    if (field->value != nullptr) flags |= kStoredValue;
    if (!first && field->HasRecordId()) flags |= kStoredRecordId;
    body->push_back(static_cast<char>(field->level));
    body->push_back(static_cast<char>(flags));
    PutU16(body, field->tag);
    PutU16(body, field->length);
    if (flags & kStoredRecordId) PutU32(body, field->recordId);
    body->append(static_cast<const char*>(field->value), field->length);
    previousLevel = field->level;
  }
  const std::uint32_t crc = Crc32(body->data() + kHeaderSize, body->size() - kHeaderSize);
  for (std::size_t i = 0; i < 4; ++i) (*body)[1 + i] = static_cast<char>(crc >> (8 * i));
  return arbcode::SUCCESS;
}

std::uint32_t DecodeRecord(std::string_view body, PoolMemoryManager* pool, node** root) {
  if (body.size() < kHeaderSize) return arbcode::DATA_ERROR;
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(body.data());
  if (bytes[0] != kFormat) return arbcode::UNSUPPORTED_VERSION;
  const std::uint8_t* fields = bytes + kHeaderSize;
  const std::uint8_t* end = bytes + body.size();
  if (Crc32(fields, body.size() - kHeaderSize) != U32At(bytes + 1)) return arbcode::BLOCK_CHECKSUM;

  // First pass: check everything and size the allocation, so the tree comes in two allocations.
  std::size_t count = 0;
  std::size_t valueBytes = 0;
  FieldHeader field;
  for (FieldReader reader(fields, end); !reader.AtEnd(); ++count) {
    if (std::uint32_t code = reader.Next(&field)) return code;
    if (field.flags & kStoredValue) valueBytes = AlignValue(valueBytes) + field.length;
  }
  if (count == 0) return arbcode::DATA_ERROR;

  auto* nodes = static_cast<node*>(PoolAllocate(pool, count * sizeof(node)));
  auto* values = static_cast<std::uint8_t*>(PoolAllocate(pool, valueBytes));
  if (nodes == nullptr || values == nullptr) return arbcode::MEM;
  std::size_t valueOffset = 0;
  FieldReader reader(fields, end);
  for (std::size_t i = 0; i < count; ++i) {
    reader.Next(&field);
    node& out = nodes[i];
    out = node{};
    out.next = i + 1 < count ? &nodes[i + 1] : nullptr;
    out.prev = i > 0 ? &nodes[i - 1] : nullptr;
    out.tag = field.tag;
    out.level = field.level;
    out.length = field.length;
    out.type = field.flags & kTypeMask;
    if (field.flags & kStoredRecordId) {
      out.type |= kHasRecordId;
      out.recordId = field.recordId;
    }
    if (field.flags & kStoredValue) {
      valueOffset = AlignValue(valueOffset);
      out.value = values + valueOffset;
      if (field.length != 0) std::memcpy(out.value, field.value, field.length);
      valueOffset += field.length;
    }
  }
  *root = nodes;
  return arbcode::SUCCESS;
}

}  // namespace store
