#include "store/Collation.h"

#include <unicode/ucol.h>
#include <unicode/ustring.h>

#include <string>

namespace store {

std::unique_ptr<Collator> Collator::Open(std::string_view locale) {
  const std::string name(locale);
  UErrorCode status = U_ZERO_ERROR;
  UCollator* collator = ucol_open(name.c_str(), &status);
  if (U_FAILURE(status)) return nullptr;
  ucol_setAttribute(collator, UCOL_NORMALIZATION_MODE, UCOL_ON, &status);
  ucol_setAttribute(collator, UCOL_STRENGTH, UCOL_TERTIARY, &status);
  if (U_FAILURE(status)) {
    ucol_close(collator);
    return nullptr;
  }
  return std::unique_ptr<Collator>(new Collator(collator));
}

Collator::~Collator() {
  ucol_close(collator_);
}

bool Collator::AppendSortKey(std::string_view text, std::string* key) const {
  // Both buffers live per thread: keys are built for every indexed field of every change.
  thread_local std::u16string wide;
  wide.resize(text.size() + 1);
  int32_t wideLength = 0;
  UErrorCode status = U_ZERO_ERROR;
  u_strFromUTF8WithSub(wide.data(), static_cast<int32_t>(wide.size()), &wideLength, text.data(),
                       static_cast<int32_t>(text.size()), 0xFFFD, nullptr, &status);
  if (U_FAILURE(status)) return false;

  const std::size_t start = key->size();
  std::size_t room = text.size() * 4 + 16;
  for (;;) {
    key->resize(start + room);
    const int32_t needed = ucol_getSortKey(collator_, wide.data(), wideLength,
                                           reinterpret_cast<uint8_t*>(key->data() + start),
                                           static_cast<int32_t>(room));
    if (needed <= 0) {
      key->resize(start);
      return false;
    }
    if (static_cast<std::size_t>(needed) <= room) {
      key->resize(start + static_cast<std::size_t>(needed));
      return true;
    }
    room = static_cast<std::size_t>(needed);
  }
}

}  // namespace store
