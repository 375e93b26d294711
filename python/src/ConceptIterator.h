// The concepts of a language one by one, for Python's iteration: every concept of the language,
// or those with a word, without reading them all first.
#pragma once

#include <memory>

#include "ConceptView.h"
#include "Concepts.h"
#include "LanguageView.h"
#include "Owned.h"

namespace pylex {

class ConceptIterator {
 public:
  ConceptIterator(std::shared_ptr<LanguageView> language, Concepts* concepts);

  // The next concept; null at the end. BindingError (kind kClosed) once the database is closed.
  std::shared_ptr<ConceptView> Next();

 private:
  std::shared_ptr<LanguageView> language_;
  Owned<Concepts> concepts_;
};

}  // namespace pylex
