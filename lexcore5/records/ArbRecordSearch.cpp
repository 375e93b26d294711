#include <limits>

#include "ArbRecord.h"
#include "store/FieldTree.h"

namespace {

struct TagCount {
  std::uint16_t tag;
  std::uint32_t wanted;
  std::uint32_t matches;
  node* hit;
};

std::uint32_t CountTag(int /*relativeLevel*/, node* field, void* user) {
  auto* count = static_cast<TagCount*>(user);
  if (field->tag != count->tag || ++count->matches != count->wanted) return 0;
  count->hit = field;
  return 1;
}

}  // namespace

node* ArbRecord::ParentOf(const node* field) const {
  return field != nullptr && field != root_ ? store::Parent(field) : nullptr;
}

node* ArbRecord::NextOf(const node* field) const {
  return field != nullptr && field != root_ ? store::NextSibling(field) : nullptr;
}

node* ArbRecord::PreviousOf(const node* field) const {
  return field != nullptr && field != root_ ? store::PreviousSibling(field) : nullptr;
}

node* ArbRecord::StartField(eFindStart start) const {
  switch (start) {
    case eFromRoot:
      return root_;
    case eFromCurrent:
      return current_;
    case eFromParent:
      return ParentOf(current_);
    case eFromChild:
      return current_ != nullptr ? store::FirstChild(current_) : nullptr;
    case eFromNext:
      return NextOf(current_);
    case eFromPrevious:
      return PreviousOf(current_);
  }
  return nullptr;
}

node* ArbRecord::ScanArea(node* start, eFindArea area, std::uint16_t tag, std::uint32_t wanted,
                          std::uint32_t* matches) {
  TagCount count{tag, wanted, 0, nullptr};
  switch (area) {
    case eInTree:
    case eInForest: {
      // The root has no siblings of its own, so its forest is its tree.
      const int treeCount = area == eInForest && start != root_ ? 0 : 1;
      // Only a count needs the walk; a single occurrence (Locate's, at most 32767) is a plain find.
      if (matches == nullptr) {
        return store::Find(treeCount, start, tag, static_cast<std::int16_t>(wanted));
      }
      // The walk can only end early at the wanted match, which the count records.
      store::Walk(treeCount, start, CountTag, &count);
      break;
    }
    case eInNextSiblings:
      for (node* n = NextOf(start); n != nullptr && count.hit == nullptr; n = NextOf(n)) {
        CountTag(0, n, &count);
      }
      break;
    case eInPreviousSiblings:
      for (node* n = PreviousOf(start); n != nullptr && count.hit == nullptr; n = PreviousOf(n)) {
        CountTag(0, n, &count);
      }
      break;
    case eInSiblings: {
      node* first = start;
      while (node* previous = PreviousOf(first)) first = previous;
      for (node* n = first; n != nullptr && count.hit == nullptr; n = NextOf(n)) {
        CountTag(0, n, &count);
      }
      break;
    }
  }
  if (matches != nullptr) *matches = count.matches;
  return count.hit;
}

node* ArbRecord::Locate(std::uint16_t tag, std::int16_t occurrence, eFindStart start,
                        eFindArea area) {
  node* from = StartField(start);
  if (from == nullptr) return nullptr;
  const std::uint32_t wanted = occurrence < 1 ? 1 : static_cast<std::uint32_t>(occurrence);
  return ScanArea(from, area == eInSiblings ? eInTree : area, tag, wanted, nullptr);
}

int ArbRecord::FindField(std::uint16_t tag, std::int16_t occurrence, eFindStart start,
                         eFindArea area) {
  return MoveTo(Locate(tag, occurrence, start, area));
}

std::uint16_t ArbRecord::GetFieldCount(std::uint16_t tag, eFindStart start, eFindArea area) {
  node* from = StartField(start);
  if (from == nullptr) return 0;
  std::uint32_t matches = 0;
  ScanArea(from, area, tag, 0, &matches);
  constexpr std::uint32_t kMax = std::numeric_limits<std::uint16_t>::max();
  return static_cast<std::uint16_t>(matches < kMax ? matches : kMax);
}
