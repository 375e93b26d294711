#include "tree/TwinPanes.h"

#include <vector>

#include "Concepts.h"
#include "ILIRecords.h"
#include "shell/LanguageEntry.h"
#include "shell/MessageTexts.h"
#include "shell/PersonInterface.h"
#include "shell/ViewerDatabase.h"
#include "tree/AutoExpandPause.h"
#include "tree/ConceptItem.h"
#include "tree/IliItem.h"
#include "tree/LinkFollower.h"
#include "tree/RelationItem.h"

using lexicon::Owned;

namespace {

PersonInterface::FocusTarget TreeOf(TwinPanes::Side side) {
  return side == TwinPanes::kLeft ? PersonInterface::FocusTarget::kLeftTree
                                  : PersonInterface::FocusTarget::kRightTree;
}

// The concept lines of `pane` at the top level, top to bottom.
std::vector<ConceptItem*> TopLevelConcepts(ConceptPane& pane) {
  std::vector<ConceptItem*> lines;
  for (TreeItem* line = pane.Lines().First(); line != nullptr; line = line->Next()) {
    if (line->Level() == 0 && line->Kind() == LineKind::kConcept) {
      lines.push_back(static_cast<ConceptItem*>(line));
    }
  }
  return lines;
}

}  // namespace

TwinPanes::TwinPanes(ViewerDatabase& database, PersonInterface& person)
    : database_(database), person_(person), left_(database, person), right_(database, person) {}

void TwinPanes::StartWithFirstLanguage() {
  if (database_.LanguageList().empty()) return;
  const std::string& code = database_.LanguageList().front().Code();
  left_.SetLanguage(code);
  right_.SetLanguage(code);
}

TwinPanes::Side TwinPanes::ChooseSides() {
  if (Active().Lines().Count() == 0) active_ = OtherSide(active_);
  const Side target = OtherSide(active_);
  Pane(target).ClearTree();
  return target;
}

int TwinPanes::AppendLinkedConcepts(ConceptPane& target, std::uint32_t iliRecordId,
                                    std::int16_t eqRelation) {
  const LanguageEntry* entry =
      target.Language().empty() ? nullptr : database_.FindLanguage(target.Language());
  if (entry == nullptr) return 0;
  const Owned<Concepts> linked(entry->WordNet().GetConcepts(iliRecordId, eqRelation));
  if (!linked) return 0;
  const AutoExpandPause pause(target.Lines());
  int added = 0;
  Concept* found = nullptr;
  while (linked->GetNext(&found) != 0) {
    if (target.AddConceptLine(nullptr, Owned<Concept>(found)) != nullptr) ++added;
  }
  return added;
}

int TwinPanes::AddEquivalents(ConceptPane& target, const IliItem& line) {
  if (line.Record() == nullptr) return 0;
  const auto recordId = static_cast<std::uint32_t>(line.RecordId());
  int added = 0;
  for (std::int16_t eq = kFirstEqRelation; eq <= kLastEqRelation; ++eq) {
    added += AppendLinkedConcepts(target, recordId, eq);
  }
  return added;
}

int TwinPanes::AddEquivalentsOfConcept(ConceptPane& target, Concept& parent) {
  int added = 0;
  for (std::int16_t eq = kFirstEqRelation; eq <= kLastEqRelation; ++eq) {
    ILIRecords* found = nullptr;
    if (parent.GetILIRecords(eq, &found) == 0 || found == nullptr) continue;
    const Owned<ILIRecords> records(found);
    ILIRecord* record = nullptr;
    while (records->GetNext(&record) != 0) {
      const Owned<ILIRecord> owned(record);
      added += AppendLinkedConcepts(target, static_cast<std::uint32_t>(owned->GetRecordID()), eq);
    }
  }
  return added;
}

void TwinPanes::FindEquivalences() {
  const Side target = ChooseSides();
  ConceptPane& source = Active();
  int added = 0;
  database_.Guarded([&] {
    const TreeListBox& lines = source.Lines();
    for (std::size_t index = 0; index < lines.VisibleCount(); ++index) {
      const TreeItem* line = lines.VisibleLine(index);
      if (line->Kind() != LineKind::kIli) continue;
      added += AddEquivalents(Pane(target), static_cast<const IliItem&>(*line));
    }
  });
  if (added == 0) {
    person_.ShowMessage(message::kNoEquivalenceLinks.text);
    return;
  }
  Pane(target).Select(0);
  person_.MoveFocus(TreeOf(target));
}

