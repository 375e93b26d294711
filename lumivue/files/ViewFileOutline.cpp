#include "files/ViewFileOutline.h"

#include <charconv>
#include <limits>
#include <memory>

#include "tree/AutoExpandPause.h"
#include "tree/ConceptItem.h"
#include "tree/ConceptPane.h"
#include "tree/PartOfSpeechItem.h"
#include "tree/PartOfSpeechNames.h"
#include "tree/RelationItem.h"
#include "tree/TreeListBox.h"

namespace {

constexpr char kExpanded = 'O';
constexpr char kCollapsed = 'C';

struct KindLetter {
  LineKind kind;
  char letter;
};
constexpr KindLetter kKindLetters[] = {{LineKind::kWord, 'W'},
                                       {LineKind::kPartOfSpeech, 'P'},
                                       {LineKind::kConcept, 'C'},
                                       {LineKind::kRelation, 'R'}};

std::optional<LineKind> KindOf(char letter) {
  for (const KindLetter& entry : kKindLetters) {
    if (entry.letter == letter) return entry.kind;
  }
  return std::nullopt;
}

char LetterOf(LineKind kind) {
  for (const KindLetter& entry : kKindLetters) {
    if (entry.kind == kind) return entry.letter;
  }
  return '\0';
}

// The decimal number that is the whole of `text`, within [least, most].
std::optional<std::int64_t> NumberOf(std::string_view text, std::int64_t least, std::int64_t most) {
  std::int64_t number = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
  if (error != std::errc() || end != text.data() + text.size()) return std::nullopt;
  if (number < least || number > most) return std::nullopt;
  return number;
}

bool IsPartOfSpeechName(std::string_view name) {
  for (int number = 1; number <= PartOfSpeechNames::kCount; ++number) {
    if (name == PartOfSpeechNames::OfNumber(number)) return true;
  }
  return false;
}

// Whether the viewer puts lines of kind `child` below lines of kind `parent`.
bool CanHold(LineKind parent, LineKind child) {
  switch (child) {
    case LineKind::kPartOfSpeech:
      return parent == LineKind::kWord || parent == LineKind::kRelation;
    case LineKind::kConcept:
      return parent == LineKind::kPartOfSpeech || parent == LineKind::kRelation ||
             parent == LineKind::kConcept;
    case LineKind::kRelation:
      return parent == LineKind::kConcept;
    default:
      return false;
  }
}

// The key that names `line` below the entry's line; none for a line no key names.
std::optional<std::string> KeyOf(const TreeItem& line) {
  switch (line.Kind()) {
    case LineKind::kPartOfSpeech:
      return line.Text();
    case LineKind::kConcept: {
      Concept* meaning = static_cast<const ConceptItem&>(line).GetConcept();
      if (meaning == nullptr) return std::nullopt;
      return std::to_string(meaning->GetRecordID());
    }
    case LineKind::kRelation:
      return std::to_string(static_cast<const RelationItem&>(line).RelationId());
    default:
      return std::nullopt;
  }
}

// Makes the line `item` names as the last child of `parent`; null when it names nothing.
TreeItem* Make(ConceptPane& pane, TreeItem& parent, const ViewFileOutline::Line& item) {
  switch (item.kind) {
    case LineKind::kPartOfSpeech:
      return pane.Lines().InsertChild(parent, std::make_unique<PartOfSpeechItem>(item.key));
    case LineKind::kConcept:
      return pane.AddConceptById(static_cast<std::int32_t>(*NumberOf(
                                     item.key, 1, std::numeric_limits<std::int32_t>::max())),
                                 parent);
    case LineKind::kRelation:
      return pane.AddRelationLine(
          parent, static_cast<std::int16_t>(
                      *NumberOf(item.key, 0, std::numeric_limits<std::int16_t>::max())));
    default:
      return nullptr;
  }
}

}  // namespace

std::optional<ViewFileOutline> ViewFileOutline::Of(const TreeListBox& lines, const TreeItem& top) {
  if (!lines.Contains(top) || top.Level() != 0) return std::nullopt;
  std::vector<Line> items{{0, top.Kind(), top.IsExpanded(), std::string()}};
  // The lines attached to the top line stand at its level.
  for (const TreeItem* line = top.Next();
       line != nullptr && (line->Level() > 0 || line->IsAttached()); line = line->Next()) {
    if (line->IsAttached()) continue;
    std::optional<std::string> key = KeyOf(*line);
    if (!key) return std::nullopt;
    items.push_back({line->Level(), line->Kind(), line->IsExpanded(), std::move(*key)});
  }
  ViewFileOutline outline(std::move(items));
  if (!outline.WellFormed()) return std::nullopt;
  return outline;
}

