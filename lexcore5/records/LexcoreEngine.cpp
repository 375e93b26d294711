#include "LexcoreEngine.h"

#include <algorithm>
#include <cstdlib>
#include <new>

#include "PLXException.h"
#include "Polylex.h"
#include "store/RecordStore.h"

namespace {

constexpr std::int16_t kEngineCacheKb = 32;

store::Session* SessionOf(void* session) {
  return static_cast<store::Session*>(session);
}

}  // namespace

LexcoreEngine* LexcoreEngine::m_pTheEngine = nullptr;

LexcoreEngine* LexcoreEngine::GetInstance() {
  if (m_pTheEngine == nullptr) {
    m_pTheEngine = new (std::nothrow) LexcoreEngine();
    if (m_pTheEngine == nullptr) return nullptr;
    static const bool registered = std::atexit(&LexcoreEngine::DestroyInstance) == 0;
    (void)registered;
  }
  return m_pTheEngine;
}

void LexcoreEngine::DestroyInstance() {
  delete m_pTheEngine;
  m_pTheEngine = nullptr;
}

LexcoreEngine::LexcoreEngine() {
  if (!Start()) throw PLXException(static_cast<std::uint32_t>(error_), nullptr, 0);
}

LexcoreEngine::~LexcoreEngine() {
  std::vector<Polylex*> open;
  {
    std::lock_guard guard(openMutex_);
    open.swap(open_);
  }
  for (Polylex* polylex : open) {
    try {
      polylex->Close();
    } catch (const PLXException&) {
      // The session goes anyway; the store has released what it could.
    }
  }
  Stop();
}

void LexcoreEngine::Track(Polylex* polylex) {
  std::lock_guard guard(openMutex_);
  open_.push_back(polylex);
}

void LexcoreEngine::Untrack(Polylex* polylex) {
  std::lock_guard guard(openMutex_);
  open_.erase(std::remove(open_.begin(), open_.end(), polylex), open_.end());
}

int LexcoreEngine::Start() {
  Stop();
  store::Session* session = nullptr;
  if (!error_.Success(store::CreateSession(kEngineCacheKb, 0, &session))) return 0;
  session_ = session;
  cache_ = kEngineCacheKb;
  return 1;
}

void LexcoreEngine::Stop() {
  if (session_ == nullptr) return;
  store::Session* session = SessionOf(session_);
  store::CloseSession(&session);
  session_ = nullptr;
}

void LexcoreEngine::SetCache(std::int16_t kilobytes) {
  if (!error_.Success(store::ConfigureSession(SessionOf(session_), store::kSessionCacheKb,
                                              static_cast<std::uint32_t>(kilobytes)))) {
    throw PLXException(static_cast<std::uint32_t>(error_), nullptr, 0);
  }
  cache_ = kilobytes;
}

std::uint32_t LexcoreEngine::OpenDatabase(const char* path, const char* secondPath,
                                          std::uint8_t flags, void** database,
                                          Create_Options* options) {
  store::Database* opened = nullptr;
  store::CreateOptions stored{};
  error_ = store::OpenDatabase(SessionOf(session_), path, secondPath, flags, &opened, &stored);
  if (error_ == 0) {
    *database = opened;
    static_assert(sizeof stored.words == sizeof options->words);
    for (int i = 0; i < 4; ++i) options->words[i] = stored.words[i];
    options->flags = stored.flags;
  }
  return error_;
}
