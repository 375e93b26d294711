#include "bars/LanguageCodeTable.h"

#include <array>

#include "shell/LanguageCode.h"

namespace {

constexpr std::array<std::string_view, LanguageCodeTable::kCount> kCodes = {
    "??", "CA", "HR", "CZ", "DK", "NL", "EE", "CE", "EN", "US", "SU", "CF", "FR", "GA", "DE", "SD",
    "GR", "MA", "IS", "IT", "EU", "NO", "PL", "BR", "PO", "RU", "SL", "SO", "ES", "SV", "TR"};

}  // namespace

int LanguageCodeTable::PositionOf(std::string_view code) {
  for (std::size_t i = 0; i < kCodes.size(); ++i) {
    if (SameLanguageCode(kCodes[i], code)) return static_cast<int>(i) + 1;
  }
  return 0;
}

std::string_view LanguageCodeTable::CodeAt(int position) {
  if (position < 1 || position > kCount) return {};
  return kCodes[static_cast<std::size_t>(position - 1)];
}
