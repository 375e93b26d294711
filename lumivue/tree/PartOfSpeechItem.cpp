#include "tree/PartOfSpeechItem.h"

#include <utility>

#include "tree/LineExpander.h"

PartOfSpeechItem::PartOfSpeechItem(std::string name)
    : TreeItem(LineKind::kPartOfSpeech, std::move(name), 1, line_flag::kVisible) {}

int PartOfSpeechItem::Expand(LineExpander& expander) {
  return expander.ExpandPartOfSpeech(*this);
}
