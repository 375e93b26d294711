#include "shell/CommandLine.h"

#include <algorithm>
#include <cstddef>
#include <utility>

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}

class Scanner {
 public:
  explicit Scanner(std::string_view text) : text_(text) {}

  bool AtEnd() const { return at_ >= text_.size(); }
  char Peek(std::size_t ahead = 0) const {
    return at_ + ahead < text_.size() ? text_[at_ + ahead] : '\0';
  }
  void Skip(std::size_t count) { at_ = std::min(at_ + count, text_.size()); }
  void SkipBlanks() {
    while (!AtEnd() && IsBlank(text_[at_])) ++at_;
  }
  // The text up to (not including) the first character for which `stop` holds, or to the end.
  template <typename Stop>
  std::string TakeUntil(Stop stop) {
    const std::size_t begin = at_;
    while (!AtEnd() && !stop(text_[at_])) ++at_;
    return std::string(text_.substr(begin, at_ - begin));
  }
  // One word that is not an option, without its quotes; a quoted part is taken whole, blanks and
  // all.
  std::string TakeWord() {
    std::string word;
    while (!AtEnd() && !IsBlank(text_[at_])) {
      if (text_[at_] != '"') {
        word += text_[at_++];
        continue;
      }
      Skip(1);
      while (!AtEnd() && text_[at_] != '"') word += text_[at_++];
      Skip(1);
    }
    return word;
  }
  // The path after an F option.
  std::string TakePath() {
    SkipBlanks();
    if (Peek() != '"') return TakeUntil(IsBlank);
    Skip(1);
    const std::size_t close = text_.find('"', at_);
    if (close == std::string_view::npos) return TakeUntil(IsBlank);
    std::string path(text_.substr(at_, close - at_));
    at_ = close + 1;
    return path;
  }

 private:
  std::string_view text_;
  std::size_t at_ = 0;
};

}  // namespace

CommandLine CommandLine::Parse(std::string_view text) {
  CommandLine line;
  Scanner scanner(text);
  scanner.SkipBlanks();
  line.empty_ = scanner.AtEnd();
  for (; !scanner.AtEnd(); scanner.SkipBlanks()) {
    const char introducer = scanner.Peek();
    if (introducer != '-' && introducer != '\\') {
      std::string path = scanner.TakeWord();
      if (!path.empty()) line.viewFiles_.push_back(std::move(path));
      continue;
    }
    const char letter = scanner.Peek(1);
    scanner.Skip(2);
    if (letter == 'F') {
      std::string path = scanner.TakePath();
      if (!line.databasePath_) line.databasePath_ = std::move(path);
    } else {
      if (letter == 'L') line.views_.push_back(ViewKind::kMonolingual);
      if (letter == 'T') line.views_.push_back(ViewKind::kMultilingual);
      scanner.TakeWord();
    }
  }
  return line;
}
