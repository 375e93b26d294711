// A stand-in for the person in front of the viewer: records every message, question, status text,
// wait-cursor call and focus move, and answers questions from a script (No when it runs out).
#pragma once

#include <deque>
#include <map>
#include <string>
#include <vector>

#include "shell/PersonInterface.h"

class RecordingPerson : public PersonInterface {
 public:
  void ShowMessage(const std::string& text) override { messages.push_back(text); }
  bool AskYesNo(const std::string& question) override {
    questions.push_back(question);
    if (answers.empty()) return false;
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
  }
  void ShowStatus(StatusPane pane, const std::string& text) override { status[pane] = text; }
  void BeginWait() override {
    ++waitDepth;
    ++waits;
  }
  void EndWait() override { --waitDepth; }
  void MoveFocus(FocusTarget target) override { focus.push_back(target); }

  std::vector<std::string> messages;
  std::vector<std::string> questions;
  std::deque<bool> answers;
  std::map<StatusPane, std::string> status;
  int waitDepth = 0;
  int waits = 0;
  std::vector<FocusTarget> focus;
};
