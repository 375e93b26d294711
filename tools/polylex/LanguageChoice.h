// Finds the language wordnet a command names by its code, with a message that lists the codes the
// database has when there is no such language.
#pragma once

#include <string>

#include "lexicon/Factory.h"

class LanguageWordNet;
class Polylex;

namespace polylex {

// The language wordnet with `code` (letter case ignored), or null after writing "polylex: PATH: no
// language with code XX (it has EN, NL)" to standard error. Library errors pass through.
lexicon::Owned<LanguageWordNet> ChooseLanguage(Polylex& database, const std::string& path,
                                               const std::string& code);

}  // namespace polylex
