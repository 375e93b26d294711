#include <cstring>
#include <limits>
#include <string>
#include <string_view>

#include "ArbCodes.h"
#include "ArbRecord.h"
#include "platform/TextConvert.h"
#include "store/FieldValue.h"

namespace {

constexpr std::uint32_t kNoRecordPointer = 0xFFFFFFFF;

std::uint32_t LengthOf(const OLECHAR* text) {
  const std::size_t length = std::char_traits<OLECHAR>::length(text);
  // Anything past 32 bits is far beyond a value's limit and is refused as such.
  constexpr std::size_t kMax = std::numeric_limits<std::uint32_t>::max();
  return static_cast<std::uint32_t>(length < kMax ? length : kMax);
}

}  // namespace

std::uint16_t ArbRecord::GetTag() const {
  return current_ != nullptr ? current_->tag : 0;
}

std::uint16_t ArbRecord::GetLength() const {
  return current_ != nullptr ? current_->length : 0;
}

std::uint16_t ArbRecord::GetRootTag() const {
  return root_ != nullptr ? root_->tag : 0;
}

BSTR ArbRecord::ReadBSTR(const node* field) {
  std::string_view stored;
  if (!error_.Success(store::GetUtf8(field, &stored))) return nullptr;
  // Most texts are ASCII and go straight into the result; the others are converted first.
  BSTR text = SysAllocStringLen(nullptr, static_cast<std::uint32_t>(stored.size()));
  if (text != nullptr && !platform::WidenAscii(stored, text)) {
    SysFreeString(text);
    std::u16string_view wide;
    if (!error_.Success(store::GetUtf16(field, &wide))) return nullptr;
    text = SysAllocStringLen(wide.data(), static_cast<std::uint32_t>(wide.size()));
  }
  if (text == nullptr) error_ = arbcode::MEM;
  return text;
}

int ArbRecord::ReadNarrow(const node* field, char* buffer, std::uint16_t size) {
  if (size != 0) buffer[0] = '\0';
  if (field == nullptr) return 0;
  std::string_view text;
  if (!error_.Success(store::GetUtf8(field, &text))) return 0;
  // The stored text is already UTF-8; what fails here is only a buffer too small for it.
  if (text.size() >= size) return error_.Success(arbcode::CONV_ILLEGAL);
  // Not memcpy: an empty value has no bytes, and its view may hold a null pointer.
  text.copy(buffer, text.size());
  buffer[text.size()] = '\0';
  return 1;
}

template <typename T>
int ArbRecord::ReadInteger(const node* field, std::uint32_t (*read)(const node*, T*), T* value) {
  *value = 0;
  if (field == nullptr) return 0;
  return error_.Success(read(field, value));
}

template <typename T>
T ArbRecord::FindInteger(std::uint32_t (*read)(const node*, T*), std::uint16_t tag,
                         std::int16_t occurrence, eFindStart start, eFindArea area) {
  T value = 0;
  ReadInteger(Locate(tag, occurrence, start, area), read, &value);
  return value;
}

int ArbRecord::Get(BSTR* text) {
  if (text == nullptr) return 0;
  SysFreeString(*text);
  *text = current_ != nullptr ? ReadBSTR(current_) : nullptr;
  return *text != nullptr ? 1 : 0;
}

int ArbRecord::Get(char* buffer, std::uint16_t size) {
  return ReadNarrow(current_, buffer, size);
}

int ArbRecord::Get(std::int32_t* value) {
  return ReadInteger(current_, store::GetInt32, value);
}

int ArbRecord::Get(std::uint32_t* value) {
  return ReadInteger(current_, store::GetUInt32, value);
}

int ArbRecord::Get(std::int16_t* value) {
  return ReadInteger(current_, store::GetInt16, value);
}

int ArbRecord::Get(std::uint16_t* value) {
  return ReadInteger(current_, store::GetUInt16, value);
}

int ArbRecord::StringLength(std::uint16_t* chars) {
  *chars = 0;
  if (current_ == nullptr) return 0;
  std::uint32_t bytes = 0;
  if (!error_.Success(store::GetUtf16(current_, nullptr, &bytes))) return 0;
  // A value holds at most 65,535 bytes of UTF-8, which never take more UTF-16 units.
  *chars = static_cast<std::uint16_t>(bytes / sizeof(OLECHAR));
  return 1;
}

