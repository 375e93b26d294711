// What a session holds: its cache setting, its open databases and the thread that ends their idle
// read transactions. `mutex` guards the list and the setting; when both are needed it is taken
// before a database's own mutex.
#pragma once

#include <cstdint>
#include <memory>
#include <mutex>
#include <vector>

#include "store/ReadReleaser.h"
#include "store/RecordStore.h"

namespace store {

struct Session {
  mutable std::mutex mutex;
  std::uint32_t cacheKb = 0;
  std::vector<Database*> databases;
  // Last member: destroyed (joined) first, while the rest is still intact.
  std::unique_ptr<ReadReleaser> releaser;
};

// Adds an opened database to the session and sizes its cache; removes one that is closing.
void AttachDatabase(Session* session, Database* db);
void DetachDatabase(Session* session, Database* db);

}  // namespace store
