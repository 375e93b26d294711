#include "tree/TreeListBox.h"

#include <utility>

using namespace line_flag;

namespace {

bool OpensChildren(const TreeItem& parent) {
  return parent.Has(kExpanded) || parent.Has(kAlwaysExpanded);
}

}  // namespace

TreeListBox::~TreeListBox() {
  DeleteAll();
}

// Insertion

void TreeListBox::PrepareFlags(TreeItem& line, std::uint8_t extraFlags) const {
  std::uint8_t flags = static_cast<std::uint8_t>(line.flags_ | defaultFlags_);
  flags = static_cast<std::uint8_t>((flags & ~kAttached) | extraFlags);
  if ((flags & kAlwaysExpanded) == 0) flags = static_cast<std::uint8_t>(flags & ~kExpanded);
  line.flags_ = flags;
}

TreeItem* TreeListBox::Link(TreeItem* after, std::unique_ptr<TreeItem> line, int level) {
  TreeItem* item = line.release();
  item->list_ = this;
  item->level_ = level;
  item->previous_ = after;
  item->next_ = after != nullptr ? after->next_ : first_;
  if (item->next_ != nullptr) {
    item->next_->previous_ = item;
  } else {
    last_ = item;
  }
  if (after != nullptr) {
    after->next_ = item;
  } else {
    first_ = item;
  }
  ++count_;
  visibleStale_ = true;
  return item;
}

TreeItem* TreeListBox::InsertChild(TreeItem& parent, std::unique_ptr<TreeItem> line) {
  if (!Contains(parent) || !parent.IsTreeLine() || parent.IsAttached()) return nullptr;
  if (!line || !line->IsTreeLine()) return nullptr;
  PrepareFlags(*line, 0);
  if (line->IsVisible() && !line->Has(kNeverShown) && !OpensChildren(parent)) Expand(parent);
  // Expanding may have filled the parent: the new line goes after whatever it holds now.
  TreeItem* item = Link(BlockEnd(parent), std::move(line), parent.level_ + 1);
  SetVisibility(*item, &parent);
  return item;
}

TreeItem* TreeListBox::InsertAtTop(std::unique_ptr<TreeItem> line) {
  if (!line) return nullptr;
  PrepareFlags(*line, 0);
  TreeItem* item = Link(nullptr, std::move(line), 0);
  SetVisibility(*item, nullptr);
  return item;
}

TreeItem* TreeListBox::InsertAtEnd(std::unique_ptr<TreeItem> line) {
  if (!line) return nullptr;
  PrepareFlags(*line, 0);
  TreeItem* item = Link(last_, std::move(line), 0);
  SetVisibility(*item, nullptr);
  return item;
}

TreeItem* TreeListBox::InsertAfter(TreeItem& anchor, std::unique_ptr<TreeItem> line) {
  if (!Contains(anchor) || !line) return nullptr;
  PrepareFlags(*line, 0);
  const TreeItem& target = *Anchor(anchor);
  TreeItem* item = Link(BlockEnd(target), std::move(line), target.level_);
  SetVisibility(*item, Parent(*item));
  return item;
}

TreeItem* TreeListBox::InsertBefore(TreeItem& anchor, std::unique_ptr<TreeItem> line) {
  if (!Contains(anchor) || !line) return nullptr;
  PrepareFlags(*line, 0);
  const TreeItem& target = *Anchor(anchor);
  TreeItem* item = Link(target.previous_, std::move(line), target.level_);
  SetVisibility(*item, Parent(*item));
  return item;
}

TreeItem* TreeListBox::InsertAttached(TreeItem& owner, std::unique_ptr<TreeItem> line) {
  if (!Contains(owner) || !owner.IsTreeLine() || owner.IsAttached()) return nullptr;
  if (!line || !line->IsTreeLine()) return nullptr;
  PrepareFlags(*line, kAttached);
  TreeItem* item = Link(AttachedEnd(owner), std::move(line), owner.level_);
  SetVisibility(*item, &owner);
  return item;
}

TreeItem* TreeListBox::InsertNote(std::unique_ptr<NoteItem> note) {
  TreeItem* top = selected_ != nullptr ? TopLevelLineOf(*selected_) : nullptr;
  TreeItem* item =
      top != nullptr ? InsertBefore(*top, std::move(note)) : InsertAtEnd(std::move(note));
  if (item != nullptr) Select(item);
  return item;
}

