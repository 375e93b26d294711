// Text comparison under a cursor's mode: exact or case-folded, with "*" (any run, the empty one
// included) and "?" (exactly one character) as wildcards when they are on.
#pragma once

#include <string>
#include <string_view>

namespace store {

// The code points of UTF-8 text, with full Unicode case folding unless `caseSensitive`. Invalid
// bytes become U+FFFD, so damaged text still compares.
std::u32string FoldedText(std::string_view utf8, bool caseSensitive);
// The same into `out`, reusing its memory.
void FoldInto(std::string_view utf8, bool caseSensitive, std::u32string* out);

bool HasWildcard(std::u32string_view text);

// Whether `pattern` matches the whole of `text`. Runs of "*" count as one and a mismatch goes back
// only to the last star, so the cost stays within the product of the two lengths.
bool WildcardMatch(std::u32string_view pattern, std::u32string_view text);

}  // namespace store
