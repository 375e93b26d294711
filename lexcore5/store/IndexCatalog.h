// The index definitions and store locales of one open database, loaded from the file and kept in
// memory, with a collator per store looked up on first use. The file is the master copy: after a
// rolled-back change, or a change made by another connection, the catalog is loaded again.
//
// The definitions over one container are kept as one shared, immutable list, so that a cursor can
// plan with them after the database is unlocked, even if the catalog is reloaded meanwhile.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "store/Collation.h"
#include "store/IndexDefinition.h"
#include "store/Sqlite.h"

namespace store {

class IndexCatalog {
 public:
  // Reads every definition and locale; DATA_ERROR for a damaged definition, a SQLite code
  // otherwise. The catalog is empty after a failure.
  std::uint32_t Load(StatementCache* statements);

  using IndexList = std::vector<IndexDefinition>;
  // The indexes over (store, container), in index number order; empty when none.
  const IndexList& IndexesOf(std::uint32_t store, std::uint16_t container) const;
  // The same list, kept alive for as long as the caller holds it; never null.
  std::shared_ptr<const IndexList> SharedIndexesOf(std::uint32_t store,
                                                   std::uint16_t container) const;
  // Null when the store has no such index.
  const IndexDefinition* Find(std::uint32_t store, std::uint16_t number) const;
  // Every index of a store.
  std::vector<const IndexDefinition*> IndexesOfStore(std::uint32_t store) const;

  // The store's locale ("" for the root collation).
  std::string LocaleOf(std::uint32_t store) const;
  // The collator of the store's locale (see SharedCollator); null only when ICU cannot open any.
  std::shared_ptr<const Collator> CollatorOf(std::uint32_t store);

  // Whether twins (see AreTwins) share the entries of the lowest-numbered one; the file's layout
  // decides. Kept across loads.
  void ShareTwinEntries(bool share);

  // Record a definition or locale that has just been written to the file.
  void Put(IndexDefinition definition);
  void PutLocale(std::uint32_t store, std::string_view locale);

 private:
  void Regroup();

  std::map<std::pair<std::uint32_t, std::uint16_t>, IndexDefinition> definitions_;
  std::unordered_map<std::uint64_t, std::shared_ptr<const IndexList>> byContainer_;
  std::unordered_map<std::uint32_t, std::string> locales_;
  std::unordered_map<std::uint32_t, std::shared_ptr<const Collator>> collators_;
  bool shareTwinEntries_ = false;
};

}  // namespace store
