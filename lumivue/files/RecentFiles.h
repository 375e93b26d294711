// The view files opened or saved last, newest first, for the File menu. The window layer loads the
// list from the settings at start and stores it at close.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

class RecentFiles {
 public:
  static constexpr std::size_t kMost = 6;

  // The paths, newest first; at most kMost.
  const std::vector<std::string>& Paths() const { return paths_; }
  // Replaces the list by `paths` as stored (newest first), dropping empty and repeated paths and
  // what goes beyond kMost.
  void Load(const std::vector<std::string>& paths);
  // Puts `path` first: a path already listed moves up, the oldest falls off past kMost. An empty
  // path changes nothing.
  void Add(const std::string& path);
  // Takes `path` off the list (a file that could not be opened).
  void Remove(const std::string& path);
  // The menu text of entry `index` (0-based): "&1 " and the path; empty outside the list.
  std::string MenuText(std::size_t index) const;

 private:
  std::vector<std::string> paths_;
};
