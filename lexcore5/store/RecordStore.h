// The record store's session, database, record, dictionary and index operations. One database is
// one file; it holds numbered stores (0 to 32767), each with numbered containers of records
// addressed by record ID. Every function returns a store code (0 = success; names in ArbCodes.h).
// All functions are safe to call from several threads; handles are opaque.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "Node.h"

namespace store {

struct Session;
struct Database;
struct NameTable;

// Kept in the database file when it is created and handed back by every open; the store gives it
// no meaning of its own.
struct CreateOptions {
  std::uint32_t words[4];
  std::uint8_t flags;
};

// Open flags.
constexpr std::uint32_t kOpenExclusive = 1;
constexpr std::uint32_t kOpenReadOnly = 4;

// Session options.
constexpr std::uint32_t kSessionCacheKb = 2;

// Sessions. A cache of 0 kilobytes lets the store choose 128.
std::uint32_t CreateSession(std::uint32_t cacheKb, std::uint32_t flags, Session** out);
// Option 2 sets the cache size in kilobytes; options 1, 3 and 4 are accepted without effect; any
// other option is NOT_IMPLEMENTED. A null session succeeds without effect.
std::uint32_t ConfigureSession(Session* session, std::uint32_t option, std::uint32_t value);
std::uint32_t GetSessionCache(const Session* session, std::uint32_t* cacheKb);
// Closes the databases still open in the session (their handles become invalid), frees it and sets
// *session to null. A null *session is accepted.
std::uint32_t CloseSession(Session** session);

// Creates a new, empty database file (FILE_EXISTS if the path exists) and closes it again.
std::uint32_t CreateDatabase(Session* session, const char* path, const CreateOptions* options);
// Opens a database file. IO_PATH_NOT_FOUND for a missing file (or an empty path), IO_PATH_TOO_LONG
// for a path over 239 bytes, NOT_DB for a file that is not one of ours, NEWER_DB for a newer
// format, ACCESS_CONFLICT when another opener holds it exclusively (or an exclusive open finds it
// in use), BAD_HDL without a session; damaged content gives a store code, here or at the first
// operation that reaches it. `secondPath` is accepted and ignored. A read-only open never writes to
// the file (so a file left with an unfinished transaction by a crash cannot be read that way until
// a writable open has rolled it back); changes through it fail with ACCESS_DENIED, as they do for
// a write-protected file.
std::uint32_t OpenDatabase(Session* session, const char* path, const char* secondPath,
                           std::uint32_t flags, Database** out, CreateOptions* options);
// Closes the database (aborting an open bulk transaction) and sets *database to null.
std::uint32_t CloseDatabase(Database** database);
// Keeps the records of a database that holds none yet in compressed packs of consecutive IDs: a
// third of the size for files that are mostly read, while a change of one record rewrites its
// pack. Succeeds at once when they are packed already. ILLEGAL_OP when the database holds records
// or is of the original layout, TRANS_ACTIVE inside a bulk transaction, ACCESS_DENIED when it is
// read-only.
std::uint32_t PackRecords(Database* db);
// Trains a dictionary on the packs of a packed database and stores every pack again compressed
// against it, which the file then keeps, in packs of half as many records: about a twentieth
// smaller, and the pack a read unpacks takes about half as long. Meant for a file just built, as it
// reads and writes every pack; inside a bulk transaction it becomes part of it. A file with too few
// records to gain, or whose records have too little in common, stays as it is. Succeeds at once
// when the packs have a dictionary already. ILLEGAL_OP when the records are not packed,
// ACCESS_DENIED when it is read-only; a store code for a damaged pack.
std::uint32_t TrainPackDictionary(Database* db);
// Rewrites the file with each table in the order of its keys and no free space. A file built by
// many inserts keeps index entries, which arrive in no order of their keys, in pages about a third
// empty, and records that were stored again in the space they left. Reads and writes the whole
// file, so meant for one just built. TRANS_ACTIVE inside a bulk transaction, ACCESS_DENIED when it
// is read-only, ACCESS_CONFLICT while another connection reads or writes it; a store code for
// damage.
std::uint32_t CompactFile(Database* db);

// Records. The retrieved tree lives in `pool`; its root carries the record ID and the source.
// NOT_FOUND when there is no such record, BAD_DRN for record ID 0, INVALID_STORE_NUM for a store
// beyond 32767, BLOCK_CHECKSUM or DATA_ERROR when the stored record is damaged.
std::uint32_t Retrieve(Database* db, std::uint32_t store, std::uint16_t container,
                       std::uint32_t recordId, std::uint32_t flags, PoolMemoryManager* pool,
                       node** root);
// *recordId 0 asks the store for the next free ID of (store, container) (one past the highest in
// use; NO_MORE_DRNS past 0xFFFFFFFF) and returns it. EXISTS when the ID is taken. The tree is
// checked first (ValidateTree), then its index keys are made (a field value that does not fit its
// index's key type gives the conversion code); nothing is stored when either fails.
std::uint32_t Add(Database* db, std::uint32_t store, std::uint16_t container,
                  std::uint32_t* recordId, const node* root, std::uint32_t flags);
// NOT_FOUND when there is no such record. A stored record that is damaged can still be replaced
// or deleted; its index entries go with it.
std::uint32_t Modify(Database* db, std::uint32_t store, std::uint16_t container,
                     std::uint32_t recordId, const node* root, std::uint32_t flags);
std::uint32_t Delete(Database* db, std::uint32_t store, std::uint16_t container,
                     std::uint32_t recordId, std::uint32_t flags);

// One transaction around many adds, modifies and deletes, for importers. Without one, every change
// commits on its own. TRANS_ACTIVE when one is already open, NO_TRANS_ACTIVE for a commit or abort
// without one. `fast` trades crash safety for speed and is meant for building a new file: a crash
// during a fast bulk transaction may leave the file unusable. A change refused inside the
// transaction leaves the rest of it intact; a change that fails half-way (a file error) dooms it:
// later changes fail with ABORT_TRANS and the commit rolls everything back with ABORT_TRANS.
std::uint32_t BeginBulk(Database* db, bool fast);
std::uint32_t CommitBulk(Database* db);
std::uint32_t AbortBulk(Database* db);

// The field-name dictionary of one store. A tag may have several names; the first one added is the
// one NameOfTag gives. Names are exact (case counts) and unique per (store, kind):
// DUPLICATE_DICT_NAME for a name already given to another tag (adding it again to the same tag is a
// success). INVALID_TAG for tag 0, SYNTAX for an empty name.
constexpr std::uint16_t kFieldNameKind = 32100;
std::uint32_t AddFieldName(Database* db, std::uint32_t store, std::uint16_t tag, const char* name,
                           std::uint16_t kind = kFieldNameKind);
// NOT_FOUND for a name the store does not know.
std::uint32_t TagOfName(Database* db, std::uint32_t store, const char* name, std::uint16_t kind,
                        std::uint16_t* tag);
// A loaded copy of a store's field names (kind kFieldNameKind); free it with FreeNameTable.
std::uint32_t BuildNameTable(Database* db, std::uint32_t store, NameTable** table);
// The first name of `tag`, or null; valid while the table lives.
const char* NameOfTag(const NameTable* table, std::uint16_t tag);
void FreeNameTable(NameTable** table);

// Indexes are kept in the database. A component is a field path from the root (path[0] is the root
// tag) with a key type; a repeated field gives one entry per occurrence. A record enters the index
// only when its first component is present; a later component that is missing sorts before every
// value. Several repeated components give one entry per combination of their occurrences (at most
// 65,536 per record and index, else IX_FAILURE). Text keys order by the collation of the store's
// locale, numbers (read as signed 32-bit) by value, record pointers by record ID; ties by record
// ID. The key layout is in IndexKeys.h.
enum class KeyType : std::uint8_t { kText = 0, kNumber = 1, kPointer = 2 };
constexpr std::size_t kMaxPathDepth = 8;
struct IndexComponent {
  std::uint16_t path[kMaxPathDepth];
  std::uint8_t depth;
  KeyType type;
};
// Defines (or redefines) index `number` of `store` over `container` and builds its entries for the
// records already stored (leaving out stored records that are damaged). BAD_IX for no components,
// more than 8, a path deeper than kMaxPathDepth, a zero tag or an unknown key type.
std::uint32_t DefineIndex(Database* db, std::uint32_t store, std::uint16_t number,
                          std::uint16_t container, const IndexComponent* components,
                          std::size_t count);
// Sets the ICU locale ("en", "fr", "pl", ...) of a store's text keys and rebuilds its indexes.
// Stores without a locale (or with an empty one) use the root collation; an unknown locale falls
// back to ICU's nearest; SYNTAX for a name longer than 64 bytes.
std::uint32_t SetStoreLocale(Database* db, std::uint32_t store, const char* locale);
// The record IDs of an index's entries in index order (a record appears once per entry). BAD_IX
// when the store has no such index.
std::uint32_t ListIndex(Database* db, std::uint32_t store, std::uint16_t number,
                        std::vector<std::uint32_t>* recordIds);

}  // namespace store
