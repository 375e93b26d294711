#include "store/Session.h"

#include <algorithm>
#include <chrono>

#include "ArbCodes.h"
#include "store/ApiGuard.h"
#include "store/Database.h"

namespace store {
namespace {

constexpr std::uint32_t kDefaultCacheKb = 128;
// How long a fast reader may keep the file's shared lock; writers elsewhere wait at most about
// twice this long for it.
constexpr auto kReadHoldTime = std::chrono::milliseconds(100);

// Ends the read transactions that began at or before `cutoff`. A database busy in another thread is
// left for the next sweep.
bool SweepReads(Session* session, ReadReleaser::Clock::time_point cutoff) {
  std::lock_guard guard(session->mutex);
  bool stillOpen = false;
  for (Database* db : session->databases) {
    std::unique_lock lock(db->mutex, std::try_to_lock);
    if (!lock.owns_lock()) {
      stillOpen = true;
      continue;
    }
    if (!db->reader.Holding()) continue;
    if (db->reader.OpenedAt() <= cutoff) {
      db->reader.Release();
    } else {
      stillOpen = true;
    }
  }
  return stillOpen;
}

std::uint32_t EffectiveCache(std::uint32_t cacheKb) {
  return cacheKb == 0 ? kDefaultCacheKb : cacheKb;
}

}  // namespace

std::uint32_t CreateSession(std::uint32_t cacheKb, std::uint32_t /*flags*/, Session** out) {
  if (out == nullptr) return arbcode::BAD_HDL;
  *out = nullptr;
  return Guarded([&]() -> std::uint32_t {
    auto session = std::make_unique<Session>();
    session->cacheKb = EffectiveCache(cacheKb);
    Session* raw = session.get();
    try {
      session->releaser = std::make_unique<ReadReleaser>(
          [raw](ReadReleaser::Clock::time_point cutoff) { return SweepReads(raw, cutoff); },
          kReadHoldTime);
    } catch (const std::system_error&) {
      return arbcode::MUTEX_FAILED;
    }
    *out = session.release();
    return arbcode::SUCCESS;
  });
}

std::uint32_t ConfigureSession(Session* session, std::uint32_t option, std::uint32_t value) {
  if (option < 1 || option > 4) return arbcode::NOT_IMPLEMENTED;
  if (session == nullptr || option != kSessionCacheKb) return arbcode::SUCCESS;
  return Guarded([&] {
    std::lock_guard guard(session->mutex);
    session->cacheKb = EffectiveCache(value);
    for (Database* db : session->databases) {
      std::lock_guard databaseGuard(db->mutex);
      db->cacheKb = session->cacheKb;
      ApplyCacheSize(db);
    }
    return arbcode::SUCCESS;
  });
}

std::uint32_t GetSessionCache(const Session* session, std::uint32_t* cacheKb) {
  if (session == nullptr || cacheKb == nullptr) return arbcode::BAD_HDL;
  return Guarded([&] {
    std::lock_guard guard(session->mutex);
    *cacheKb = session->cacheKb;
    return arbcode::SUCCESS;
  });
}

std::uint32_t CloseSession(Session** session) {
  if (session == nullptr) return arbcode::BAD_HDL;
  if (*session == nullptr) return arbcode::SUCCESS;
  return Guarded([&] {
    std::unique_ptr<Session> owned(*session);
    *session = nullptr;
    // Joined before anything else, so that no sweep runs over databases being closed.
    owned->releaser.reset();
    std::vector<Database*> databases;
    {
      std::lock_guard guard(owned->mutex);
      databases.swap(owned->databases);
    }
    for (Database* db : databases) {
      {
        std::lock_guard guard(db->mutex);
        Shutdown(db);
      }
      delete db;
    }
    return arbcode::SUCCESS;
  });
}

void AttachDatabase(Session* session, Database* db) {
  std::lock_guard guard(session->mutex);
  db->session = session;
  db->cacheKb = session->cacheKb;
  ApplyCacheSize(db);
  session->databases.push_back(db);
}

void DetachDatabase(Session* session, Database* db) {
  std::lock_guard guard(session->mutex);
  auto& list = session->databases;
  list.erase(std::remove(list.begin(), list.end(), db), list.end());
}

}  // namespace store
