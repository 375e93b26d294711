#include "store/ReadReleaser.h"

#include <utility>

namespace store {

ReadReleaser::ReadReleaser(Sweep sweep, Clock::duration interval)
    : sweep_(std::move(sweep)), interval_(interval), thread_([this] { Run(); }) {}

ReadReleaser::~ReadReleaser() {
  {
    std::lock_guard guard(mutex_);
    stopping_ = true;
  }
  changed_.notify_all();
  thread_.join();
}

void ReadReleaser::Wake() {
  {
    std::lock_guard guard(mutex_);
    if (pending_) return;
    pending_ = true;
  }
  changed_.notify_one();
}

void ReadReleaser::Run() {
  std::unique_lock lock(mutex_);
  for (;;) {
    changed_.wait(lock, [this] { return pending_ || stopping_; });
    pending_ = false;
    bool stillOpen = true;
    while (stillOpen) {
      if (changed_.wait_for(lock, interval_, [this] { return stopping_; })) return;
      // Swept without our own lock held: the sweep takes the database locks, and readers that
      // call Wake hold those.
      lock.unlock();
      stillOpen = sweep_(Clock::now() - interval_);
      lock.lock();
    }
  }
}

}  // namespace store
