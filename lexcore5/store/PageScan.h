// Reads a database file page by page, straight from disk, and verifies every page's checksum: the
// pages in use and those on SQLite's free list alike (every page in the file was stamped when it
// was last written), and the header, which is part of page 1. Needs no working SQLite connection,
// so it still tells which pages are damaged when the file cannot be opened at all.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace store {

struct PageScanResult {
  std::uint64_t pages = 0;  // whole pages read
  // Page numbers (from 1) that fail their checksum, in order. A page cut short at the end of the
  // file is one of them; so is page 1 when the header's page size cannot be read.
  std::vector<std::uint64_t> damaged;
  // The page count the header records, when it disagrees with the file's size (a file cut at a
  // page boundary); 0 when they agree.
  std::uint64_t headerPages = 0;
};

// Called after each page with the pages done and the file's page count; false stops the scan.
using PageProgress = std::function<bool(std::uint64_t done, std::uint64_t total)>;

// IO_ERR / IO_PATH_NOT_FOUND when the file cannot be read; SUCCESS otherwise (damage is in
// *result). A stopped scan returns SUCCESS with the pages read so far.
std::uint32_t ScanPages(const char* path, const PageProgress& progress, PageScanResult* result);

}  // namespace store
