#include "files/ViewFileKind.h"

#include <fstream>

#include "files/FileErrorText.h"
#include "files/ViewFileKeyword.h"
#include "shell/PersonInterface.h"

int ViewFileKind::Of(const std::string& path, PersonInterface& person) {
  std::ifstream file(path, std::ios::binary);
  if (!file) {
    ShowFileError(path, person);
    return kUnknown;
  }
  std::string line;
  if (!std::getline(file, line)) return kUnknown;
  const auto value = view_file::KeywordValue(line, view_file::kWindowType);
  if (!value || value->empty()) return kUnknown;
  if (value->front() == view_file::kMonolingualValue.front()) return 0;
  if (value->front() == view_file::kMultilingualValue.front()) return 1;
  return kUnknown;
}
