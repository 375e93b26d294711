#include "store/RecordCodec.h"

#include <cstring>

#include "ArbCodes.h"
#include "store/Bytes.h"
#include "store/Crc32.h"
#include "store/Pool.h"

namespace store {
namespace {

constexpr std::uint8_t kLastType = kFieldTimestamp;
// Values start at multiples of this inside a decoded record, so that readers may load them as
// integers in place.
constexpr std::size_t kValueAlign = 8;
// Record pointers (context fields of this size) are the values the compact format packs.
constexpr std::uint16_t kPointerSize = 4;
// Records with more fields than this are parsed twice when decoded (see DecodeRecord).
constexpr std::size_t kKeptHeaders = 32;

constexpr std::size_t kFixedFieldSize = 6;
constexpr std::uint8_t kFixedRecordId = 0x80;
constexpr std::uint8_t kFixedValue = 0x40;

constexpr std::uint8_t kCompactTypeMask = 0x07;
constexpr std::uint8_t kCompactValue = 0x08;
constexpr std::uint8_t kCompactRecordId = 0x10;
constexpr std::uint8_t kCompactPointer = 0x20;
constexpr int kLevelShift = 6;
enum LevelStep : std::uint8_t { kDeeper = 0, kSameLevel = 1, kLevelFollows = 2 };

std::size_t AlignValue(std::size_t offset) {
  return (offset + kValueAlign - 1) & ~(kValueAlign - 1);
}

// The checksum a body of `format` carries over `fields`.
std::uint32_t BodyChecksum(std::uint8_t format, const void* fields, std::size_t size) {
  if (format == static_cast<std::uint8_t>(BodyFormat::kFixed)) return Crc32(fields, size);
  return Crc32(fields, size, Crc32(&format, 1));
}

// DATA_ERROR for a body too short for its header, UNSUPPORTED_VERSION for an unknown format.
std::uint32_t CheckFormat(std::string_view body) {
  if (body.size() < kBodyHeaderSize) return arbcode::DATA_ERROR;
  const auto format = static_cast<std::uint8_t>(body[0]);
  if (format != static_cast<std::uint8_t>(BodyFormat::kFixed) &&
      format != static_cast<std::uint8_t>(BodyFormat::kCompact)) {
    return arbcode::UNSUPPORTED_VERSION;
  }
  return arbcode::SUCCESS;
}

// The level rule shared by writing and reading: the first field is the only one at level 0, and no
// field is more than one level deeper than the field before it.
std::uint32_t CheckLevel(bool first, int previousLevel, int level) {
  if (first) return level == 0 ? arbcode::SUCCESS : arbcode::GED_BAD_LEVEL;
  if (level == 0) return arbcode::GED_BAD_LEVEL;
  return level > previousLevel + 1 ? arbcode::GED_SKIP_LEVEL : arbcode::SUCCESS;
}

void PutFixedField(const node* field, bool first, std::string* body) {
  std::uint8_t flags = field->FieldKind();
  if (field->value != nullptr) flags |= kFixedValue;
  if (!first && field->HasRecordId()) flags |= kFixedRecordId;
  body->push_back(static_cast<char>(field->level));
  body->push_back(static_cast<char>(flags));
  PutU16(body, field->tag);
  PutU16(body, field->length);
  if (flags & kFixedRecordId) PutU32(body, field->recordId);
  body->append(static_cast<const char*>(field->value), field->length);
}

void PutCompactField(const node* field, bool first, int previousLevel, std::string* body) {
  std::uint8_t lead = field->FieldKind();
  const bool packed = field->FieldKind() == kFieldContext && field->length == kPointerSize &&
                      field->value != nullptr;
  if (field->value != nullptr) lead |= kCompactValue;
  if (packed) lead |= kCompactPointer;
  const bool recordId = !first && field->HasRecordId();
  if (recordId) lead |= kCompactRecordId;
  LevelStep step = kLevelFollows;
  if (first || field->level == previousLevel + 1) {
    step = kDeeper;
  } else if (field->level == previousLevel) {
    step = kSameLevel;
  }
  body->push_back(static_cast<char>(lead | step << kLevelShift));
  if (step == kLevelFollows) body->push_back(static_cast<char>(field->level));
  PutVarint(body, field->tag);
  if (packed) {
    PutVarint(body, U32At(static_cast<const std::uint8_t*>(field->value)));
  } else if (field->value != nullptr) {
    PutVarint(body, field->length);
  }
  if (recordId) PutVarint(body, field->recordId);
  if (!packed) body->append(static_cast<const char*>(field->value), field->length);
}

struct FieldHeader {
  std::uint8_t level;
  std::uint8_t type;
  bool hasValue;
  bool hasRecordId;
  std::uint16_t tag;
  std::uint16_t length;
  std::uint32_t recordId;
  // The value's bytes as stored; null for a packed pointer, whose value is `pointer`.
  const std::uint8_t* value;
  std::uint32_t pointer;
};

// Walks a body's fields one by one, checking each against the body's bounds and the tree rules.
class FieldReader {
 public:
  FieldReader(std::uint8_t format, const std::uint8_t* begin, const std::uint8_t* end)
      : compact_(format == static_cast<std::uint8_t>(BodyFormat::kCompact)),
        at_(begin),
        end_(end) {}

