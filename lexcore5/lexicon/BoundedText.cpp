#include "lexicon/BoundedText.h"

#include <algorithm>
#include <cstring>

#include "PLXException.h"
#include "lexicon/SourceUnit.h"

namespace lexicon {

BoundedText::BoundedText(char* buffer, int size)
    : cursor_(buffer), end_(buffer == nullptr || size < 1 ? buffer : buffer + size) {}

void BoundedText::Require(std::size_t bytes) const {
  if (static_cast<std::size_t>(end_ - cursor_) < bytes) {
    throw PLXException(ePLXBufferTooSmall, kConceptSource, __LINE__);
  }
}

void BoundedText::Append(std::string_view piece, std::size_t bytes) {
  Require(std::max(bytes, piece.size() + 1));
  std::memcpy(cursor_, piece.data(), piece.size());
  cursor_ += piece.size();
  *cursor_ = '\0';
}

}  // namespace lexicon
