// The one process-wide holder of the record store's session. Every database the library opens
// goes through it.
#pragma once

#include <cstdint>
#include <mutex>
#include <vector>

#include "ArbError.h"
#include "CreateOptions.h"
#include "LexcoreExport.h"

class Polylex;

class LEXCORE_API LexcoreEngine {
 public:
  // The engine, created (with a running session of 32 kilobytes of cache) on first use and
  // destroyed at process exit; null when it cannot be allocated. Throws PLXException (kind ARBOR)
  // when the session cannot be started.
  static LexcoreEngine* GetInstance();
  // Destroys the engine: closes the databases that Polylex objects still hold open through it,
  // then its session. A later GetInstance creates a new one.
  static void DestroyInstance();

  LexcoreEngine(const LexcoreEngine&) = delete;
  LexcoreEngine& operator=(const LexcoreEngine&) = delete;

  // Starts a new session (stopping a running one); 1 on success, 0 with the code kept.
  int Start();
  void Stop();
  std::int16_t GetCache() const { return cache_; }
  // Sets the session's cache size; throws PLXException (kind ARBOR) when the store refuses.
  void SetCache(std::int16_t kilobytes);
  // Opens a database through the session; the store's code (0: *database set). `path` is a
  // NUL-terminated buffer of at most 240 bytes.
  std::uint32_t OpenDatabase(const char* path, const char* secondPath, std::uint8_t flags,
                             void** database, Create_Options* options);
  void* GetSession() const { return session_; }
  std::uint32_t GetErrorCode() const { return error_; }

  // Kept for callers of the original debugging interface; none has any effect.
  static std::int32_t SetBreakAlloc(std::int32_t) { return 0; }
  static int SetDbgFlag(int) { return 0; }
  static int SetReportMode(int, int) { return 0; }
  static void* SetReportFile(int, void*) { return nullptr; }
  static void CheckMemory() {}
  static int IsValidHeapPointer(const void*) { return 1; }

  static LexcoreEngine* m_pTheEngine;

 protected:
  LexcoreEngine();
  virtual ~LexcoreEngine();

 private:
  friend class Polylex;

  // The Polylex objects with a database open through this engine. The engine closes them before
  // its session goes, so that a Polylex that outlives it (a static one, closed after the engine's
  // exit handler ran) finds its database closed instead of a session that no longer exists.
  void Track(Polylex* polylex);
  void Untrack(Polylex* polylex);

  std::mutex openMutex_;
  std::vector<Polylex*> open_;
  ArbError error_;
  void* session_ = nullptr;
  std::int16_t cache_ = 0;
};