  bool AtEnd() const { return at_ == end_; }

  // Inlined into the decoding loop, so that the reader's position stays in registers.
  [[gnu::always_inline]] std::uint32_t Next(FieldHeader* field) {
    field->recordId = 0;
    field->value = nullptr;
    field->pointer = 0;
    if (!(compact_ ? ReadCompact(field) : ReadFixed(field))) return arbcode::DATA_ERROR;
    if (CheckLevel(first_, previousLevel_, field->level) != arbcode::SUCCESS ||
        field->type > kLastType || field->tag == 0 || (first_ && field->hasRecordId)) {
      return arbcode::DATA_ERROR;
    }
    first_ = false;
    previousLevel_ = field->level;
    return arbcode::SUCCESS;
  }

 private:
  bool ReadFixed(FieldHeader* field) {
    if (static_cast<std::size_t>(end_ - at_) < kFixedFieldSize) return false;
    field->level = at_[0];
    const std::uint8_t flags = at_[1];
    field->type = flags & kTypeMask;
    field->hasValue = (flags & kFixedValue) != 0;
    field->hasRecordId = (flags & kFixedRecordId) != 0;
    field->tag = U16At(at_ + 2);
    field->length = U16At(at_ + 4);
    at_ += kFixedFieldSize;
    if (!field->hasValue && field->length != 0) return false;
    if (field->hasRecordId) {
      if (end_ - at_ < 4) return false;
      field->recordId = U32At(at_);
      at_ += 4;
    }
    return TakeValue(field);
  }

  [[gnu::always_inline]] bool ReadCompact(FieldHeader* field) {
    if (at_ == end_) return false;
    const std::uint8_t lead = *at_++;
    field->type = lead & kCompactTypeMask;
    field->hasValue = (lead & kCompactValue) != 0;
    field->hasRecordId = (lead & kCompactRecordId) != 0;
    const bool packed = (lead & kCompactPointer) != 0;
    switch (lead >> kLevelShift) {
      case kDeeper:
        if (!first_ && previousLevel_ == 0xFF) return false;
        field->level = static_cast<std::uint8_t>(first_ ? 0 : previousLevel_ + 1);
        break;
      case kSameLevel:
        field->level = static_cast<std::uint8_t>(previousLevel_);
        break;
      case kLevelFollows:
        if (at_ == end_) return false;
        field->level = *at_++;
        break;
      default:
        return false;
    }
    std::uint32_t number = 0;
    if (!ReadVarint(0xFFFF, &number)) return false;
    field->tag = static_cast<std::uint16_t>(number);
    field->length = 0;
    if (packed) {
      if (!field->hasValue || field->type != kFieldContext) return false;
      if (!ReadVarint(0xFFFFFFFF, &field->pointer)) return false;
      field->length = kPointerSize;
    } else if (field->hasValue) {
      if (!ReadVarint(0xFFFF, &number)) return false;
      field->length = static_cast<std::uint16_t>(number);
    }
    if (field->hasRecordId && !ReadVarint(0xFFFFFFFF, &field->recordId)) return false;
    return packed || TakeValue(field);
  }

  bool ReadVarint(std::uint32_t max, std::uint32_t* value) {
    return store::ReadVarint(&at_, end_, max, value);
  }

  bool TakeValue(FieldHeader* field) {
    if (static_cast<std::size_t>(end_ - at_) < field->length) return false;
    field->value = at_;
    at_ += field->length;
    return true;
  }

