// Defining indexes, choosing a store's collation locale, and listing an index's records.
#include <algorithm>
#include <optional>

#include "ArbCodes.h"
#include "store/Database.h"
#include "store/IndexKeys.h"
#include "store/IndexMaintenance.h"
#include "store/RecordAddress.h"
#include "store/WriteScope.h"

namespace store {
namespace {

constexpr const char* kPutDefinition =
    "INSERT OR REPLACE INTO index_definitions(store, number, container, components) "
    "VALUES(?1, ?2, ?3, ?4)";
constexpr const char* kPutLocale =
    "INSERT OR REPLACE INTO store_locales(store, locale) VALUES(?1, ?2)";
constexpr const char* kSelectEntryRange =
    "SELECT key FROM index_entries WHERE key >= ?1 AND key < ?2 ORDER BY key";
// Locale names are short ("pt_BR", "sr_Latn_RS", "de@collation=phonebook").
constexpr std::size_t kMaxLocaleLength = 64;

bool HasTextComponent(const IndexDefinition& definition) {
  return std::any_of(definition.components.begin(), definition.components.end(),
                     [](const IndexComponent& c) { return c.type == KeyType::kText; });
}

std::uint32_t StoreDefinition(Database* db, const IndexDefinition& definition) {
  sqlite3_stmt* statement = nullptr;
  if (std::uint32_t code = db->statements.Get(kPutDefinition, &statement)) return code;
  const std::string components = EncodeComponents(definition.components);
  StatementUse use(statement);
  use.BindInt(1, definition.store);
  use.BindInt(2, definition.number);
  use.BindInt(3, definition.container);
  use.BindBlob(4, components);
  return use.Run();
}

std::uint32_t StoreLocale(Database* db, std::uint32_t store, std::string_view locale) {
  sqlite3_stmt* statement = nullptr;
  if (std::uint32_t code = db->statements.Get(kPutLocale, &statement)) return code;
  StatementUse use(statement);
  use.BindInt(1, store);
  use.BindText(2, locale);
  return use.Run();
}

}  // namespace

std::uint32_t DefineIndex(Database* db, std::uint32_t store, std::uint16_t number,
                          std::uint16_t container, const IndexComponent* components,
                          std::size_t count) {
  if (!IsValidStore(store)) return arbcode::INVALID_STORE_NUM;
  if (std::uint32_t code = CheckComponents(components, count)) return code;
  return WithDatabase(db, [&]() -> std::uint32_t {
    IndexDefinition definition;
    definition.store = store;
    definition.number = number;
    definition.container = container;
    definition.components.assign(components, components + count);
    WriteScope scope(db, WriteScope::Kind::kCatalogChange);
    if (std::uint32_t code = scope.Begin()) return code;
    if (std::uint32_t code = StoreDefinition(db, definition)) return code;
    if (std::uint32_t code = BumpCatalogGeneration(db)) return code;
    // Twins of the definition this one replaces may have lost the owner of their entries, and the
    // new one may take them over from its own twins: every such index is built again.
    const IndexDefinition* replaced = db->catalog.Find(store, number);
    const std::optional<IndexDefinition> before =
        replaced != nullptr ? std::optional(*replaced) : std::nullopt;
    db->catalog.Put(definition);
    for (const IndexDefinition* index : db->catalog.IndexesOfStore(store)) {
      const bool affected = index->number == number || AreTwins(*index, definition) ||
                            (before && AreTwins(*index, *before));
      if (!affected) continue;
      if (std::uint32_t code = RebuildIndex(db, *index)) return code;
    }
    return scope.Commit();
  });
}

std::uint32_t SetStoreLocale(Database* db, std::uint32_t store, const char* locale) {
  if (!IsValidStore(store)) return arbcode::INVALID_STORE_NUM;
  const std::string_view name = locale == nullptr ? std::string_view() : locale;
  if (name.size() > kMaxLocaleLength) return arbcode::SYNTAX;
  if (Collator::Open(name) == nullptr) return arbcode::SYNTAX;
  return WithDatabase(db, [&]() -> std::uint32_t {
    WriteScope scope(db, WriteScope::Kind::kCatalogChange);
    if (std::uint32_t code = scope.Begin()) return code;
    if (std::uint32_t code = StoreLocale(db, store, name)) return code;
    if (std::uint32_t code = BumpCatalogGeneration(db)) return code;
    db->catalog.PutLocale(store, name);
    for (const IndexDefinition* definition : db->catalog.IndexesOfStore(store)) {
      if (!HasTextComponent(*definition)) continue;
      if (std::uint32_t code = RebuildIndex(db, *definition)) return code;
    }
    return scope.Commit();
  });
}

std::uint32_t ListIndex(Database* db, std::uint32_t store, std::uint16_t number,
                        std::vector<std::uint32_t>* recordIds) {
  if (!IsValidStore(store)) return arbcode::INVALID_STORE_NUM;
  if (recordIds == nullptr) return arbcode::BAD_HDL;
  recordIds->clear();
  return WithDatabase(db, [&]() -> std::uint32_t {
    if (std::uint32_t code = RefreshCatalog(db)) return code;
    const IndexDefinition* found = db->catalog.Find(store, number);
    if (found == nullptr) return arbcode::BAD_IX;
    sqlite3_stmt* statement = nullptr;
    if (std::uint32_t code = db->statements.Get(kSelectEntryRange, &statement)) return code;
    std::string low;
    AppendIndexPrefix(store, found->entries, &low);
    const std::string high = PrefixEnd(low);
    StatementUse use(statement);
    use.BindBlob(1, low);
    use.BindBlob(2, high);
    int result;
    while ((result = use.Step()) == SQLITE_ROW) {
      recordIds->push_back(RecordIdOfKey(use.ColumnBytes(0)));
    }
    return result == SQLITE_DONE ? arbcode::SUCCESS : CodeOfSqlite(result);
  });
}

}  // namespace store