BSTR ArbRecord::FindGetBSTR(std::uint16_t tag, std::int16_t occurrence, eFindStart start,
                            eFindArea area) {
  node* match = Locate(tag, occurrence, start, area);
  return match != nullptr ? ReadBSTR(match) : nullptr;
}

int ArbRecord::FindGetString(char* buffer, std::uint16_t size, std::uint16_t tag,
                             std::int16_t occurrence, eFindStart start, eFindArea area) {
  if (ReadNarrow(Locate(tag, occurrence, start, area), buffer, size) == 0) return 0;
  return static_cast<int>(std::strlen(buffer));
}

std::int16_t ArbRecord::FindGetWSWORD(std::uint16_t tag, std::int16_t occurrence, eFindStart start,
                                      eFindArea area) {
  return FindInteger(store::GetInt16, tag, occurrence, start, area);
}

std::uint16_t ArbRecord::FindGetWUWORD(std::uint16_t tag, std::int16_t occurrence, eFindStart start,
                                       eFindArea area) {
  return FindInteger(store::GetUInt16, tag, occurrence, start, area);
}

std::int32_t ArbRecord::FindGetWSDWORD(std::uint16_t tag, std::int16_t occurrence, eFindStart start,
                                       eFindArea area) {
  return FindInteger(store::GetInt32, tag, occurrence, start, area);
}

std::uint32_t ArbRecord::FindGetWUDWORD(std::uint16_t tag, std::int16_t occurrence,
                                        eFindStart start, eFindArea area) {
  return FindInteger(store::GetUInt32, tag, occurrence, start, area);
}

std::uint32_t ArbRecord::FindGetRecPtr(std::uint16_t tag, std::int16_t occurrence, eFindStart start,
                                       eFindArea area) {
  node* match = Locate(tag, occurrence, start, area);
  if (match == nullptr) return 0;
  std::uint32_t recordId = 0;
  return error_.Success(store::GetRecordPointer(match, &recordId)) ? recordId : kNoRecordPointer;
}

int ArbRecord::Put(const OLECHAR* text) {
  if (current_ == nullptr) return 0;
  if (text == nullptr || text[0] == u'\0') return DeleteTarget(current_);
  return error_.Success(store::SetUtf16(pool_, current_, text, LengthOf(text)));
}

int ArbRecord::Put(const char* text) {
  if (current_ == nullptr) return 0;
  if (text == nullptr || text[0] == '\0') return DeleteTarget(current_);
  return error_.Success(store::SetUtf8(pool_, current_, text));
}

int ArbRecord::Put(std::uint32_t value) {
  if (current_ == nullptr) return 0;
  return error_.Success(store::SetUInt32(pool_, current_, value));
}

int ArbRecord::Put(std::int32_t value) {
  if (current_ == nullptr) return 0;
  return error_.Success(store::SetInt32(pool_, current_, value));
}

int ArbRecord::Put(std::uint16_t value) {
  return Put(static_cast<std::uint32_t>(value));
}

int ArbRecord::Put(std::int16_t value) {
  return Put(static_cast<std::int32_t>(value));
}

void ArbRecord::AssignField(std::uint16_t tag, const char* value, std::int16_t occurrence,
                            std::int16_t position, eFindStart start, eFindArea area) {
  if (FindOrAdd(tag, occurrence, position, start, area) != 0) Put(value);
}

void ArbRecord::AssignField(std::uint16_t tag, std::int16_t value, std::int16_t occurrence,
                            std::int16_t position, eFindStart start, eFindArea area) {
  if (FindOrAdd(tag, occurrence, position, start, area) != 0) Put(value);
}

void ArbRecord::AssignField(std::uint16_t tag, std::int32_t value, std::int16_t occurrence,
                            std::int16_t position, eFindStart start, eFindArea area) {
  if (FindOrAdd(tag, occurrence, position, start, area) != 0) Put(value);
}
