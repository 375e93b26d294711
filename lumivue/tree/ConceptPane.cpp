#include "tree/ConceptPane.h"

#include <algorithm>
#include <array>
#include <memory>
#include <optional>
#include <span>
#include <utility>
#include <vector>

#include "BaseForms.h"
#include "ConceptLinks.h"
#include "ConceptVariants.h"
#include "Concepts.h"
#include "shell/LanguageEntry.h"
#include "shell/MessageTexts.h"
#include "shell/PersonInterface.h"
#include "shell/ViewerDatabase.h"
#include "shell/WideText.h"
#include "tree/AutoExpandPause.h"
#include "tree/ConceptItem.h"
#include "tree/FollowCommand.h"
#include "tree/IliItem.h"
#include "tree/LinkFollower.h"
#include "tree/NoteItem.h"
#include "tree/PartOfSpeechItem.h"
#include "tree/PartOfSpeechNames.h"
#include "tree/RelationItem.h"
#include "tree/SearchText.h"
#include "tree/WordItem.h"

using lexicon::Owned;

namespace {

// Relations whose targets are grouped under part-of-speech lines (the cross-part-of-speech ones).
constexpr std::array<std::int16_t, 5> kGroupedRelations = {2, 4, 7, 9, 11};

bool GroupsByPartOfSpeech(std::int16_t relationId) {
  return std::find(kGroupedRelations.begin(), kGroupedRelations.end(), relationId) !=
         kGroupedRelations.end();
}

// The first letter of the library's part-of-speech text; 0 when it has none.
char PartOfSpeechCode(Concept& meaning) {
  const std::string code = WideText::Take(meaning.GetPartOfSpeech());
  return code.empty() ? '\0' : code.front();
}

}  // namespace

ConceptPane::ConceptPane(ViewerDatabase& database, PersonInterface& person)
    : database_(database), person_(person), follower_(*this, person) {
  lines_.SetExpander(this);
}

void ConceptPane::SetLanguage(std::string code) {
  if (code == language_) return;
  lines_.DeleteAll();
  language_ = std::move(code);
}

bool ConceptPane::HasLanguage(std::string_view code) const {
  return !code.empty() && database_.FindLanguage(code) != nullptr;
}

const LanguageEntry* ConceptPane::Entry() const {
  // An empty code would name the ILI to the database.
  if (language_.empty()) return nullptr;
  return database_.FindLanguage(language_);
}

// Look-up

TreeItem* ConceptPane::LookUp(std::string_view word, TreeItem* parent, int mode) {
  const LanguageEntry* entry = Entry();
  if (entry == nullptr) {
    person_.ShowMessage(message::kNoLanguageSelected.text);
    return nullptr;
  }
  if (parent != nullptr && !lines_.Contains(*parent)) return nullptr;
  TreeItem* result = nullptr;
  database_.Guarded([&] {
    const AutoExpandPause pause(lines_);
    const std::string form(word);
    const Owned<ConceptVariants> variants(entry->WordNet().GetConceptVariants(form.c_str()));
    if (!variants) return;
    const bool underWord = parent != nullptr && parent->Kind() == LineKind::kWord;
    const bool underPartOfSpeech = parent != nullptr && parent->Kind() == LineKind::kPartOfSpeech;
    if (underWord) result = parent;
    TreeItem* partOfSpeechLine = underPartOfSpeech ? parent : nullptr;
    ConceptVariant* found = nullptr;
    while (variants->GetNext(&found) != 0) {
      Owned<ConceptVariant> variant(found);
      if (parent == nullptr && result == nullptr) {
        auto wordLine = std::make_unique<WordItem>(form);
        result = (mode & kWordAtEnd) != 0 ? lines_.InsertAtEnd(std::move(wordLine))
                                          : lines_.InsertAtTop(std::move(wordLine));
        if (mode != 0) break;
      }
      Owned<Concept> meaning(variant->GetBaseConcept());
      variant.reset();
      const char code = PartOfSpeechCode(*meaning);
      const char* name = PartOfSpeechNames::OfCode(code);
      if (!database_.Filter().PassesPartOfSpeech(code) || name == nullptr) continue;
      if (underPartOfSpeech && parent->Text() != name) continue;
      if (result != nullptr) partOfSpeechLine = PartOfSpeechLine(*result, name);
      if (mode == 0 && partOfSpeechLine != nullptr) {
        AddConceptLine(partOfSpeechLine, std::move(meaning));
      }
    }
  });
  // Expanding a line deep in the tree must not move the selection to the top.
  if (parent == nullptr) lines_.Select(lines_.VisibleLine(0));
  ShowLineStatus();
  return result;
}

