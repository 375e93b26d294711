// The tables of a database file and how a file proves it is one of ours: SQLite's application id
// and our format number in the file header (the user version field), then our tables and nothing
// else. The creation options live in the meta table.
#pragma once

#include <sqlite3.h>

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "store/RecordStore.h"

namespace store {

// Creates the tables in an empty database and stamps it; a store code.
std::uint32_t CreateSchema(sqlite3* connection, const CreateOptions& options);

// How records and index entries are laid out in a file. Files keep the layout they were made with.
enum class FileLayout {
  // Fixed-format record bodies; every index keeps entries of its own.
  kOriginal,
  // Compact record bodies; indexes with the same definition over the same container share one set
  // of entries, kept under the lowest of their numbers.
  kCompact,
  // As compact, with the records of a container kept in compressed packs of consecutive IDs
  // (RecordPack).
  kPacked,
  // As packed, with the packs compressed against a dictionary the file keeps (TrainPackDictionary).
  kPackedWithDictionary,
  // As packed with a dictionary, in packs of half as many records.
  kNarrowPackedWithDictionary,
};

constexpr bool KeepsPacks(FileLayout layout) {
  return layout == FileLayout::kPacked || layout == FileLayout::kPackedWithDictionary ||
         layout == FileLayout::kNarrowPackedWithDictionary;
}

constexpr bool UsesPackDictionary(FileLayout layout) {
  return layout == FileLayout::kPackedWithDictionary ||
         layout == FileLayout::kNarrowPackedWithDictionary;
}

// The records a pack of a layout that keeps packs holds at most (RecordPack.h).
constexpr unsigned PackSlotsOf(FileLayout layout) {
  return layout == FileLayout::kNarrowPackedWithDictionary ? 16 : 32;
}

// Reads the layout a file records (kOriginal when it records none). NEWER_DB for a layout this
// build does not know.
std::uint32_t ReadFileLayout(sqlite3* connection, FileLayout* layout);
// Records the packed layout; inside a write transaction.
std::uint32_t StorePackedLayout(sqlite3* connection);
// Keeps the packs' dictionary and records the narrow layout, whose packs use it; inside a write
// transaction.
std::uint32_t StorePackDictionary(sqlite3* connection, std::string_view dictionary);
// The dictionary of a file of the layout that uses one; DATA_ERROR when the file lacks it.
std::uint32_t ReadPackDictionary(sqlite3* connection, std::string* dictionary);

// The size of SQLite's file header, the start of the first page.
constexpr std::size_t kSqliteHeaderSize = 100;

// Checks the stamp in a file's header before SQLite reads any page of it, so that a file whose
// pages cannot be verified never reaches the page layer: NOT_DB for a foreign file (or a header
// shorter than kSqliteHeaderSize), NEWER_DB for a newer format, OLD_DB for the format before page
// checksums, SUCCESS for a file of the present format.
std::uint32_t IdentifyHeader(const unsigned char* header, std::size_t size);

// Checks that the connection's file is a database of ours that this build can read, and reads its
// creation options and its layout. NOT_DB for a foreign or incomplete file, NEWER_DB for a newer
// format or layout, OLD_DB for one without page checksums, a store code for a damaged one. Reads
// only.
std::uint32_t IdentifyDatabase(sqlite3* connection, CreateOptions* options, FileLayout* layout);

}  // namespace store
