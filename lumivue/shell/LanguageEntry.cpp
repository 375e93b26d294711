#include "shell/LanguageEntry.h"

#include <utility>

#include "Language.h"
#include "shell/WideText.h"

LanguageEntry::LanguageEntry(lexicon::Owned<LanguageWordNet> wordNet)
    : LanguageEntry(std::move(wordNet), true) {}

LanguageEntry LanguageEntry::ForIli(lexicon::Owned<LanguageWordNet> wordNet) {
  return LanguageEntry(std::move(wordNet), false);
}

LanguageEntry::LanguageEntry(lexicon::Owned<LanguageWordNet> wordNet, bool listsWords)
    : wordNet_(std::move(wordNet)) {
  const lexicon::Owned<Language> language(wordNet_->GetLanguage());
  if (language) {
    code_ = WideText::Take(language->GetCode());
    name_ = WideText::Take(language->GetName(nullptr));
  }
  if (listsWords) dictionary_.reset(wordNet_->GetDictionary());
}
