#include "store/CriteriaKey.h"

namespace store {
namespace {

std::size_t ItemSize(const CriteriaItem& item) {
  switch (item.kind) {
    case CriteriaItem::Kind::kField:
      return 1 + sizeof(std::uint16_t) + 1 + sizeof(std::uint32_t) +
             item.field.path.size() * sizeof(std::uint16_t);
    case CriteriaItem::Kind::kOperator:
      return 1 + sizeof(std::uint16_t);
    case CriteriaItem::Kind::kValue:
      return 1 + 1 + sizeof(std::int64_t) + sizeof(std::uint32_t) + item.value.text.size();
  }
  return 1;
}

void WriteItem(const CriteriaItem& item, KeyWriter* key) {
  key->Put(static_cast<std::uint8_t>(item.kind));
  switch (item.kind) {
    case CriteriaItem::Kind::kField:
      key->Put(item.field.contextSet);
      key->Put(static_cast<std::uint8_t>(item.field.anchored));
      key->Put(static_cast<std::uint32_t>(item.field.path.size()));
      for (std::uint16_t tag : item.field.path) key->Put(tag);
      break;
    case CriteriaItem::Kind::kOperator:
      key->Put(static_cast<std::uint16_t>(item.op));
      break;
    case CriteriaItem::Kind::kValue:
      key->Put(static_cast<std::uint8_t>(item.value.isText));
      key->Put(item.value.number);
      key->Text(item.value.text);
      break;
  }
}

}  // namespace

std::size_t CriteriaKeySize(const std::vector<CriteriaItem>& items) {
  std::size_t size = 0;
  for (const CriteriaItem& item : items) size += ItemSize(item);
  return size;
}

void WriteCriteriaKey(const std::vector<CriteriaItem>& items, KeyWriter* key) {
  for (const CriteriaItem& item : items) WriteItem(item, key);
}

}  // namespace store
