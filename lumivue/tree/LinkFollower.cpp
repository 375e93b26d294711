#include "tree/LinkFollower.h"

#include <utility>

#include "ConceptLinks.h"
#include "shell/MessageTexts.h"
#include "shell/PersonInterface.h"
#include "tree/ConceptItem.h"
#include "tree/ConceptPane.h"

using lexicon::Owned;

LinkFollower::LinkFollower(ConceptPane& pane, PersonInterface& person)
    : pane_(pane), person_(person) {}

Owned<Concept> LinkFollower::Target(ConceptLink& link) {
  if (link.GetTargetConceptID() <= 0) return nullptr;
  return Owned<Concept>(link.GetTargetConcept());
}

int LinkFollower::Follow(ConceptItem& line, std::span<const std::int16_t> relations) {
  int targets = 0;
  for (const std::int16_t relation : relations) {
    const Owned<ConceptLinks> links(line.GetConcept()->GetConceptLinks(relation));
    if (!links) continue;
    TreeItem* relationLine = nullptr;
    ConceptLink* found = nullptr;
    while (links->GetNext(&found) != 0) {
      const Owned<ConceptLink> link(found);
      Owned<Concept> target = Target(*link);
      if (!target) continue;
      if (relationLine == nullptr) relationLine = pane_.AddRelationLine(line, relation);
      pane_.AddConceptLine(relationLine, std::move(target));
      ++targets;
    }
  }
  return targets;
}

void LinkFollower::WalkToTop(TreeItem& parent, Concept& meaning) {
  walkCounter_ = 0;
  Walk(parent, meaning);
}

bool LinkFollower::Walk(TreeItem& parent, Concept& meaning) {
  const Owned<ConceptLinks> links(meaning.GetConceptLinks(kHyperonymRelation));
  if (!links) return true;
  ConceptLink* found = nullptr;
  while (links->GetNext(&found) != 0) {
    const Owned<ConceptLink> link(found);
    if (++walkCounter_ > kQuestionEvery) {
      if (person_.AskYesNo(message::kHyperonymLoop.text)) return false;
      walkCounter_ = 0;
    }
    ConceptItem* hyperonym = pane_.AddConceptLine(&parent, Target(*link));
    if (hyperonym != nullptr && !Walk(*hyperonym, *hyperonym->GetConcept())) return false;
  }
  return true;
}
