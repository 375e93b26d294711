#include "WordIterator.h"

#include <stdexcept>

#include "DictionaryEntry.h"
#include "Text.h"

namespace pylex {

WordIterator::WordIterator(std::shared_ptr<LanguageView> language,
                           const std::optional<std::string>& start,
                           const std::optional<std::string>& pattern)
    : language_(std::move(language)), dictionary_(language_->WordNet().GetDictionary()) {
  if (pattern && start) throw std::invalid_argument("give a start or a pattern, not both");
  if (pattern) {
    dictionary_->SetFilter(pattern->c_str(), 0);
  } else if (start) {
    dictionary_->SetFilter(start->c_str(), nullptr, 0);
  }
}

std::optional<std::string> WordIterator::Next() {
  language_->WordNet();
  DictionaryEntry* item = nullptr;
  if (dictionary_->GetNext(&item) == 0) return std::nullopt;
  return TakeText(Owned<DictionaryEntry>(item)->GetLiteral());
}

}  // namespace pylex
