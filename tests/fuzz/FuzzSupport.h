// What the fuzz targets share: a scratch directory for the readers that take a path, the paths the
// script hands over in the environment, and a person for the viewer's logic who says nothing.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "shell/PersonInterface.h"

namespace fuzz {

// The input as text.
inline std::string_view TextOf(const std::uint8_t* data, std::size_t size) {
  return std::string_view(reinterpret_cast<const char*>(data), size);
}

// A stored record body with its checksum put right (bodies shorter than the header stay as they
// are), so that fuzzing works on the structure behind the checksum rather than on guessing CRCs.
std::string SealedBody(std::string_view body);

// Writes the input to `name` in a directory of this process's own (removed at exit) and returns
// the file's path.
std::string WriteScratchFile(const std::string& name, const std::uint8_t* data, std::size_t size);
// The directory WriteScratchFile writes to.
const std::string& ScratchDirectory();

// The path the environment variable names; ends the process with a message when it is not set,
// since a target without its database or data would test nothing.
std::string RequiredPath(const char* variable);

// Messages and status texts are dropped, as printing them would slow every run down; questions are
// answered Yes and No in turn, so that both answers are taken.
class QuietPerson : public PersonInterface {
 public:
  void ShowMessage(const std::string&) override {}
  bool AskYesNo(const std::string&) override { return (++questions_ % 2) == 1; }
  void ShowStatus(StatusPane, const std::string&) override {}
  void BeginWait() override {}
  void EndWait() override {}
  void MoveFocus(FocusTarget) override {}

 private:
  int questions_ = 0;
};

}  // namespace fuzz
