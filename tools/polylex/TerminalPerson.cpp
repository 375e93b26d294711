#include "TerminalPerson.h"

#include <cstdio>

namespace polylex {
namespace {

const char* PaneName(PersonInterface::StatusPane pane) {
  switch (pane) {
    case PersonInterface::StatusPane::kMessage:
      return "message";
    case PersonInterface::StatusPane::kLines:
      return "lines";
    case PersonInterface::StatusPane::kFilter:
      return "filter";
  }
  return "?";
}

// The viewer's texts are written for message boxes; on a terminal each must stay one line.
std::string OneLine(const std::string& text) {
  std::string line;
  for (const char each : text) {
    if (each == '\n') {
      line += "; ";
    } else if (each != '\r') {
      line += each;
    }
  }
  return line;
}

}  // namespace

TerminalPerson::TerminalPerson(bool answer, bool showStatus)
    : answer_(answer), showStatus_(showStatus) {}

void TerminalPerson::Say(const std::string& text, const char* tail) {
  std::fprintf(stderr, "polylex: %s%s\n", OneLine(text).c_str(), tail);
  ++said_;
}

void TerminalPerson::ShowMessage(const std::string& text) {
  Say(text, "");
}

bool TerminalPerson::AskYesNo(const std::string& question) {
  Say(question, answer_ ? " [answered Yes: polylex does not wait for input]"
                        : " [answered No: polylex does not wait for input]");
  return answer_;
}

void TerminalPerson::ShowStatus(StatusPane pane, const std::string& text) {
  if (showStatus_) std::fprintf(stderr, "status %s: %s\n", PaneName(pane), OneLine(text).c_str());
}

}  // namespace polylex
