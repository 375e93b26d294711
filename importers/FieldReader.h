// Splits a line of a WordNet file into its blank-separated fields and reads the fixed-format
// numbers they hold.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace importers {

class FieldReader {
 public:
  explicit FieldReader(std::string_view text) : rest_(text) {}

  // The next field; false when none is left.
  bool Next(std::string_view* field);
  bool AtEnd() const { return rest_.find_first_not_of(' ') == std::string_view::npos; }

 private:
  std::string_view rest_;
};

// Reads a whole field as a number in base 10 or 16 (digits only, at most 9 of them). False for an
// empty field, any other character, or too many digits.
bool ParseDecimal(std::string_view field, std::uint32_t* value);
bool ParseHex(std::string_view field, std::uint32_t* value);

// The text with A to Z in small letters: WordNet's index files and sense keys hold lemmas so.
std::string AsciiLowercase(std::string_view text);

}  // namespace importers
