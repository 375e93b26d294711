// The criteria language of ArbCursor::SetCriteria: splits text into tokens and classifies them.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace records {

// The operator code of a word of the operator table (compared without regard to case), 0 if the
// word is not an operator.
std::uint16_t OperatorCode(std::string_view word);

struct CriteriaToken {
  enum class Kind : std::uint8_t { kOperator, kField, kNumber, kText } kind = Kind::kText;
  std::string text;          // with escapes resolved
  std::uint16_t code = 0;    // operator code or field tag
  std::uint32_t number = 0;  // value of a number token
};

class CriteriaTokenizer {
 public:
  // Looks a name up in the field-name dictionary; true and *tag set when it names a field.
  using FieldLookup = std::function<bool(const std::string& name, std::uint16_t* tag)>;

  CriteriaTokenizer(std::string_view text, FieldLookup lookup)
      : text_(text), lookup_(std::move(lookup)) {}

  // The next token, or false when the text is used up or a token comes out empty (an empty quoted
  // text, or a bracket character where a token should start): the parse ends there.
  bool Next(CriteriaToken* token);

 private:
  bool Scan(std::string* out, bool* quoted);
  char Escaped();
  void Classify(const std::string& raw, CriteriaToken* token) const;

  std::string_view text_;
  std::size_t pos_ = 0;
  FieldLookup lookup_;
};

}  // namespace records
