// Text keys in the order of a locale's Unicode collation (ICU), so that "é" sorts near "e" and the
// Polish "ł" right after "l". Keys compare with memcmp, never contain a zero byte except their
// terminator, and end in a zero byte, so they can be followed by further key material.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

struct UCollator;

namespace store {

class Collator {
 public:
  // The collation of `locale` ("fr", "pl", ...; empty = the root collation), at tertiary strength
  // with normalisation on, so that letter case only decides between otherwise equal texts and
  // decomposed input sorts with its composed form. Null when ICU cannot open it. An unknown
  // locale falls back to ICU's nearest one (at worst the root).
  static std::unique_ptr<Collator> Open(std::string_view locale);
  ~Collator();
  Collator(const Collator&) = delete;
  Collator& operator=(const Collator&) = delete;

  // Appends the sort key of UTF-8 `text` (invalid sequences count as U+FFFD); false only when out
  // of memory.
  bool AppendSortKey(std::string_view text, std::string* key) const;

 private:
  explicit Collator(UCollator* collator) : collator_(collator) {}
  UCollator* collator_;
};

}  // namespace store
