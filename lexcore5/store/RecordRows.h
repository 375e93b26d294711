// The record table under every layout: one row per record, or packs of records (RecordPack). In the
// packed layout the packs a write transaction changes stay unpacked in db->pendingPacks until the
// change commits (or, in a bulk transaction, until the bulk commit or a scan needs the table), so
// that a pack is compressed once however many of its records are written.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace store {

struct Database;

// Reads a stored record body into db->body (see RecordReader), its checksum proven, telling the
// session's releaser when a read transaction begins. NOT_FOUND when there is no such record; a
// store code for damage.
std::uint32_t ReadBody(Database* db, std::int64_t rowKey);
// The same inside a write transaction, through an ordinary query.
std::uint32_t SelectRecordBody(Database* db, std::int64_t rowKey, std::string* body);

// Inside a write transaction: stores the body of a new record (EXISTS when the ID is taken), or
// replaces or erases that of an existing one. A store code for a damaged pack.
std::uint32_t InsertRecordBody(Database* db, std::int64_t rowKey, const std::string& body);
std::uint32_t ReplaceRecordBody(Database* db, std::int64_t rowKey, const std::string& body);
std::uint32_t EraseRecordBody(Database* db, std::int64_t rowKey);

// The highest record ID in use in the row-key range [first, last] of one container; 0 when none.
std::uint32_t LastRecordId(Database* db, std::int64_t first, std::int64_t last,
                           std::uint32_t* recordId);

// Calls visit(rowKey, body) for every record with a row key in [first, last], in order, and
// damaged(rowKey, code) for every pack that cannot be unpacked (rowKey is the pack's). A nonzero
// code from either stops the scan and is returned.
using RecordVisit = std::function<std::uint32_t(std::int64_t rowKey, std::string_view body)>;
using DamageVisit = std::function<std::uint32_t(std::int64_t rowKey, std::uint32_t code)>;
std::uint32_t ScanRecords(Database* db, std::int64_t first, std::int64_t last,
                          const RecordVisit& visit, const DamageVisit& damaged);
// Calls visit(rowKey) for every record with a row key in [first, last], in order, without decoding
// the bodies. A store code for a damaged pack.
std::uint32_t ScanRecordKeys(Database* db, std::int64_t first, std::int64_t last,
                             const std::function<std::uint32_t(std::int64_t rowKey)>& visit);
// The number of rows of the record table (records or packs).
std::uint32_t CountRecordRows(Database* db, std::uint64_t* rows);

// Writes the pending packs into the table. A store code; in a bulk transaction a failure dooms it.
std::uint32_t StorePendingPacks(Database* db);
// Forgets the pending packs (their transaction is rolled back).
void DropPendingPacks(Database* db);

}  // namespace store
