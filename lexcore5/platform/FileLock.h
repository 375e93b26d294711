// An advisory whole-file lock held through a descriptor of the process's own, plus the little
// reading the store needs before it hands the file to its page layer.
//
// Descriptors of a file stay open until no FileLock of this process refers to the same file any
// more: on Linux, closing any descriptor of a file drops every POSIX record lock the process holds
// on it, and the page layer keeps its own locks that way. Unlocking, however, takes effect at once.
#pragma once

#include <cstddef>
#include <cstdint>

namespace platform {

enum class LockResult : std::uint8_t {
  kLocked,
  kInUse,         // another holder's lock conflicts (never waits)
  kNotFound,      // the file or a directory on its path is missing
  kAccessDenied,  // no permission to open the file
  kNotAFile,      // a directory or another non-regular file
  kFailed,        // any other system error
};

class FileLock {
 public:
  FileLock() = default;
  ~FileLock() { Release(); }
  FileLock(const FileLock&) = delete;
  FileLock& operator=(const FileLock&) = delete;

  // Opens `path` for reading and takes an exclusive lock (refused while anyone else holds a lock on
  // the file) or a shared one (refused while anyone holds an exclusive lock). A held lock is
  // released first.
  LockResult Acquire(const char* path, bool exclusive);
  // Unlocks and gives up the descriptor (see above); harmless when nothing is held.
  void Release();

  // Reads up to `size` bytes from the start of the file; returns the count read, or -1 on error or
  // when nothing is held.
  long ReadPrefix(void* buffer, std::size_t size) const;

 private:
  int fd_ = -1;
  std::uint64_t device_ = 0;
  std::uint64_t inode_ = 0;
};

}  // namespace platform
