// A record store result code as a small value: 0 is success. Converts to the code and to the
// store's name for it.
#pragma once

#include <cstdint>

#include "LexcoreExport.h"
#include "String.h"

class LEXCORE_API ArbError {
 public:
  ArbError(std::uint32_t code = 0) : code_(code) {}
  ArbError& operator=(std::uint32_t code) {
    code_ = code;
    return *this;
  }

  // The low 16 bits of the code.
  std::uint16_t GetError() const { return static_cast<std::uint16_t>(code_ & 0xFFFF); }
  operator std::uint32_t() const { return code_; }
  // The store's name for the code: static text, or for an unnamed code a shared buffer that the
  // next such call overwrites.
  operator const char*() const;

  int Success() const { return code_ == 0 ? 1 : 0; }
  int Success(std::uint32_t code) {
    code_ = code;
    return Success();
  }

  // "ARBOR error (0x%0X): %s" with the code and its name.
  String GetMessageA() const;

  // The store's name for any code (as operator const char*).
  static const char* NameOf(std::uint32_t code);

 private:
  std::uint32_t code_;
};
