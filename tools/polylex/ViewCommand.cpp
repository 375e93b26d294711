// polylex view: a view (word list) file reopened by the viewer's own reader against a database, and
// each pane of the view printed, so that a saved view can be checked from a terminal.
#include <cstdio>
#include <optional>
#include <string>

#include "Commands.h"
#include "ErrorText.h"
#include "PaneText.h"
#include "TerminalPerson.h"
#include "files/ViewFileKind.h"
#include "files/ViewFileReader.h"
#include "shell/MessageTexts.h"
#include "shell/ViewKind.h"
#include "shell/ViewerDatabase.h"
#include "tree/ConceptPane.h"

namespace polylex {
namespace {

// "== pane 1 of 2: EN (English), 12 rows ==" and the pane's rows.
void PrintPane(const ViewerDatabase& database, const ConceptPane& pane, int number, int panes) {
  std::string language = "no language";
  if (!pane.Language().empty()) {
    const LanguageEntry* entry = database.FindLanguage(pane.Language());
    language = pane.Language() +
               (entry != nullptr ? " (" + entry->Name() + ")" : " (not in this database)");
  }
  const std::size_t rows = pane.Lines().VisibleCount();
  std::printf("== pane %d of %d: %s, %zu row%s ==\n", number, panes, language.c_str(), rows,
              rows == 1 ? "" : "s");
  std::fputs(PaneText(pane.Lines()).c_str(), stdout);
}

}  // namespace

int RunView(const std::string& path, const std::string& file, bool status) {
  return WithLibraryErrors(path, [&] {
    // A line the reader cannot place is skipped, as when the person answers No to keeping it as
    // a note; the message names the line.
    TerminalPerson person(false, status);
    ViewerDatabase database(person);
    if (database.Open(path) == 0) return 1;
    const int saidBefore = person.Said();
    const int kind = ViewFileKind::Of(file, person);
    if (kind == ViewFileKind::kUnknown) {
      // A file that cannot be opened has been reported already, with the system's reason.
      if (person.Said() == saidBefore) person.ShowMessage(message::kViewFileKindUnknown.text);
      return 1;
    }
    ConceptPane left(database, person);
    std::optional<ConceptPane> right;
    if (kind == static_cast<int>(ViewKind::kMultilingual)) right.emplace(database, person);
    const int read = ViewFileReader(person).Read(file, left, right ? &*right : nullptr);
    const int panes = right ? 2 : 1;
    PrintPane(database, left, 1, panes);
    if (right) PrintPane(database, *right, 2, panes);
    return read == 1 && database.LastError().empty() ? 0 : 1;
  });
}

}  // namespace polylex
