#include "shell/RelationEntry.h"

#include <algorithm>
#include <utility>

#include "shell/WideText.h"

RelationEntry::RelationEntry(lexicon::Owned<Relation> relation)
    : id_(relation->GetRelationID()),
      name_(WideText::Take(relation->GetName())),
      relation_(std::move(relation)) {
  std::replace(name_.begin(), name_.end(), '_', ' ');
}
