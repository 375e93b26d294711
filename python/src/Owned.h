// Library objects held by the binding, released through Destroy().
#pragma once

#include <vector>

#include "lexicon/Factory.h"

namespace pylex {

using lexicon::Owned;

// Every item `collection` still hands out, in its order; releases the collection. A null
// collection (the library's "none") gives none.
template <typename Item, typename Collection>
std::vector<Owned<Item>> TakeAll(Collection* collection) {
  std::vector<Owned<Item>> items;
  if (collection == nullptr) return items;
  const Owned<Collection> owned(collection);
  Item* item = nullptr;
  while (owned->GetNext(&item) != 0) items.emplace_back(item);
  return items;
}

}  // namespace pylex
