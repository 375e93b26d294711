// One line of a concept tree. A TreeListBox keeps its lines in one flat list in display order;
// the tree is given by the levels (a child has its parent's level plus 1) and the attached flag.
// Each kind of line derives from this class and owns what it shows; the list owns the lines.
//
// Structure and visibility (level, the expanded, visible and attached flags, the neighbours) change
// only through the list, so that the list's view of its visible lines stays right.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

#include "tree/LineFlags.h"
#include "tree/LineKind.h"
#include "tree/VariantLine.h"

class LineExpander;
class TreeListBox;

class TreeItem {
 public:
  static constexpr int kNoImage = -1;

  TreeItem(const TreeItem&) = delete;
  TreeItem& operator=(const TreeItem&) = delete;
  virtual ~TreeItem();

  LineKind Kind() const { return kind_; }
  // False for notes, which are not part of the tree: never parents, never expanded.
  bool IsTreeLine() const { return kind_ != LineKind::kNote; }

  const std::string& Text() const { return text_; }
  void SetText(std::string text) { text_ = std::move(text); }

  // 0 at the top.
  int Level() const { return level_; }
  std::uint8_t Flags() const { return flags_; }
  bool Has(std::uint8_t flag) const { return (flags_ & flag) != 0; }
  bool IsExpanded() const { return Has(line_flag::kExpanded); }
  bool IsVisible() const { return Has(line_flag::kVisible); }
  bool IsAttached() const { return Has(line_flag::kAttached); }

  // Index into the line icons; kNoImage for none.
  int Image() const { return image_; }
  // The identifiers that tie this line to lines of the other pane (ILI record IDs); empty when the
  // line takes no part in the connections.
  const std::vector<std::int32_t>& LinkIds() const { return linkIds_; }

  // The variant lines (concept lines only), numbered from 1.
  int VariantCount() const { return static_cast<int>(variants_.size()); }
  // Null outside 1..VariantCount().
  const VariantLine* Variant(int number) const;
  void AddVariant(VariantLine variant) { variants_.push_back(std::move(variant)); }
  void ClearVariants() { variants_.clear(); }
  // 1-based index of the variant the person chose; 0 means the line's own text. A concept line
  // starts at 1, before its variants are added; Variant(CurrentVariant()) is null while the number
  // names no variant.
  int CurrentVariant() const { return currentVariant_; }
  // False (nothing changed) outside 0..VariantCount().
  bool SetCurrentVariant(int number);

  // Measured by the drawing layer: rows of text and the height they take, in pixels.
  int TextRows() const { return textRows_; }
  int RowHeight() const { return rowHeight_; }
  void SetRows(int textRows, int rowHeight) {
    textRows_ = textRows;
    rowHeight_ = rowHeight;
  }

  // The neighbours in display order; null at either end and while the line is in no list.
  TreeItem* Next() const { return next_; }
  TreeItem* Previous() const { return previous_; }

  // Fills the line's children through `expander` as its kind requires. Returns 1 when the
  // expander handled the expansion completely, else 0; lines whose kind fills nothing return 0.
  virtual int Expand(LineExpander& expander);

 protected:
  TreeItem(LineKind kind, std::string text, int image, std::uint8_t flags, int currentVariant = 0);

  void SetLinkIds(std::vector<std::int32_t> ids) { linkIds_ = std::move(ids); }

 private:
  friend class TreeListBox;

  LineKind kind_;
  std::string text_;
  TreeItem* next_ = nullptr;
  TreeItem* previous_ = nullptr;
  const TreeListBox* list_ = nullptr;
  std::vector<VariantLine> variants_;
  int level_ = 0;
  std::uint8_t flags_;
  int image_;
  std::vector<std::int32_t> linkIds_;
  int currentVariant_ = 0;
  int textRows_ = 1;
  int rowHeight_ = 0;
  // Position among the list's visible lines as of the list's last count.
  mutable int visibleIndex_ = -1;
};
