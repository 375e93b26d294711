#include "platform/FileLock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <map>
#include <mutex>
#include <utility>
#include <vector>

namespace platform {
namespace {

using FileIdentity = std::pair<dev_t, ino_t>;

// Per file: how many FileLocks hold a descriptor of it, and the descriptors whose close must wait
// until the last of them is released.
struct OpenFile {
  int holders = 0;
  std::vector<int> deferredCloses;
};

std::mutex registryMutex;
std::map<FileIdentity, OpenFile> registry;

void Register(const FileIdentity& identity) {
  std::lock_guard guard(registryMutex);
  ++registry[identity].holders;
}

void Unregister(const FileIdentity& identity, int fd) {
  std::lock_guard guard(registryMutex);
  auto found = registry.find(identity);
  OpenFile& file = found->second;
  if (--file.holders > 0) {
    file.deferredCloses.push_back(fd);
    return;
  }
  close(fd);
  for (int deferred : file.deferredCloses) close(deferred);
  registry.erase(found);
}

LockResult OpenFailure(int error) {
  switch (error) {
    case ENOENT:
    case ENOTDIR:
      return LockResult::kNotFound;
    case EACCES:
    case EPERM:
      return LockResult::kAccessDenied;
    default:
      return LockResult::kFailed;
  }
}

}  // namespace

LockResult FileLock::Acquire(const char* path, bool exclusive) {
  Release();
  const int fd = open(path, O_RDONLY | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) return OpenFailure(errno);
  struct stat info {};
  if (fstat(fd, &info) != 0) {
    close(fd);
    return LockResult::kFailed;
  }
  if (!S_ISREG(info.st_mode)) {
    close(fd);
    return LockResult::kNotAFile;
  }
  const FileIdentity identity{info.st_dev, info.st_ino};
  // Registered before locking so that a refusal below goes through the deferred close too.
  Register(identity);
  int result;
  do {
    result = flock(fd, (exclusive ? LOCK_EX : LOCK_SH) | LOCK_NB);
  } while (result != 0 && errno == EINTR);
  if (result != 0) {
    const bool inUse = errno == EWOULDBLOCK;
    Unregister(identity, fd);
    return inUse ? LockResult::kInUse : LockResult::kFailed;
  }
  fd_ = fd;
  device_ = info.st_dev;
  inode_ = info.st_ino;
  return LockResult::kLocked;
}

void FileLock::Release() {
  if (fd_ < 0) return;
  flock(fd_, LOCK_UN);
  Unregister({static_cast<dev_t>(device_), static_cast<ino_t>(inode_)}, fd_);
  fd_ = -1;
}

long FileLock::ReadPrefix(void* buffer, std::size_t size) const {
  if (fd_ < 0) return -1;
  ssize_t count;
  do {
    count = pread(fd_, buffer, size, 0);
  } while (count < 0 && errno == EINTR);
  return static_cast<long>(count);
}

}  // namespace platform
