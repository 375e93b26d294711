#include "String.h"

#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/TextConvert.h"

namespace {

BSTR AllocOrThrow(const OLECHAR* text, std::uint32_t length) {
  BSTR string = SysAllocStringLen(text, length);
  if (string == nullptr) throw E_OUTOFMEMORY;
  return string;
}

std::u16string WideOrThrow(const char* text) {
  std::u16string wide;
  if (text != nullptr && !platform::Utf8ToUtf16(text, &wide)) throw E_INVALIDARG;
  return wide;
}

}  // namespace

String::String() : text_(AllocOrThrow(u"", 0)), narrow_(nullptr), owned_(true) {}

String::String(const char* text) : String() {
  const std::u16string wide = WideOrThrow(text);
  Append(wide.data(), static_cast<std::uint32_t>(wide.size()));
}

String::String(const OLECHAR* text) : String() {
  if (text == nullptr) return;
  std::uint32_t length = 0;
  while (text[length] != 0) ++length;
  Append(text, length);
}

String::String(const String& other)
    : text_(AllocOrThrow(other.text_, other.Length())), narrow_(nullptr), owned_(true) {}

String::String(String&& other) noexcept
    : text_(other.text_), narrow_(other.narrow_), owned_(other.owned_) {
  other.text_ = nullptr;
  other.narrow_ = nullptr;
  other.owned_ = false;
}

String& String::operator=(const String& other) {
  if (this != &other) {
    BSTR copy = AllocOrThrow(other.text_, other.Length());
    this->~String();
    text_ = copy;
    narrow_ = nullptr;
    owned_ = true;
  }
  return *this;
}

String& String::operator=(String&& other) noexcept {
  if (this != &other) {
    this->~String();
    text_ = other.text_;
    narrow_ = other.narrow_;
    owned_ = other.owned_;
    other.text_ = nullptr;
    other.narrow_ = nullptr;
    other.owned_ = false;
  }
  return *this;
}

String::~String() {
  DropNarrow();
  if (owned_) SysFreeString(text_);
}

String& String::Append(const char* text) {
  const std::u16string wide = WideOrThrow(text);
  return Append(wide.data(), static_cast<std::uint32_t>(wide.size()));
}

String& String::Append(const OLECHAR* text, std::uint32_t length) {
  if (length == 0) return *this;
  const std::uint32_t old = Length();
  BSTR joined = AllocOrThrow(nullptr, old + length);
  if (old != 0) std::memcpy(joined, text_, old * sizeof(OLECHAR));
  std::memcpy(joined + old, text, length * sizeof(OLECHAR));
  DropNarrow();
  if (owned_) SysFreeString(text_);
  text_ = joined;
  owned_ = true;
  return *this;
}

BSTR String::Detach() {
  BSTR text = owned_ ? text_ : AllocOrThrow(text_, Length());
  DropNarrow();
  text_ = AllocOrThrow(u"", 0);
  owned_ = true;
  return text;
}

const char* String::GetAnsi() const {
  if (narrow_ == nullptr) {
    const std::string utf8 = platform::Utf16ToUtf8(std::u16string_view(text_, Length()));
    narrow_ = static_cast<char*>(std::malloc(utf8.size() + 1));
    if (narrow_ == nullptr) throw E_OUTOFMEMORY;
    std::memcpy(narrow_, utf8.c_str(), utf8.size() + 1);
  }
  return narrow_;
}

void String::DropNarrow() const {
  std::free(narrow_);
  narrow_ = nullptr;
}
