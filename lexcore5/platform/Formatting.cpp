#include "platform/Formatting.h"

#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace platform {
namespace {

std::size_t FormatV(char* buffer, std::size_t size, const char* format, va_list args) {
  if (size == 0) return 0;
  const int wanted = std::vsnprintf(buffer, size, format, args);
  if (wanted < 0) {
    buffer[0] = '\0';
    return 0;
  }
  const auto written = static_cast<std::size_t>(wanted);
  return written < size ? written : size - 1;
}

}  // namespace

std::size_t FormatInto(char* buffer, std::size_t size, const char* format, ...) {
  va_list args;
  va_start(args, format);
  const std::size_t written = FormatV(buffer, size, format, args);
  va_end(args);
  return written;
}

bool AppendFormat(char* buffer, std::size_t size, const char* format, ...) {
  if (size == 0) return false;
  const std::size_t used = strnlen(buffer, size - 1);
  va_list args;
  va_start(args, format);
  va_list measure;
  va_copy(measure, args);
  const int wanted = std::vsnprintf(nullptr, 0, format, measure);
  va_end(measure);
  FormatV(buffer + used, size - used, format, args);
  va_end(args);
  return wanted >= 0 && used + static_cast<std::size_t>(wanted) < size;
}

}  // namespace platform
