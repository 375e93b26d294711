// Word forms as variants show them.
#pragma once

#include <string>
#include <string_view>

namespace importers {

// The lemma with blanks for the underscores that join the words of a collocation in the sources.
std::string LiteralOf(std::string_view lemma);

}  // namespace importers
