// polylex tree: the concept tree of the viewer's monolingual view for one word, built by the
// viewer's own logic, so that it can be read and checked from a terminal.
#include <cstdio>
#include <string>
#include <vector>

#include "BaseFormNote.h"
#include "Commands.h"
#include "ErrorText.h"
#include "LanguageChoice.h"
#include "PaneText.h"
#include "TerminalPerson.h"
#include "shell/ViewerDatabase.h"
#include "tree/ConceptItem.h"
#include "tree/ConceptPane.h"

namespace polylex {
namespace {

const char* OptionOf(TreeStep::Action action) {
  return action == TreeStep::Action::kExpand ? "--expand" : "--top";
}

// The row's line, or null after saying why the step cannot run on it.
TreeItem* LineOfStep(const ConceptPane& pane, const TreeStep& step) {
  const TreeListBox& lines = pane.Lines();
  TreeItem* line = step.row >= 0 ? lines.VisibleLine(static_cast<std::size_t>(step.row)) : nullptr;
  if (line == nullptr) {
    std::fprintf(stderr, "polylex: %s %ld: no such row (the tree shows rows 0 to %zu)\n",
                 OptionOf(step.action), step.row, lines.VisibleCount() - 1);
    return nullptr;
  }
  if (step.action == TreeStep::Action::kTopHyperonym &&
      (line->Kind() != LineKind::kConcept ||
       static_cast<const ConceptItem&>(*line).GetConcept() == nullptr)) {
    std::fprintf(stderr, "polylex: --top %ld: row %ld is not a concept line\n", step.row, step.row);
    return nullptr;
  }
  return line;
}

// The texts of the top-level word lines: the forms a look-up showed.
std::vector<std::string> WordLinesOf(const TreeListBox& lines) {
  std::vector<std::string> words;
  for (const TreeItem* line = lines.First(); line != nullptr; line = lines.NextSibling(*line)) {
    if (line->Kind() == LineKind::kWord) words.push_back(line->Text());
  }
  return words;
}

}  // namespace

int RunTree(const std::string& path, const std::string& code, const std::string& word,
            const std::vector<TreeStep>& steps, bool status, bool exact) {
  return WithLibraryErrors(path, [&] {
    // The only question a tree asks is whether to break off a long Top hyperonym walk; Yes keeps a
    // hyperonym cycle in the data from walking forever.
    TerminalPerson person(true, status);
    ViewerDatabase database(person);
    if (database.Open(path) == 0) return 1;
    const LanguageEntry* language = database.FindLanguage(code);
    if (language == nullptr) {
      // Says which codes the database has.
      ChooseLanguage(database, path, code);
      return 1;
    }
    ConceptPane pane(database, person);
    pane.SetLanguage(language->Code());
    const TreeItem* top = exact ? pane.LookUp(word, nullptr, 0) : pane.LookUpOrBaseForms(word);
    if (top == nullptr) {
      if (database.LastError().empty()) {
        std::fprintf(stderr, "polylex: %s has no word \"%s\"\n", language->Code().c_str(),
                     word.c_str());
      }
      return 1;
    }
    if (top->Text() != word) {
      std::printf("%s\n", BaseFormNote(word, WordLinesOf(pane.Lines())).c_str());
    }
    for (const TreeStep& step : steps) {
      TreeItem* line = LineOfStep(pane, step);
      if (line == nullptr) return 1;
      if (step.action == TreeStep::Action::kExpand) {
        pane.ExpandLine(*line);
      } else {
        pane.Select(line);
        pane.TopHyperonym();
      }
    }
    std::fputs(PaneText(pane.Lines()).c_str(), stdout);
    return database.LastError().empty() ? 0 : 1;
  });
}

}  // namespace polylex
