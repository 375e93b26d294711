#include "FxSession.h"

#include "store/RecordStore.h"

FxSession::~FxSession() {
  Close();
}

int FxSession::Open() {
  Close();
  store::Session* session = nullptr;
  if (!error_.Success(store::CreateSession(cache_, 0, &session))) return 0;
  session_ = session;
  return 1;
}

void FxSession::Close() {
  if (session_ == nullptr) return;
  store::Session* session = static_cast<store::Session*>(session_);
  store::CloseSession(&session);
  session_ = nullptr;
}

void FxSession::SetCache(std::uint16_t kilobytes) {
  cache_ = kilobytes;
  if (session_ != nullptr) {
    error_ = store::ConfigureSession(static_cast<store::Session*>(session_), store::kSessionCacheKb,
                                     kilobytes);
  }
}
