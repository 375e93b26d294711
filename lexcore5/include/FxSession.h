// A record store session of the caller's own, apart from the library's engine. Never throws:
// results are 1 or 0 with the store's code kept.
#pragma once

#include <cstdint>

#include "ArbError.h"
#include "LexcoreExport.h"

class LEXCORE_API FxSession {
 public:
  FxSession() = default;
  FxSession(const FxSession&) = delete;
  FxSession& operator=(const FxSession&) = delete;
  virtual ~FxSession();

  // Closes any open session, then starts one with the stored cache size.
  int Open();
  void Close();
  int IsOpen() const { return session_ != nullptr ? 1 : 0; }
  // Stores the size and, with a session open, applies it (the code is kept).
  void SetCache(std::uint16_t kilobytes);
  std::uint16_t GetCache() const { return cache_; }
  std::uint32_t GetErrorCode() const { return error_; }
  operator void*() const { return session_; }

 private:
  ArbError error_;
  void* session_ = nullptr;
  std::uint16_t cache_ = 32;
};
