#include "tree/RelationItem.h"

#include <utility>

#include "tree/LineExpander.h"

RelationItem::RelationItem(std::string name, std::int16_t relationId)
    : TreeItem(LineKind::kRelation, std::move(name), 3,
               line_flag::kRelationLine | line_flag::kVisible),
      relationId_(relationId) {}

std::unique_ptr<RelationItem> RelationItem::TopHyperonym() {
  return std::make_unique<RelationItem>(kTopHyperonymText, kNoRelation);
}

int RelationItem::Expand(LineExpander& expander) {
  return expander.ExpandRelation(*this);
}
