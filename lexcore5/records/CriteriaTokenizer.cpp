#include "records/CriteriaTokenizer.h"

#include <strings.h>

#include <cctype>
#include <limits>

namespace records {
namespace {

struct OperatorWord {
  std::uint16_t code;
  const char* word;
};

// In the order the criteria language has always listed them.
constexpr OperatorWord kOperators[] = {
    {36, "+"},       {37, "-"},           {33, "*"},
    {34, "/"},       {34, "DIV"},         {35, "%"},
    {35, "MOD"},     {20, "NOT"},         {20, "!"},
    {25, "!="},      {25, ".NE."},        {21, "=="},
    {21, ".EQ."},    {26, "<"},           {26, ".LT."},
    {27, "<="},      {27, ".LE."},        {28, ">"},
    {28, ".GT."},    {29, ">="},          {29, ".GE."},
    {18, "&&"},      {18, "AND"},         {19, "||"},
    {19, "OR"},      {30, "&"},           {32, "^"},
    {31, "|"},       {22, "MATCH"},       {22, "MATCHES"},
    {22, "&="},      {23, "MATCH_BEGIN"}, {23, "MATCHES_BEGIN"},
    {23, "BEGIN"},   {23, "BEGINS"},      {23, "^="},
    {24, "CONTAIN"}, {24, "CONTAINS"},    {24, "*="},
    {39, "("},       {40, ")"},           {0, nullptr},
};

bool IsBracket(char c) {
  return c == '(' || c == ')' || c == '[' || c == ']' || c == '{' || c == '}';
}

bool IsSpace(char c) {
  return std::isspace(static_cast<unsigned char>(c)) != 0;
}

bool AllDigits(std::string_view text) {
  if (text.empty()) return false;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

// The decimal value of `digits`, or false when it does not fit in `limit`.
bool DecimalValue(std::string_view digits, std::uint64_t limit, std::uint64_t* out) {
  if (!AllDigits(digits)) return false;
  std::uint64_t value = 0;
  for (char c : digits) {
    value = value * 10 + static_cast<std::uint64_t>(c - '0');
    if (value > limit) return false;
  }
  *out = value;
  return true;
}

int HexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

std::uint16_t OperatorCode(std::string_view word) {
  for (const OperatorWord* op = kOperators; op->word != nullptr; ++op) {
    if (word.size() == std::char_traits<char>::length(op->word) &&
        strncasecmp(word.data(), op->word, word.size()) == 0) {
      return op->code;
    }
  }
  return 0;
}

bool CriteriaTokenizer::Next(CriteriaToken* token) {
  std::string raw;
  bool quoted = false;
  if (!Scan(&raw, &quoted)) return false;
  if (quoted) {
    token->kind = CriteriaToken::Kind::kText;
    token->text = std::move(raw);
    return true;
  }
  Classify(raw, token);
  token->text = std::move(raw);
  return true;
}

bool CriteriaTokenizer::Scan(std::string* out, bool* quoted) {
  while (pos_ < text_.size() && IsSpace(text_[pos_])) ++pos_;
  if (pos_ >= text_.size()) return false;
  const char first = text_[pos_];
  *quoted = first == '"' || first == '\'';
  if (*quoted) {
    ++pos_;
    while (pos_ < text_.size() && text_[pos_] != first) {
      if (text_[pos_] == '\\') {
        ++pos_;
        if (pos_ < text_.size()) out->push_back(Escaped());
      } else {
        out->push_back(text_[pos_++]);
      }
    }
    if (pos_ < text_.size()) ++pos_;  // the closing quote
  } else {
    while (pos_ < text_.size() && !IsSpace(text_[pos_]) && !IsBracket(text_[pos_])) {
      if (text_[pos_] == '\\') {
        ++pos_;
        if (pos_ < text_.size()) out->push_back(Escaped());
      } else {
        out->push_back(text_[pos_++]);
      }
    }
  }
  return !out->empty();
}

// Reads the escape whose backslash was just passed; pos_ is on the escaped character.
char CriteriaTokenizer::Escaped() {
  const char c = text_[pos_++];
  switch (c) {
    case 'n':
      return '\n';
    case 'r':
      return '\r';
    case 't':
      return '\t';
    case 'f':
      return '\f';
    case 'v':
      return '\v';
    case 'a':
      return '\a';
    case 'b':
      return '\b';
    case 'x':
    case 'X': {
      if (pos_ >= text_.size() || HexDigit(text_[pos_]) < 0) return c;
      unsigned value = 0;
      while (pos_ < text_.size() && HexDigit(text_[pos_]) >= 0) {
        value = ((value << 4) | static_cast<unsigned>(HexDigit(text_[pos_++]))) & 0xFF;
      }
      return static_cast<char>(value);
    }
    default:
      return c;
  }
}

void CriteriaTokenizer::Classify(const std::string& raw, CriteriaToken* token) const {
  if (const std::uint16_t code = OperatorCode(raw); code != 0) {
    token->kind = CriteriaToken::Kind::kOperator;
    token->code = code;
    return;
  }
  std::uint16_t tag = 0;
  if (lookup_ && lookup_(raw, &tag)) {
    token->kind = CriteriaToken::Kind::kField;
    token->code = tag;
    return;
  }
  std::uint64_t value = 0;
  if (raw[0] == '#') {
    token->kind = CriteriaToken::Kind::kField;
    // A tag that is not a 16-bit number becomes 0, which validation refuses.
    token->code = DecimalValue(std::string_view(raw).substr(1), 0xFFFF, &value)
                      ? static_cast<std::uint16_t>(value)
                      : 0;
    return;
  }
  if (DecimalValue(raw, std::numeric_limits<std::uint32_t>::max(), &value)) {
    token->kind = CriteriaToken::Kind::kNumber;
    token->number = static_cast<std::uint32_t>(value);
    return;
  }
  // Digits too many for a 32-bit number stay text rather than wrap to a wrong number.
  token->kind = CriteriaToken::Kind::kText;
}

}  // namespace records
