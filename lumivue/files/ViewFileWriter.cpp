#include "files/ViewFileWriter.h"

#include <fstream>

#include "files/FileErrorText.h"
#include "files/ViewFileKeyword.h"
#include "files/ViewFileOutline.h"
#include "shell/MessageTexts.h"
#include "shell/PersonInterface.h"
#include "shell/WaitCursor.h"
#include "tree/ConceptItem.h"
#include "tree/ConceptPane.h"

namespace {

std::string KeywordLine(std::string_view keyword, std::string_view value) {
  return "#" + std::string(keyword) + ":" + std::string(value) + "\n";
}

// A note whose text spans several lines becomes one "//" line per text line, so that no part of
// it reads back as a line of unknown kind. Line breaks at either end make no empty "//" line: the
// reader drops empty notes, so such a line would make the file change at its next save.
void AppendNote(const std::string& note, std::string& text) {
  std::size_t start = note.find_first_not_of("\r\n");
  if (start == std::string::npos) return;
  while (true) {
    const std::size_t end = note.find_first_of("\r\n", start);
    text += "//" + note.substr(start, end - start) + "\n";
    if (end == std::string::npos) return;
    start = note.find_first_not_of("\r\n", end);
    if (start == std::string::npos) return;
  }
}

// The head of the entry that a top-level line starts; empty when it starts none (a concept line
// without a concept, or another kind of line).
std::string EntryHead(const TreeItem& line) {
  if (line.Kind() == LineKind::kWord) return "L|" + line.Text() + "|";
  if (line.Kind() != LineKind::kConcept) return std::string();
  Concept* meaning = static_cast<const ConceptItem&>(line).GetConcept();
  if (meaning == nullptr) return std::string();
  return "C|" + std::to_string(meaning->GetRecordID()) + "|";
}

}  // namespace

ViewFileWriter::ViewFileWriter(PersonInterface& person) : person_(person) {}

int ViewFileWriter::Write(const std::string& path, const ConceptPane& left,
                          const ConceptPane* right) {
  person_.ShowStatus(PersonInterface::StatusPane::kMessage, message::kOpeningViewFile.text);
  WaitCursor wait(person_);
  std::ofstream file(path, std::ios::binary | std::ios::trunc);
  if (!file) {
    ShowFileError(path, person_);
    return 0;
  }
  const std::string text = TextOf(left, right);
  file.write(text.data(), static_cast<std::streamsize>(text.size()));
  file.close();
  if (!file) {
    // A full disk shows up only here; the person must not believe the view was saved.
    ShowFileError(path, person_);
    return 0;
  }
  person_.ShowStatus(PersonInterface::StatusPane::kMessage, message::kDone.text);
  return 1;
}

std::string ViewFileWriter::TextOf(const ConceptPane& left, const ConceptPane* right) {
  std::string text =
      KeywordLine(view_file::kWindowType,
                  right != nullptr ? view_file::kMultilingualValue : view_file::kMonolingualValue);
  AppendPane(left, text);
  if (right != nullptr) AppendPane(*right, text);
  return text;
}

void ViewFileWriter::AppendPane(const ConceptPane& pane, std::string& text) {
  text += KeywordLine(view_file::kLanguage, pane.Language());
  // The entry grows with the subtree, however many lines it has.
  std::string entry;
  // The outline line that goes before the entry; empty when the entry has none.
  std::string outline;
  const auto endEntry = [&] {
    if (!entry.empty()) text += outline + entry + "\n";
    entry.clear();
    outline.clear();
  };
  for (const TreeItem* line = pane.Lines().First(); line != nullptr; line = line->Next()) {
    if (!line->IsTreeLine()) {
      endEntry();
      AppendNote(line->Text(), text);
      continue;
    }
    if (line->IsAttached()) continue;
    if (line->Level() == 0) {
      endEntry();
      entry = EntryHead(*line);
      // The letter of a line alone names no other line: such an entry needs no outline.
      const auto lines = ViewFileOutline::Of(pane.Lines(), *line);
      if (lines && lines->Lines().size() > 1 && !entry.empty()) {
        outline = KeywordLine(view_file::kOutline, lines->Text());
      }
    }
    // The lines of a block that started no entry get no letters: alone they would read back as a
    // line of unknown kind.
    if (!entry.empty()) entry += line->IsExpanded() ? 'O' : 'C';
  }
  endEntry();
}
