// What the input bar decides, without its widgets: the mode ("Query" or "Browse"), the languages a
// person may choose, what the browse bar lists for a typed text, and which word a Lookup looks up
// in which pane. The bar widget only reads its controls, calls these and shows the result.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

class ConceptPane;
class Dictionary;
class PersonInterface;
class TreeItem;
class ViewerDatabase;

class InputBarState {
 public:
  // The mode combo's entries, by their index.
  enum class Mode { kQuery = 0, kBrowse = 1 };
  static constexpr const char* kModeTexts[] = {"Query", "Browse"};

  // One entry of a language combo.
  struct LanguageItem {
    std::string name;      // the language's own name ("English")
    std::string code;      // as the database spells it ("EN")
    std::uint16_t code16;  // the code's first character in the low byte, its second in the high
  };

  // What the browse bar shows after a browse.
  struct Browse {
    bool show = false;               // the bar is shown (else hidden)
    bool filled = false;             // `forms` replaces the bar's list (else the list stays)
    std::vector<std::string> forms;  // in the dictionary's order; the first is selected
  };

  // `database` and `person` must outlive the state. A new bar starts in "Browse" mode.
  InputBarState(ViewerDatabase& database, PersonInterface& person);

  Mode GetMode() const { return mode_; }
  void SetMode(Mode mode) { mode_ = mode; }
  // F2: switches between the two modes; true when the browse bar is to be shown ("Browse").
  bool ToggleMode();

  // The combo entries for the open database's languages, in their order: every language the
  // database holds, whatever its code (the bar shows a flag or the code's badge for it).
  std::vector<LanguageItem> LanguageItems() const;

  // The browse after typing (the timer) or a focus change, for `text` in language `code`.
  // "Query" mode only shows the bar for a text with wildcards and hides it otherwise, listing
  // nothing new. "Browse" mode lists the forms from the text onward (BrowseListing::From). A
  // library failure is shown; the forms read before it stay.
  Browse BrowseFor(std::string_view text, const std::string& code);

  // Lookup (the button or Enter) in `pane` with language `code`:
  //  - "Browse": browses again; the first form listed is looked up (the typed text when the list
  //    is empty); `browse` receives the listing. When the first form is not the typed text
  //    (letter case aside), the typed text's base forms come first, if it has any;
  //  - "Query": a text with wildcards fills `browse` with the forms matching it
  //    (BrowseListing::Matching) and looks nothing up; any other text is looked up as typed.
  // The look-up is ConceptPane::LookUpFromBar; when it makes no line, "Word not found !". Returns
  // the word line made, else null.
  TreeItem* LookUp(ConceptPane& pane, std::string_view text, const std::string& code,
                   Browse& browse);

 private:
  // The word forms of language `code`; null for an unknown code.
  Dictionary* WordsOf(const std::string& code) const;

  ViewerDatabase& database_;
  PersonInterface& person_;
  Mode mode_ = Mode::kBrowse;
};
