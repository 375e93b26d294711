// Narrow text written into a caller's fixed buffer. The buffer holds a zero-terminated string after
// every piece; a piece that does not fit throws and leaves the text written before it as it was.
#pragma once

#include <cstddef>
#include <string_view>

namespace lexicon {

class BoundedText {
 public:
  // `buffer` spans `size` bytes (any size below 1 leaves no room at all); the buffer is not touched
  // until the first piece is appended.
  BoundedText(char* buffer, int size);

  // PLXException ePLXBufferTooSmall (source "Concept") unless at least `bytes` remain.
  void Require(std::size_t bytes) const;
  // Appends `piece` after requiring `bytes`, or more when the piece and its terminator need more:
  // a piece is never cut short.
  void Append(std::string_view piece, std::size_t bytes = 0);

 private:
  char* cursor_;
  char* end_;
};

}  // namespace lexicon
