#include "files/FileErrorText.h"

#include <cerrno>
#include <cstring>

#include "shell/PersonInterface.h"

void ShowFileError(const std::string& path, PersonInterface& person) {
  constexpr std::size_t kMaxErrorText = 256;
  std::string reason = errno != 0 ? std::strerror(errno) : "the file could not be opened";
  if (reason.size() > kMaxErrorText) reason.resize(kMaxErrorText);
  const std::string text = path + ": " + reason;
  person.ShowStatus(PersonInterface::StatusPane::kMessage, text);
  person.ShowMessage(text);
}