TreeItem* ConceptPane::PartOfSpeechLine(TreeItem& wordLine, const std::string& name) {
  for (TreeItem* child = lines_.FirstChild(wordLine); child != nullptr;
       child = lines_.NextSibling(*child)) {
    if (child->Kind() == LineKind::kPartOfSpeech && child->Text() == name) return child;
  }
  return lines_.InsertChild(wordLine, std::make_unique<PartOfSpeechItem>(name));
}

TreeItem* ConceptPane::LookUpOrBaseForms(std::string_view word) {
  TreeItem* found = LookUp(word, nullptr, 0);
  const LanguageEntry* entry = Entry();
  if (found != nullptr || entry == nullptr) return found;
  std::vector<std::string> bases;
  const std::string form(word);
  database_.Guarded([&] { bases = BaseForms(entry->WordNet()).Find(form.c_str()); });
  // Each look-up puts its word line on top: the last base form goes first.
  for (auto base = bases.rbegin(); base != bases.rend(); ++base) {
    if (TreeItem* line = LookUp(*base, nullptr, 0)) found = line;
  }
  if (found != nullptr) {
    std::string shown;
    for (const std::string& base : bases) shown += (shown.empty() ? "" : ", ") + base;
    person_.ShowStatus(PersonInterface::StatusPane::kMessage,
                       FormatMessage(message::kShowingBaseForms.text, form.c_str(), shown.c_str()));
  }
  return found;
}

TreeItem* ConceptPane::LookUpFromBar(std::string code, std::string_view text) {
  SetLanguage(std::move(code));
  if (Entry() == nullptr) return nullptr;
  return LookUpOrBaseForms(SearchText::WordOf(text));
}

ConceptItem* ConceptPane::AddConceptLine(TreeItem* parent, Owned<Concept> meaning) {
  if (!meaning) return nullptr;
  auto made = std::make_unique<ConceptItem>(std::move(meaning));
  TreeItem* inserted = parent != nullptr ? lines_.InsertChild(*parent, std::move(made))
                                         : lines_.InsertAtEnd(std::move(made));
  return Furnish(inserted);
}

ConceptItem* ConceptPane::AddConceptById(std::int32_t recordId, Placement placement) {
  ConceptItem* line = nullptr;
  database_.Guarded([&] {
    Owned<Concept> meaning = ConceptById(recordId);
    if (!meaning) return;
    auto made = std::make_unique<ConceptItem>(std::move(meaning));
    line = Furnish(placement == Placement::kAtTop ? lines_.InsertAtTop(std::move(made))
                                                  : lines_.InsertAtEnd(std::move(made)));
  });
  return line;
}

ConceptItem* ConceptPane::AddConceptById(std::int32_t recordId, TreeItem& parent) {
  if (!lines_.Contains(parent)) return nullptr;
  ConceptItem* line = nullptr;
  database_.Guarded([&] { line = AddConceptLine(&parent, ConceptById(recordId)); });
  return line;
}

TreeItem* ConceptPane::AddRelationLine(TreeItem& line, std::int16_t relation) {
  if (relation == RelationItem::kNoRelation) {
    return lines_.InsertChild(line, RelationItem::TopHyperonym());
  }
  const RelationEntry* entry = database_.FindRelation(relation);
  std::string name =
      entry != nullptr ? entry->Name()
                       : FormatMessage(message::kUnnamedRelation.text, static_cast<int>(relation));
  return lines_.InsertChild(line, std::make_unique<RelationItem>(std::move(name), relation));
}

