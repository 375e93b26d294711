// Conversions between the library's narrow text (UTF-8, standing for the ANSI code page) and its
// wide text (UTF-16), through ICU. Both directions compose to NFC, as the original's precomposed
// and composite-checking conversions did.
#pragma once

#include <string>
#include <string_view>

namespace platform {

// False (and *out cleared) when `text` is not valid UTF-8.
bool Utf8ToUtf16(std::string_view text, std::u16string* out);
// Never fails: whatever cannot be converted (an unpaired surrogate) becomes "~".
std::string Utf16ToUtf8(std::u16string_view text);
// False (and *out cleared) when `text` holds an unpaired surrogate.
bool Utf16ToUtf8Strict(std::u16string_view text, std::string* out);

}  // namespace platform
