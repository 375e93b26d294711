// The library's wide-string value: a system string (UTF-16) it usually owns, plus a narrow UTF-8
// copy built on first request. Failing to allocate throws a std::int32_t holding E_OUTOFMEMORY;
// text that cannot be converted throws E_INVALIDARG.
#pragma once

#include <cstdint>

#include "LexcoreExport.h"
#include "SysString.h"

constexpr std::int32_t E_OUTOFMEMORY = static_cast<std::int32_t>(0x8007000EU);
constexpr std::int32_t E_INVALIDARG = static_cast<std::int32_t>(0x80070057U);

class LEXCORE_API String {
 public:
  // An empty text.
  String();
  // A copy of narrow text; null gives an empty text; invalid UTF-8 throws E_INVALIDARG.
  explicit String(const char* text);
  // A copy of wide text (null gives an empty text).
  explicit String(const OLECHAR* text);
  String(const String& other);
  String(String&& other) noexcept;
  String& operator=(const String& other);
  String& operator=(String&& other) noexcept;
  ~String();

  String& Append(const char* text);
  String& Append(const OLECHAR* text, std::uint32_t length);
  String& operator+=(const char* text) { return Append(text); }

  // The wide text, owned by this object (never null).
  BSTR GetBSTR() const { return text_; }
  // Hands the wide text to the caller (free it with SysFreeString); this object becomes empty.
  BSTR Detach();
  // The narrow copy, owned by this object and valid until the text changes; unconvertible
  // characters become "~".
  const char* GetAnsi() const;
  std::uint32_t Length() const { return SysStringLen(text_); }

 private:
  void DropNarrow() const;

  BSTR text_;
  mutable char* narrow_;
  bool owned_;
};
