#include "bars/BrowseListing.h"

#include <limits>

#include "Dictionary.h"
#include "DictionaryEntry.h"
#include "lexicon/Factory.h"
#include "shell/WideText.h"

namespace {

// The forms of the dictionary's current filter, from its first, at most `most` of them.
std::vector<std::string> Listed(Dictionary& words, std::size_t most) {
  std::vector<std::string> forms;
  DictionaryEntry* found = nullptr;
  for (int more = words.GetFirst(&found); more != 0; more = words.GetNext(&found)) {
    const lexicon::Owned<DictionaryEntry> entry(found);
    forms.push_back(WideText::Take(entry->GetLiteral()));
    if (forms.size() == most) break;
  }
  return forms;
}

}  // namespace

bool BrowseListing::IsPattern(std::string_view text) {
  return text.find_first_of("?*") != std::string_view::npos;
}

std::vector<std::string> BrowseListing::From(Dictionary& words, std::string_view text) {
  const std::string lower(text);
  words.SetFilter(lower.c_str(), nullptr, 0);
  return Listed(words, kMostForms);
}

std::vector<std::string> BrowseListing::Matching(Dictionary& words, std::string_view pattern) {
  const std::string text(pattern);
  words.SetFilter(text.c_str(), 0);
  return Listed(words, std::numeric_limits<std::size_t>::max());
}