void TwinPanes::EquivalenceLink() {
  const TreeItem* line = Active().Lines().Selected();
  if (line == nullptr || line->Kind() != LineKind::kIli) return;
  ConceptPane& target = Pane(OtherSide(active_));
  int added = 0;
  database_.Guarded([&] { added = AddEquivalents(target, static_cast<const IliItem&>(*line)); });
  if (added == 0) person_.ShowMessage(message::kNoEquivalenceLinks.text);
  target.ShowLineStatus();
}

void TwinPanes::OneUpOneDown() {
  TreeItem* selected = Active().Lines().Selected();
  if (selected == nullptr || selected->Kind() != LineKind::kConcept) return;
  // The active pane has a line, so it stays the source.
  const Side target = ChooseSides();
  ConceptPane& source = Active();
  const TreeItem* relationLine = source.Lines().Parent(*selected);
  if (relationLine == nullptr || relationLine->Kind() != LineKind::kRelation) {
    person_.ShowMessage(message::kOneUpNeedsParentLink.text);
    return;
  }
  const TreeItem* parentLine = source.Lines().Parent(*relationLine);
  Concept* parent = parentLine != nullptr && parentLine->Kind() == LineKind::kConcept
                        ? static_cast<const ConceptItem*>(parentLine)->GetConcept()
                        : nullptr;
  if (parent == nullptr) {
    person_.ShowMessage(message::kParentNotConcept.text);
    return;
  }
  std::int16_t relation = static_cast<const RelationItem*>(relationLine)->RelationId();
  if (relation == RelationItem::kNoRelation) relation = LinkFollower::kHyperonymRelation;

  ConceptPane& down = Pane(target);
  database_.Guarded([&] {
    if (AddEquivalentsOfConcept(down, *parent) == 0) {
      const LanguageEntry* entry = database_.FindLanguage(down.Language());
      const std::string name = entry != nullptr ? entry->Name() : down.Language();
      person_.ShowMessage(FormatMessage(message::kParentHasNoEquivalents.text, name.c_str()));
      return;
    }
    // Last first, so that the lines a Follow step adds never come between the concepts still to
    // be followed.
    const std::vector<ConceptItem*> added = TopLevelConcepts(down);
    for (auto line = added.rbegin(); line != added.rend(); ++line) {
      down.FollowRelation(**line, relation);
    }
  });
  down.ShowLineStatus();
}

std::optional<TwinPanes::ShownLink> TwinPanes::ShowLinks(Side from, int fromTopIndex) {
  const TreeListBox& source = Pane(from).Lines();
  const TreeItem* selected = source.Selected();
  if (selected == nullptr) return std::nullopt;
  ConceptPane& other = Pane(OtherSide(from));
  const TreeListBox& lines = other.Lines();
  for (const std::int32_t id : selected->LinkIds()) {
    std::vector<int> matches;
    for (std::size_t index = 0; index < lines.VisibleCount(); ++index) {
      for (const std::int32_t candidate : lines.VisibleLine(index)->LinkIds()) {
        if (candidate == id) {
          matches.push_back(static_cast<int>(index));
          break;
        }
      }
    }
    if (matches.empty()) continue;
    if (id != shownId_) matchesVisited_ = 0;
    const int next = matchesVisited_ % static_cast<int>(matches.size());
    matchesVisited_ = next + 1;
    shownId_ = id;
    const int matchIndex = matches[static_cast<std::size_t>(next)];
    other.Select(matchIndex);
    Pane(from).ShowLineStatus();
    const int height = source.SelectedIndex() - fromTopIndex;
    return ShownLink{matchIndex, matchIndex - height < 0 ? 0 : matchIndex - height};
  }
  return std::nullopt;
}

void TwinPanes::CopyFrom(const TwinPanes& source) {
  left_.CopyFrom(source.left_);
  right_.CopyFrom(source.right_);
  active_ = source.active_;
}
