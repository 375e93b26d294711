#include "store/Collation.h"

#include <unicode/ucol.h>
#include <unicode/ustring.h>

#include <map>
#include <mutex>
#include <string>

namespace store {

namespace {

UCollator* OpenAtStrength(const std::string& locale, UColAttributeValue strength) {
  UErrorCode status = U_ZERO_ERROR;
  UCollator* collator = ucol_open(locale.c_str(), &status);
  if (U_FAILURE(status)) return nullptr;
  ucol_setAttribute(collator, UCOL_NORMALIZATION_MODE, UCOL_ON, &status);
  ucol_setAttribute(collator, UCOL_STRENGTH, strength, &status);
  if (U_FAILURE(status)) {
    ucol_close(collator);
    return nullptr;
  }
  return collator;
}

}  // namespace

std::unique_ptr<Collator> Collator::Open(std::string_view locale) {
  const std::string name(locale);
  UCollator* collator = OpenAtStrength(name, UCOL_TERTIARY);
  UCollator* caseless = OpenAtStrength(name, UCOL_SECONDARY);
  if (collator == nullptr || caseless == nullptr) {
    if (collator != nullptr) ucol_close(collator);
    if (caseless != nullptr) ucol_close(caseless);
    return nullptr;
  }
  return std::unique_ptr<Collator>(new Collator(collator, caseless));
}

Collator::~Collator() {
  ucol_close(collator_);
  ucol_close(caseless_);
}

bool Collator::AppendPrimaryBound(std::string_view text, CollationBound bound,
                                  std::string* key) const {
  std::string sortKey;
  if (!AppendSortKey(text, &sortKey)) return false;
  const UColBoundMode mode = bound == CollationBound::kLower   ? UCOL_BOUND_LOWER
                             : bound == CollationBound::kUpper ? UCOL_BOUND_UPPER
                                                               : UCOL_BOUND_UPPER_LONG;
  const auto* source = reinterpret_cast<const uint8_t*>(sortKey.data());
  std::string result(sortKey.size() + 8, '\0');
  for (;;) {
    UErrorCode status = U_ZERO_ERROR;
    const int32_t needed = ucol_getBound(source, static_cast<int32_t>(sortKey.size()), mode, 1,
                                         reinterpret_cast<uint8_t*>(result.data()),
                                         static_cast<int32_t>(result.size()), &status);
    if (needed <= 0) return false;
    if (static_cast<std::size_t>(needed) > result.size()) {
      result.resize(static_cast<std::size_t>(needed));
      continue;
    }
    if (U_FAILURE(status)) return false;
    // The bound ends in the terminator of a sort key; without it, it still orders the same way
    // against keys that go on with further components.
    std::size_t length = static_cast<std::size_t>(needed);
    while (length > 0 && result[length - 1] == '\0') --length;
    key->append(result, 0, length);
    return true;
  }
}

int Collator::Compare(std::string_view a, std::string_view b, bool caseSensitive) const {
  UErrorCode status = U_ZERO_ERROR;
  const UCollationResult result = ucol_strcollUTF8(caseSensitive ? collator_ : caseless_, a.data(),
                                                   static_cast<int32_t>(a.size()), b.data(),
                                                   static_cast<int32_t>(b.size()), &status);
  if (U_FAILURE(status)) return a.compare(b);
  return static_cast<int>(result);
}

std::shared_ptr<const Collator> SharedCollator(std::string_view locale) {
  static std::mutex mutex;
  static std::map<std::string, std::shared_ptr<const Collator>, std::less<>> collators;
  std::lock_guard guard(mutex);
  auto found = collators.find(locale);
  if (found != collators.end()) return found->second;
  std::shared_ptr<const Collator> collator = Collator::Open(locale);
  if (collator != nullptr) collators.emplace(std::string(locale), collator);
  return collator;
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
