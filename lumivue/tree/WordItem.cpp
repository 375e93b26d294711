#include "tree/WordItem.h"

#include <utility>

#include "tree/LineExpander.h"

WordItem::WordItem(std::string word)
    : TreeItem(LineKind::kWord, std::move(word), 0, line_flag::kVisible) {}

int WordItem::Expand(LineExpander& expander) {
  return expander.ExpandWord(*this);
}
