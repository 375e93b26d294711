#include "GlossSplitter.h"

namespace importers {
namespace {

constexpr std::string_view kSeparator = "; ";
constexpr std::string_view kSeparatorBlanks = " ;";

std::string_view Trimmed(std::string_view text, std::string_view blanks = kSeparatorBlanks) {
  const std::size_t first = text.find_first_not_of(blanks);
  if (first == std::string_view::npos) return {};
  const std::size_t last = text.find_last_not_of(blanks);
  return text.substr(first, last - first + 1);
}

std::size_t ExamplesStart(std::string_view gloss) {
  if (gloss.starts_with('"')) return 0;
  const std::size_t separator = gloss.find("; \"");
  return separator == std::string_view::npos ? separator : separator + kSeparator.size();
}

// The length of the piece at the start of `text`: up to the first "; " outside quotes.
std::size_t PieceLength(std::string_view text) {
  bool quoted = false;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '"') quoted = !quoted;
    if (!quoted && text.substr(i).starts_with(kSeparator)) return i;
  }
  return text.size();
}

// A quoted piece as an example: the text inside the quotes, or the whole piece when a source
// follows the closing quote.
std::string_view ExampleOf(std::string_view piece) {
  const std::size_t close = piece.rfind('"');
  if (close == 0) return Trimmed(piece.substr(1), " ");
  if (!Trimmed(piece.substr(close + 1)).empty()) return piece;
  return Trimmed(piece.substr(1, close - 1), " ");
}

}  // namespace

SplitGloss SplitGlossText(std::string_view gloss) {
  gloss = Trimmed(gloss);
  std::size_t at = ExamplesStart(gloss);
  // Kept as it stands inside, blanks before a "; " included; only its ends are trimmed.
  std::string definition(gloss.substr(0, at == 0 ? 0 : at - kSeparator.size()));
  SplitGloss split;
  while (at < gloss.size()) {
    const std::size_t length = PieceLength(gloss.substr(at));
    const std::string_view piece = gloss.substr(at, length);
    at += length + kSeparator.size();
    if (Trimmed(piece).empty()) continue;
    if (!Trimmed(piece).starts_with('"')) {
      definition += kSeparator;
      definition += piece;
      continue;
    }
    const std::string_view example = ExampleOf(Trimmed(piece));
    if (!example.empty()) split.examples.emplace_back(example);
  }
  split.definition = std::string(Trimmed(definition));
  return split;
}

}  // namespace importers
