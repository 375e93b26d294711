// The two language columns of a multilingual view and the commands that carry concepts from one to
// the other through the inter-lingual index: the equivalents of ILI lines (Find Equivalences,
// Equivalence Link), the One-up One-down step, and the Show Links walk over the lines of the other
// pane that share an ILI record with the selected one. Like ConceptPane it talks to the person
// only through PersonInterface; what the library throws is shown there and the lines added before
// it stay.
#pragma once

#include <array>
#include <cstdint>
#include <optional>

#include "tree/ConceptPane.h"

class IliItem;

class TwinPanes {
 public:
  enum Side { kLeft = 0, kRight = 1 };
  // The equivalence relations whose links are searched, in this order. ILI lines are made for
  // relations up to 9 only; 10 is searched as well, so that a database that stores links of a
  // tenth relation still shows its equivalents.
  static constexpr std::int16_t kFirstEqRelation = 1;
  static constexpr std::int16_t kLastEqRelation = 10;

  // `database` and `person` must outlive the panes. Both panes start empty and without language,
  // the left one active.
  TwinPanes(ViewerDatabase& database, PersonInterface& person);

  ConceptPane& Pane(Side side) { return side == kLeft ? left_ : right_; }
  const ConceptPane& Pane(Side side) const { return side == kLeft ? left_ : right_; }
  Side ActiveSide() const { return active_; }
  void SetActiveSide(Side side) { active_ = side; }
  ConceptPane& Active() { return Pane(active_); }
  static Side OtherSide(Side side) { return side == kLeft ? kRight : kLeft; }

  // Gives both panes the language of the database's first language entry (none without one).
  void StartWithFirstLanguage();

  // Appends to `target`, as top-level concept lines with their ILI and variant lines, the concepts
  // of its language linked to the ILI record of `line` by each equivalence relation in turn.
  // Returns the number of lines added: 0 when the line has no record or the target has no known
  // language. What the library throws passes through.
  int AddEquivalents(ConceptPane& target, const IliItem& line);

  // Find Equivalences: the source pane is the active one, or the other when the active pane has
  // no lines; it becomes active and the other pane is cleared and gets the equivalents of every
  // visible ILI line of the source, top to bottom. "No Equivalence Link(s)" when none was found;
  // otherwise the target's first line is selected and given the focus.
  void FindEquivalences();
  // Equivalence Link: the equivalents of the active pane's selected ILI line, appended to what the
  // other pane shows. Nothing happens unless an ILI line is selected; "No Equivalence Link(s)" when
  // it has none.
  void EquivalenceLink();
  // One-up One-down on the active pane's selected concept line C, reached through a relation line
  // R under a concept line P: the target pane (chosen and cleared as Find Equivalences does) gets
  // P's equivalents, and from each of them, last first, the Follow step for R's relation (the
  // "Top hyperonym" line counts as a hyperonym relation, since that is what its walk follows).
  // Messages: "One-up One-down requires a parent link" when C's parent is no relation line,
  // "Parent is not a Concept item." when R's parent is no concept line with a concept, "Parent has
  // no equivalent synonyms to <language name>" when P has no equivalent. Nothing happens unless a
  // concept line is selected.
  void OneUpOneDown();

  // Where Show Links put the match: its row in the other pane, selected now, and the row the other
  // pane should scroll to so that the match stands at the height of the source's selected line.
  struct ShownLink {
    int matchIndex;
    int topIndex;
  };
  // Show Links from pane `from`, whose first shown row is `fromTopIndex`: the next visible line of
  // the other pane that shares an identifier with `from`'s selected line. Repeated calls on the
  // same identifier visit its matches in turn, starting again at the top after the last; a new
  // identifier starts at its first match. The other pane's selection moves to the match; `from`'s
  // selection stays. Nothing (no match, or a selected line without identifiers) gives nullopt.
  std::optional<ShownLink> ShowLinks(Side from, int fromTopIndex);

  // Copies both panes of `source` (ConceptPane::CopyFrom) for a new window; the active side too.
  void CopyFrom(const TwinPanes& source);

 private:
  // Chooses source and target, makes the source active and clears the target; returns the target.
  Side ChooseSides();
  // The equivalents of concept `parent` (through its own ILI records) appended to `target`.
  int AddEquivalentsOfConcept(ConceptPane& target, Concept& parent);
  // Appends every concept of `target`'s language linked to ILI record `iliRecordId` by
  // `eqRelation`.
  int AppendLinkedConcepts(ConceptPane& target, std::uint32_t iliRecordId, std::int16_t eqRelation);

  ViewerDatabase& database_;
  PersonInterface& person_;
  ConceptPane left_;
  ConceptPane right_;
  Side active_ = kLeft;
  // The Show Links cycle: how many matches of `shownId_` were visited so far.
  int matchesVisited_ = 0;
  std::int32_t shownId_ = 0;
};
