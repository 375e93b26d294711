#include "bars/InputBarState.h"

#include <strings.h>

#include "bars/BrowseListing.h"
#include "shell/LanguageEntry.h"
#include "shell/MessageTexts.h"
#include "shell/PersonInterface.h"
#include "shell/ViewerDatabase.h"
#include "tree/ConceptPane.h"
#include "tree/SearchText.h"

InputBarState::InputBarState(ViewerDatabase& database, PersonInterface& person)
    : database_(database), person_(person) {}

bool InputBarState::ToggleMode() {
  mode_ = mode_ == Mode::kBrowse ? Mode::kQuery : Mode::kBrowse;
  return mode_ == Mode::kBrowse;
}

std::vector<InputBarState::LanguageItem> InputBarState::LanguageItems() const {
  std::vector<LanguageItem> items;
  for (const LanguageEntry& language : database_.LanguageList()) {
    const std::string& code = language.Code();
    const auto low = static_cast<std::uint8_t>(code.size() > 0 ? code[0] : 0);
    const auto high = static_cast<std::uint8_t>(code.size() > 1 ? code[1] : 0);
    items.push_back({language.Name(), code, static_cast<std::uint16_t>(low | high << 8)});
  }
  return items;
}

Dictionary* InputBarState::WordsOf(const std::string& code) const {
  // An empty code would name the ILI, which lists no words.
  const LanguageEntry* language = code.empty() ? nullptr : database_.FindLanguage(code);
  return language != nullptr ? language->Words() : nullptr;
}

InputBarState::Browse InputBarState::BrowseFor(std::string_view text, const std::string& code) {
  Browse browse;
  if (mode_ == Mode::kQuery) {
    browse.show = BrowseListing::IsPattern(text);
    return browse;
  }
  browse.show = true;
  Dictionary* words = WordsOf(code);
  if (words == nullptr) return browse;
  browse.filled = true;
  database_.Guarded([&] { browse.forms = BrowseListing::From(*words, text); });
  return browse;
}

TreeItem* InputBarState::LookUp(ConceptPane& pane, std::string_view text, const std::string& code,
                                Browse& browse) {
  std::string word(text);
  if (mode_ == Mode::kBrowse) {
    browse = BrowseFor(text, code);
    if (!browse.forms.empty()) {
      // A typed form that is no word of the dictionary shows its base forms ("dogs": dog) where
      // it has some, rather than its alphabetical neighbour ("dogsbody").
      if (strcasecmp(browse.forms.front().c_str(), SearchText::WordOf(text).c_str()) != 0) {
        if (TreeItem* made = pane.LookUpFromBar(code, text)) return made;
      }
      word = browse.forms.front();
    }
  } else if (BrowseListing::IsPattern(text)) {
    browse = Browse{true, true, {}};
    if (Dictionary* words = WordsOf(code)) {
      database_.Guarded([&] { browse.forms = BrowseListing::Matching(*words, text); });
    }
    return nullptr;
  }
  TreeItem* made = pane.LookUpFromBar(code, word);
  if (made == nullptr) person_.ShowMessage(message::kWordNotFound.text);
  return made;
}
