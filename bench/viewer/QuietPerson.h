// The person behind the viewer benchmark: says nothing while the clock runs, but keeps what the
// viewer told it, so that a run that met a failure is not reported as a measurement.
#pragma once

#include <string>

#include "shell/PersonInterface.h"

namespace bench {

class QuietPerson : public PersonInterface {
 public:
  void ShowMessage(const std::string& text) override { said = text; }
  // No question belongs to the measured paths; one is kept like a message and answered No.
  bool AskYesNo(const std::string& question) override {
    said = question;
    return false;
  }
  void ShowStatus(StatusPane, const std::string&) override {}
  void BeginWait() override {}
  void EndWait() override {}
  void MoveFocus(FocusTarget) override {}

  // The last message or question; empty while there has been none.
  std::string said;
};

}  // namespace bench
