#include "LmfIdentifiers.h"

namespace importers {
namespace {

// The characters XML 1.0 (fifth edition) allows in a name after its first, less ":".
bool IsNameChar(char32_t c) {
  if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) return true;
  if (c == '-' || c == '.' || c == '_' || c == 0xB7) return true;
  return (c >= 0xC0 && c <= 0xD6) || (c >= 0xD8 && c <= 0xF6) || (c >= 0xF8 && c <= 0x37D) ||
         (c >= 0x37F && c <= 0x1FFF) || (c >= 0x200C && c <= 0x200D) ||
         (c >= 0x203F && c <= 0x2040) || (c >= 0x2070 && c <= 0x218F) ||
         (c >= 0x2C00 && c <= 0x2FEF) || (c >= 0x3001 && c <= 0xD7FF) ||
         (c >= 0xF900 && c <= 0xFDCF) || (c >= 0xFDF0 && c <= 0xFFFD) ||
         (c >= 0x10000 && c <= 0xEFFFF);
}

// The length of the UTF-8 sequence starting with `lead` (1 for a stray byte).
std::size_t SequenceLength(unsigned char lead) {
  if (lead >= 0xF0 && lead < 0xF8) return 4;
  if (lead >= 0xE0) return lead < 0xF0 ? 3 : 1;
  if (lead >= 0xC0) return 2;
  return 1;
}

}  // namespace

std::string LmfIdentifiers::Unique(std::string candidate) {
  if (Claim(candidate)) return candidate;
  for (int n = 2;; ++n) {
    std::string numbered = candidate + "-" + std::to_string(n);
    if (Claim(numbered)) return numbered;
  }
}

std::string LmfIdentifiers::Slug(std::string_view text) {
  std::string slug;
  slug.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const auto lead = static_cast<unsigned char>(text[i]);
    std::size_t length = SequenceLength(lead);
    // A byte of 0x80 or more alone belongs to no character: it reads as none.
    char32_t c = length > 1 ? lead & (0x7F >> length) : lead < 0x80 ? lead : 0;
    for (std::size_t k = 1; k < length; ++k) {
      const auto next = i + k < text.size() ? static_cast<unsigned char>(text[i + k]) : 0;
      if ((next & 0xC0) != 0x80) {
        length = 1;  // a broken sequence: its lead byte alone, which is no name character
        c = 0;
        break;
      }
      c = (c << 6) | (next & 0x3F);
    }
    if (IsNameChar(c)) {
      slug.append(text.substr(i, length));
    } else {
      slug += '_';
    }
    i += length;
  }
  return slug;
}

}  // namespace importers
