// Turning a new database to the packed layout before its first record.
#include "ArbCodes.h"
#include "store/Database.h"
#include "store/RecordRows.h"
#include "store/WriteScope.h"

namespace store {

std::uint32_t PackRecords(Database* db) {
  return WithDatabase(db, [&]() -> std::uint32_t {
    if (KeepsPacks(db->layout)) return arbcode::SUCCESS;
    // A bulk transaction's rollback would take the layout back behind this handle's back.
    if (db->bulkActive) return arbcode::TRANS_ACTIVE;
    if (db->layout != FileLayout::kCompact) return arbcode::ILLEGAL_OP;
    WriteScope scope(db, WriteScope::Kind::kCatalogChange);
    if (std::uint32_t code = scope.Begin()) return code;
    std::uint64_t rows = 0;
    if (std::uint32_t code = CountRecordRows(db, &rows)) return code;
    if (rows != 0) return arbcode::ILLEGAL_OP;
    if (std::uint32_t code = StorePackedLayout(db->connection)) return code;
    // Other connections reload their catalog, and with it the layout.
    if (std::uint32_t code = BumpCatalogGeneration(db)) return code;
    if (std::uint32_t code = scope.Commit()) return code;
    db->layout = FileLayout::kPacked;
    return arbcode::SUCCESS;
  });
}

}  // namespace store
