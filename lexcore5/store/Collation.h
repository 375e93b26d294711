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

// Bounds of the texts that equal a given text at the primary level (letters alike, whatever their
// accents and case): kLower sorts before all of them, kUpper after all of them, kUpperLong after
// every text that begins with such a text too.
enum class CollationBound : std::uint8_t { kLower, kUpper, kUpperLong };

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
  // Appends a bound key (without a terminator) that compares with sort keys as `bound` says;
  // false only when out of memory.
  bool AppendPrimaryBound(std::string_view text, CollationBound bound, std::string* key) const;
  // Orders two UTF-8 texts: negative, 0 or positive. Without `caseSensitive`, texts that differ
  // only in letter case are equal.
  int Compare(std::string_view a, std::string_view b, bool caseSensitive) const;

 private:
  Collator(UCollator* collator, UCollator* caseless) : collator_(collator), caseless_(caseless) {}
  UCollator* collator_;
  // The same collation at secondary strength.
  UCollator* caseless_;
};

// One collator per locale for the whole process, opened on first use and shared by every cursor;
// collators never change once open, so sharing them across threads is safe. Null only when ICU
// cannot open any collation.
std::shared_ptr<const Collator> SharedCollator(std::string_view locale);

}  // namespace store
