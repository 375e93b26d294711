// Bounded printf-style formatting into a caller's buffer, standing for wsprintfA.
#pragma once

#include <cstddef>

namespace platform {

// Writes at most `size` bytes including the NUL (nothing when size is 0) and returns the number of
// characters written without the NUL, which is less than the full text when it did not fit.
std::size_t FormatInto(char* buffer, std::size_t size, const char* format, ...)
    __attribute__((format(printf, 3, 4)));

// Appends to the NUL-terminated text already in `buffer` (of `size` bytes), never past `size`.
// Returns false when the text had to be cut.
bool AppendFormat(char* buffer, std::size_t size, const char* format, ...)
    __attribute__((format(printf, 3, 4)));

}  // namespace platform
