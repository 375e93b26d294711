#include "tree/TreeItem.h"

#include <utility>

TreeItem::TreeItem(LineKind kind, std::string text, int image, std::uint8_t flags,
                   int currentVariant)
    : kind_(kind),
      text_(std::move(text)),
      flags_(flags),
      image_(image),
      currentVariant_(currentVariant) {}

TreeItem::~TreeItem() = default;

const VariantLine* TreeItem::Variant(int number) const {
  if (number < 1 || number > VariantCount()) return nullptr;
  return &variants_[static_cast<std::size_t>(number - 1)];
}

bool TreeItem::SetCurrentVariant(int number) {
  if (number < 0 || number > VariantCount()) return false;
  currentVariant_ = number;
  return true;
}

int TreeItem::Expand(LineExpander&) {
  return 0;
}
