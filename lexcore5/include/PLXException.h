// The library's own exception, thrown by value by the lexical classes. It carries either a record
// store code (kind ePLXArborError) or one of the library's codes, optionally the throwing place,
// and turns them into one line of text on request.
#pragma once

#include <cstdint>

#include "ArbError.h"
#include "LexcoreExport.h"

enum ePLXError : std::int32_t {
  ePLXUndefined = 0,
  ePLXArborError = 1,
  ePLXLinkError = 2,
  ePLXOutOfMemory = 100,
  ePLXInvalidRelation = 101,
  ePLXInvalidEqRelation = 102,
  ePLXNoSiteRecord = 103,
  ePLXInvalidVariantNumber = 104,
  ePLXLayoutError = 105,
  ePLXBufferTooSmall = 106,
  ePLXIncompatibleDatabase = 107,
};

// Accepted by one constructor for compatibility; nothing in the library throws it and its value is
// not kept.
enum LinkError : std::int32_t { eLinkUndefined = 0 };

class LEXCORE_API PLXException {
 public:
  PLXException(std::uint32_t arborCode, const char* file, int line);
  PLXException(LinkError error, const char* file, int line);
  PLXException(ePLXError code = ePLXUndefined, const char* file = nullptr, int line = 0);
  // A copy rebuilds its own text on request, so no two exceptions share a buffer.
  PLXException(const PLXException& other);
  PLXException& operator=(const PLXException& other);
  virtual ~PLXException();

  ePLXError GetError() const { return error_; }
  // The low 16 bits of the store code.
  std::uint32_t GetARBORError() const { return static_cast<std::uint32_t>(arbor_) & 0xFFFF; }
  // The message, valid while this exception lives; "" if its buffer cannot be allocated.
  operator const char*() const;

  // The message of the library's own code, as the message table gives it.
  static const char* MessageOf(std::int32_t code);

 private:
  ArbError arbor_;
  ePLXError error_;
  const char* file_;
  int line_;
  mutable char* text_;
};
