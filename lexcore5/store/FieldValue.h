// Typed access to a field's value. Text is kept as UTF-8, numbers as packed decimal (an optional
// sign nibble 0xB, the digits most significant first, an end nibble 0xF), record pointers as
// 32-bit record IDs. Reading a value of the wrong type fails with CONV_BAD_SRC_TYPE, a value out of
// the target's range with CONV_NUM_OVERFLOW or CONV_NUM_UNDERFLOW, a valueless field with
// CONV_NULL_SRC; the output is left untouched on failure. Text and binary values may be empty; a
// field of any other type without bytes is valueless. Integer getters also read a context field's
// record ID. A fixed-size value (record pointer, float, date, time) of the wrong size is damaged
// content: DATA_ERROR; a packed number with a nibble out of place: CONV_BAD_DIGIT. Multi-byte
// values are stored little-endian; dates as year (2 bytes), month, day; times as hour, minute,
// second, hundredth; a timestamp as a date followed by a time.
#pragma once

#include <cstdint>
#include <string_view>

#include "Node.h"

namespace store {

// Text as UTF-16. With a null `buffer`, *bytes receives the size the text needs in bytes (without a
// terminator); otherwise at most *bytes bytes are written, NUL-terminated when room remains, and
// *bytes receives the bytes written (without the terminator). CONV_DEST_OVERFLOW when too small.
std::uint32_t GetUtf16(const node* field, char16_t* buffer, std::uint32_t* bytes);
// Text as UTF-16, converted once: valid until the next text read as UTF-16 on this thread.
std::uint32_t GetUtf16(const node* field, std::u16string_view* text);
// The stored UTF-8 text itself (valid while the pool keeps the field).
std::uint32_t GetUtf8(const node* field, std::string_view* text);

std::uint32_t GetInt16(const node* field, std::int16_t* value);
std::uint32_t GetUInt16(const node* field, std::uint16_t* value);
std::uint32_t GetInt32(const node* field, std::int32_t* value);
std::uint32_t GetUInt32(const node* field, std::uint32_t* value);
std::uint32_t GetRecordPointer(const node* field, std::uint32_t* recordId);
// Reads a float field, or a number field converted to double.
std::uint32_t GetFloat(const node* field, double* value);

struct Date {
  std::uint16_t year;
  std::uint8_t month, day;
};
struct Time {
  std::uint8_t hour, minute, second, hundredth;
};
std::uint32_t GetDate(const node* field, Date* value);
std::uint32_t GetTime(const node* field, Time* value);
std::uint32_t GetTimestamp(const node* field, Date* date, Time* time);

// Setters give the field the new type and a value allocated in `pool`. LARGE when the encoded value
// exceeds 65,535 bytes, CONV_ILLEGAL for text that is not valid UTF-16/UTF-8, MEM when out of
// memory; on failure the field keeps its old type and value. Text is stored composed (NFC).
std::uint32_t SetUtf16(PoolMemoryManager* pool, node* field, const char16_t* text,
                       std::uint32_t length);
std::uint32_t SetUtf8(PoolMemoryManager* pool, node* field, std::string_view text);
std::uint32_t SetUInt32(PoolMemoryManager* pool, node* field, std::uint32_t value);
std::uint32_t SetInt32(PoolMemoryManager* pool, node* field, std::int32_t value);
std::uint32_t SetRecordPointer(PoolMemoryManager* pool, node* field, std::uint32_t recordId);
std::uint32_t SetFloat(PoolMemoryManager* pool, node* field, double value);
std::uint32_t SetDate(PoolMemoryManager* pool, node* field, Date value);
std::uint32_t SetTime(PoolMemoryManager* pool, node* field, Time value);
std::uint32_t SetTimestamp(PoolMemoryManager* pool, node* field, Date date, Time time);
std::uint32_t SetBinary(PoolMemoryManager* pool, node* field, const void* bytes,
                        std::uint32_t length);

}  // namespace store