std::optional<ViewFileOutline> ViewFileOutline::Parse(std::string_view value) {
  std::vector<Line> items;
  while (!value.empty()) {
    const std::size_t bar = value.find('|');
    if (bar == std::string_view::npos) return std::nullopt;
    std::string_view item = value.substr(0, bar);
    value.remove_prefix(bar + 1);
    std::size_t digits = 0;
    while (digits < item.size() && item[digits] >= '0' && item[digits] <= '9') ++digits;
    // The level, its kind and its state at least.
    if (digits == 0 || item.size() < digits + 2) return std::nullopt;
    const auto level = NumberOf(item.substr(0, digits), 0, std::numeric_limits<int>::max());
    const auto kind = KindOf(item[digits]);
    const char state = item[digits + 1];
    if (!level || !kind || (state != kExpanded && state != kCollapsed)) return std::nullopt;
    items.push_back({static_cast<int>(*level), *kind, state == kExpanded,
                     std::string(item.substr(digits + 2))});
  }
  ViewFileOutline outline(std::move(items));
  if (!outline.WellFormed()) return std::nullopt;
  return outline;
}

bool ViewFileOutline::WellFormed() const {
  if (lines_.empty()) return false;
  const Line& top = lines_.front();
  if (top.level != 0 || !top.key.empty()) return false;
  if (top.kind != LineKind::kWord && top.kind != LineKind::kConcept) return false;
  // The kinds and states of the lines that hold the line being looked at, by level.
  std::vector<const Line*> holders{&top};
  for (std::size_t index = 1; index < lines_.size(); ++index) {
    const Line& line = lines_[index];
    if (line.level < 1 || line.level > static_cast<int>(holders.size())) return false;
    const Line& parent = *holders[static_cast<std::size_t>(line.level) - 1];
    if (!parent.expanded || !CanHold(parent.kind, line.kind)) return false;
    bool keyNames = false;
    switch (line.kind) {
      case LineKind::kPartOfSpeech:
        keyNames = IsPartOfSpeechName(line.key);
        break;
      case LineKind::kConcept:
        keyNames = NumberOf(line.key, 1, std::numeric_limits<std::int32_t>::max()).has_value();
        break;
      case LineKind::kRelation:
        keyNames = NumberOf(line.key, 0, std::numeric_limits<std::int16_t>::max()).has_value();
        break;
      default:
        break;
    }
    if (!keyNames) return false;
    holders.resize(static_cast<std::size_t>(line.level));
    holders.push_back(&line);
  }
  return true;
}

std::string ViewFileOutline::Text() const {
  std::string text;
  for (const Line& line : lines_) {
    text += std::to_string(line.level) + LetterOf(line.kind) +
            (line.expanded ? kExpanded : kCollapsed) + line.key + "|";
  }
  return text;
}

bool ViewFileOutline::Fits(char entryKind, std::string_view letters) const {
  const LineKind topKind = entryKind == 'L' ? LineKind::kWord : LineKind::kConcept;
  if (lines_.front().kind != topKind || letters.size() != lines_.size()) return false;
  for (std::size_t index = 0; index < lines_.size(); ++index) {
    if (letters[index] != (lines_[index].expanded ? kExpanded : kCollapsed)) return false;
  }
  return true;
}

void ViewFileOutline::Rebuild(ConceptPane& pane, TreeItem& top) const {
  TreeListBox& list = pane.Lines();
  if (!list.Contains(top)) return;
  // The lines come from the outline alone: an expansion marks its line and fills nothing.
  const AutoExpandPause pause(list);
  if (lines_.front().expanded) list.Expand(top);
  // The last line made at each level: the parent of the next line one level below.
  std::vector<TreeItem*> made{&top};
  // The level of a line left out: the lines below it go with it.
  std::optional<int> leftOut;
  for (std::size_t index = 1; index < lines_.size(); ++index) {
    const Line& item = lines_[index];
    if (leftOut && item.level > *leftOut) continue;
    leftOut.reset();
    TreeItem* line = Make(pane, *made[static_cast<std::size_t>(item.level) - 1], item);
    if (line == nullptr) {
      leftOut = item.level;
      continue;
    }
    made.resize(static_cast<std::size_t>(item.level));
    made.push_back(line);
    if (item.expanded) list.Expand(*line);
  }
  // As after the expansions that letters replay.
  pane.ShowLineStatus();
}
