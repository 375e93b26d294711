// The word forms of a language's dictionary one by one, in the language's collation: all of them,
// those from a first form on, or those that match a pattern ("*" and "?").
#pragma once

#include <memory>
#include <optional>
#include <string>

#include "Dictionary.h"
#include "LanguageView.h"
#include "Owned.h"

namespace pylex {

class WordIterator {
 public:
  // `start` and `pattern` compare without regard to letter case; std::invalid_argument when both
  // are given.
  WordIterator(std::shared_ptr<LanguageView> language, const std::optional<std::string>& start,
               const std::optional<std::string>& pattern);

  // The next form; nullopt at the end. BindingError (kind kClosed) once the database is closed.
  std::optional<std::string> Next();

 private:
  std::shared_ptr<LanguageView> language_;
  Owned<Dictionary> dictionary_;
};

}  // namespace pylex
