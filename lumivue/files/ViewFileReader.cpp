#include "files/ViewFileReader.h"

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <fstream>
#include <memory>
#include <utility>

#include "files/FileErrorText.h"
#include "files/ViewFileKeyword.h"
#include "shell/MessageTexts.h"
#include "shell/PersonInterface.h"
#include "shell/WaitCursor.h"
#include "tree/ConceptItem.h"
#include "tree/ConceptPane.h"
#include "tree/NoteItem.h"

namespace {

// The line after `line` that is not attached; null at the end of the list.
TreeItem* NextUnattached(const TreeItem& line) {
  TreeItem* next = line.Next();
  while (next != nullptr && next->IsAttached()) next = next->Next();
  return next;
}

// The record id of a concept entry: a decimal number and nothing else; 0 when it is none.
std::int32_t RecordIdOf(std::string_view text) {
  std::int32_t id = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), id);
  if (error != std::errc() || end != text.data() + text.size()) return 0;
  return id;
}

}  // namespace

ViewFileReader::ViewFileReader(PersonInterface& person) : person_(person) {}

int ViewFileReader::Read(const std::string& path, ConceptPane& left, ConceptPane* right) {
  person_.ShowStatus(PersonInterface::StatusPane::kMessage, message::kOpeningViewFile.text);
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    ShowFileError(path, person_);
    return 0;
  }
  WaitCursor wait(person_);
  right_ = right;
  current_ = &left;
  windowType_ = '\0';
  languageCount_ = 0;
  lineNumber_ = 0;
  outline_.reset();
  // Lines of any length: an entry holds one letter per line of its subtree.
  std::string line;
  while (std::getline(file, line)) {
    ++lineNumber_;
    if (line.ends_with('\r')) line.pop_back();
    if (ReadLine(line) == 0) return 0;
  }
  person_.ShowStatus(PersonInterface::StatusPane::kMessage, message::kDone.text);
  return 1;
}

int ViewFileReader::ReadLine(const std::string& line) {
  const std::optional<ViewFileOutline> outline = std::exchange(outline_, std::nullopt);
  if (const auto value = view_file::KeywordValue(line, view_file::kOutline)) {
    // One that is not well formed is a remark: its entry replays its letters.
    outline_ = ViewFileOutline::Parse(*value);
    return 1;
  }
  if (const auto value = view_file::KeywordValue(line, view_file::kWindowType)) {
    const char letter = value->empty() ? '\0' : value->front();
    if (letter == 'L' || letter == 'T') windowType_ = letter;
    return 1;
  }
  if (const auto value = view_file::KeywordValue(line, view_file::kLanguage)) {
    return ReadLanguage(*value);
  }
  // The column header belongs to the window layer; other "#" lines are remarks.
  if (line.starts_with('#')) return 1;
  if (line.starts_with("L|") || line.starts_with("C|")) return ReadEntry(line, outline);
  if (line.starts_with("//")) {
    AddNote(line.substr(2));
    return 1;
  }
  if (line.empty()) return 1;
  const std::string question =
      FormatMessage(message::kViewFileBadLine.text, lineNumber_, line.c_str());
  person_.ShowStatus(PersonInterface::StatusPane::kMessage, question);
  if (person_.AskYesNo(question)) AddNote(line);
  return 1;
}

int ViewFileReader::ReadLanguage(std::string_view code) {
  if (languageCount_ > 0) {
    if (right_ == nullptr) return Stop(message::kViewFileTooManyLanguages.text);
    current_ = right_;
  }
  // A blank or a control character (a stray carriage return, say) ends the code, as it could not
  // be saved as it was read. Files name the language by two letters, followed by anything
  // ("ENglish"), unless the database has a longer code (a language without a two-letter one).
  code = code.substr(0, std::find_if(code.begin(), code.end(), [](char c) {
                          return static_cast<unsigned char>(c) <= 0x20;
                        }) - code.begin());
  if (!current_->HasLanguage(code)) code = code.substr(0, 2);
  current_->SetLanguage(std::string(code));
  ++languageCount_;
  return 1;
}

int ViewFileReader::ReadEntry(const std::string& line,
                              const std::optional<ViewFileOutline>& outline) {
  if (windowType_ == '\0') return Stop(message::kViewFileKindUnknown.text);
  if (current_->Language().empty()) return Stop(message::kViewFileLanguage.text);
  const std::string_view rest = view_file::SkipBlanks(std::string_view(line).substr(2));
  const std::size_t bar = rest.find('|');
  // Without its closing "|" the entry is not trusted to name anything: it stays as text.
  if (bar == std::string_view::npos) {
    AddNote(line);
    return 1;
  }
  const std::string_view key = rest.substr(0, bar);
  TreeItem* made = nullptr;
  if (line[0] == 'L') {
    made = current_->LookUp(key, nullptr, ConceptPane::kWordOnly | ConceptPane::kWordAtEnd);
  } else if (const std::int32_t id = RecordIdOf(key); id > 0) {
    made = current_->AddConceptById(id, ConceptPane::Placement::kAtEnd);
  }
  if (made == nullptr) {
    AddNote(line);
    return 1;
  }
  const std::string_view letters = rest.substr(bar + 1);
  if (outline && outline->Fits(line[0], letters)) {
    outline->Rebuild(*current_, *made);
  } else {
    ApplyLetters(*made, letters);
  }
  return 1;
}

void ViewFileReader::ApplyLetters(TreeItem& made, std::string_view letters) {
  TreeItem* line = &made;
  for (const char letter : letters) {
    if (line == nullptr) return;
    if (letter == 'O') current_->ExpandLine(*line);
    line = NextUnattached(*line);
  }
}

void ViewFileReader::AddNote(std::string text) {
  // An empty note is no note, as in the pane's own note command.
  if (text.empty()) return;
  current_->Lines().InsertAtEnd(std::make_unique<NoteItem>(std::move(text)));
}

int ViewFileReader::Stop(const std::string& text) {
  person_.ShowStatus(PersonInterface::StatusPane::kMessage, text);
  person_.ShowMessage(text);
  return 0;
}
