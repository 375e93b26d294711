// The one way an import stops: a message that names the file and line (or the store operation)
// where the build went wrong. Thrown inside the importers only; BuildDatabase turns it into its
// false result and error text.
#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>

namespace importers {

class BuildFailure : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// "file:line: what", or "file: what" for line 0 (a problem of the whole file).
std::string WhereText(const std::string& file, std::uint32_t line, const std::string& what);

}  // namespace importers
