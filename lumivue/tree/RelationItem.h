// A relation line under a concept line: the relation's name, and below it the concepts the
// concept's links of that relation lead to.
#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "tree/TreeItem.h"

class RelationItem : public TreeItem {
 public:
  // The id of a line that follows no single relation (the "Top hyperonym" line).
  static constexpr std::int16_t kNoRelation = 0;
  static constexpr const char* kTopHyperonymText = "Top hyperonym";

  RelationItem(std::string name, std::int16_t relationId);
  // The line under which the top-hyperonym walk nests the hyperonyms it finds.
  static std::unique_ptr<RelationItem> TopHyperonym();

  std::int16_t RelationId() const { return relationId_; }

  // Hands the line to LineExpander::ExpandRelation.
  int Expand(LineExpander& expander) override;

 private:
  std::int16_t relationId_;
};
