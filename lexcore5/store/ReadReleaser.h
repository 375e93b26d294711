// A background thread that ends the read transactions the fast record reader leaves open. A read
// transaction holds the file's shared lock, which keeps writers in other connections waiting; the
// thread sleeps until a read transaction starts, then calls `sweep` every interval until no
// transaction is left open. The thread runs only while there is something to release.
#pragma once

#include <chrono>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

namespace store {

class ReadReleaser {
 public:
  using Clock = std::chrono::steady_clock;
  // Releases every read transaction that began at or before the cutoff; returns true while some
  // are still open (younger ones, or ones it could not reach at the moment).
  using Sweep = std::function<bool(Clock::time_point cutoff)>;

  ReadReleaser(Sweep sweep, Clock::duration interval);
  // Stops and joins the thread; the sweep is not called any more once this returns.
  ~ReadReleaser();
  ReadReleaser(const ReadReleaser&) = delete;
  ReadReleaser& operator=(const ReadReleaser&) = delete;

  // A read transaction has just begun.
  void Wake();

 private:
  void Run();

  Sweep sweep_;
  Clock::duration interval_;
  std::mutex mutex_;
  std::condition_variable changed_;
  bool pending_ = false;
  bool stopping_ = false;
  std::thread thread_;
};

}  // namespace store
