#include "bars/LanguageCodeTable.h"

#include <array>
#include <cctype>

namespace {

constexpr std::array<std::string_view, LanguageCodeTable::kCount> kCodes = {
    "??", "CA", "HR", "CZ", "DK", "NL", "EE", "CE", "EN", "US", "SU", "CF", "FR", "GA", "DE", "SD",
    "GR", "MA", "IS", "IT", "EU", "NO", "PL", "BR", "PO", "RU", "SL", "SO", "ES", "SV", "TR"};

bool SameLetters(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    if (std::toupper(static_cast<unsigned char>(a[i])) !=
        std::toupper(static_cast<unsigned char>(b[i]))) {
      return false;
    }
  }
  return true;
}

}  // namespace

int LanguageCodeTable::PositionOf(std::string_view code) {
  for (std::size_t i = 0; i < kCodes.size(); ++i) {
    if (SameLetters(kCodes[i], code)) return static_cast<int>(i) + 1;
  }
  return 0;
}

std::string_view LanguageCodeTable::CodeAt(int position) {
  if (position < 1 || position > kCount) return {};
  return kCodes[static_cast<std::size_t>(position - 1)];
}
