#include "Text.h"

#include <algorithm>
#include <cctype>

#include "platform/TextConvert.h"

namespace pylex {

std::string TakeText(BSTR text) {
  std::string narrow = text == nullptr ? "" : platform::Utf16ToUtf8(text);
  SysFreeString(text);
  return narrow;
}

std::string LowerAscii(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

}  // namespace pylex
