#include "Diagnostics.h"

#include "BuildFailure.h"

namespace importers {

void Diagnostics::Warn(const std::string& file, std::uint32_t line, const std::string& what) {
  ++total_;
  if (++perFile_[file] <= kMaxShown) Send(WhereText(file, line, what));
}

void Diagnostics::ReportHeldBack() {
  for (const auto& [file, count] : perFile_) {
    if (count > kMaxShown) {
      Send(WhereText(file, 0, std::to_string(count - kMaxShown) + " more warnings not shown"));
    }
  }
}

void Diagnostics::Send(const std::string& text) const {
  if (progress_.warn) progress_.warn(text);
}

}  // namespace importers
