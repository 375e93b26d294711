#include "platform/TextConvert.h"

#include <unicode/normalizer2.h>
#include <unicode/unistr.h>
#include <unicode/ustring.h>
#include <unicode/utf16.h>

#include <cstdint>
#include <string_view>

namespace platform {
namespace {

// NFC of `text`; text that is already composed (nearly all of it) is returned untouched.
std::u16string Composed(std::u16string text) {
  UErrorCode status = U_ZERO_ERROR;
  const icu::Normalizer2* nfc = icu::Normalizer2::getNFCInstance(status);
  if (U_FAILURE(status)) return text;
  icu::UnicodeString source(false, text.data(), static_cast<int32_t>(text.size()));
  if (nfc->isNormalized(source, status) || U_FAILURE(status)) return text;
  status = U_ZERO_ERROR;
  icu::UnicodeString result = nfc->normalize(source, status);
  if (U_FAILURE(status)) return text;
  return std::u16string(result.getBuffer(), static_cast<std::size_t>(result.length()));
}

// Plain ASCII, by far the commonest text, is its own NFC in either encoding and needs no ICU.
template <typename Char>
bool IsAscii(std::basic_string_view<Char> text) {
  for (const Char c : text) {
    if (static_cast<std::uint32_t>(c) >= 0x80) return false;
  }
  return true;
}

bool HasUnpairedSurrogate(std::u16string_view text) {
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    if (U16_IS_LEAD(c) && i + 1 < text.size() && U16_IS_TRAIL(text[i + 1])) {
      ++i;
    } else if (U16_IS_SURROGATE(c)) {
      return true;
    }
  }
  return false;
}

}  // namespace

bool WidenAscii(std::string_view text, char16_t* out) {
  // One pass that widens and checks together, rather than one to check and one to copy.
  unsigned char seen = 0;
  for (const char c : text) {
    const auto byte = static_cast<unsigned char>(c);
    seen |= byte;
    *out++ = byte;
  }
  return seen < 0x80;
}

bool Utf8ToUtf16(std::string_view text, std::u16string* out) {
  out->resize(text.size());
  if (WidenAscii(text, out->data())) return true;
  out->clear();
  UErrorCode status = U_ZERO_ERROR;
  int32_t length = 0;
  u_strFromUTF8(nullptr, 0, &length, text.data(), static_cast<int32_t>(text.size()), &status);
  if (status != U_BUFFER_OVERFLOW_ERROR && U_FAILURE(status)) return false;
  std::u16string wide(static_cast<std::size_t>(length), u'\0');
  status = U_ZERO_ERROR;
  u_strFromUTF8(wide.data(), length, &length, text.data(), static_cast<int32_t>(text.size()),
                &status);
  if (U_FAILURE(status)) return false;
  *out = Composed(std::move(wide));
  return true;
}

bool Utf16ToUtf8Strict(std::u16string_view text, std::string* out) {
  out->clear();
  if (IsAscii(text)) {
    out->assign(text.begin(), text.end());
    return true;
  }
  if (HasUnpairedSurrogate(text)) return false;
  const std::u16string composed = Composed(std::u16string(text));
  icu::UnicodeString(false, composed.data(), static_cast<int32_t>(composed.size()))
      .toUTF8String(*out);
  return true;
}

std::string Utf16ToUtf8(std::u16string_view text) {
  std::u16string cleaned(text);
  for (std::size_t i = 0; i < cleaned.size(); ++i) {
    if (U16_IS_LEAD(cleaned[i]) && i + 1 < cleaned.size() && U16_IS_TRAIL(cleaned[i + 1])) {
      ++i;
    } else if (U16_IS_SURROGATE(cleaned[i])) {
      cleaned[i] = u'~';
    }
  }
  std::string out;
  Utf16ToUtf8Strict(cleaned, &out);
  return out;
}

}  // namespace platform
