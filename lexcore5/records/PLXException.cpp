#include "PLXException.h"

#include <cstdlib>

#include "platform/Formatting.h"

namespace {

constexpr std::size_t kTextSize = 400;

struct Message {
  std::int32_t code;
  const char* text;
};
// Kept in the order the message table has always had; look-ups go by code.
constexpr Message kMessages[] = {
    {ePLXUndefined, "Undefined error"},
    {ePLXOutOfMemory, "Out of memory"},
    {ePLXInvalidRelation, "Invalid relation specified"},
    {ePLXInvalidEqRelation, "Invalid equivalence relation specified"},
    {ePLXNoSiteRecord, "Site record could not be retrieved from database"},
    {ePLXInvalidVariantNumber, "Invalid concept variant number"},
    {ePLXBufferTooSmall, "Buffer is too small"},
    {ePLXLayoutError, "Internal data layout error"},
    {ePLXIncompatibleDatabase, "This database is incompatible"},
};

}  // namespace

PLXException::PLXException(std::uint32_t arborCode, const char* file, int line)
    : arbor_(arborCode), error_(ePLXArborError), file_(file), line_(line), text_(nullptr) {}

PLXException::PLXException(LinkError, const char* file, int line)
    : arbor_(0), error_(ePLXLinkError), file_(file), line_(line), text_(nullptr) {}

PLXException::PLXException(ePLXError code, const char* file, int line)
    : arbor_(0), error_(code), file_(file), line_(line), text_(nullptr) {}

PLXException::PLXException(const PLXException& other)
    : arbor_(other.arbor_),
      error_(other.error_),
      file_(other.file_),
      line_(other.line_),
      text_(nullptr) {}

PLXException& PLXException::operator=(const PLXException& other) {
  if (this != &other) {
    std::free(text_);
    text_ = nullptr;
    arbor_ = other.arbor_;
    error_ = other.error_;
    file_ = other.file_;
    line_ = other.line_;
  }
  return *this;
}

PLXException::~PLXException() {
  std::free(text_);
}

const char* PLXException::MessageOf(std::int32_t code) {
  for (const Message& message : kMessages) {
    if (message.code == code) return message.text;
  }
  return "Unexpected error";
}

PLXException::operator const char*() const {
  if (text_ == nullptr) {
    text_ = static_cast<char*>(std::malloc(kTextSize));
    if (text_ == nullptr) return "";
  }
  if (error_ == ePLXArborError) {
    const std::uint32_t code = arbor_;
    platform::FormatInto(text_, kTextSize, "ARBOR: %s [0x%04X]", ArbError::NameOf(code), code);
  } else {
    platform::FormatInto(text_, kTextSize, "PLX API: %s [%u]", MessageOf(error_),
                         static_cast<unsigned>(error_));
  }
  // A file name too long for the buffer is cut; the buffer is never overrun.
  if (file_ != nullptr) {
    platform::AppendFormat(text_, kTextSize, " -- %s", file_);
    if (line_ != 0) platform::AppendFormat(text_, kTextSize, " (%u)", static_cast<unsigned>(line_));
  }
  return text_;
}
