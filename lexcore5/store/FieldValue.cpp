#include "store/FieldValue.h"

#include <cstring>
#include <limits>
#include <string>

#include "ArbCodes.h"
#include "platform/TextConvert.h"
#include "store/Pool.h"

namespace store {
namespace {

constexpr std::uint32_t kMaxValueLength = 0xFFFF;
constexpr std::uint8_t kSignNibble = 0xB;
constexpr std::uint8_t kEndNibble = 0xF;

// Fixed value sizes. Multi-byte values are little-endian so that stored records read the same on
// any host.
constexpr std::uint16_t kRecordPointerSize = 4;
constexpr std::uint16_t kFloatSize = 8;
constexpr std::uint16_t kDateSize = 4;
constexpr std::uint16_t kTimeSize = 4;
constexpr std::uint16_t kTimestampSize = kDateSize + kTimeSize;

const unsigned char* Bytes(const node* field) {
  return static_cast<const unsigned char*>(field->value);
}

std::uint64_t ReadLittleEndian(const unsigned char* bytes, int count) {
  std::uint64_t value = 0;
  for (int i = count - 1; i >= 0; --i) value = (value << 8) | bytes[i];
  return value;
}

void WriteLittleEndian(unsigned char* bytes, std::uint64_t value, int count) {
  for (int i = 0; i < count; ++i) {
    bytes[i] = static_cast<unsigned char>(value & 0xFF);
    value >>= 8;
  }
}

// Text and binary values may be empty; every other type needs bytes to be a value at all.
bool IsValueless(const node* field) {
  const FieldType kind = field->FieldKind();
  return field->length == 0 && kind != kFieldText && kind != kFieldBinary;
}

// The common entry check of every getter: a value must be there and be of the expected type.
std::uint32_t CheckSource(const node* field, FieldType expected) {
  if (field == nullptr || IsValueless(field)) return arbcode::CONV_NULL_SRC;
  if (field->FieldKind() != expected) return arbcode::CONV_BAD_SRC_TYPE;
  return arbcode::SUCCESS;
}

// Replaces the field's value and type; the field is untouched when the value is refused.
std::uint32_t StoreValue(PoolMemoryManager* pool, node* field, FieldType type, const void* bytes,
                         std::size_t length) {
  if (field == nullptr) return arbcode::CONV_NULL_DEST;
  if (length > kMaxValueLength) return arbcode::LARGE;
  void* memory = nullptr;
  if (length != 0) {
    memory = PoolAllocate(pool, length);
    if (memory == nullptr) return arbcode::MEM;
    std::memcpy(memory, bytes, length);
  }
  field->value = memory;
  field->length = static_cast<std::uint16_t>(length);
  field->type = static_cast<std::uint8_t>((field->type & ~kTypeMask) | type);
  return arbcode::SUCCESS;
}

// A number as sign and magnitude; `huge` marks a magnitude beyond 64 bits.
struct Decimal {
  bool negative = false;
  bool huge = false;
  std::uint64_t magnitude = 0;
};

std::uint32_t UnpackDecimal(const node* field, Decimal* out) {
  const unsigned char* bytes = Bytes(field);
  const std::uint32_t nibbles = 2u * field->length;
  Decimal decimal;
  std::uint32_t digits = 0;
  for (std::uint32_t i = 0; i < nibbles; ++i) {
    const std::uint8_t nibble = (i % 2 == 0) ? (bytes[i / 2] >> 4) : (bytes[i / 2] & 0x0F);
    if (nibble == kSignNibble && i == 0) {
      decimal.negative = true;
      continue;
    }
    if (nibble == kEndNibble) {
      // Only the padding nibble of the same byte may follow the end mark.
      const bool lastByte = i / 2 == field->length - 1u;
      const bool padded = i % 2 == 1 || (bytes[i / 2] & 0x0F) == kEndNibble;
      if (digits == 0 || !lastByte || !padded) return arbcode::CONV_BAD_DIGIT;
      *out = decimal;
      return arbcode::SUCCESS;
    }
    if (nibble > 9) return arbcode::CONV_BAD_DIGIT;
    ++digits;
    constexpr std::uint64_t kMax = std::numeric_limits<std::uint64_t>::max();
    if (decimal.huge || decimal.magnitude > (kMax - nibble) / 10) {
      decimal.huge = true;
    } else {
      decimal.magnitude = decimal.magnitude * 10 + nibble;
    }
  }
  return arbcode::CONV_BAD_DIGIT;  // no end mark
}

std::uint32_t ReadDecimal(const node* field, Decimal* out) {
  if (field == nullptr || IsValueless(field)) return arbcode::CONV_NULL_SRC;
  switch (field->FieldKind()) {
    case kFieldNumber:
      return UnpackDecimal(field, out);
    case kFieldContext:
      if (field->length != kRecordPointerSize) return arbcode::DATA_ERROR;
      *out = Decimal{false, false, ReadLittleEndian(Bytes(field), kRecordPointerSize)};
      return arbcode::SUCCESS;
    default:
      return arbcode::CONV_BAD_SRC_TYPE;
  }
}

template <typename T>
std::uint32_t ReadInteger(const node* field, T* value) {
  Decimal decimal;
  if (const std::uint32_t code = ReadDecimal(field, &decimal)) return code;
  using Limits = std::numeric_limits<T>;
  if (decimal.negative && decimal.magnitude != 0) {
    // The magnitude of the most negative value is one more than the largest positive one.
    const std::uint64_t limit = static_cast<std::uint64_t>(Limits::max()) + 1;
    if (!Limits::is_signed || decimal.huge || decimal.magnitude > limit) {
      return arbcode::CONV_NUM_UNDERFLOW;
    }
    *value = static_cast<T>(-static_cast<std::int64_t>(decimal.magnitude));
    return arbcode::SUCCESS;
  }
  if (decimal.huge || decimal.magnitude > static_cast<std::uint64_t>(Limits::max())) {
    return arbcode::CONV_NUM_OVERFLOW;
  }
  *value = static_cast<T>(decimal.magnitude);
  return arbcode::SUCCESS;
}

std::uint32_t StoreDecimal(PoolMemoryManager* pool, node* field, bool negative,
                           std::uint64_t magnitude) {
  std::uint8_t digits[20];
  int count = 0;
  do {
    digits[count++] = static_cast<std::uint8_t>(magnitude % 10);
    magnitude /= 10;
  } while (magnitude != 0);

  std::uint8_t nibbles[24];
  int used = 0;
  if (negative) nibbles[used++] = kSignNibble;
  while (count > 0) nibbles[used++] = digits[--count];
  nibbles[used++] = kEndNibble;
  if (used % 2 != 0) nibbles[used++] = kEndNibble;

  unsigned char packed[12];
  for (int i = 0; i < used; i += 2) {
    packed[i / 2] = static_cast<unsigned char>((nibbles[i] << 4) | nibbles[i + 1]);
  }
  return StoreValue(pool, field, kFieldNumber, packed, static_cast<std::size_t>(used / 2));
}

Date DecodeDate(const unsigned char* bytes) {
  return Date{static_cast<std::uint16_t>(ReadLittleEndian(bytes, 2)), bytes[2], bytes[3]};
}

Time DecodeTime(const unsigned char* bytes) {
  return Time{bytes[0], bytes[1], bytes[2], bytes[3]};
}

void EncodeDate(unsigned char* bytes, Date date) {
  WriteLittleEndian(bytes, date.year, 2);
  bytes[2] = date.month;
  bytes[3] = date.day;
}

void EncodeTime(unsigned char* bytes, Time time) {
  bytes[0] = time.hour;
  bytes[1] = time.minute;
  bytes[2] = time.second;
  bytes[3] = time.hundredth;
}

// Reads a fixed-size value of `type`; a stored size other than `size` means damaged content.
std::uint32_t CheckFixed(const node* field, FieldType type, std::uint16_t size) {
  if (const std::uint32_t code = CheckSource(field, type)) return code;
  return field->length == size ? arbcode::SUCCESS : arbcode::DATA_ERROR;
}

}  // namespace

std::uint32_t GetUtf8(const node* field, std::string_view* text) {
  if (const std::uint32_t code = CheckSource(field, kFieldText)) return code;
  *text = std::string_view(static_cast<const char*>(field->value), field->length);
  return arbcode::SUCCESS;
}

std::uint32_t GetUtf16(const node* field, std::u16string_view* text) {
  std::string_view stored;
  if (const std::uint32_t code = GetUtf8(field, &stored)) return code;
  // Texts are read by the thousand: a buffer kept per thread spares an allocation each time.
  thread_local std::u16string wide;
  if (!platform::Utf8ToUtf16(stored, &wide)) return arbcode::DATA_ERROR;
  *text = wide;
  return arbcode::SUCCESS;
}

std::uint32_t GetUtf16(const node* field, char16_t* buffer, std::uint32_t* bytes) {
  std::u16string_view wide;
  if (const std::uint32_t code = GetUtf16(field, &wide)) return code;
  const std::uint32_t needed = static_cast<std::uint32_t>(wide.size() * sizeof(char16_t));
  if (buffer == nullptr) {
    *bytes = needed;
    return arbcode::SUCCESS;
  }
  if (*bytes < needed) return arbcode::CONV_DEST_OVERFLOW;
  std::memcpy(buffer, wide.data(), needed);
  if (*bytes - needed >= sizeof(char16_t)) buffer[wide.size()] = u'\0';
  *bytes = needed;
  return arbcode::SUCCESS;
}

std::uint32_t GetInt16(const node* field, std::int16_t* value) {
  return ReadInteger(field, value);
}
std::uint32_t GetUInt16(const node* field, std::uint16_t* value) {
  return ReadInteger(field, value);
}
std::uint32_t GetInt32(const node* field, std::int32_t* value) {
  return ReadInteger(field, value);
}
std::uint32_t GetUInt32(const node* field, std::uint32_t* value) {
  return ReadInteger(field, value);
}

std::uint32_t GetRecordPointer(const node* field, std::uint32_t* recordId) {
  if (const std::uint32_t code = CheckFixed(field, kFieldContext, kRecordPointerSize)) return code;
  *recordId = static_cast<std::uint32_t>(ReadLittleEndian(Bytes(field), kRecordPointerSize));
  return arbcode::SUCCESS;
}

std::uint32_t GetFloat(const node* field, double* value) {
  if (field != nullptr && field->FieldKind() == kFieldNumber) {
    Decimal decimal;
    if (const std::uint32_t code = UnpackDecimal(field, &decimal)) return code;
    if (decimal.huge) return arbcode::CONV_NUM_OVERFLOW;
    const double magnitude = static_cast<double>(decimal.magnitude);
    *value = decimal.negative ? -magnitude : magnitude;
    return arbcode::SUCCESS;
  }
  if (const std::uint32_t code = CheckFixed(field, kFieldFloat, kFloatSize)) return code;
  const std::uint64_t bits = ReadLittleEndian(Bytes(field), kFloatSize);
  std::memcpy(value, &bits, sizeof(double));
  return arbcode::SUCCESS;
}

std::uint32_t GetDate(const node* field, Date* value) {
  if (const std::uint32_t code = CheckFixed(field, kFieldDate, kDateSize)) return code;
  *value = DecodeDate(Bytes(field));
  return arbcode::SUCCESS;
}

std::uint32_t GetTime(const node* field, Time* value) {
  if (const std::uint32_t code = CheckFixed(field, kFieldTime, kTimeSize)) return code;
  *value = DecodeTime(Bytes(field));
  return arbcode::SUCCESS;
}

std::uint32_t GetTimestamp(const node* field, Date* date, Time* time) {
  if (const std::uint32_t code = CheckFixed(field, kFieldTimestamp, kTimestampSize)) return code;
  *date = DecodeDate(Bytes(field));
  *time = DecodeTime(Bytes(field) + kDateSize);
  return arbcode::SUCCESS;
}

std::uint32_t SetUtf16(PoolMemoryManager* pool, node* field, const char16_t* text,
                       std::uint32_t length) {
  if (text == nullptr && length != 0) return arbcode::CONV_NULL_SRC;
  // Every UTF-16 unit needs at least one UTF-8 byte, so longer text can be refused unconverted.
  if (length > kMaxValueLength) return arbcode::LARGE;
  std::string narrow;
  if (!platform::Utf16ToUtf8Strict(std::u16string_view(text, length), &narrow)) {
    return arbcode::CONV_ILLEGAL;
  }
  return StoreValue(pool, field, kFieldText, narrow.data(), narrow.size());
}

std::uint32_t SetUtf8(PoolMemoryManager* pool, node* field, std::string_view text) {
  // The detour through UTF-16 validates the bytes and composes them as wide text is composed.
  std::u16string wide;
  if (!platform::Utf8ToUtf16(text, &wide)) return arbcode::CONV_ILLEGAL;
  return SetUtf16(pool, field, wide.data(), static_cast<std::uint32_t>(wide.size()));
}

std::uint32_t SetUInt32(PoolMemoryManager* pool, node* field, std::uint32_t value) {
  return StoreDecimal(pool, field, false, value);
}

std::uint32_t SetInt32(PoolMemoryManager* pool, node* field, std::int32_t value) {
  const std::int64_t wide = value;
  return StoreDecimal(pool, field, wide < 0, static_cast<std::uint64_t>(wide < 0 ? -wide : wide));
}

std::uint32_t SetRecordPointer(PoolMemoryManager* pool, node* field, std::uint32_t recordId) {
  unsigned char bytes[kRecordPointerSize];
  WriteLittleEndian(bytes, recordId, kRecordPointerSize);
  return StoreValue(pool, field, kFieldContext, bytes, sizeof bytes);
}

std::uint32_t SetFloat(PoolMemoryManager* pool, node* field, double value) {
  std::uint64_t bits = 0;
  std::memcpy(&bits, &value, sizeof(double));
  unsigned char bytes[kFloatSize];
  WriteLittleEndian(bytes, bits, kFloatSize);
  return StoreValue(pool, field, kFieldFloat, bytes, sizeof bytes);
}

std::uint32_t SetDate(PoolMemoryManager* pool, node* field, Date value) {
  unsigned char bytes[kDateSize];
  EncodeDate(bytes, value);
  return StoreValue(pool, field, kFieldDate, bytes, sizeof bytes);
}

std::uint32_t SetTime(PoolMemoryManager* pool, node* field, Time value) {
  unsigned char bytes[kTimeSize];
  EncodeTime(bytes, value);
  return StoreValue(pool, field, kFieldTime, bytes, sizeof bytes);
}

std::uint32_t SetTimestamp(PoolMemoryManager* pool, node* field, Date date, Time time) {
  unsigned char bytes[kTimestampSize];
  EncodeDate(bytes, date);
  EncodeTime(bytes + kDateSize, time);
  return StoreValue(pool, field, kFieldTimestamp, bytes, sizeof bytes);
}

std::uint32_t SetBinary(PoolMemoryManager* pool, node* field, const void* bytes,
                        std::uint32_t length) {
  if (bytes == nullptr && length != 0) return arbcode::CONV_NULL_SRC;
  return StoreValue(pool, field, kFieldBinary, bytes, length);
}

}  // namespace store