ConceptItem* ConceptPane::Furnish(TreeItem* inserted) {
  if (inserted == nullptr) return nullptr;
  auto& line = static_cast<ConceptItem&>(*inserted);
  AttachIliLines(line);
  line.LoadVariants();
  return &line;
}

void ConceptPane::AttachIliLines(ConceptItem& line) {
  if (line.GetConcept() == nullptr) {
    lines_.InsertAttached(line, IliItem::NoLinks());
    return;
  }
  for (auto& iliLine : IliItem::LinesOf(*line.GetConcept())) {
    lines_.InsertAttached(line, std::move(iliLine));
  }
}

// Expansion

void ConceptPane::ExpandLine(TreeItem& line) {
  int handled = 0;
  database_.Guarded([&] { handled = lines_.Expand(line); });
  if (handled == 0) ShowLineStatus();
}

void ConceptPane::CollapseLine(TreeItem& line) {
  lines_.Collapse(line);
  ShowLineStatus();
}

void ConceptPane::ToggleLine(TreeItem& line) {
  if (!line.IsTreeLine()) return;
  if (line.IsExpanded()) {
    CollapseLine(line);
  } else {
    ExpandLine(line);
  }
}

int ConceptPane::ExpandWord(WordItem& line) {
  LookUp(line.Text(), &line, kWordOnly);
  return 0;
}

int ConceptPane::ExpandPartOfSpeech(PartOfSpeechItem& line) {
  if (line.Has(line_flag::kKeepChildren)) return 0;
  TreeItem* parent = lines_.Parent(line);
  if (parent == nullptr) return 0;
  if (parent->Kind() == LineKind::kWord) {
    LookUp(parent->Text(), &line, 0);
  } else if (parent->Kind() == LineKind::kRelation) {
    // Filled again after a collapse: the relation's targets of this part of speech.
    auto& relationLine = static_cast<RelationItem&>(*parent);
    TreeItem* owner = lines_.Parent(relationLine);
    Concept* source = owner != nullptr && owner->Kind() == LineKind::kConcept
                          ? static_cast<ConceptItem&>(*owner).GetConcept()
                          : nullptr;
    if (source == nullptr) return 0;
    const AutoExpandPause pause(lines_);
    FillTargets(relationLine, *source, &line);
  }
  return 0;
}

int ConceptPane::ExpandConcept(ConceptItem& line) {
  if (line.GetConcept() == nullptr) return 0;
  const AutoExpandPause pause(lines_);
  const Owned<ConceptLinks> links(line.GetConcept()->GetConceptLinks(0));
  if (!links) return 0;
  std::optional<std::int16_t> lastRelation;
  ConceptLink* found = nullptr;
  while (links->GetNext(&found) != 0) {
    const Owned<ConceptLink> link(found);
    const std::int16_t relation = link->GetRelation();
    if (!database_.Filter().PassesRelation(relation) || lastRelation == relation) continue;
    const RelationEntry* entry = database_.FindRelation(relation);
    if (entry == nullptr) continue;
    lines_.InsertChild(line, std::make_unique<RelationItem>(entry->Name(), relation));
    lastRelation = relation;
  }
  return 0;
}

int ConceptPane::ExpandRelation(RelationItem& line) {
  TreeItem* parent = lines_.Parent(line);
  if (parent == nullptr || parent->Kind() != LineKind::kConcept) return 0;
  Concept* source = static_cast<ConceptItem&>(*parent).GetConcept();
  if (source == nullptr) return 0;
  const AutoExpandPause pause(lines_);
  if (line.RelationId() == RelationItem::kNoRelation) {
    // The "Top hyperonym" line follows no single relation: expanding it walks again.
    follower_.WalkToTop(line, *source);
    return 0;
  }
  FillTargets(line, *source, nullptr);
  return 0;
}

