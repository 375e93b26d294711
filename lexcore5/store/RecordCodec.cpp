#include "store/RecordCodec.h"

#include <cstring>
#include <vector>

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
// The most fields whose headers a thread keeps room for between decodings.
constexpr std::size_t kKeptFieldsAtMost = 1024;

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

// The rules every field read must meet, whatever its format: the level rule, a known type, a tag,
// and no stored record ID on the root.
[[gnu::always_inline]] inline bool FieldIsSound(bool first, int previousLevel,
                                                const FieldHeader& field) {
  return CheckLevel(first, previousLevel, field.level) == arbcode::SUCCESS &&
         field.type <= kLastType && field.tag != 0 && !(first && field.hasRecordId);
}

// Takes the value of `length` bytes at *at into field->value.
bool TakeValue(const std::uint8_t** at, const std::uint8_t* end, FieldHeader* field) {
  if (static_cast<std::size_t>(end - *at) < field->length) return false;
  field->value = *at;
  *at += field->length;
  return true;
}

// Appends the fields of a body of the fixed format to *fields, checking each against the body's
// bounds and the tree rules. False for a broken body.
bool ReadFixedFields(const std::uint8_t* at, const std::uint8_t* end,
                     std::vector<FieldHeader>* fields) {
  int previousLevel = 0;
  for (bool first = true; at != end; first = false) {
    if (static_cast<std::size_t>(end - at) < kFixedFieldSize) return false;
    FieldHeader& field = fields->emplace_back();
    field.level = at[0];
    const std::uint8_t flags = at[1];
    field.type = flags & kTypeMask;
    field.hasValue = (flags & kFixedValue) != 0;
    field.hasRecordId = (flags & kFixedRecordId) != 0;
    field.tag = U16At(at + 2);
    field.length = U16At(at + 4);
    field.recordId = 0;
    field.value = nullptr;
    field.pointer = 0;
    at += kFixedFieldSize;
    if (!field.hasValue && field.length != 0) return false;
    if (field.hasRecordId) {
      if (end - at < 4) return false;
      field.recordId = U32At(at);
      at += 4;
    }
    if (!TakeValue(&at, end, &field) || !FieldIsSound(first, previousLevel, field)) return false;
    previousLevel = field.level;
  }
  return true;
}

// The same for a body of the compact format. Most records are read this way: the reader's state
// stays in locals.
bool ReadCompactFields(const std::uint8_t* at, const std::uint8_t* end,
                       std::vector<FieldHeader>* fields) {
  int previousLevel = 0;
  for (bool first = true; at != end; first = false) {
    const std::uint8_t lead = *at++;
    FieldHeader& field = fields->emplace_back();
    switch (lead >> kLevelShift) {
      case kDeeper:
        if (!first && previousLevel == 0xFF) return false;
        field.level = static_cast<std::uint8_t>(first ? 0 : previousLevel + 1);
        break;
      case kSameLevel:
        field.level = static_cast<std::uint8_t>(previousLevel);
        break;
      case kLevelFollows:
        if (at == end) return false;
        field.level = *at++;
        break;
      default:
        return false;
    }
    field.type = lead & kCompactTypeMask;
    field.hasValue = (lead & kCompactValue) != 0;
    field.hasRecordId = (lead & kCompactRecordId) != 0;
    field.recordId = 0;
    field.value = nullptr;
    field.pointer = 0;
    const bool packed = (lead & kCompactPointer) != 0;
    std::uint32_t number = 0;
    if (!ReadVarint(&at, end, 0xFFFF, &number)) return false;
    field.tag = static_cast<std::uint16_t>(number);
    field.length = 0;
    if (packed) {
      if (!field.hasValue || field.type != kFieldContext) return false;
      if (!ReadVarint(&at, end, 0xFFFFFFFF, &field.pointer)) return false;
      field.length = kPointerSize;
    } else if (field.hasValue) {
      if (!ReadVarint(&at, end, 0xFFFF, &number)) return false;
      field.length = static_cast<std::uint16_t>(number);
    }
    if (field.hasRecordId && !ReadVarint(&at, end, 0xFFFFFFFF, &field.recordId)) return false;
    if (!packed && !TakeValue(&at, end, &field)) return false;
    if (!FieldIsSound(first, previousLevel, field)) return false;
    previousLevel = field.level;
  }
  return true;
}

// Builds the tree of `fields` in `pool`: nodes and values in one allocation, a node's size keeping
// the values behind them aligned. MEM when the pool has no memory.
std::uint32_t BuildTree(const std::vector<FieldHeader>& fields, PoolMemoryManager* pool,
                        node** root) {
  const std::size_t count = fields.size();
  std::size_t valueBytes = 0;
  for (const FieldHeader& field : fields) {
    if (field.hasValue) valueBytes = AlignValue(valueBytes) + field.length;
  }
  static_assert(sizeof(node) % kValueAlign == 0);
  auto* nodes = static_cast<node*>(PoolAllocate(pool, count * sizeof(node) + valueBytes));
  if (nodes == nullptr) return arbcode::MEM;
  auto* values = reinterpret_cast<std::uint8_t*>(nodes + count);
  std::size_t valueOffset = 0;
  for (std::size_t i = 0; i < count; ++i) {
    const FieldHeader& header = fields[i];
    node& out = nodes[i];
    out.next = &nodes[i + 1];
    out.prev = i > 0 ? &nodes[i - 1] : nullptr;
    out.value = nullptr;
    out.tag = header.tag;
    out.level = header.level;
    out.length = header.length;
    out.type =
        header.hasRecordId ? static_cast<std::uint8_t>(header.type | kHasRecordId) : header.type;
    out.recordId = header.recordId;
    out.container = 0;
    out.store = 0;
    out.database = nullptr;
    if (!header.hasValue) continue;
    valueOffset = AlignValue(valueOffset);
    std::uint8_t* value = values + valueOffset;
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
  const std::uint8_t* fields = bytes + kBodyHeaderSize;
  const std::uint8_t* end = bytes + body.size();
  // Every field is checked before anything is allocated. The list is the thread's own, so that a
  // record read costs no allocation for it.
  thread_local std::vector<FieldHeader> headers;
  headers.clear();
  const bool read = bytes[0] == static_cast<std::uint8_t>(BodyFormat::kCompact)
                        ? ReadCompactFields(fields, end, &headers)
                        : ReadFixedFields(fields, end, &headers);
  const std::uint32_t code =
      read && !headers.empty() ? BuildTree(headers, pool, root) : arbcode::DATA_ERROR;
  // A record of thousands of fields leaves no large list behind it.
  if (headers.capacity() > kKeptFieldsAtMost) headers = {};
  return code;
}

}  // namespace store
