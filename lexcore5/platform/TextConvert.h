// Conversions between the library's narrow text (UTF-8, standing for the ANSI code page) and its
// wide text (UTF-16), through ICU. Both directions compose to NFC, as the original's precomposed
// and composite-checking conversions did.
#pragma once

#include <string>
#include <string_view>

namespace platform {

// False (and *out cleared) when `text` is not valid UTF-8.
bool Utf8ToUtf16(std::string_view text, std::u16string* out);
// Plain ASCII, by far the commonest text, widened straight into `out`, which has room for
// text.size() characters: the result of Utf8ToUtf16 without a buffer between. False when `text`
// holds anything else (`out` is then partly written and Utf8ToUtf16 must convert it).
bool WidenAscii(std::string_view text, char16_t* out);
// Never fails: whatever cannot be converted (an unpaired surrogate) becomes "~".
std::string Utf16ToUtf8(std::u16string_view text);
// False (and *out cleared) when `text` holds an unpaired surrogate.
bool Utf16ToUtf8Strict(std::u16string_view text, std::string* out);

}  // namespace platform
