#include "GlossSplitter.h"

namespace importers {
namespace {

std::string_view Trimmed(std::string_view text, std::string_view strip) {
  const std::size_t first = text.find_first_not_of(strip);
  if (first == std::string_view::npos) return {};
  const std::size_t last = text.find_last_not_of(strip);
  return text.substr(first, last - first + 1);
}

}  // namespace

SplitGloss SplitGlossText(std::string_view gloss) {
  SplitGloss split;
  std::size_t quote = gloss.find('"');
  split.definition = std::string(Trimmed(gloss.substr(0, quote), " ;"));
  while (quote != std::string_view::npos) {
    const std::size_t close = gloss.find('"', quote + 1);
    const std::string_view example = Trimmed(
        gloss.substr(quote + 1, close == std::string_view::npos ? close : close - quote - 1), " ");
    if (!example.empty()) split.examples.emplace_back(example);
    quote = close == std::string_view::npos ? close : gloss.find('"', close + 1);
  }
  return split;
}

}  // namespace importers
