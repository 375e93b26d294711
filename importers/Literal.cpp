#include "Literal.h"

#include <algorithm>

namespace importers {

std::string LiteralOf(std::string_view lemma) {
  std::string literal(lemma);
  std::replace(literal.begin(), literal.end(), '_', ' ');
  return literal;
}

}  // namespace importers