// Deletion

void TreeListBox::Destroy(TreeItem* line) {
  if (line->previous_ != nullptr) {
    line->previous_->next_ = line->next_;
  } else {
    first_ = line->next_;
  }
  if (line->next_ != nullptr) {
    line->next_->previous_ = line->previous_;
  } else {
    last_ = line->previous_;
  }
  if (selected_ == line) selected_ = nullptr;
  --count_;
  visibleStale_ = true;
  delete line;
}

void TreeListBox::DeleteRun(TreeItem* from, TreeItem* to) {
  TreeItem* end = to->next_;
  for (TreeItem* line = from; line != end;) {
    TreeItem* next = line->next_;
    Destroy(line);
    line = next;
  }
}

void TreeListBox::Delete(TreeItem& line) {
  if (!Contains(line)) return;
  TreeItem* parent = line.IsAttached() ? nullptr : Parent(line);
  DeleteRun(&line, BlockEnd(line));
  if (parent != nullptr && FirstChild(*parent) == nullptr) {
    parent->flags_ = static_cast<std::uint8_t>(parent->flags_ & ~kExpanded);
  }
}

void TreeListBox::DeleteAll() {
  while (first_ != nullptr) Destroy(first_);
}

void TreeListBox::DeleteDescendants(TreeItem& line) {
  if (!Contains(line) || line.IsAttached()) return;
  TreeItem* end = BlockEnd(line);
  TreeItem* attachedEnd = AttachedEnd(line);
  if (end != attachedEnd) DeleteRun(attachedEnd->next_, end);
}

void TreeListBox::DeleteAttached(TreeItem& owner) {
  if (!Contains(owner) || owner.IsAttached()) return;
  TreeItem* end = AttachedEnd(owner);
  if (end != &owner) DeleteRun(owner.next_, end);
}

// Expansion

int TreeListBox::Expand(TreeItem& line) {
  if (!Contains(line) || !line.IsTreeLine()) return 0;
  const bool hasChildren = FirstChild(line) != nullptr;
  line.flags_ = static_cast<std::uint8_t>(line.flags_ | kExpanded);
  if (hasChildren) {
    RefreshDescendants(line);
    // Children kept from before (or already there) are not filled in a second time.
    return 0;
  }
  if (!autoExpand_ || expander_ == nullptr) return 0;
  return line.Expand(*expander_);
}

void TreeListBox::Collapse(TreeItem& line) {
  if (!Contains(line) || !line.IsTreeLine()) return;
  line.flags_ = static_cast<std::uint8_t>(line.flags_ & ~kExpanded);
  if (line.Has(kKeepChildren) && !line.Has(kAlwaysExpanded)) {
    RefreshDescendants(line);
  } else {
    DeleteDescendants(line);
  }
}

// Visibility

void TreeListBox::Show(TreeItem& line, bool visible) {
  if (line.IsVisible() == visible) return;
  line.flags_ =
      static_cast<std::uint8_t>(visible ? line.flags_ | kVisible : line.flags_ & ~kVisible);
  if (!visible && selected_ == &line) selected_ = nullptr;
  visibleStale_ = true;
}

void TreeListBox::SetVisibility(TreeItem& line, const TreeItem* parentOrOwner) {
  bool visible = line.IsVisible() && !line.Has(kNeverShown);
  if (parentOrOwner != nullptr) {
    visible = visible && parentOrOwner->IsVisible() &&
              (line.IsAttached() || OpensChildren(*parentOrOwner));
  }
  Show(line, visible);
}

void TreeListBox::RefreshDescendants(TreeItem& line) {
  // The latest non-attached line seen at each level below `line`: the parent of the next deeper
  // line and the owner of the next attached line.
  std::vector<TreeItem*> latest(1, &line);
  const auto depth = [&line](const TreeItem& item) {
    return static_cast<std::size_t>(item.level_ - line.level_);
  };
  TreeItem* end = BlockEnd(line)->next_;
  for (TreeItem* item = AttachedEnd(line)->next_; item != end; item = item->next_) {
    const std::size_t at = depth(*item);
    if (item->IsAttached()) {
      const bool ownerShown = at < latest.size() && latest[at]->IsVisible();
      Show(*item, !item->Has(kNeverShown) && ownerShown);
      continue;
    }
    if (at == 0 || at > latest.size()) continue;  // a level jump: no parent to follow
    const TreeItem& parent = *latest[at - 1];
    Show(*item, !item->Has(kNeverShown) && parent.IsVisible() && OpensChildren(parent));
    latest.resize(at + 1);
    latest[at] = item;
  }
}

