// Builds the lines of the link-following commands of a concept pane: the relation lines of a
// Follow command and the nested paths of the top-hyperonym walk. It inserts through the pane
// (ConceptPane::AddConceptLine and its list) and leaves auto-expand to the caller.
#pragma once

#include <cstdint>
#include <span>

#include "Concept.h"
#include "ConceptLink.h"
#include "lexicon/Factory.h"

class ConceptItem;
class ConceptPane;
class PersonInterface;
class TreeItem;

class LinkFollower {
 public:
  // After this many hyperonym links the top-hyperonym walk asks whether to break off.
  static constexpr int kQuestionEvery = 50;
  // The relation the top-hyperonym walk follows.
  static constexpr std::int16_t kHyperonymRelation = 8;

  // Both must outlive the follower.
  LinkFollower(ConceptPane& pane, PersonInterface& person);

  // The concept a link leads to; null when the link names no stored concept. What the library
  // throws for a concept it cannot read passes through.
  static lexicon::Owned<Concept> Target(ConceptLink& link);

  // For each of `relations` in turn that has links with targets: a relation line under `line`
  // (ConceptPane::AddRelationLine) with a concept line per target. Returns the
  // number of targets; the caller says so when it is 0.
  int Follow(ConceptItem& line, std::span<const std::int16_t> relations);
  // Nests under `parent` every hyperonym path that starts at `meaning`, each hyperonym under the
  // concept it was reached from. Every kQuestionEvery links the person is asked whether to break
  // off: Yes ends the walk with the lines built so far, No goes on for as many links again.
  void WalkToTop(TreeItem& parent, Concept& meaning);

 private:
  // False when the person broke the walk off.
  bool Walk(TreeItem& parent, Concept& meaning);

  ConceptPane& pane_;
  PersonInterface& person_;
  // Links visited in the whole walk since the start or the last No.
  int walkCounter_ = 0;
};
