// Warnings about skipped input, passed on through Progress::warn. A file with many faults would
// drown the person reading them, so each file reports its first kMaxShown warnings in full and the
// rest as one count at the end.
#pragma once

#include <cstdint>
#include <map>
#include <string>

#include "DatabaseBuilder.h"

namespace importers {

class Diagnostics {
 public:
  static constexpr std::uint32_t kMaxShown = 20;

  // `progress` must outlive this object; an empty warn callback drops the text but still counts.
  explicit Diagnostics(const Progress& progress) : progress_(progress) {}

  // A warning about `file` at `line` (0: the file as a whole).
  void Warn(const std::string& file, std::uint32_t line, const std::string& what);
  // Reports, for each file, the warnings that were counted but not shown.
  void ReportHeldBack();
  std::uint32_t Count() const { return total_; }

 private:
  void Send(const std::string& text) const;

  const Progress& progress_;
  std::map<std::string, std::uint32_t> perFile_;
  std::uint32_t total_ = 0;
};

}  // namespace importers
