// The tables of a database file and how a file proves it is one of ours: SQLite's application id
// and our format number in the file header (the user version field), then our tables and nothing
// else. The creation options live in the meta table.
#pragma once

#include <sqlite3.h>

#include <cstdint>

#include "store/RecordStore.h"

namespace store {

// Creates the tables in an empty database and stamps it; a store code.
std::uint32_t CreateSchema(sqlite3* connection, const CreateOptions& options);

// Checks that the connection's file is a database of ours that this build can read, and reads its
// creation options. NOT_DB for a foreign or incomplete file, NEWER_DB for a newer format, a store
// code for a damaged one. Reads only.
std::uint32_t IdentifyDatabase(sqlite3* connection, CreateOptions* options);

}  // namespace store
