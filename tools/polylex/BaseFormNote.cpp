#include "BaseFormNote.h"

namespace polylex {

std::string BaseFormNote(const std::string& word, const std::vector<std::string>& forms) {
  std::string note = word + ": showing ";
  for (std::size_t i = 0; i < forms.size(); ++i) note += (i == 0 ? "" : ", ") + forms[i];
  return note;
}

}  // namespace polylex
