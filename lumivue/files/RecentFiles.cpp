#include "files/RecentFiles.h"

#include <algorithm>

void RecentFiles::Load(const std::vector<std::string>& paths) {
  paths_.clear();
  for (auto path = paths.rbegin(); path != paths.rend(); ++path) Add(*path);
}

void RecentFiles::Add(const std::string& path) {
  if (path.empty()) return;
  Remove(path);
  paths_.insert(paths_.begin(), path);
  if (paths_.size() > kMost) paths_.resize(kMost);
}

void RecentFiles::Remove(const std::string& path) {
  paths_.erase(std::remove(paths_.begin(), paths_.end(), path), paths_.end());
}

std::string RecentFiles::MenuText(std::size_t index) const {
  if (index >= paths_.size()) return std::string();
  return "&" + std::to_string(index + 1) + " " + paths_[index];
}