  const bool compact_;
  const std::uint8_t* at_;
  const std::uint8_t* end_;
  bool first_ = true;
  int previousLevel_ = 0;
};

// What DecodeCompact returns for a body of more fields than it builds on the stack.
constexpr std::uint32_t kTooManyFields = 0xFFFFFFFF;

// Decodes the fields of a compact body, checking them as FieldReader does, for records of at most
// kKeptHeaders fields: their nodes are built on the stack while the body is read, then moved to the
// pool in one piece. Most records are read this way, and with the reader's state in locals it
// costs half of what the generic path does.
std::uint32_t DecodeCompact(const std::uint8_t* at, const std::uint8_t* end,
                            PoolMemoryManager* pool, node** root) {
  node built[kKeptHeaders];
  // A packed pointer's value, kept here until the values have their place.
  std::uint32_t pointers[kKeptHeaders];
  std::uint32_t withValue = 0;
  std::uint32_t packed = 0;
  static_assert(kKeptHeaders <= 32);
  std::size_t count = 0;
  std::size_t valueBytes = 0;
  int previousLevel = 0;
  for (; at != end; ++count) {
    if (count == kKeptHeaders) return kTooManyFields;
    const std::uint8_t lead = *at++;
    const bool first = count == 0;
    int level = 0;
    switch (lead >> kLevelShift) {
      case kDeeper:
        level = first ? 0 : previousLevel + 1;
        if (level > 0xFF) return arbcode::DATA_ERROR;
        break;
      case kSameLevel:
        level = previousLevel;
        if (!first && level == 0) return arbcode::DATA_ERROR;
        break;
      case kLevelFollows:
        if (at == end) return arbcode::DATA_ERROR;
        level = *at++;
        if (CheckLevel(first, previousLevel, level) != arbcode::SUCCESS) return arbcode::DATA_ERROR;
        break;
      default:
        return arbcode::DATA_ERROR;
    }
    std::uint32_t tag = 0;
    if (!ReadVarint(&at, end, 0xFFFF, &tag) || tag == 0) return arbcode::DATA_ERROR;
    const auto type = static_cast<std::uint8_t>(lead & kCompactTypeMask);
    const bool hasValue = (lead & kCompactValue) != 0;
    const bool hasRecordId = (lead & kCompactRecordId) != 0;
    const bool isPacked = (lead & kCompactPointer) != 0;
    if (first && hasRecordId) return arbcode::DATA_ERROR;
    std::uint32_t length = 0;
    if (isPacked) {
      if (!hasValue || type != kFieldContext) return arbcode::DATA_ERROR;
      if (!ReadVarint(&at, end, 0xFFFFFFFF, &pointers[count])) return arbcode::DATA_ERROR;
      length = kPointerSize;
      packed |= 1U << count;
    } else if (hasValue && !ReadVarint(&at, end, 0xFFFF, &length)) {
      return arbcode::DATA_ERROR;
    }
    std::uint32_t recordId = 0;
    if (hasRecordId && !ReadVarint(&at, end, 0xFFFFFFFF, &recordId)) return arbcode::DATA_ERROR;
    node& out = built[count];
    out.value = nullptr;
    if (!isPacked) {
      if (static_cast<std::size_t>(end - at) < length) return arbcode::DATA_ERROR;
      // The value's bytes in the body for now.
      out.value = const_cast<std::uint8_t*>(at);
      at += length;
    }
    if (hasValue) {
      withValue |= 1U << count;
      valueBytes = AlignValue(valueBytes) + length;
    }
    out.length = static_cast<std::uint16_t>(length);
    out.tag = static_cast<std::uint16_t>(tag);
    out.level = static_cast<std::uint8_t>(level);
    out.type = hasRecordId ? static_cast<std::uint8_t>(type | kHasRecordId) : type;
    out.recordId = recordId;
    out.container = 0;
    out.store = 0;
    out.database = nullptr;
    previousLevel = level;
  }
  if (count == 0) return arbcode::DATA_ERROR;

  static_assert(sizeof(node) % kValueAlign == 0);
  auto* nodes = static_cast<node*>(PoolAllocate(pool, count * sizeof(node) + valueBytes));
  if (nodes == nullptr) return arbcode::MEM;
  std::memcpy(nodes, built, count * sizeof(node));
  auto* values = reinterpret_cast<std::uint8_t*>(nodes + count);
  std::size_t valueOffset = 0;
  for (std::size_t i = 0; i < count; ++i) {
    node& out = nodes[i];
    out.next = &nodes[i + 1];
    out.prev = i > 0 ? &nodes[i - 1] : nullptr;
    if ((withValue >> i & 1U) == 0) {
      out.value = nullptr;
      continue;
    }
    valueOffset = AlignValue(valueOffset);
    std::uint8_t* value = values + valueOffset;
    if ((packed >> i & 1U) != 0) {
      for (std::size_t b = 0; b < kPointerSize; ++b) {
        value[b] = static_cast<std::uint8_t>(pointers[i] >> (8 * b));
      }
    } else if (out.length != 0) {
      std::memcpy(value, out.value, out.length);
    }
    out.value = value;
    valueOffset += out.length;
  }
  nodes[count - 1].next = nullptr;
  *root = nodes;
  return arbcode::SUCCESS;
}

}  // namespace

std::uint32_t EncodeRecord(const node* root, std::string* body, BodyFormat format) {
  body->assign(kBodyHeaderSize, '\0');
  (*body)[0] = static_cast<char>(format);
  int previousLevel = 0;
  for (const node* field = root; field != nullptr; field = field->next) {
    const bool first = field == root;
    if (std::uint32_t code = CheckLevel(first, previousLevel, field->level)) return code;
    if (field->tag == 0) return arbcode::INVALID_TAG;
    if (field->FieldKind() > kLastType) return arbcode::BAD_FIELD_TYPE;
    if (field->value == nullptr && field->length != 0) return arbcode::GED_BAD_VALUE;
    if (format == BodyFormat::kFixed) {
      PutFixedField(field, first, body);
    } else {
      PutCompactField(field, first, previousLevel, body);
    }
    previousLevel = field->level;
  }
  SealRecordBody(body);
  return arbcode::SUCCESS;
}

void SealRecordBody(std::string* body) {
  if (body->size() < kBodyHeaderSize) return;
  const std::uint32_t crc =
      BodyChecksum(static_cast<std::uint8_t>((*body)[0]), body->data() + kBodyHeaderSize,
                   body->size() - kBodyHeaderSize);
  for (std::size_t i = 0; i < 4; ++i) (*body)[1 + i] = static_cast<char>(crc >> (8 * i));
}

std::uint32_t CheckBody(std::string_view body) {
  if (std::uint32_t code = CheckFormat(body)) return code;
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(body.data());
  if (BodyChecksum(bytes[0], bytes + kBodyHeaderSize, body.size() - kBodyHeaderSize) !=
      U32At(bytes + 1)) {
    return arbcode::BLOCK_CHECKSUM;
  }
  return arbcode::SUCCESS;
}

std::uint32_t DecodeRecord(std::string_view body, PoolMemoryManager* pool, node** root,
                           BodyTrust trust) {
  if (std::uint32_t code = trust == BodyTrust::kProven ? CheckFormat(body) : CheckBody(body)) {
    return code;
  }
  const auto* bytes = reinterpret_cast<const std::uint8_t*>(body.data());
  const std::uint8_t format = bytes[0];
  const std::uint8_t* fields = bytes + kBodyHeaderSize;
  const std::uint8_t* end = bytes + body.size();
  if (format == static_cast<std::uint8_t>(BodyFormat::kCompact)) {
    const std::uint32_t code = DecodeCompact(fields, end, pool, root);
    if (code != kTooManyFields) return code;
  }

  // First pass: check everything and size the allocation, so the tree comes in two allocations.
  // The headers of most records fit on the stack, so the second pass need not parse again.
  std::size_t count = 0;
  std::size_t valueBytes = 0;
  FieldHeader kept[kKeptHeaders];
  FieldHeader field;
  for (FieldReader reader(format, fields, end); !reader.AtEnd(); ++count) {
    if (std::uint32_t code = reader.Next(&field)) return code;
    if (field.hasValue) valueBytes = AlignValue(valueBytes) + field.length;
    if (count < kKeptHeaders) kept[count] = field;
  }
  if (count == 0) return arbcode::DATA_ERROR;

  // Nodes and values in one allocation; a node's size keeps the values behind them aligned.
  static_assert(sizeof(node) % kValueAlign == 0);
  auto* nodes = static_cast<node*>(PoolAllocate(pool, count * sizeof(node) + valueBytes));
  if (nodes == nullptr) return arbcode::MEM;
  auto* values = reinterpret_cast<std::uint8_t*>(nodes + count);
  std::size_t valueOffset = 0;
  FieldReader reader(format, fields, end);
  for (std::size_t i = 0; i < count; ++i) {
    if (count > kKeptHeaders) reader.Next(&field);
    const FieldHeader& header = count > kKeptHeaders ? field : kept[i];
    node& out = nodes[i];
    out.next = &nodes[i + 1];
    out.prev = i > 0 ? &nodes[i - 1] : nullptr;
    out.value = nullptr;
    out.tag = header.tag;
    out.level = header.level;
    out.length = header.length;
    out.type =
        header.hasRecordId ? static_cast<std::uint8_t>(header.type | kHasRecordId) : header.type;
    out.recordId = header.hasRecordId ? header.recordId : 0;
    out.container = 0;
    out.store = 0;
    out.database = nullptr;
    if (header.hasValue) {
      valueOffset = AlignValue(valueOffset);
      auto* value = values + valueOffset;
      out.value = value;
      if (header.value == nullptr) {
        for (std::size_t b = 0; b < kPointerSize; ++b) {
          value[b] = static_cast<std::uint8_t>(header.pointer >> (8 * b));
        }
      } else if (header.length != 0) {
        std::memcpy(value, header.value, header.length);
      }
      valueOffset += header.length;
    }
  }
  nodes[count - 1].next = nullptr;
  *root = nodes;
  return arbcode::SUCCESS;
}

}  // namespace store
