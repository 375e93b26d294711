// Rewriting a database file without free space.
#include "ArbCodes.h"
#include "store/Database.h"
#include "store/RecordStore.h"

namespace store {

std::uint32_t CompactFile(Database* db) {
  return WithDatabase(db, [&]() -> std::uint32_t {
    if (db->bulkActive) return arbcode::TRANS_ACTIVE;
    if (db->readOnly) return arbcode::ACCESS_DENIED;
    // VACUUM needs the connection without a transaction of its own.
    db->reader.Release();
    ForgetReads(db);
    return Execute(db->connection, "VACUUM");
  });
}

}  // namespace store