void ConceptPane::FillTargets(RelationItem& line, Concept& source, TreeItem* partOfSpeechLine) {
  const Owned<ConceptLinks> links(source.GetConceptLinks(line.RelationId()));
  if (!links) return;
  const bool grouped = GroupsByPartOfSpeech(line.RelationId());
  TreeItem* targetParent = partOfSpeechLine != nullptr ? partOfSpeechLine : &line;
  std::string previousName;
  ConceptLink* found = nullptr;
  while (links->GetNext(&found) != 0) {
    const Owned<ConceptLink> link(found);
    Owned<Concept> target = LinkFollower::Target(*link);
    if (!target) continue;
    if (grouped || partOfSpeechLine != nullptr) {
      const char* name = PartOfSpeechNames::OfCode(PartOfSpeechCode(*target));
      const std::string current = name != nullptr ? name : "";
      if (partOfSpeechLine != nullptr) {
        if (current != partOfSpeechLine->Text()) continue;
      } else if (current != previousName) {
        targetParent = current.empty()
                           ? static_cast<TreeItem*>(&line)
                           : lines_.InsertChild(line, std::make_unique<PartOfSpeechItem>(current));
        previousName = current;
      }
    }
    AddConceptLine(targetParent, std::move(target));
  }
}

// Selection and status

bool ConceptPane::Select(TreeItem* line) {
  const bool selected = lines_.Select(line);
  ShowLineStatus();
  return selected;
}

bool ConceptPane::Select(int index) {
  const bool selected = lines_.Select(index);
  ShowLineStatus();
  return selected;
}

void ConceptPane::ShowLineStatus() {
  person_.ShowStatus(PersonInterface::StatusPane::kLines,
                     FormatMessage(message::kLineStatus.text, lines_.SelectedIndex() + 1,
                                   static_cast<int>(lines_.VisibleCount())));
}

// Link commands

ConceptItem* ConceptPane::SelectedConcept() const {
  TreeItem* selected = lines_.Selected();
  if (selected == nullptr || selected->Kind() != LineKind::kConcept) return nullptr;
  auto* line = static_cast<ConceptItem*>(selected);
  return line->GetConcept() != nullptr ? line : nullptr;
}

ConceptItem* ConceptPane::SelectedConceptOrSay() const {
  ConceptItem* line = SelectedConcept();
  if (line == nullptr) person_.ShowMessage(message::kConceptNotSelected.text);
  return line;
}

void ConceptPane::Follow(int commandId) {
  const FollowCommand* command = FollowCommand::ById(commandId);
  if (command == nullptr) return;
  ConceptItem* line = SelectedConceptOrSay();
  if (line == nullptr) return;
  database_.Guarded([&] {
    const AutoExpandPause pause(lines_);
    if (follower_.Follow(*line, command->Relations()) == 0) {
      person_.ShowMessage(command->NothingFound().text);
    }
  });
  ShowLineStatus();
}

int ConceptPane::FollowRelation(ConceptItem& line, std::int16_t relation) {
  if (line.GetConcept() == nullptr || !lines_.Contains(line)) return 0;
  const AutoExpandPause pause(lines_);
  return follower_.Follow(line, std::span<const std::int16_t>(&relation, 1));
}

void ConceptPane::TopHyperonym() {
  ConceptItem* line = SelectedConceptOrSay();
  if (line == nullptr) return;
  database_.Guarded([&] {
    const AutoExpandPause pause(lines_);
    TreeItem* top = AddRelationLine(*line, RelationItem::kNoRelation);
    if (top != nullptr) follower_.WalkToTop(*top, *line->GetConcept());
  });
  ShowLineStatus();
}

void ConceptPane::LookUpCurrentVariant() {
  const TreeItem* selected = lines_.Selected();
  const VariantLine* variant = selected != nullptr && selected->Kind() == LineKind::kConcept
                                   ? selected->Variant(selected->CurrentVariant())
                                   : nullptr;
  if (variant == nullptr) {
    person_.ShowMessage(message::kLiteralNotSelected.text);
    return;
  }
  const std::string word = SearchText::WordOf(variant->Text());
  // Without a language the look-up has said so already.
  if (LookUp(word, nullptr, 0) == nullptr && Entry() != nullptr) {
    person_.ShowMessage(message::kWordNotFound.text);
  }
}