// Structure

const TreeItem* TreeListBox::Anchor(const TreeItem& line) const {
  if (!line.IsAttached()) return &line;
  const TreeItem* owner = OwnerOf(line);
  return owner != nullptr ? owner : &line;
}

TreeItem* TreeListBox::OwnerOf(const TreeItem& attached) const {
  for (TreeItem* line = attached.previous_; line != nullptr; line = line->previous_) {
    if (!line->IsAttached()) return line;
  }
  return nullptr;
}

TreeItem* TreeListBox::AttachedEnd(const TreeItem& line) const {
  TreeItem* last = const_cast<TreeItem*>(&line);
  if (line.IsAttached()) return last;
  while (last->next_ != nullptr && last->next_->IsAttached() &&
         last->next_->level_ == line.level_) {
    last = last->next_;
  }
  return last;
}

TreeItem* TreeListBox::BlockEnd(const TreeItem& line) const {
  TreeItem* last = AttachedEnd(line);
  if (line.IsAttached()) return last;
  while (last->next_ != nullptr && last->next_->level_ > line.level_) last = last->next_;
  return last;
}

TreeItem* TreeListBox::Parent(const TreeItem& line) const {
  if (!Contains(line)) return nullptr;
  for (TreeItem* earlier = line.previous_; earlier != nullptr; earlier = earlier->previous_) {
    if (earlier->IsAttached()) continue;
    if (earlier->level_ < line.level_) {
      const bool isParent = earlier->level_ == line.level_ - 1 && earlier->IsTreeLine();
      return isParent ? earlier : nullptr;
    }
  }
  return nullptr;
}

TreeItem* TreeListBox::NextSibling(const TreeItem& line) const {
  if (!Contains(line) || line.IsAttached()) return nullptr;
  TreeItem* after = BlockEnd(line)->next_;
  if (after == nullptr || after->IsAttached() || after->level_ != line.level_) return nullptr;
  return after;
}

TreeItem* TreeListBox::FirstChild(const TreeItem& line) const {
  if (!Contains(line) || line.IsAttached() || !line.IsTreeLine()) return nullptr;
  TreeItem* after = AttachedEnd(line)->next_;
  return after != nullptr && after->level_ == line.level_ + 1 ? after : nullptr;
}

TreeItem* TreeListBox::TopLevelLineOf(const TreeItem& line) const {
  if (!Contains(line)) return nullptr;
  TreeItem* top = const_cast<TreeItem*>(&line);
  while (top != nullptr && (top->IsAttached() || top->level_ > 0)) top = top->previous_;
  return top;
}

// Rows and selection

void TreeListBox::Recount() const {
  if (!visibleStale_) return;
  visible_.clear();
  for (TreeItem* line = first_; line != nullptr; line = line->next_) {
    line->visibleIndex_ = line->IsVisible() ? static_cast<int>(visible_.size()) : -1;
    if (line->IsVisible()) visible_.push_back(line);
  }
  visibleStale_ = false;
}

std::size_t TreeListBox::VisibleCount() const {
  Recount();
  return visible_.size();
}

TreeItem* TreeListBox::VisibleLine(std::size_t index) const {
  Recount();
  return index < visible_.size() ? visible_[index] : nullptr;
}

int TreeListBox::IndexOf(const TreeItem& line) const {
  if (!Contains(line)) return -1;
  Recount();
  return line.visibleIndex_;
}

bool TreeListBox::Select(int index) {
  if (index == -1) {
    selected_ = nullptr;
    return true;
  }
  TreeItem* line = index >= 0 ? VisibleLine(static_cast<std::size_t>(index)) : nullptr;
  if (line == nullptr) return false;
  selected_ = line;
  return true;
}

bool TreeListBox::Select(TreeItem* line) {
  if (line == nullptr) {
    selected_ = nullptr;
    return true;
  }
  if (!Contains(*line) || !line->IsVisible()) return false;
  selected_ = line;
  return true;
}
