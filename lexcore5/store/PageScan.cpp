#include "store/PageScan.h"

#include <cstdio>
#include <memory>
#include <vector>

#include "ArbCodes.h"
#include "store/PageChecksum.h"
#include "store/Schema.h"

namespace store {
namespace {

constexpr std::size_t kPageSizeOffset = 16;
constexpr std::size_t kPageCountOffset = 28;
constexpr std::uint64_t kLargestPageSize = 65536;
// SQLite never writes the page that holds this offset (its lock bytes live there).
constexpr std::uint64_t kLockByteOffset = 0x40000000;

struct FileCloser {
  void operator()(std::FILE* file) const { std::fclose(file); }
};

std::uint64_t PageSizeOf(const unsigned char* header) {
  const std::uint64_t stored =
      static_cast<std::uint64_t>(header[kPageSizeOffset]) << 8 | header[kPageSizeOffset + 1];
  const std::uint64_t size = stored == 1 ? kLargestPageSize : stored;
  const bool powerOfTwo = size != 0 && (size & (size - 1)) == 0;
  return powerOfTwo && size >= kSmallestPageSize && size <= kLargestPageSize ? size : 0;
}

std::uint64_t HeaderPageCount(const unsigned char* header) {
  std::uint64_t count = 0;
  for (std::size_t i = 0; i < 4; ++i) count = count << 8 | header[kPageCountOffset + i];
  return count;
}

}  // namespace

std::uint32_t ScanPages(const char* path, const PageProgress& progress, PageScanResult* result) {
  *result = PageScanResult{};
  std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path, "rb"));
  if (file == nullptr) return arbcode::IO_PATH_NOT_FOUND;
  unsigned char header[kSqliteHeaderSize];
  if (std::fread(header, 1, sizeof header, file.get()) != sizeof header ||
      std::fseek(file.get(), 0, SEEK_END) != 0) {
    result->damaged.push_back(1);
    return arbcode::SUCCESS;
  }
  const long fileSize = std::ftell(file.get());
  const std::uint64_t pageSize = PageSizeOf(header);
  if (fileSize < 0) return arbcode::IO_ERR;
  if (pageSize == 0) {
    result->damaged.push_back(1);
    return arbcode::SUCCESS;
  }
  const std::uint64_t total = (static_cast<std::uint64_t>(fileSize) + pageSize - 1) / pageSize;
  const std::uint64_t lockBytePage = kLockByteOffset / pageSize + 1;
  std::rewind(file.get());
  std::vector<unsigned char> page(pageSize);
  for (std::uint64_t number = 1; number <= total; ++number) {
    const std::size_t count = std::fread(page.data(), 1, page.size(), file.get());
    if (count < page.size() && std::ferror(file.get())) return arbcode::IO_ERR;
    ++result->pages;
    if (number != lockBytePage &&
        (count < page.size() || !PageIntact(page.data(), count, number))) {
      result->damaged.push_back(number);
    }
    if (progress && !progress(number, total)) return arbcode::SUCCESS;
  }
  // A header that keeps no count holds 0 there.
  const std::uint64_t recorded = HeaderPageCount(header);
  if (recorded != 0 && recorded != total) result->headerPages = recorded;
  return arbcode::SUCCESS;
}

}  // namespace store
