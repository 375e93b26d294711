#include "store/IndexCatalog.h"

#include <algorithm>

#include "ArbCodes.h"

namespace store {
namespace {

constexpr const char* kSelectDefinitions =
    "SELECT store, number, container, components FROM index_definitions";
constexpr const char* kSelectLocales = "SELECT store, locale FROM store_locales";

std::uint64_t ContainerKey(std::uint32_t store, std::uint16_t container) {
  return static_cast<std::uint64_t>(store) << 16 | container;
}

const std::shared_ptr<const IndexCatalog::IndexList> kNoIndexes =
    std::make_shared<const IndexCatalog::IndexList>();

}  // namespace

std::uint32_t IndexCatalog::Load(StatementCache* statements) {
  definitions_.clear();
  locales_.clear();
  collators_.clear();
  byContainer_.clear();
  sqlite3_stmt* statement = nullptr;
  std::uint32_t code = statements->Get(kSelectDefinitions, &statement);
  if (code == arbcode::SUCCESS) {
    StatementUse use(statement);
    int result;
    while ((result = use.Step()) == SQLITE_ROW) {
      IndexDefinition definition;
      definition.store = static_cast<std::uint32_t>(use.ColumnInt(0));
      definition.number = static_cast<std::uint16_t>(use.ColumnInt(1));
      definition.container = static_cast<std::uint16_t>(use.ColumnInt(2));
      if ((code = DecodeComponents(use.ColumnBytes(3), &definition.components))) break;
      definitions_[{definition.store, definition.number}] = std::move(definition);
    }
    if (code == arbcode::SUCCESS) code = CodeOfSqlite(result);
  }
  if (code == arbcode::SUCCESS) code = statements->Get(kSelectLocales, &statement);
  if (code == arbcode::SUCCESS) {
    StatementUse use(statement);
    int result;
    while ((result = use.Step()) == SQLITE_ROW) {
      const std::string_view locale = use.ColumnBytes(1);
      locales_[static_cast<std::uint32_t>(use.ColumnInt(0))] = std::string(locale);
    }
    code = CodeOfSqlite(result);
  }
  if (code != arbcode::SUCCESS) {
    definitions_.clear();
    locales_.clear();
  }
  Regroup();
  return code;
}

const IndexCatalog::IndexList& IndexCatalog::IndexesOf(std::uint32_t store,
                                                       std::uint16_t container) const {
  return *SharedIndexesOf(store, container);
}

std::shared_ptr<const IndexCatalog::IndexList> IndexCatalog::SharedIndexesOf(
    std::uint32_t store, std::uint16_t container) const {
  auto found = byContainer_.find(ContainerKey(store, container));
  return found == byContainer_.end() ? kNoIndexes : found->second;
}

const IndexDefinition* IndexCatalog::Find(std::uint32_t store, std::uint16_t number) const {
  auto found = definitions_.find({store, number});
  return found == definitions_.end() ? nullptr : &found->second;
}

std::vector<const IndexDefinition*> IndexCatalog::IndexesOfStore(std::uint32_t store) const {
  std::vector<const IndexDefinition*> indexes;
  for (auto it = definitions_.lower_bound({store, 0});
       it != definitions_.end() && it->first.first == store; ++it) {
    indexes.push_back(&it->second);
  }
  return indexes;
}

std::string IndexCatalog::LocaleOf(std::uint32_t store) const {
  auto locale = locales_.find(store);
  return locale == locales_.end() ? std::string() : locale->second;
}

std::shared_ptr<const Collator> IndexCatalog::CollatorOf(std::uint32_t store) {
  auto found = collators_.find(store);
  if (found != collators_.end()) return found->second;
  auto locale = locales_.find(store);
  std::shared_ptr<const Collator> collator =
      SharedCollator(locale == locales_.end() ? std::string_view() : locale->second);
  if (collator != nullptr) collators_.emplace(store, collator);
  return collator;
}

void IndexCatalog::Put(IndexDefinition definition) {
  const std::pair<std::uint32_t, std::uint16_t> key{definition.store, definition.number};
  definitions_[key] = std::move(definition);
  Regroup();
}

void IndexCatalog::PutLocale(std::uint32_t store, std::string_view locale) {
  locales_[store] = std::string(locale);
  collators_.erase(store);
}

void IndexCatalog::ShareTwinEntries(bool share) {
  shareTwinEntries_ = share;
  Regroup();
}

void IndexCatalog::Regroup() {
  // The map runs in number order within a store, so the first of a set of twins owns the entries.
  std::vector<const IndexDefinition*> owners;
  for (auto& entry : definitions_) {
    IndexDefinition& definition = entry.second;
    definition.entries = definition.number;
    if (!shareTwinEntries_) continue;
    auto owner = std::find_if(owners.begin(), owners.end(), [&](const IndexDefinition* candidate) {
      return AreTwins(*candidate, definition);
    });
    if (owner == owners.end()) {
      owners.push_back(&definition);
    } else {
      definition.entries = (*owner)->number;
    }
  }
  std::unordered_map<std::uint64_t, IndexList> groups;
  for (const auto& [key, definition] : definitions_) {
    groups[ContainerKey(definition.store, definition.container)].push_back(definition);
  }
  byContainer_.clear();
  for (auto& [container, list] : groups) {
    byContainer_.emplace(container, std::make_shared<const IndexList>(std::move(list)));
  }
}

}  // namespace store
