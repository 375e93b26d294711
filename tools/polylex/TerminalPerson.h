// The person behind polylex's viewer commands (tree, view): the viewer's messages go to standard
// error, one line each, and its questions get a fixed answer, since polylex never waits for input.
#pragma once

#include <string>

#include "shell/PersonInterface.h"

namespace polylex {

class TerminalPerson : public PersonInterface {
 public:
  // Every question gets `answer` (true: Yes); the message says so. Status texts are written to
  // standard error only with `showStatus`.
  TerminalPerson(bool answer, bool showStatus);

  // "polylex: <text>", its line breaks as "; ".
  void ShowMessage(const std::string& text) override;
  // The question as ShowMessage writes it, with the answer given.
  bool AskYesNo(const std::string& question) override;
  void ShowStatus(StatusPane pane, const std::string& text) override;
  // A terminal has no cursor to change and no focus to move.
  void BeginWait() override {}
  void EndWait() override {}
  void MoveFocus(FocusTarget) override {}

  // Messages and questions written so far.
  int Said() const { return said_; }

 private:
  void Say(const std::string& text, const char* tail);

  bool answer_;
  bool showStatus_;
  int said_ = 0;
};

}  // namespace polylex
