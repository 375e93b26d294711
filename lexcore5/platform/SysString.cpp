#include "SysString.h"

#include <cstdlib>
#include <cstring>
#include <limits>

namespace {

// The byte length sits in the 32 bits right before the text.
constexpr std::size_t kPrefix = sizeof(std::uint32_t);
constexpr std::uint32_t kMaxLength = (std::numeric_limits<std::uint32_t>::max() - 8) / 2;

std::uint32_t Length(const OLECHAR* text) {
  std::uint32_t n = 0;
  while (text[n] != 0) ++n;
  return n;
}

unsigned char* Header(BSTR string) {
  return reinterpret_cast<unsigned char*>(string) - kPrefix;
}

}  // namespace

BSTR SysAllocStringLen(const OLECHAR* text, std::uint32_t length) {
  if (length > kMaxLength) return nullptr;
  const std::uint32_t bytes = length * 2;
  auto* memory = static_cast<unsigned char*>(std::malloc(kPrefix + bytes + sizeof(OLECHAR)));
  if (memory == nullptr) return nullptr;
  std::memcpy(memory, &bytes, kPrefix);
  auto* string = reinterpret_cast<BSTR>(memory + kPrefix);
  if (text != nullptr) {
    std::memcpy(string, text, bytes);
  } else {
    std::memset(string, 0, bytes);
  }
  string[length] = 0;
  return string;
}

BSTR SysAllocString(const OLECHAR* text) {
  if (text == nullptr) return nullptr;
  return SysAllocStringLen(text, Length(text));
}

int SysReAllocStringLen(BSTR* string, const OLECHAR* text, std::uint32_t length) {
  BSTR copy = SysAllocStringLen(text, length);
  if (copy == nullptr) return 0;
  SysFreeString(*string);
  *string = copy;
  return 1;
}

int SysReAllocString(BSTR* string, const OLECHAR* text) {
  return SysReAllocStringLen(string, text, text == nullptr ? 0 : Length(text));
}

std::uint32_t SysStringLen(BSTR string) {
  if (string == nullptr) return 0;
  std::uint32_t bytes;
  std::memcpy(&bytes, Header(string), kPrefix);
  return bytes / 2;
}

void SysFreeString(BSTR string) {
  if (string != nullptr) std::free(Header(string));
}
