#include "FieldReader.h"

namespace importers {
namespace {

constexpr std::size_t kMaxDigits = 9;

int DigitValue(char c, int base) {
  if (c >= '0' && c <= '9') return c - '0';
  if (base == 16 && c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (base == 16 && c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

bool Parse(std::string_view field, int base, std::uint32_t* value) {
  if (field.empty() || field.size() > kMaxDigits) return false;
  std::uint32_t result = 0;
  for (char c : field) {
    const int digit = DigitValue(c, base);
    if (digit < 0) return false;
    result = result * static_cast<std::uint32_t>(base) + static_cast<std::uint32_t>(digit);
  }
  *value = result;
  return true;
}

}  // namespace

bool FieldReader::Next(std::string_view* field) {
  const std::size_t start = rest_.find_first_not_of(' ');
  if (start == std::string_view::npos) {
    rest_ = {};
    return false;
  }
  const std::size_t end = rest_.find(' ', start);
  *field =
      rest_.substr(start, end == std::string_view::npos ? std::string_view::npos : end - start);
  rest_ = end == std::string_view::npos ? std::string_view{} : rest_.substr(end);
  return true;
}

bool ParseDecimal(std::string_view field, std::uint32_t* value) {
  return Parse(field, 10, value);
}

bool ParseHex(std::string_view field, std::uint32_t* value) {
  return Parse(field, 16, value);
}

std::string AsciiLowercase(std::string_view text) {
  std::string lowered(text);
  for (char& c : lowered) {
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return lowered;
}

}  // namespace importers