// Clearing and notes

void ConceptPane::ClearSubtree() {
  TreeItem* line = lines_.Selected();
  if (line == nullptr) {
    person_.ShowMessage(message::kNoLineSelected.text);
    return;
  }
  if (line->Kind() == LineKind::kIli) {
    person_.ShowMessage(message::kCannotDeleteIli.text);
    return;
  }
  TreeItem* next = lines_.NextSibling(*line);
  if (next == nullptr) {
    next = line->Previous();
    while (next != nullptr && !next->IsVisible()) next = next->Previous();
  }
  if (line->IsExpanded()) lines_.Collapse(*line);
  lines_.Delete(*line);
  Select(next);
}

void ConceptPane::ClearTree() {
  lines_.DeleteAll();
  ShowLineStatus();
}

TreeItem* ConceptPane::AddNote(std::string text) {
  if (text.empty()) return nullptr;
  TreeItem* note = lines_.InsertNote(std::make_unique<NoteItem>(std::move(text)));
  ShowLineStatus();
  return note;
}

bool ConceptPane::EditNote(TreeItem& note, std::string text) {
  if (note.Kind() != LineKind::kNote || !lines_.Contains(note) || text.empty()) return false;
  note.SetText(std::move(text));
  return true;
}

// Find, refresh, copy

bool ConceptPane::Find(std::string_view text, LineFinder::Direction direction) {
  const std::optional<LineFinder::Match> match = LineFinder::Find(lines_, text, direction);
  if (!match) {
    person_.ShowMessage(message::kWordNotFound.text);
    return false;
  }
  match->line->SetCurrentVariant(match->variant);
  Select(match->line);
  return true;
}

Owned<Concept> ConceptPane::ConceptById(std::int32_t recordId) const {
  const LanguageEntry* entry = Entry();
  if (entry == nullptr || recordId <= 0) return nullptr;
  const Owned<Concepts> concepts(entry->WordNet().GetConcepts());
  Concept* found = nullptr;
  if (!concepts || concepts->GetItem(static_cast<std::uint32_t>(recordId), &found) != 1) {
    return nullptr;
  }
  return Owned<Concept>(found);
}

void ConceptPane::Refresh() {
  database_.Guarded([&] {
    for (TreeItem* line = lines_.First(); line != nullptr; line = line->Next()) {
      if (line->Kind() != LineKind::kConcept) continue;
      auto& conceptLine = static_cast<ConceptItem&>(*line);
      if (conceptLine.GetConcept() == nullptr) continue;
      conceptLine.ReplaceConcept(ConceptById(conceptLine.GetConcept()->GetRecordID()));
      conceptLine.LoadVariants();
      lines_.DeleteAttached(conceptLine);
      AttachIliLines(conceptLine);
    }
  });
  ShowLineStatus();
}

void ConceptPane::CopyFrom(const ConceptPane& source) {
  SetLanguage(source.Language());
  database_.Guarded([&] {
    for (const TreeItem* line = source.Lines().First(); line != nullptr; line = line->Next()) {
      if (line->Level() != 0 || line->IsAttached()) continue;
      TreeItem* copy = nullptr;
      if (line->Kind() == LineKind::kNote) {
        lines_.InsertAtEnd(std::make_unique<NoteItem>(line->Text()));
      } else if (line->Kind() == LineKind::kWord) {
        copy = LookUp(line->Text(), nullptr, kWordOnly | kWordAtEnd);
      } else if (line->Kind() == LineKind::kConcept) {
        Concept* meaning = static_cast<const ConceptItem&>(*line).GetConcept();
        if (meaning != nullptr) copy = AddConceptLine(nullptr, ConceptById(meaning->GetRecordID()));
      }
      if (copy != nullptr && line->IsExpanded()) lines_.Expand(*copy);
    }
  });
  ShowLineStatus();
}
