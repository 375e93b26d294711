// The lines of one pane: a flat list in display order that owns its lines, with the tree given by
// their levels, and the subset of visible lines that the window shows as rows.
//
// Tree rules:
//  - a child line's level is its parent's plus 1; the parent of a line is the nearest earlier line,
//    not attached, whose level is lower (it must be exactly one lower, and not a note);
//  - attached lines (the ILI lines) follow their owner directly, at its level; they are never
//    parents, and they go with their owner when it is deleted;
//  - a line's block is the line, its attached lines and all its descendants; a line's children
//    follow its attached lines;
//  - a line is visible when it asked to be (its visible flag when inserted), is not never-shown,
//    and its parent is visible and expanded (or always-expanded); an attached line when its owner
//    is visible.
//
// Every operation that takes a line from the caller ignores a line of another list (returning null
// where it returns a line).
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

#include "tree/NoteItem.h"
#include "tree/TreeItem.h"

class LineExpander;

class TreeListBox {
 public:
  TreeListBox() = default;
  TreeListBox(const TreeListBox&) = delete;
  TreeListBox& operator=(const TreeListBox&) = delete;
  // Destroys every line with what it owns.
  ~TreeListBox();

  // What fills lines as they are expanded; not owned, must outlive its use; null fills nothing.
  void SetExpander(LineExpander* expander) { expander_ = expander; }
  // While off, expanding a line only marks it expanded: the program switches it off while it
  // inserts lines itself (AutoExpandPause). On at first.
  bool AutoExpand() const { return autoExpand_; }
  void SetAutoExpand(bool on) { autoExpand_ = on; }
  // Flags added to every line inserted (the attached and expanded flags aside).
  std::uint8_t DefaultFlags() const { return defaultFlags_; }
  void SetDefaultFlags(std::uint8_t flags) { defaultFlags_ = flags; }

  // Insertion. Each takes the line over and returns it as inserted, or null (the line destroyed)
  // when the anchor is not in this list or cannot take it. An inserted line is not expanded unless
  // it is always-expanded.
  //
  // As the last child of `parent` (after the parent's whole block). A visible line under a parent
  // that is neither expanded nor always-expanded expands the parent first (Expand). Notes are never
  // inserted as children, and notes and attached lines are never parents.
  TreeItem* InsertChild(TreeItem& parent, std::unique_ptr<TreeItem> line);
  // At level 0, as the first or the last line.
  TreeItem* InsertAtTop(std::unique_ptr<TreeItem> line);
  TreeItem* InsertAtEnd(std::unique_ptr<TreeItem> line);
  // At the anchor's level, right after the anchor's block or right before the anchor (an attached
  // anchor stands for its owner).
  TreeItem* InsertAfter(TreeItem& anchor, std::unique_ptr<TreeItem> line);
  TreeItem* InsertBefore(TreeItem& anchor, std::unique_ptr<TreeItem> line);
  // Attached below `owner` after the lines attached to it already. Not for notes, not below a note
  // or an attached line.
  TreeItem* InsertAttached(TreeItem& owner, std::unique_ptr<TreeItem> line);
  // Right above the top-level line that holds the selected line, else at the end; the note becomes
  // the selected line.
  TreeItem* InsertNote(std::unique_ptr<NoteItem> note);

  // Deletes the line's block (for an attached line: the line alone). A parent that loses its last
  // child is no longer expanded. A deleted selected line leaves no line selected.
  void Delete(TreeItem& line);
  void DeleteAll();
  // Deletes the line's descendants; the line and its attached lines stay.
  void DeleteDescendants(TreeItem& line);
  // Deletes the lines attached to `owner`.
  void DeleteAttached(TreeItem& owner);

  // Marks a tree line expanded and shows again its hidden descendants (kept when it was collapsed).
  // Then, while auto-expand is on and the line has no child, the expander fills it; its result is
  // returned (1: the expansion was handled completely), else 0. Library exceptions thrown while
  // filling pass through; the lines inserted before stay. Notes are not expanded.
  int Expand(TreeItem& line);
  // Clears the expanded flag. A line that keeps its children (and is not always-expanded) only
  // hides its descendants; any other line has them deleted, so that expanding it again rebuilds
  // them from the database.
  void Collapse(TreeItem& line);

  // All lines, hidden ones included.
  TreeItem* First() const { return first_; }
  TreeItem* Last() const { return last_; }
  std::size_t Count() const { return count_; }
  bool Contains(const TreeItem& line) const { return line.list_ == this; }

  // Null when the line has none (see the tree rules).
  TreeItem* Parent(const TreeItem& line) const;
  // The next line after the line's block at the same level, if it is not attached; null for an
  // attached line.
  TreeItem* NextSibling(const TreeItem& line) const;
  TreeItem* FirstChild(const TreeItem& line) const;
  // The level-0 line whose block holds the line (the line itself at level 0).
  TreeItem* TopLevelLineOf(const TreeItem& line) const;

  // The visible lines in display order: the rows of the window.
  std::size_t VisibleCount() const;
  // Null outside 0..VisibleCount()-1.
  TreeItem* VisibleLine(std::size_t index) const;
  // The line's row; -1 when it is hidden or not in this list.
  int IndexOf(const TreeItem& line) const;

  // Always visible; null when none is.
  TreeItem* Selected() const { return selected_; }
  // The selected line's row; -1 when none is selected.
  int SelectedIndex() const { return selected_ != nullptr ? IndexOf(*selected_) : -1; }
  // Selects the line of that row (-1 selects none): false, with the selection unchanged, for any
  // other row outside the visible lines.
  bool Select(int index);
  // Selects the line (null selects none): false, unchanged, for a hidden line or one of another
  // list.
  bool Select(TreeItem* line);

 private:
  TreeItem* Link(TreeItem* after, std::unique_ptr<TreeItem> line, int level);
  void Destroy(TreeItem* line);
  // Deletes the run of lines from `from` to `to`, both included.
  void DeleteRun(TreeItem* from, TreeItem* to);
  // Adds the default flags, and `extraFlags` in place of the attached flag; clears the expanded
  // flag of a line that is not always-expanded.
  void PrepareFlags(TreeItem& line, std::uint8_t extraFlags) const;
  // The visible flag of a new line from its request and its parent (or owner).
  void SetVisibility(TreeItem& line, const TreeItem* parentOrOwner);
  void Show(TreeItem& line, bool visible);
  // Applies the visibility rules to the descendants of `line` and their attached lines.
  void RefreshDescendants(TreeItem& line);

  TreeItem* OwnerOf(const TreeItem& attached) const;
  // The last line attached to `line` (the line itself when none is).
  TreeItem* AttachedEnd(const TreeItem& line) const;
  // The last line of the line's block.
  TreeItem* BlockEnd(const TreeItem& line) const;
  const TreeItem* Anchor(const TreeItem& line) const;

  void Recount() const;

  TreeItem* first_ = nullptr;
  TreeItem* last_ = nullptr;
  std::size_t count_ = 0;
  TreeItem* selected_ = nullptr;
  LineExpander* expander_ = nullptr;
  bool autoExpand_ = true;
  std::uint8_t defaultFlags_ = 0;
  mutable std::vector<TreeItem*> visible_;
  mutable bool visibleStale_ = false;
};
